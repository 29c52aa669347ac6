#include "LineRasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

LineRasterizer::LineRasterizer(QImage& image)
    : bits_(reinterpret_cast<uint32_t*>(image.bits())), stride_(image.bytesPerLine() / 4),
      width_(image.width()), height_(image.height()),
      // The far edges lie just inside the last pixel, so that floor stays in range.
      box_(0.0, 0.0, std::nextafter(double(width_), 0.0), std::nextafter(double(height_), 0.0)) {
    Q_ASSERT(image.depth() == 32);
}

bool LineRasterizer::Clip(double& x0, double& y0, double& x1, double& y1, const QRectF& box) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) {
        return false;
    }
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    // Ends near the limits of double can be farther apart than double reaches; such a
    // line is beyond any picture.
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        return false;
    }
    const double edges[4] = {box.left(), box.right(), box.top(), box.bottom()};
    double t0 = 0.0;
    double t1 = 1.0;
    int edge0 = -1; // the edge that cut each end, if any
    int edge1 = -1;
    // p·t <= q for each of the four edges.
    auto cut = [&](int edge, double p, double q) {
        if (p == 0.0) {
            return q >= 0.0;
        }
        const double r = q / p;
        if (p < 0.0) {
            if (r > t1) {
                return false;
            }
            if (r > t0) {
                t0 = r;
                edge0 = edge;
            }
        } else {
            if (r < t0) {
                return false;
            }
            if (r < t1) {
                t1 = r;
                edge1 = edge;
            }
        }
        return true;
    };
    if (!cut(0, -dx, x0 - edges[0]) || !cut(1, dx, edges[1] - x0) || !cut(2, -dy, y0 - edges[2]) ||
        !cut(3, dy, edges[3] - y0)) {
        return false;
    }
    // A cut end lies exactly on its edge; its other coordinate is reckoned from the nearer
    // old end, which keeps the rounding small even for ends far beyond the box.
    auto at = [&](double t, int edge, double& x, double& y) {
        const double ix = t <= 0.5 ? x0 + t * dx : x1 - (1.0 - t) * dx;
        const double iy = t <= 0.5 ? y0 + t * dy : y1 - (1.0 - t) * dy;
        x = edge == 0 || edge == 1 ? edges[edge] : std::clamp(ix, edges[0], edges[1]);
        y = edge == 2 || edge == 3 ? edges[edge] : std::clamp(iy, edges[2], edges[3]);
    };
    double ax = x0;
    double ay = y0;
    double bx = x1;
    double by = y1;
    if (edge0 >= 0) {
        at(t0, edge0, ax, ay);
    }
    if (edge1 >= 0) {
        at(t1, edge1, bx, by);
    }
    if (std::isnan(ax) || std::isnan(ay) || std::isnan(bx) || std::isnan(by)) {
        return false;
    }
    // Where the ends are some 1e17 times farther apart than the box is wide, t cannot
    // tell an end from the box's edge: an end left uncut may still lie outside. Both
    // ends are held to the box.
    x0 = std::clamp(ax, edges[0], edges[1]);
    y0 = std::clamp(ay, edges[2], edges[3]);
    x1 = std::clamp(bx, edges[0], edges[1]);
    y1 = std::clamp(by, edges[2], edges[3]);
    return true;
}

void LineRasterizer::DrawLine(double x0, double y0, double x1, double y1) {
    if (width_ <= 0 || height_ <= 0) {
        return;
    }
    // Most lines lie wholly inside; only the others need clipping.
    const double right = double(width_);
    const double bottom = double(height_);
    const bool inside = x0 >= 0.0 && x0 < right && x1 >= 0.0 && x1 < right && y0 >= 0.0 &&
                        y0 < bottom && y1 >= 0.0 && y1 < bottom;
    if (!inside && !Clip(x0, y0, x1, y1, box_)) {
        return;
    }
    // Whatever rounding did, every pixel written lies in the image.
    auto column = [&](double v) {
        return static_cast<int>(std::clamp(std::floor(v), 0.0, double(width_ - 1)));
    };
    auto row = [&](double v) {
        return static_cast<int>(std::clamp(std::floor(v), 0.0, double(height_ - 1)));
    };
    int x = column(x0);
    int y = row(y0);
    const int xEnd = column(x1);
    const int yEnd = row(y1);
    const int dx = std::abs(xEnd - x);
    const int dy = -std::abs(yEnd - y);
    const int sx = x < xEnd ? 1 : -1;
    const qsizetype sy = y < yEnd ? stride_ : -stride_;
    const int yStep = y < yEnd ? 1 : -1;
    uint32_t* p = bits_ + y * stride_ + x;
    int error = dx + dy;
    const QRgb colour = colour_;
    for (;;) {
        *p = colour;
        if (x == xEnd && y == yEnd) {
            break;
        }
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
            p += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += yStep;
            p += sy;
        }
    }
}

void LineRasterizer::DrawDot(double x, double y) {
    const double fx = std::floor(x + 0.5);
    const double fy = std::floor(y + 0.5);
    if (fx >= 0.0 && fy >= 0.0 && fx < width_ && fy < height_) {
        bits_[static_cast<qsizetype>(fy) * stride_ + static_cast<qsizetype>(fx)] = colour_;
    }
}
