// Where the program keeps its files: beside itself when portable, in the user's XDG
// folders when installed.
#include "AppFolders.h"
#include "NoOverride.h"

#include "TestPrinters.h"
#include <QDir>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace {

class AppFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("share")));
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
    }
    QTemporaryDir tree;
    QTemporaryDir home;
};

TEST_F(AppFoldersTest, APortableFolderKeepsEverythingBesideTheProgram) {
    const QString program = tree.filePath("zelk");
    QDir().mkpath(program + "/pic");
    const AppFolders folders = AppFolders::ForProgram(program);
    EXPECT_TRUE(folders.Portable());
    EXPECT_EQ(folders.Resources(), program);
    EXPECT_EQ(folders.Sounds(), program + "/sound");
    EXPECT_EQ(folders.Help(), program + "/help/ZW33.html");
    EXPECT_EQ(folders.Data(), program + "/data");
    EXPECT_EQ(folders.SettingsFile(), program + "/ZelkWin33.ini");
}

TEST_F(AppFoldersTest, AnInstalledProgramUsesShareAndTheUsersFolders) {
    // usr/bin/zelk with usr/share/zelk/pic: an installation, even where root may write.
    QDir().mkpath(tree.filePath("usr/bin"));
    QDir().mkpath(tree.filePath("usr/share/zelk/pic"));
    const AppFolders folders = AppFolders::ForProgram(tree.filePath("usr/bin"));
    EXPECT_FALSE(folders.Portable());
    EXPECT_EQ(folders.Program(), tree.filePath("usr/bin"));
    EXPECT_EQ(folders.Resources(), tree.filePath("usr/share/zelk"));
    EXPECT_EQ(folders.Pictures(), tree.filePath("usr/share/zelk/pic"));
    EXPECT_EQ(folders.Data(), home.filePath("share") + "/zelk/data");
    EXPECT_EQ(folders.SettingsFile(), home.filePath("config") + "/zelk/ZelkWin33.ini");
}

TEST_F(AppFoldersTest, AFolderNobodyMayWriteMovesDataAndSettingsToTheUser) {
    const QString program = tree.filePath("ro");
    QDir().mkpath(program + "/pic");
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    std::optional<AppFolders> found;
    {
        // Root too, without the rights that pass over a folder's permissions (CI is root).
        const NoOverride asAnyUser;
        if (faccessat(AT_FDCWD, QFile::encodeName(program).constData(), W_OK, AT_EACCESS) == 0) {
            QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
            GTEST_SKIP() << "this process may write anywhere; the read-only case cannot be made";
        }
        found = AppFolders::ForProgram(program);
    }
    const AppFolders& folders = *found;
    QFile::setPermissions(program,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(folders.Portable());
    EXPECT_EQ(folders.Resources(), program);
    EXPECT_EQ(folders.Data(), home.filePath("share") + "/zelk/data");
}

} // namespace
