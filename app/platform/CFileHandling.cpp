#include "CFileHandling.h"

#include "UserDialogs.h"

#include "SystemError.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {
// In the language chosen when it is shown.
QString InvalidPath() {
    return QCoreApplication::translate("CFileHandling", "パス名が無効です。");
}

QString Framed(const QString& description) {
    return QCoreApplication::translate("CFileHandling", "エラーメッセージは 「 ") + description +
           QCoreApplication::translate("CFileHandling", " 」でした。");
}

QString Short(const QString& description) {
    return QCoreApplication::translate("CFileHandling", "エラーは「 ") + description +
           QCoreApplication::translate("CFileHandling", " 」でした。");
}
} // namespace

void CFileHandling::Fail(const QString& operation, const QString& secondLine) {
    dialogs_.Message(
        QStringLiteral("CFileHandling.") + operation +
            QCoreApplication::translate("CFileHandling", "で予期せぬエラーが発生しました。\r\n") +
            secondLine,
        UserDialogs::ShownTitle(), UserDialogs::Buttons::Ok);
}

// A NUL character would silently cut the path short in the system call.
bool CFileHandling::IsValidPath(const QString& path) {
    return !path.contains(QChar(0));
}

bool CFileHandling::FileExists(const QString& FileName) {
    if (!IsValidPath(FileName)) {
        Fail(QStringLiteral("FileExists"), Framed(InvalidPath()));
        return false;
    }
    return QFileInfo(FileName).isFile();
}

bool CFileHandling::DeleteFile(const QString& FileName) {
    if (!IsValidPath(FileName)) {
        Fail(QStringLiteral("DeleteFile"), Framed(InvalidPath()));
        return false;
    }
    if (!QFileInfo(FileName).isFile()) {
        Fail(QStringLiteral("DeleteFile"),
             Framed(QCoreApplication::translate("CFileHandling", "ファイルが見つかりません。 ") +
                    FileName));
        return false;
    }
    QFile file(FileName);
    errno = 0;
    if (!file.remove()) {
        const int code = errno;
        Fail(QStringLiteral("DeleteFile"),
             Framed(QCoreApplication::translate("CFileHandling", "ファイルを削除できません。 ") +
                    FileName + u' ' +
                    (code != 0 ? SystemError::Reason(code) : file.errorString())));
        return false;
    }
    return true;
}

bool CFileHandling::FolderExists(const QString& FolderName) {
    if (!IsValidPath(FolderName)) {
        Fail(QStringLiteral("FolderExists"), InvalidPath());
        return false;
    }
    return QFileInfo(FolderName).isDir();
}

bool CFileHandling::CreateFolder(const QString& FolderName) {
    const QString op = QStringLiteral("CreateFolder");
    if (!IsValidPath(FolderName) || FolderName.isEmpty()) {
        Fail(op, Short(InvalidPath()));
        return false;
    }
    const QFileInfo info(FolderName);
    if (info.exists()) {
        Fail(op, Short(QCoreApplication::translate(
                           "CFileHandling", "既に同じ名前のファイルまたはフォルダがあります。 ") +
                       FolderName));
        return false;
    }
    if (!info.absoluteDir().exists()) {
        Fail(op, Short(QCoreApplication::translate("CFileHandling", "パスが見つかりません。 ") +
                       FolderName));
        return false;
    }
    if (!QDir().mkdir(FolderName)) {
        Fail(op, Short(QCoreApplication::translate("CFileHandling", "フォルダを作成できません。 ") +
                       FolderName));
        return false;
    }
    return true;
}

QString CFileHandling::TrimUpperFoldername(const QString& Longname) {
    const qsizetype p = Longname.lastIndexOf(u'/') + 1; // 1-based, 0 when none
    if (p == Longname.size()) {
        return Longname;
    }
    return Longname.right(Longname.size() - p);
}

QString CFileHandling::TrimExtension(const QString& FileName) {
    const qsizetype p = FileName.lastIndexOf(u'.') + 1; // 1-based, 0 when none
    if (p == 1) {
        return FileName;
    }
    if (p > 1) {
        return FileName.left(p - 1);
    }
    return QCoreApplication::translate("CFileHandling", "ファイル名なし");
}

void CFileHandling::GetFileList(const QString& Path, QStringList& List, const QString& Mode) {
    const QStringList none{QString()};
    if (!IsValidPath(Path) || !IsValidPath(Mode)) {
        Fail(QStringLiteral("GetFileList"), Short(InvalidPath()));
        List = none;
        return;
    }
    if (!QFileInfo(Path).isDir()) {
        List = none;
        return;
    }
    // Normal files only: no folders, hidden files or special files; names as listed.
    QDirIterator it(Path, {Mode}, QDir::Files | QDir::CaseSensitive);
    QStringList names;
    while (it.hasNext()) {
        it.next();
        if (names.size() == kMaxListed) {
            Fail(QStringLiteral("GetFileList"),
                 Short(QCoreApplication::translate("CFileHandling",
                                                   "一致するファイルが %1 個を超えています。")
                           .arg(kMaxListed)));
            List = none;
            return;
        }
        names << it.fileName();
    }
    List = names.isEmpty() ? none : names;
}
