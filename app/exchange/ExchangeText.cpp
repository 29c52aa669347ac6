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
