#include "SystemError.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace {

struct Known {
    int code;
    const char* text;
};

// The Japanese texts are the sources; translations give them in the user's language.
constexpr Known kKnown[] = {
    {ENOENT, QT_TRANSLATE_NOOP("SystemError", "ファイルまたはフォルダーがありません")},
    {EACCES, QT_TRANSLATE_NOOP("SystemError", "アクセスが許可されていません")},
    {EPERM, QT_TRANSLATE_NOOP("SystemError", "操作が許可されていません")},
    {EROFS, QT_TRANSLATE_NOOP("SystemError", "読み取り専用のファイルシステムです")},
    {ENOSPC, QT_TRANSLATE_NOOP("SystemError", "ディスクに空きがありません")},
    {EDQUOT, QT_TRANSLATE_NOOP("SystemError", "ディスクの使用量の上限に達しています")},
    {EFBIG, QT_TRANSLATE_NOOP("SystemError", "ファイルが大きすぎます")},
    {EISDIR, QT_TRANSLATE_NOOP("SystemError", "フォルダーです")},
    {ENOTDIR, QT_TRANSLATE_NOOP("SystemError", "途中の名前がフォルダーではありません")},
    {EINVAL, QT_TRANSLATE_NOOP("SystemError", "この種類のファイルには使えません")},
    {EIO, QT_TRANSLATE_NOOP("SystemError", "入出力エラーが起きました")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("SystemError", "ファイル名が長すぎます")},
    {ELOOP, QT_TRANSLATE_NOOP("SystemError", "シンボリックリンクが多すぎるか、循環しています")},
    {EEXIST, QT_TRANSLATE_NOOP("SystemError", "同じ名前のファイルが既にあります")},
    {EBUSY, QT_TRANSLATE_NOOP("SystemError", "ほかのプログラムが使用中です")},
    {ETXTBSY, QT_TRANSLATE_NOOP("SystemError", "ファイルが使用中です")},
    {EMFILE, QT_TRANSLATE_NOOP("SystemError", "開いているファイルが多すぎます")},
    {ENFILE, QT_TRANSLATE_NOOP("SystemError", "システム全体で開いているファイルが多すぎます")},
    {ENOMEM, QT_TRANSLATE_NOOP("SystemError", "メモリが足りません")},
    {EXDEV, QT_TRANSLATE_NOOP("SystemError", "別のファイルシステムへは移せません")},
    {EAGAIN, QT_TRANSLATE_NOOP("SystemError", "一時的に使えません")},
    {EINTR, QT_TRANSLATE_NOOP("SystemError", "処理が中断されました")},
    {ESTALE, QT_TRANSLATE_NOOP("SystemError", "ネットワーク上のファイルが見えなくなりました")},
    {ENXIO, QT_TRANSLATE_NOOP("SystemError", "装置がありません")},
    {ENODEV, QT_TRANSLATE_NOOP("SystemError", "装置がありません")},
    {ETIMEDOUT, QT_TRANSLATE_NOOP("SystemError", "時間切れになりました")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("SystemError", "フォルダーが空ではありません")},
    {EOPNOTSUPP, QT_TRANSLATE_NOOP("SystemError", "この操作には対応していません")},
};

} // namespace

QString SystemError::Reason(int code) {
    for (const Known& known : kKnown) {
        if (known.code == code) {
            return QCoreApplication::translate("SystemError", known.text);
        }
    }
    return QCoreApplication::translate("SystemError", "システムのエラー %1（%2）")
        .arg(code)
        .arg(QString::fromLocal8Bit(std::strerror(code)));
}
