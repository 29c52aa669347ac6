#include "ExchangeText.h"

#include "NumberText.h"

QByteArray ExchangeText::Number(float value) {
    char buffer[NumberText::kMaxChars];
    return QByteArray(buffer, NumberText::FromSingle(value, buffer));
}

QString ExchangeText::OneLine(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c == u'\r' || c == u'\n' || c == u'\t') {
            c = u' ';
        }
    }
    return out;
}

QString ExchangeText::SvgMetaText(const QString& text) {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    return text.toHtmlEscaped();
#else
    return text;
#endif
}
