// The document keeps the figure, its history, its saved state and its exercise in step:
// a figure that takes the place of another leaves nothing of the old one behind, and the
// changed mark follows undo and redo to the saved state and away from it.
#include "FigureDocument.h"
#include "ActiveExercise.h"
#include "CAppData.h"
#include "CZelkData.h"
#include "FigureEdit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    CZelkData figure;
    CAppData settings{dir.path()};
    FigureDocument document{figure, settings};

    // Draws a line as the program does: the change first, then its step.
    void Draw(int x) {
        const QString line = QStringLiteral("0,0,0,%1,0,0").arg(x);
        ASSERT_TRUE(figure.AddLine(line));
        document.Record(FigureEdit::Added(figure, figure.NumberOfLines(), line, line, {}, {},
                                          [](const FigureEdit::Pointers&) {}));
    }
};

TEST(FigureDocument, UndoAndRedoFindTheSavedStateAgainEvenPastTheHistoryLimit) {
    Fixture f;
    int historySignals = 0;
    QObject::connect(&f.document, &FigureDocument::HistoryChanged, [&] { ++historySignals; });
    f.Draw(1);
    f.Draw(2);
    f.document.MarkSaved();
    f.figure.SetDirty(false);
    EXPECT_EQ(historySignals, 2);

    ASSERT_TRUE(f.document.Step(true));
    EXPECT_TRUE(f.figure.IsDirty());
    EXPECT_EQ(f.figure.NumberOfLines(), 1);
    ASSERT_TRUE(f.document.Step(false));
    EXPECT_FALSE(f.figure.IsDirty()) << "back at the saved state";
    EXPECT_FALSE(f.document.Step(false)) << "nothing to redo";

    // A step drawn after an undo drops the saved state ahead: it never comes back.
    ASSERT_TRUE(f.document.Step(true));
    f.Draw(3);
    EXPECT_EQ(f.document.SavedStep(), -1);
    ASSERT_TRUE(f.document.Step(true));
    EXPECT_TRUE(f.figure.IsDirty()) << "the saved figure had two other lines";

    // Steps dropped at the limit still count: a line drawn after saving a full history
    // and undone gives the saved figure back, unchanged.
    Fixture g;
    for (int i = 1; i <= FigureDocument::kHistoryLimit; ++i) {
        g.Draw(i);
    }
    g.document.MarkSaved();
    g.figure.SetDirty(false);
    g.Draw(5000);
    EXPECT_EQ(g.document.History().count(), FigureDocument::kHistoryLimit);
    ASSERT_TRUE(g.document.Step(true));
    EXPECT_FALSE(g.figure.IsDirty());
    ASSERT_TRUE(g.document.Step(true));
    EXPECT_TRUE(g.figure.IsDirty());
}

TEST(FigureDocument, AnotherFigureTakesThePlaceWholeOrAFailedLoadChangesNothing) {
    Fixture f;
    f.Draw(1);
    f.Draw(2);
    auto exercise = std::make_unique<ActiveExercise>();
    exercise->entry.id = QStringLiteral("L1-01");
    f.document.Attach(std::move(exercise));

    std::vector<QString> seen;
    QObject::connect(&f.document, &FigureDocument::AboutToBeReplaced, [&] {
        seen.push_back(QStringLiteral("about:") + (f.document.Exercise() != nullptr
                                                       ? f.document.Exercise()->entry.id
                                                       : QString()));
    });
    QObject::connect(&f.document, &FigureDocument::Replaced, [&] {
        seen.push_back(QStringLiteral("replaced:%1").arg(f.figure.NumberOfLines()));
    });

    // A file that cannot be read: the figure, its history and its exercise stay.
    const FileResult missing = f.document.Load(f.dir.filePath("gone.zlk"), nullptr);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.reason.isEmpty());
    EXPECT_EQ(f.figure.NumberOfLines(), 2);
    EXPECT_EQ(f.document.History().count(), 2);
    ASSERT_NE(f.document.Exercise(), nullptr);
    EXPECT_TRUE(seen.empty());

    // A file read whole takes the place, with a fresh history and no exercise.
    const QString path = f.dir.filePath("three.zlk");
    {
        CZelkData three;
        for (const char* line : {"0,0,0,5,0,0", "0,0,0,0,5,0", "0,0,0,0,0,5"}) {
            three.AddLine(QString::fromLatin1(line));
        }
        ASSERT_TRUE(three.Save(path).ok);
    }
    ASSERT_TRUE(f.document.Load(path, nullptr).ok);
    EXPECT_EQ(seen,
              (std::vector<QString>{QStringLiteral("about:L1-01"), QStringLiteral("replaced:3")}));
    EXPECT_EQ(f.document.Exercise(), nullptr);
    EXPECT_EQ(f.document.History().count(), 0);
    EXPECT_FALSE(f.figure.IsDirty());
    EXPECT_EQ(f.document.SavedStep(), 0);

    // A figure that nobody saved (a recovery, an import): no state of it counts as saved.
    CZelkData imported;
    imported.AddLine(QStringLiteral("1,1,1,2,2,2"));
    f.document.Replace(imported, true);
    EXPECT_EQ(imported.NumberOfLines(), 3) << "the figure that went is handed back";
    EXPECT_EQ(f.document.SavedStep(), -1);
    f.Draw(9);
    ASSERT_TRUE(f.document.Step(true));
    EXPECT_TRUE(f.figure.IsDirty());
}

} // namespace
