#include "TextEncoding.h"

#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>

namespace {

// Owns one iconv conversion descriptor.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

bool isAscii(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(data[i]) > 0x7F) {
            return false;
        }
    }
    return true;
}

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
int utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) {
        return 4;
    }
    if (lead >= 0xE0) {
        return 3;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

} // namespace

QByteArray TextEncoding::ToCp932(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    if (isAscii(utf8.constData(), utf8.size())) {
        return utf8;
    }
    IconvHandle cd("CP932", "UTF-8");
    if (!cd.ok()) {
        return utf8;
    }
    QByteArray out;
    out.resize(utf8.size() * 2 + 8);
    char* in = utf8.data();
    size_t inLeft = static_cast<size_t>(utf8.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    while (inLeft > 0) {
        if (iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            const qsizetype used = outPtr - out.data();
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = static_cast<size_t>(out.size() - used);
            continue;
        }
        // Not representable (or broken input): write "?" and go on with the next character.
        if (outLeft == 0) {
            const qsizetype used = outPtr - out.data();
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = static_cast<size_t>(out.size() - used);
        }
        *outPtr++ = '?';
        --outLeft;
        const size_t skip = std::min<size_t>(
            inLeft, static_cast<size_t>(utf8SequenceLength(static_cast<unsigned char>(*in))));
        in += skip;
        inLeft -= skip;
    }
    out.resize(outPtr - out.data());
    return out;
}

// CP932 bytes to UTF-8. Lenient: a byte that is not CP932 becomes "?" and the
// conversion goes on; strict: false at the first such byte.
bool TextEncoding::Cp932ToUtf8(const char* data, qsizetype size, bool lenient, QByteArray& out) {
    IconvHandle cd("UTF-8", "CP932");
    if (!cd.ok()) {
        return false;
    }
    QByteArray input(data, size);
    out.resize(size * 3 + 8); // always enough: a CP932 character is at most 3 UTF-8 bytes
    char* in = input.data();
    size_t inLeft = static_cast<size_t>(input.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    while (inLeft > 0) {
        if (iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) {
            break;
        }
        if (!lenient || outLeft < 3) {
            return false;
        }
        *outPtr++ = '?';
        --outLeft;
        ++in;
        --inLeft;
    }
    if (iconv(cd.get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1) &&
        !lenient) {
        return false;
    }
    out.resize(outPtr - out.data());
    return true;
}

QString TextEncoding::FromCp932(const char* data, qsizetype size) {
    if (isAscii(data, size)) {
        return QString::fromLatin1(data, size);
    }
    QByteArray utf8;
    if (!Cp932ToUtf8(data, size, true, utf8)) {
        return QString::fromLatin1(data, size);
    }
    return QString::fromUtf8(utf8);
}

QString TextEncoding::FromUtf8OrCp932(const char* data, qsizetype size) {
    if (isAscii(data, size)) {
        return QString::fromLatin1(data, size);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(data, size));
    if (!utf8.hasError()) {
        return text;
    }
    return FromCp932(data, size);
}

bool TextEncoding::StrictCp932(const char* data, qsizetype size, QString& text) {
    QByteArray utf8;
    if (!Cp932ToUtf8(data, size, false, utf8)) {
        return false;
    }
    text = QString::fromUtf8(utf8);
    return true;
}

bool TextEncoding::LooksLikeJapaneseUtf8(const QString& text) {
    bool wide = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80) {
            continue;
        }
        if (u >= 0x800) {
            wide = true;
        }
        const bool usual = (u >= 0x00A0 && u <= 0x00FF) || (u >= 0x2000 && u <= 0x27BF) ||
                           (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
                           (u >= 0xFF00 && u <= 0xFFEF);
        if (!usual) {
            return false;
        }
    }
    return wide;
}

QString TextEncoding::FromFigureBytes(const char* data, qsizetype size, bool utf8Marked) {
    if (utf8Marked) {
        // The file's own mark is gone already: a U+FEFF that starts the text is the
        // text's own (fromUtf8 would drop it, and the comment would change on a round trip).
        QStringDecoder marked(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                        QStringDecoder::Flag::ConvertInitialBom);
        return marked(QByteArrayView(data, size));
    }
    if (isAscii(data, size)) {
        return QString::fromLatin1(data, size);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8(QByteArrayView(data, size));
    if (utf8.hasError()) {
        return FromCp932(data, size);
    }
    QString asCp932;
    if (!StrictCp932(data, size, asCp932)) {
        return asUtf8;
    }
    // Both readings are possible. Shift-JIS is the format's own encoding; a hand-written
    // UTF-8 text shows itself by three-byte characters that are all usual in Japanese text
    // (half-width katakana pairs of Shift-JIS only ever make two-byte ones).
    return LooksLikeJapaneseUtf8(asUtf8) ? asUtf8 : asCp932;
}

QByteArray TextEncoding::ToFigureBytes(const QString& text, bool& utf8Marked) {
    const QByteArray cp932 = ToCp932(text);
    // Shift-JIS only where the reader will take these very bytes back as this text.
    if (FromFigureBytes(cp932.constData(), cp932.size(), false) == text) {
        utf8Marked = false;
        return cp932;
    }
    // Shift-JIS cannot hold some character: the file is written in UTF-8 with a byte
    // order mark instead, so that it still reads back exactly.
    utf8Marked = true;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
