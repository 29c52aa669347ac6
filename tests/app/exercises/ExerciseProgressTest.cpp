// The learner's progress: the best time is the fastest solve, attempts count every
// check, what is saved reads back, and a file that cannot be written is said to be.
#include "ExerciseProgress.h"
#include "NoOverride.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

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
