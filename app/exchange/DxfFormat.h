#pragma once

#include <QByteArray>

class CZelkData;

// A figure as an AutoCAD R12 ASCII DXF file: one 3D LINE entity per segment on layer
// "0", in millimetres; the figure's comment in a 999 comment group.
class DxfFormat {
public:
    static QByteArray Write(const CZelkData& figure);
};
