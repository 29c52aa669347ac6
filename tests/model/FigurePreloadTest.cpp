#include "FigurePreload.h"
#include "CZelkData.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The figure read ahead is handed over once, for its own name only; a file changed since,
// a damaged file or a name never read is left to the usual reading.
TEST(FigurePreload, HandsOverOnlyWhatTheFileStillHolds) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("start.zlk"));
    Write(path, "0 0 0 2\r\n0,0,0,10,0,0\r\n0,0,0,0,10,0\r\nstart\r\n");

    FigurePreload preload;
    preload.Start(path);
    CZelkData figure;
    EXPECT_FALSE(preload.Take(dir.filePath(QStringLiteral("other.zlk")), figure));
    ASSERT_TRUE(preload.Take(path, figure));
    EXPECT_EQ(figure.NumberOfLines(), 2);
    EXPECT_EQ(figure.Comment(), QStringLiteral("start"));
    CZelkData again;
    EXPECT_FALSE(preload.Take(path, again)) << "handed over once";
    // The segments for the view come with the figure taken, and with nothing else.
    EXPECT_TRUE(preload.TakeSegments(again.Lines()).empty());
    CZelkData moved;
    moved.Swap(figure);
    const FigurePreload::Segments segments = preload.TakeSegments(moved.Lines());
    EXPECT_EQ(segments, (FigurePreload::Segments{{0, 0, 0, 10, 0, 0}, {0, 0, 0, 0, 10, 0}}));
    EXPECT_TRUE(preload.TakeSegments(moved.Lines()).empty()) << "handed over once";

    // Lines changed after the figure was taken get no segments that would draw the old.
    FigurePreload edited;
    edited.Start(path);
    CZelkData taken;
    ASSERT_TRUE(edited.Take(path, taken));
    ASSERT_TRUE(taken.OverWriteLine(2, QStringLiteral("0,0,0,0,0,10")));
    EXPECT_TRUE(edited.TakeSegments(taken.Lines()).empty());

    // Changed after the read began: the old lines are not handed over.
    FigurePreload changed;
    changed.Start(path);
    Write(path, "0 0 0 1\r\n0,0,0,10,0,0\r\nchanged now\r\n");
    CZelkData stale;
    EXPECT_FALSE(changed.Take(path, stale));
    EXPECT_EQ(stale.NumberOfLines(), 0);

    FigurePreload damaged;
    Write(path, "0 0 0 -1\r\n");
    damaged.Start(path);
    CZelkData none;
    EXPECT_FALSE(damaged.Take(path, none));

    FigurePreload missing;
    missing.Start(dir.filePath(QStringLiteral("absent.zlk")));
    EXPECT_FALSE(missing.Take(dir.filePath(QStringLiteral("absent.zlk")), none));
}

} // namespace
