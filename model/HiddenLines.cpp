#include "HiddenLines.h"

#include "CZelkData.h"
#include "NumberText.h"
#include "SafeFile.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

using P2 = std::array<double, 2>;

// Figures are in millimetres with few decimals: a thousandth of a millimetre apart is
// the same place.
constexpr double kEps = 1e-3;

double Cross(const P2& o, const P2& a, const P2& b) {
    return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
}

// Inside or on the border of a polygon.
bool Covers(const std::vector<P2>& polygon, const P2& p) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const P2& a = polygon[i];
        const P2& b = polygon[j];
        // On this side: collinear and between its ends.
        const double length = std::hypot(b[0] - a[0], b[1] - a[1]);
        if (std::abs(Cross(a, b, p)) <= kEps * std::max(length, 1.0) &&
            p[0] >= std::min(a[0], b[0]) - kEps && p[0] <= std::max(a[0], b[0]) + kEps &&
            p[1] >= std::min(a[1], b[1]) - kEps && p[1] <= std::max(a[1], b[1]) + kEps) {
            return true;
        }
        if ((a[1] > p[1]) != (b[1] > p[1]) &&
            p[0] < (b[0] - a[0]) * (p[1] - a[1]) / (b[1] - a[1]) + a[0]) {
            inside = !inside;
        }
    }
    return inside;
}

// Where the segment p–q crosses the line through a–b, as a fraction of p–q.
bool Crossing(const P2& p, const P2& q, const P2& a, const P2& b, double& t) {
    const double rx = q[0] - p[0];
    const double ry = q[1] - p[1];
    const double sx = b[0] - a[0];
    const double sy = b[1] - a[1];
    const double denominator = rx * sy - ry * sx;
    if (std::abs(denominator) < 1e-12) {
        return false;
    }
    t = ((a[0] - p[0]) * sy - (a[1] - p[1]) * sx) / denominator;
    const double u = ((a[0] - p[0]) * ry - (a[1] - p[1]) * rx) / denominator;
    return t > 0 && t < 1 && u >= -1e-9 && u <= 1 + 1e-9;
}

// A face as a view sees it: its outline and the plane that gives its depth anywhere.
struct SeenFace {
    std::vector<P2> outline;
    // depth = c0 + c1 * x + c2 * y over the view's plane.
    double c0 = 0;
    double c1 = 0;
    double c2 = 0;
};

bool See(const HiddenLines::Face& face, HiddenLines::View view, SeenFace& seen) {
    if (face.size() < 3) {
        return false;
    }
    // Newell's normal, in the view's coordinates (x, y, depth).
    std::vector<std::array<double, 3>> corners;
    for (const HiddenLines::Point& p : face) {
        const P2 xy = HiddenLines::Project(p, view);
        corners.push_back({xy[0], xy[1], HiddenLines::Depth(p, view)});
        seen.outline.push_back(xy);
    }
    std::array<double, 3> n{};
    for (size_t i = 0; i < corners.size(); ++i) {
        const auto& a = corners[i];
        const auto& b = corners[(i + 1) % corners.size()];
        n[0] += (a[1] - b[1]) * (a[2] + b[2]);
        n[1] += (a[2] - b[2]) * (a[0] + b[0]);
        n[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    const double size = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    // Seen edge-on: it covers nothing.
    if (size == 0 || std::abs(n[2]) < 1e-9 * size) {
        return false;
    }
    const auto& a = corners[0];
    seen.c1 = -n[0] / n[2];
    seen.c2 = -n[1] / n[2];
    seen.c0 = a[2] - seen.c1 * a[0] - seen.c2 * a[1];
    return true;
}

} // namespace

std::vector<HiddenLines::Piece> HiddenLines::Pieces(const CZelkData& figure,
                                                    const std::vector<Face>& faces, View view) {
    std::vector<SeenFace> seen;
    for (const Face& face : faces) {
        SeenFace s;
        if (See(face, view, s)) {
            seen.push_back(std::move(s));
        }
    }
    std::vector<Piece> out;
    for (const CLine& line : figure.Lines()) {
        const Point a{line.FromX, line.FromY, line.FromZ};
        const Point b{line.ToX, line.ToY, line.ToZ};
        const P2 p = Project(a, view);
        const P2 q = Project(b, view);
        if (std::hypot(q[0] - p[0], q[1] - p[1]) < kEps) {
            continue; // seen end-on: a point, no line
        }
        // Cut where the line crosses a face's outline: between two cuts it is hidden or
        // not all along (a solid's faces do not pierce its edges).
        std::vector<double> cuts{0.0, 1.0};
        for (const SeenFace& s : seen) {
            for (size_t i = 0, j = s.outline.size() - 1; i < s.outline.size(); j = i++) {
                double t = 0;
                if (Crossing(p, q, s.outline[j], s.outline[i], t)) {
                    cuts.push_back(t);
                }
            }
        }
        std::sort(cuts.begin(), cuts.end());
        // Pieces of this line only are joined: the next line may start where it ends.
        const size_t first = out.size();
        for (size_t k = 0; k + 1 < cuts.size(); ++k) {
            const double t0 = cuts[k];
            const double t1 = cuts[k + 1];
            if (t1 - t0 < 1e-9) {
                continue;
            }
            const double tm = (t0 + t1) / 2;
            const Point m{a[0] + (b[0] - a[0]) * tm, a[1] + (b[1] - a[1]) * tm,
                          a[2] + (b[2] - a[2]) * tm};
            const P2 mp = Project(m, view);
            const double depth = Depth(m, view);
            bool hidden = false;
            for (const SeenFace& s : seen) {
                if (s.c0 + s.c1 * mp[0] + s.c2 * mp[1] > depth + kEps && Covers(s.outline, mp)) {
                    hidden = true;
                    break;
                }
            }
            const P2 from{p[0] + (q[0] - p[0]) * t0, p[1] + (q[1] - p[1]) * t0};
            const P2 to{p[0] + (q[0] - p[0]) * t1, p[1] + (q[1] - p[1]) * t1};
            if (out.size() > first && out.back().hidden == hidden && out.back().to == from) {
                out.back().to = to;
            } else {
                out.push_back({from, to, hidden});
            }
        }
    }
    return out;
}

QByteArray HiddenLines::FacesText(const std::vector<Face>& faces) {
    QByteArray out;
    char text[NumberText::kMaxChars + 1];
    for (const Face& face : faces) {
        for (size_t i = 0; i < face.size(); ++i) {
            if (i > 0) {
                out += ' ';
            }
            for (int axis = 0; axis < 3; ++axis) {
                if (axis > 0) {
                    out += ',';
                }
                const int n = NumberText::FromSingle(
                    static_cast<float>(face[i][static_cast<size_t>(axis)]), text);
                out.append(text, n);
            }
        }
        out += '\n';
    }
    return out;
}

bool HiddenLines::ParseFaces(const QByteArray& text, std::vector<Face>& faces) {
    faces.clear();
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            continue;
        }
        Face face;
        for (const QByteArray& corner : trimmed.simplified().split(' ')) {
            const QList<QByteArray> xyz = corner.split(',');
            if (xyz.size() != 3) {
                return false;
            }
            Point p{};
            for (int axis = 0; axis < 3; ++axis) {
                bool ok = false;
                p[static_cast<size_t>(axis)] = xyz[axis].toDouble(&ok);
                if (!ok || !std::isfinite(p[static_cast<size_t>(axis)])) {
                    return false;
                }
            }
            face.push_back(p);
        }
        if (face.size() < 3) {
            return false;
        }
        faces.push_back(std::move(face));
    }
    return true;
}

QString HiddenLines::FacesPathOf(const QString& figurePath) {
    QString path = figurePath;
    if (path.endsWith(QLatin1String(".zlk"), Qt::CaseInsensitive)) {
        path.chop(4);
    }
    return path + QStringLiteral(".faces");
}

std::vector<HiddenLines::Face> HiddenLines::FacesOf(const QString& figurePath) {
    QByteArray bytes;
    QString why;
    std::vector<Face> faces;
    if (SafeFile::Read(FacesPathOf(figurePath), 4 * 1024 * 1024, bytes, why) !=
            SafeFile::ReadResult::Ok ||
        !ParseFaces(bytes, faces)) {
        faces.clear();
    }
    return faces;
}

namespace {

using V3 = std::array<double, 3>;

V3 Sub(const V3& a, const V3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
V3 CrossProduct(const V3& a, const V3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const V3& a, const V3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
double Length(const V3& a) {
    return std::sqrt(Dot(a, a));
}

// A plane through the figure: unit normal (its first non-zero coordinate positive) and
// distance from the origin, rounded so that the same plane is found once.
struct Plane {
    std::array<long long, 4> key;
    V3 normal;
    double offset;
};

bool MakePlane(const V3& at, const V3& u, const V3& v, Plane& plane) {
    V3 n = CrossProduct(u, v);
    const double length = Length(n);
    if (length < 1e-9 * std::max(1.0, Length(u) * Length(v))) {
        return false;
    }
    for (double& c : n) {
        c /= length;
    }
    for (const double c : n) {
        if (std::abs(c) > 1e-9) {
            if (c < 0) {
                for (double& d : n) {
                    d = -d;
                }
            }
            break;
        }
    }
    plane.normal = n;
    plane.offset = Dot(n, at);
    plane.key = {std::llround(n[0] * 1e6), std::llround(n[1] * 1e6), std::llround(n[2] * 1e6),
                 std::llround(plane.offset * 1e3)};
    return true;
}

} // namespace

std::vector<HiddenLines::Face> HiddenLines::FindFaces(const CZelkData& figure) {
    // The corners, each once, and the edges split wherever another edge's corner lies on
    // them: the elementary edges every face is bounded by.
    std::vector<V3> points;
    const auto pointOf = [&points](const V3& p) {
        for (size_t i = 0; i < points.size(); ++i) {
            if (Length(Sub(points[i], p)) < kEps) {
                return i;
            }
        }
        points.push_back(p);
        return points.size() - 1;
    };
    std::vector<std::pair<size_t, size_t>> lines;
    for (const CLine& l : figure.Lines()) {
        lines.emplace_back(pointOf({l.FromX, l.FromY, l.FromZ}), pointOf({l.ToX, l.ToY, l.ToZ}));
    }
    if (points.size() > 2000) {
        return {}; // no drawing of an exercise is this large
    }
    std::set<std::pair<size_t, size_t>> edges;
    for (const auto& [a, b] : lines) {
        const V3 along = Sub(points[b], points[a]);
        const double length = Length(along);
        std::vector<std::pair<double, size_t>> cuts{{0.0, a}, {length, b}};
        for (size_t c = 0; c < points.size(); ++c) {
            if (c == a || c == b) {
                continue;
            }
            const V3 to = Sub(points[c], points[a]);
            const double t = Dot(to, along) / length;
            if (t > kEps && t < length - kEps && Length(CrossProduct(to, along)) / length < kEps) {
                cuts.emplace_back(t, c);
            }
        }
        std::sort(cuts.begin(), cuts.end());
        for (size_t k = 0; k + 1 < cuts.size(); ++k) {
            const size_t p = cuts[k].second;
            const size_t q = cuts[k + 1].second;
            edges.insert({std::min(p, q), std::max(p, q)});
        }
    }
    std::vector<std::vector<size_t>> around(points.size());
    for (const auto& [a, b] : edges) {
        around[a].push_back(b);
        around[b].push_back(a);
    }
    // Every plane two edges at a corner span.
    std::map<std::array<long long, 4>, Plane> planes;
    for (size_t v = 0; v < points.size(); ++v) {
        for (size_t i = 0; i < around[v].size(); ++i) {
            for (size_t j = i + 1; j < around[v].size(); ++j) {
                Plane plane;
                if (MakePlane(points[v], Sub(points[around[v][i]], points[v]),
                              Sub(points[around[v][j]], points[v]), plane)) {
                    planes.emplace(plane.key, plane);
                }
            }
        }
    }
    std::vector<Face> faces;
    std::map<std::pair<size_t, size_t>, int> uses;
    for (const auto& entry : planes) {
        const Plane& plane = entry.second;
        const auto onPlane = [&](size_t p) {
            return std::abs(Dot(plane.normal, points[p]) - plane.offset) < kEps;
        };
        // The plane's own coordinates.
        const V3 helper = std::abs(plane.normal[0]) < 0.9 ? V3{1, 0, 0} : V3{0, 1, 0};
        V3 e1 = CrossProduct(plane.normal, helper);
        const double l1 = Length(e1);
        for (double& c : e1) {
            c /= l1;
        }
        const V3 e2 = CrossProduct(plane.normal, e1);
        std::map<size_t, std::vector<size_t>> graph;
        for (const auto& [a, b] : edges) {
            if (onPlane(a) && onPlane(b)) {
                graph[a].push_back(b);
                graph[b].push_back(a);
            }
        }
        if (graph.size() < 3) {
            continue;
        }
        const auto flat = [&](size_t p) {
            return std::array<double, 2>{Dot(points[p], e1), Dot(points[p], e2)};
        };
        const auto angle = [&](size_t from, size_t to) {
            const auto a = flat(from);
            const auto b = flat(to);
            return std::atan2(b[1] - a[1], b[0] - a[0]);
        };
        // Each half-edge once: walk on by turning as far right as possible at each
        // corner; a loop walked so, with positive area, bounds a region of the plane.
        std::set<std::pair<size_t, size_t>> walked;
        std::vector<std::vector<size_t>> loops;
        for (const auto& [start, next] : graph) {
            for (const size_t first : next) {
                if (walked.count({start, first}) > 0) {
                    continue;
                }
                std::vector<size_t> loop;
                size_t from = start;
                size_t to = first;
                bool closed = false;
                for (size_t step = 0; step <= edges.size() * 2; ++step) {
                    walked.insert({from, to});
                    loop.push_back(from);
                    // At `to`, the next edge clockwise from the way back.
                    const double back = angle(to, from);
                    size_t best = from;
                    double bestTurn = 10;
                    for (const size_t candidate : graph[to]) {
                        if (candidate == from && graph[to].size() > 1) {
                            continue;
                        }
                        double turn = back - angle(to, candidate);
                        while (turn <= 0) {
                            turn += 2 * M_PI;
                        }
                        if (turn < bestTurn) {
                            bestTurn = turn;
                            best = candidate;
                        }
                    }
                    from = to;
                    to = best;
                    if (from == start && to == first) {
                        closed = true;
                        break;
                    }
                }
                if (!closed || loop.size() < 3) {
                    continue;
                }
                double area = 0;
                for (size_t i = 0; i < loop.size(); ++i) {
                    const auto a = flat(loop[i]);
                    const auto b = flat(loop[(i + 1) % loop.size()]);
                    area += a[0] * b[1] - a[1] * b[0];
                }
                if (area > kEps) {
                    loops.push_back(loop);
                }
            }
        }
        // A loop inside another region of the plane is a hole, which no face here has.
        for (const auto& loop : loops) {
            std::vector<P2> outline;
            for (const size_t p : loop) {
                outline.push_back(flat(p));
            }
            for (const auto& [p, ignored] : graph) {
                if (std::find(loop.begin(), loop.end(), p) == loop.end() &&
                    Covers(outline, flat(p))) {
                    // A corner strictly inside: a hole, or a region that is no face.
                    bool onBorder = false;
                    for (size_t i = 0; i < outline.size() && !onBorder; ++i) {
                        std::vector<P2> side{outline[i], outline[(i + 1) % outline.size()]};
                        onBorder = Covers(side, flat(p));
                    }
                    if (!onBorder) {
                        return {};
                    }
                }
            }
            Face face;
            for (size_t i = 0; i < loop.size(); ++i) {
                face.push_back(points[loop[i]]);
                const size_t a = loop[i];
                const size_t b = loop[(i + 1) % loop.size()];
                ++uses[{std::min(a, b), std::max(a, b)}];
            }
            faces.push_back(std::move(face));
        }
    }
    // A closed surface: every edge between exactly two faces.
    for (const auto& edge : edges) {
        if (uses[edge] != 2) {
            return {};
        }
    }
    return faces;
}

std::vector<HiddenLines::Face> HiddenLines::FacesFor(const CZelkData& figure,
                                                     const QString& figurePath) {
    std::vector<Face> faces = FacesOf(figurePath);
    return faces.empty() ? FindFaces(figure) : faces;
}
