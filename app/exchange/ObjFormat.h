#pragma once

#include <QByteArray>

class CZelkData;

// A figure as a Wavefront OBJ file: each distinct end point once ("v x y z", in
// millimetres, in the order the segments first reach it), each segment an "l" element
// of two vertex numbers; the figure's comment in a comment line.
class ObjFormat {
public:
    static QByteArray Write(const CZelkData& figure);
};
