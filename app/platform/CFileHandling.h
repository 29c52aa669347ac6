#pragma once

#include <QString>
#include <QStringList>

class UserDialogs;

// The few file system operations the program needs. Every failure is told to the
// user in the operation's own words and gives a neutral result; nothing is thrown.
class CFileHandling {
public:
    explicit CFileHandling(UserDialogs& dialogs) : dialogs_(dialogs) {}

    bool FileExists(const QString& FileName);
    bool DeleteFile(const QString& FileName);
    bool FolderExists(const QString& FolderName);
    // One level: fails when the folder exists or its parent does not.
    bool CreateFolder(const QString& FolderName);
    // Everything after the last "/"; a text ending in "/" (or empty) comes back whole.
    static QString TrimUpperFoldername(const QString& Longname);
    // Everything before the last "."; "ファイル名なし" when there is no "." at all.
    static QString TrimExtension(const QString& FileName);
    // Names (without folder) of the normal files in Path matching Mode ("*", "?"), in
    // the order the folder lists them; the one element "" when there is none.
    void GetFileList(const QString& Path, QStringList& List, const QString& Mode);

    static constexpr int kMaxListed = 32768;

private:
    void Fail(const QString& operation, const QString& secondLine);
    static bool IsValidPath(const QString& path);

    UserDialogs& dialogs_;
};
