#include "ObjFormat.h"

#include "CZelkData.h"
#include "ExchangeText.h"

#include <array>
#include <map>

QByteArray ObjFormat::Write(const CZelkData& figure) {
    QByteArray out;
    out += "# " + ExchangeText::OneLine(figure.Comment()).toUtf8() + "\n";
    out +=
        "# zelk figure: " + QByteArray::number(figure.NumberOfLines()) + " segments, millimetres\n";
    std::map<std::array<float, 3>, int> vertices;
    QByteArray elements;
    auto vertex = [&](float x, float y, float z) {
        const std::array<float, 3> key{x + 0.0F, y + 0.0F, z + 0.0F};
        const auto [it, added] = vertices.emplace(key, static_cast<int>(vertices.size()) + 1);
        if (added) {
            out += "v " + ExchangeText::Number(x) + ' ' + ExchangeText::Number(y) + ' ' +
                   ExchangeText::Number(z) + '\n';
        }
        return it->second;
    };
    for (const CLine& l : figure.Lines()) {
        const int from = vertex(l.FromX, l.FromY, l.FromZ);
        const int to = vertex(l.ToX, l.ToY, l.ToZ);
        elements += "l " + QByteArray::number(from) + ' ' + QByteArray::number(to) + '\n';
    }
    return out + elements;
}
