#pragma once

#include "StandardViews.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

class CZelkData;

// A figure's edges as a third-angle drawing shows them: in the front, top or right-side
// view, each edge cut into the pieces the solid's faces hide and the ones it shows.
// Visible edges are drawn solid, hidden ones dashed. Without faces nothing can be hidden.
class HiddenLines : public StandardViews {
public:
    using Point = std::array<double, 3>;
    // A flat face of the solid, its corners in order round it.
    using Face = std::vector<Point>;
    struct Piece {
        std::array<double, 2> from;
        std::array<double, 2> to;
        bool hidden = false;
    };

    // The figure's lines in a view; lines seen end-on are left out.
    static std::vector<Piece> Pieces(const CZelkData& figure, const std::vector<Face>& faces,
                                     View view);

    // The faces of a figure whose edges close flat loops that make a closed surface (each
    // edge between exactly two faces, no face with a hole); empty when they do not (a
    // wire figure, an open box): its drawings then show every edge solid.
    static std::vector<Face> FindFaces(const CZelkData& figure);
    // The faces beside a figure file, else the ones its edges give.
    static std::vector<Face> FacesFor(const CZelkData& figure, const QString& figurePath);

    // Faces as text ("x,y,z x,y,z …", one face a line) and back; false for text that is
    // not faces (a face needs three corners).
    static QByteArray FacesText(const std::vector<Face>& faces);
    static bool ParseFaces(const QByteArray& text, std::vector<Face>& faces);
    // Where a figure file keeps its solid's faces: beside it, ".faces" for ".zlk".
    static QString FacesPathOf(const QString& figurePath);
    // The faces kept beside a figure file; empty when there are none (or they are bad).
    static std::vector<Face> FacesOf(const QString& figurePath);
};
