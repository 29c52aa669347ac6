#include "DxfFormat.h"

#include "CZelkData.h"
#include "ExchangeText.h"

namespace {

void Group(QByteArray& out, int code, const QByteArray& value) {
    out += QByteArray::number(code) + "\r\n" + value + "\r\n";
}

} // namespace

QByteArray DxfFormat::Write(const CZelkData& figure) {
    QByteArray out;
    Group(out, 999, ExchangeText::OneLine(figure.Comment()).toUtf8());
    Group(out, 999, "zelk figure, millimetres");
    Group(out, 0, "SECTION");
    Group(out, 2, "HEADER");
    Group(out, 9, "$ACADVER");
    Group(out, 1, "AC1009");
    Group(out, 0, "ENDSEC");
    Group(out, 0, "SECTION");
    Group(out, 2, "ENTITIES");
    for (const CLine& l : figure.Lines()) {
        Group(out, 0, "LINE");
        Group(out, 8, "0");
        Group(out, 10, ExchangeText::Number(l.FromX));
        Group(out, 20, ExchangeText::Number(l.FromY));
        Group(out, 30, ExchangeText::Number(l.FromZ));
        Group(out, 11, ExchangeText::Number(l.ToX));
        Group(out, 21, ExchangeText::Number(l.ToY));
        Group(out, 31, ExchangeText::Number(l.ToZ));
    }
    Group(out, 0, "ENDSEC");
    Group(out, 0, "EOF");
    return out;
}
