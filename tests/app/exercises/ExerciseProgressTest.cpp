// The learner's progress: the best time is the fastest solve, attempts count every
// check, what is saved reads back, and a file that cannot be written is said to be.
#include "ExerciseProgress.h"
#include "NoOverride.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A teacher's table: the header, every exercise listed in its order whether tried or not,
// fields with commas or quotes quoted, the day first solved kept over later solves and
// read back from the file; a record of before (no day) still reads.
TEST(ExerciseProgress, TheTableListsEveryExerciseAsASpreadsheetReadsIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZelkExercises.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("L1-02\t1\t3\t61000\n");
    }
    ExerciseProgress progress(path);
    progress.Load();
    progress.CountAttempt(QStringLiteral("own/a,\"b\""));
    progress.Solve(QStringLiteral("own/a,\"b\""), 2500, QDate(2026, 12, 8));
    progress.Solve(QStringLiteral("own/a,\"b\""), 2000, QDate(2026, 12, 9));
    ASSERT_TRUE(progress.Save().ok);
    ExerciseProgress back(path);
    back.Load();
    const QByteArray table =
        back.Table({{QStringLiteral("L1-01"), QStringLiteral("k"), QStringLiteral("1")},
                    {QStringLiteral("L1-02"), QStringLiteral("k"), QStringLiteral("1")},
                    {QStringLiteral("own/a,\"b\""), QStringLiteral("k"), QStringLiteral("2")}});
    ASSERT_TRUE(table.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> rows = table.mid(3).split('\n');
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0].count(','), 6) << rows[0].toStdString();
    EXPECT_EQ(rows[1], "L1-01,k,1,0,0,,\r");
    EXPECT_EQ(rows[2], "L1-02,k,1,1,3,61.0,\r");
    EXPECT_EQ(rows[3], "\"own/a,\"\"b\"\"\",k,2,1,1,2.0,2026-12-08\r");
    EXPECT_EQ(rows[4], "");
}

TEST(ExerciseProgress, TheBestTimeIsTheFastestAndWhatIsSavedReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZelkExercises.txt"));
    ExerciseProgress progress(path);
    // Solves of one exercise in turn, and the best time after each.
    const struct {
        qint64 ms;
        qint64 best;
    } solves[] = {{90000, 90000}, {60000, 60000}, {120000, 60000}, {60001, 60000}, {59999, 59999}};
    for (const auto& solve : solves) {
        progress.CountAttempt(QStringLiteral("L1-01"));
        progress.Solve(QStringLiteral("L1-01"), solve.ms);
        EXPECT_EQ(progress.Get(QStringLiteral("L1-01")).bestMs, solve.best) << solve.ms;
        EXPECT_TRUE(progress.Get(QStringLiteral("L1-01")).solved);
    }
    EXPECT_EQ(progress.Get(QStringLiteral("L1-01")).attempts, 5);
    progress.CountAttempt(QStringLiteral("L2-03"));
    EXPECT_FALSE(progress.Get(QStringLiteral("L2-03")).solved);
    EXPECT_EQ(ExerciseProgress::Note(progress.Get(QStringLiteral("L1-01"))),
              QStringLiteral("解けた 0:59"));
    EXPECT_EQ(ExerciseProgress::Note(progress.Get(QStringLiteral("L2-03"))), QString());

    const FileResult saved = progress.Save();
    ASSERT_TRUE(saved.ok) << saved.reason.toStdString();
    ExerciseProgress back(path);
    back.Load();
    for (const char* id : {"L1-01", "L2-03", "L3-01"}) {
        const ExerciseProgress::Record a = progress.Get(QString::fromLatin1(id));
        const ExerciseProgress::Record b = back.Get(QString::fromLatin1(id));
        EXPECT_EQ(a.solved, b.solved) << id;
        EXPECT_EQ(a.attempts, b.attempts) << id;
        EXPECT_EQ(a.bestMs, b.bestMs) << id;
    }

    // A file nobody may write in a folder that takes no file (a folder alone would still
    // let the file be rewritten in place): not written, said so, the earlier file as it was.
    QFile earlier(path);
    earlier.setPermissions(QFileDevice::ReadOwner);
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    const QByteArray before = earlier.readAll();
    earlier.close();
    progress.Solve(QStringLiteral("L4-02"), 1000);
    QFile folder(dir.path());
    const QFileDevice::Permissions permissions = folder.permissions();
    folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    FileResult refusedHere;
    {
        const NoOverride asAnyUser;
        refusedHere = progress.Save();
    }
    folder.setPermissions(permissions);
    EXPECT_FALSE(refusedHere.ok);
    EXPECT_FALSE(refusedHere.reason.isEmpty());
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), before);

    // A name that is a folder is no progress file either.
    ExerciseProgress misplaced(dir.path());
    misplaced.Solve(QStringLiteral("L1-01"), 1);
    const FileResult refused = misplaced.Save();
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.reason.isEmpty());
}

} // namespace
