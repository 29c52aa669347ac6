// Which recovery files a start offers: its own slot's first, then those of slots no
// running copy holds, by slot; never a running copy's, never one that is not there. A
// copy that will not recover takes a slot whose recovery file nobody left.
#include "CopySlots.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CopySlots, AStartOffersTheRecoveryFilesOfCopiesThatNoLongerRun) {
    QTemporaryDir dir;
    const auto file = [&dir](int slot) { return dir.filePath(CopySlots::AutosaveName(slot)); };
    const auto leave = [&file](int slot) {
        QFile f(file(slot));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0 0 0 0\r\nx\r\n");
    };
    CopySlots running(dir.path());
    ASSERT_EQ(running.Take(), 1);
    CopySlots self(dir.path());
    ASSERT_EQ(self.Take(), 2);
    EXPECT_TRUE(self.OthersRunning());
    EXPECT_EQ(self.RecoveryFiles(), QStringList()) << "nothing left behind yet";

    leave(1); // the running copy's own autosave: not a recovery file
    leave(3); // copies that ended abnormally
    leave(5);
    EXPECT_EQ(self.RecoveryFiles(), (QStringList{file(3), file(5)}));
    leave(2); // this slot's own, first
    EXPECT_EQ(self.RecoveryFiles(), (QStringList{file(2), file(3), file(5)}));

    // A copy started with a file passes over the slots whose recovery file waits; a plain
    // start takes the lowest free one (and offers its file).
    CopySlots withFile(dir.path());
    EXPECT_EQ(withFile.Take(CopySlots::Recovery::LeftAlone), 4);
    CopySlots plain(dir.path());
    EXPECT_EQ(plain.Take(CopySlots::Recovery::Offered), 3);
    EXPECT_EQ(plain.RecoveryFiles(), (QStringList{file(3), file(5)}))
        << "slot 2 is held again: its file is its copy's";
    EXPECT_EQ(self.RecoveryFiles(), (QStringList{file(2), file(5)}));
}

} // namespace
