#include "CZelkDataFileIOStratety_Ver100.h"

#include "CStringUtil.h"
#include "FigureBodyText.h"
#include "IFigureStore.h"
#include "ModelNotice.h"
#include "NumberText.h"
#include "SafeFile.h"
#include "TextEncoding.h"

#include <QCoreApplication>
#include <cmath>
#include <cstring>

namespace {

constexpr int kZoneWidth = CZelkDataFileIOStratety_Ver100::kZoneWidth;

// Free-format field input: blanks before a field are skipped; a field ends at a
// comma or the end of its line, a number also at a blank; a quoted field is taken
// verbatim; an empty line is one empty field.
class FieldReader {
public:
    FieldReader(const char* begin, const char* end) : p_(begin), end_(end) {}

    // False when the file has no more data.
    bool Next(bool numeric, const char*& fieldBegin, const char*& fieldEnd) {
        while (p_ < end_ && IsBlank(*p_)) {
            ++p_;
        }
        if (p_ == end_) {
            return false;
        }
        if (*p_ == '"') {
            fieldBegin = ++p_;
            while (p_ < end_ && *p_ != '"' && !IsLineEnd(*p_)) {
                ++p_;
            }
            fieldEnd = p_;
            if (p_ < end_ && *p_ == '"') {
                ++p_;
            }
        } else {
            fieldBegin = p_;
            while (p_ < end_ && *p_ != ',' && !IsLineEnd(*p_) && !(numeric && IsBlank(*p_))) {
                ++p_;
            }
            fieldEnd = p_;
        }
        SkipDelimiter();
        return true;
    }

    // True when anything but blanks and line ends follows the line that holds from.
    bool MoreLinesAfter(const char* from) const {
        const char* p = from;
        while (p < end_ && !IsLineEnd(*p)) {
            ++p;
        }
        for (; p < end_; ++p) {
            if (!IsBlank(*p) && !IsLineEnd(*p)) {
                return true;
            }
        }
        return false;
    }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    static bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

    void SkipDelimiter() {
        while (p_ < end_ && IsBlank(*p_)) {
            ++p_;
        }
        if (p_ == end_) {
            return;
        }
        if (*p_ == ',') {
            ++p_;
        } else if (*p_ == '\r') {
            ++p_;
            if (p_ < end_ && *p_ == '\n') {
                ++p_;
            }
        } else if (*p_ == '\n') {
            ++p_;
        }
    }

    const char* p_;
    const char* end_;
};

// Writes values into print zones of 14 columns, always leaving at least one blank.
void AppendZoned(QString& out, qsizetype lineStart, const QString& value, bool last) {
    out += value;
    if (last) {
        return;
    }
    const qsizetype column = out.size() - lineStart;
    const qsizetype nextZone = (column / kZoneWidth + 1) * kZoneWidth;
    out += QString(nextZone - column, u' ');
}

// At most the first few printable characters of a bad field: raw bytes never reach a
// message box.
QString FieldExcerpt(const char* begin, const char* end) {
    constexpr int kShown = 12;
    QString out;
    bool cut = false;
    for (const char* p = begin; p < end; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c < 0x20 || c > 0x7E || out.size() == kShown) {
            cut = true;
            break;
        }
        out += QChar(c);
    }
    return cut ? out + QStringLiteral("…") : out;
}

FileResult LoadFailed(const QString& description) {
    return FileResult::Failed(CZelkDataFileIOStratety_Ver100::LoadErrorTitle(), description);
}

FileResult SaveFailed(const QString& description) {
    return FileResult::Failed(CZelkDataFileIOStratety_Ver100::SaveErrorTitle(), description);
}

} // namespace

QString CZelkDataFileIOStratety_Ver100::FormatHeader(const QString& maxSize, int32_t lineCount) {
    CStringUtil splitter;
    QList<QString> parts;
    if (splitter.StringSprit(maxSize, QStringLiteral(","), parts, 0, 255) != 3) {
        return QStringLiteral("0     0     0     ") + QString::number(lineCount);
    }
    QString out;
    for (const QString& part : parts) {
        AppendZoned(out, 0, part, false);
    }
    // A non-negative number is printed with a blank in its sign position and a blank after.
    out += (lineCount >= 0 ? QStringLiteral(" ") : QString()) + QString::number(lineCount) + u' ';
    return out;
}

QString CZelkDataFileIOStratety_Ver100::FormatSegment(const QString& lineText) {
    CStringUtil splitter;
    QList<QString> parts;
    if (splitter.StringSprit(lineText, QStringLiteral(","), parts, 0, 255) != 6) {
        return QStringLiteral("0  0  0  0  0  0");
    }
    QString out;
    for (int i = 0; i < 6; ++i) {
        AppendZoned(out, 0, parts[i], i == 5);
    }
    return out;
}

QByteArray CZelkDataFileIOStratety_Ver100::FormatBody(const IFigureStore& data) {
    FigureBodyText text;
    return text.Make(data);
}

FileResult CZelkDataFileIOStratety_Ver100::Load(const QString& FileName) {
    data_->ClearData();

    // A rewrite of this file that was cut short is undone first.
    const bool restored = SafeFile::Tidy(FileName) == SafeFile::Restored::Yes;
    data_->SetRestored(restored);
    QByteArray bytes;
    QString why;
    switch (SafeFile::Read(FileName, SafeFile::kFigureSizeLimit, bytes, why)) {
    case SafeFile::ReadResult::Ok:
        break;
    case SafeFile::ReadResult::Missing:
        return LoadFailed(QCoreApplication::translate("CZelkDataFileIOStratety_Ver100",
                                                      "ファイルが見つかりません。\r\n") +
                          FileName);
    case SafeFile::ReadResult::NotRegular:
        return LoadFailed(
            QCoreApplication::translate("CZelkDataFileIOStratety_Ver100",
                                        "通常のファイルではないため読み込めません。\r\n") +
            FileName);
    case SafeFile::ReadResult::TooLarge:
        return LoadFailed(QCoreApplication::translate(
                              "CZelkDataFileIOStratety_Ver100",
                              "ファイルが大きすぎるため読み込めません（図形ファイルは %1 MB "
                              "までです）。\r\n")
                              .arg(SafeFile::kFigureSizeLimit / (1024 * 1024)) +
                          FileName);
    case SafeFile::ReadResult::Failed:
        return LoadFailed(QCoreApplication::translate("CZelkDataFileIOStratety_Ver100",
                                                      "ファイルを読み込めません。\r\n") +
                          FileName + u' ' + why);
    }
    // A byte order mark says UTF-8 (written so when Shift-JIS cannot hold the comment).
    const bool utf8Marked = bytes.startsWith("\xEF\xBB\xBF");
    const qsizetype skip = utf8Marked ? 3 : 0;

    FieldReader reader(bytes.constData() + skip, bytes.constData() + bytes.size());
    const char* fb = nullptr;
    const char* fe = nullptr;
    const QString pastEnd = QCoreApplication::translate("CZelkDataFileIOStratety_Ver100",
                                                        "ファイルにこれ以上データがありません。");

    // The stored size is recomputed from the lines; only the count matters.
    for (int i = 0; i < 3; ++i) {
        if (!reader.Next(true, fb, fe)) {
            return LoadFailed(pastEnd);
        }
    }
    if (!reader.Next(true, fb, fe)) {
        return LoadFailed(pastEnd);
    }
    float countValue = 0.0F;
    if (!NumberText::ToSingle(fb, fe, countValue)) {
        return LoadFailed(QCoreApplication::translate("CZelkDataFileIOStratety_Ver100",
                                                      "型が一致しません。(線の数: \"%1\")\r\n")
                              .arg(FieldExcerpt(fb, fe)) +
                          FileName);
    }
    const float rounded = std::nearbyint(countValue);
    if (rounded > 32767.0F || rounded < -32768.0F) {
        return LoadFailed(QCoreApplication::translate(
                              "CZelkDataFileIOStratety_Ver100",
                              "オーバーフローしました。(線の数 %1 は上限 32767 を超えています)\r\n")
                              .arg(FieldExcerpt(fb, fe)) +
                          FileName);
    }
    const auto count = static_cast<int16_t>(rounded);

    data_->Reserve(count);
    int32_t skipped = 0;
    for (int k = 1; k <= count; ++k) {
        float v[6];
        bool numbers = true;
        for (float& value : v) {
            if (!reader.Next(true, fb, fe)) {
                return LoadFailed(pastEnd);
            }
            numbers = numbers && NumberText::ToCanonicalSingle(fb, fe, value);
        }
        if (!numbers || !data_->AddCanonicalLine(CLine{v[0], v[1], v[2], v[3], v[4], v[5]})) {
            ++skipped;
        }
    }

    if (!reader.Next(false, fb, fe)) {
        return LoadFailed(pastEnd);
    }
    data_->SetComment(TextEncoding::FromFigureBytes(fb, fe - fb, utf8Marked));
    data_->SetSkippedLines(skipped);
    // Lines after the comment line are never read; that there are any is told.
    data_->SetMoreAfterComment(reader.MoreLinesAfter(fe));
    return FileResult{};
}

FileResult CZelkDataFileIOStratety_Ver100::Save(const QString& FileName) {
    if (FileName.isEmpty()) {
        return FileResult{};
    }
    const int32_t n = data_->NumberOfLines();
    if (n > 32767) {
        return SaveFailed(QCoreApplication::translate(
                              "CZelkDataFileIOStratety_Ver100",
                              "オーバーフローしました。(線の数 %1 は 32767 を超えています)")
                              .arg(n));
    }

    // Header and segments are numbers and blanks only; the comment is the one text that
    // needs an encoding, so only it is converted (and checked to read back the same).
    bool utf8Marked = false;
    QByteArray comment = TextEncoding::ToFigureBytes(data_->Comment(), utf8Marked);
    // The comment goes behind the body in the body's own buffer (it was made with room
    // to spare), and the body is given back as it was, whatever the write's outcome.
    QByteArray bytes = data_->TakeFileBody();
    const qsizetype bodySize = bytes.size();
    if (utf8Marked) {
        // The byte order mark belongs at the start of the file.
        comment.remove(0, 3);
        bytes.prepend("\xEF\xBB\xBF");
    }
    bytes += comment;
    bytes += "\r\n";
    QString why;
    const bool written = SafeFile::Write(FileName, bytes, why);
    if (utf8Marked) {
        bytes.remove(0, 3);
    }
    bytes.truncate(bodySize);
    data_->KeepFileBody(std::move(bytes));
    if (!written) {
        return SaveFailed(QCoreApplication::translate("CZelkDataFileIOStratety_Ver100",
                                                      "ファイルに書き込めません。\r\n") +
                          FileName + u' ' + why);
    }
    return FileResult{};
}

bool CZelkDataFileIOStratety_Ver100::LoadData(const QString& FileName) {
    return Told(Load(FileName));
}

bool CZelkDataFileIOStratety_Ver100::SaveData(const QString& FileName) {
    return Told(Save(FileName));
}

bool CZelkDataFileIOStratety_Ver100::Told(const FileResult& result) {
    if (!result) {
        ModelNotice::Show(result.reason, result.title);
    }
    return result.ok;
}

bool CZelkDataFileIOStratety_Ver100::IsDirty() const {
    return data_->IsDirty();
}

QString CZelkDataFileIOStratety_Ver100::FileName() const {
    return data_->FileName();
}
