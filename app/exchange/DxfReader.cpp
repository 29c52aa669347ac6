#include "DxfReader.h"

#include "DxfGroups.h"
#include "SegmentCollector.h"

#include <QCoreApplication>
#include <array>
#include <bitset>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The drawing is read here rather than through dxflib: on the largest sample models the
// tests use, dxflib took 29 ms where the whole import may take 40 (it converts every
// number through a string stream and keeps each value in a map of strings); this reader
// takes a few.
namespace {

using Point = std::array<double, 3>;
using Segment = std::array<double, 6>;

// One entity's values as read: the last of each group code below 100 (10-59 as real
// numbers, 60-99 as whole ones), its name (2), and an LWPOLYLINE's corners in order.
class Record {
public:
    void Start(std::string_view type) {
        type_.assign(type);
        has_.reset();
        name_.clear();
        corners_.clear();
        lightweight_ = type_ == "LWPOLYLINE";
    }
    void Take(int code, std::string_view value) {
        if (code == 2) {
            name_.assign(value);
        } else if (code < 0 || code >= 100) {
            return;
        }
        has_.set(static_cast<size_t>(code));
        if (code < 60) {
            const double v = DxfGroups::Real(value);
            real_[static_cast<size_t>(code)] = v;
            if (lightweight_ && (code == 10 || code == 20 || code == 30)) {
                // Each 10 starts a corner; its 20 and 30 follow.
                if (code == 10) {
                    corners_.push_back({v, 0.0, 0.0});
                } else if (!corners_.empty()) {
                    corners_.back()[static_cast<size_t>(code / 10 - 1)] = v;
                }
            }
        } else {
            integer_[static_cast<size_t>(code - 60)] = DxfGroups::Integer(value);
        }
    }
    bool Is(const char* type) const { return type_ == type; }
    const std::string& Type() const { return type_; }
    bool Has(int code) const { return has_.test(static_cast<size_t>(code)); }
    double Real(int code, double otherwise = 0.0) const {
        return Has(code) ? real_[static_cast<size_t>(code)] : otherwise;
    }
    int Integer(int code, int otherwise = 0) const {
        return Has(code) ? integer_[static_cast<size_t>(code - 60)] : otherwise;
    }
    Point At(int code) const { return {Real(code), Real(code + 10), Real(code + 20)}; }
    const std::string& Name() const { return name_; }
    const std::vector<Point>& Corners() const { return corners_; }

private:
    std::string type_;
    std::bitset<100> has_;
    std::array<double, 60> real_{};
    std::array<int, 40> integer_{};
    std::string name_;
    bool lightweight_ = false;
    std::vector<Point> corners_;
};

// Turns entities into segments; those inside a block definition are kept for its inserts.
class Drawing {
public:
    explicit Drawing(SegmentCollector& collector) : collector_(collector) {}

    // An entity ends at the next group code 0; the last one at the end of the file.
    void Entity(const Record& r) {
        if (r.Is("VERTEX")) {
            return Vertex(r);
        }
        // A polyline's corners follow it up to its SEQEND, or whatever comes next.
        FlushPolyline();
        const std::string& type = r.Type();
        if (type == "LINE") {
            const Point a = r.At(10);
            const Point b = r.At(11);
            Emit({a[0], a[1], a[2], b[0], b[1], b[2]});
        } else if (type == "LWPOLYLINE") {
            Lightweight(r);
        } else if (type == "POLYLINE") {
            Polyline(r);
        } else if (type == "3DFACE") {
            Face(r);
        } else if (type == "ARC") {
            // Counter-clockwise from the start to the end angle, at most one turn.
            double sweep = std::fmod(r.Real(51) - r.Real(50), 360.0);
            if (sweep <= 0) {
                sweep += 360.0;
            }
            if (std::isfinite(sweep)) {
                Chords(r.At(10), r.Real(40), r.Real(50), sweep);
            }
        } else if (type == "CIRCLE") {
            Chords(r.At(10), r.Real(40), 0.0, 360.0);
        } else if (type == "INSERT") {
            Insert(r);
        } else if (type == "BLOCK") {
            block_ = &blocks_[r.Name()];
            block_->base = r.At(10);
        } else if (type == "ENDBLK") {
            block_ = nullptr;
        } else if (const char* kind = LeftOut(type)) {
            if (block_ == nullptr) {
                collector_.Skip(kind);
            }
        }
    }

    void Finish() { FlushPolyline(); }
    bool Stopped() const { return collector_.Overflowed(); }

private:
    struct Block {
        Point base{};
        std::vector<Segment> segments;
    };
    enum class Kind { Line, Polyface, PolygonMesh };
    using FaceRecord = std::array<int, 4>;

    // What a wire-frame figure cannot hold is counted by kind.
    static const char* LeftOut(const std::string& type) {
        static const std::map<std::string, const char*, std::less<>> kinds{
            {"POINT", "POINT"},         {"XLINE", "XLINE"},   {"RAY", "RAY"},
            {"ELLIPSE", "ELLIPSE"},     {"SPLINE", "SPLINE"}, {"TRACE", "TRACE"},
            {"SOLID", "SOLID"},         {"MTEXT", "MTEXT"},   {"TEXT", "TEXT"},
            {"ARCALIGNEDTEXT", "TEXT"}, {"ATTRIB", "ATTRIB"}, {"DIMENSION", "DIMENSION"},
            {"LEADER", "LEADER"},       {"HATCH", "HATCH"},   {"IMAGE", "IMAGE"}};
        const auto found = kinds.find(type);
        return found != kinds.end() ? found->second : nullptr;
    }

    // Its corners as a polyline's, at its elevation; its edges as a polyline's.
    void Lightweight(const Record& r) {
        polyline_ = true;
        kind_ = Kind::Line;
        closed_ = (r.Integer(70) & 1) != 0;
        elevation_ = r.Real(38);
        corners_.clear();
        for (const Point& p : r.Corners()) {
            corners_.push_back({p[0], p[1], p[2] != 0.0 ? p[2] : elevation_});
        }
        FlushPolyline();
    }

    void Polyline(const Record& r) {
        const int flags = r.Integer(70);
        polyline_ = true;
        closed_ = (flags & 1) != 0;
        // A 2D polyline's elevation is the z of its own point.
        elevation_ = r.Has(38) ? r.Real(38) : r.Real(30);
        corners_.clear();
        faces_.clear();
        // Solids come as meshes: a polyface mesh lists its corners, then its faces by
        // corner number; a polygon mesh is M rows of N corners.
        kind_ = (flags & 64) != 0   ? Kind::Polyface
                : (flags & 16) != 0 ? Kind::PolygonMesh
                                    : Kind::Line;
        meshM_ = r.Integer(71);
        meshN_ = r.Integer(72);
        closedN_ = (flags & 32) != 0;
    }

    // A corner, or (flagged 128 without 64) a polyface mesh's face by corner numbers.
    void Vertex(const Record& r) {
        if (!polyline_) {
            return;
        }
        const int flags = r.Integer(70);
        if ((flags & 128) != 0 && (flags & 64) == 0) {
            if (kind_ == Kind::Polyface) {
                faces_.push_back({r.Integer(71), r.Integer(72), r.Integer(73), r.Integer(74)});
            }
            return;
        }
        const Point p = r.At(10);
        corners_.push_back({p[0], p[1], p[2] != 0.0 ? p[2] : elevation_});
    }

    // Four corners, the fourth the third again for a triangle.
    void Face(const Record& r) {
        for (int i = 0; i < 4; ++i) {
            const Point a = r.At(10 + i);
            const Point b = r.At(10 + (i + 1) % 4);
            Emit({a[0], a[1], a[2], b[0], b[1], b[2]});
        }
    }

    void Insert(const Record& r) {
        const auto found = blocks_.find(r.Name());
        if (found == blocks_.end() || &found->second == block_) {
            if (block_ == nullptr) {
                collector_.Skip("INSERT (no block)");
            }
            return;
        }
        const Block& block = found->second;
        const Point at = r.At(10);
        const double sx = r.Real(41, 1.0);
        const double sy = r.Real(42, 1.0);
        const double sz = r.Real(43, 1.0);
        const double angle = r.Real(50) * M_PI / 180.0;
        // A quarter turn is exact: no 1e-16 where the drawing has 0.
        const auto exact = [](double v) { return std::abs(v) < 1e-12 ? 0.0 : v; };
        const double c = exact(std::cos(angle));
        const double s = exact(std::sin(angle));
        const int cols = std::max(1, r.Integer(70, 1));
        const int rows = std::max(1, r.Integer(71, 1));
        const double colSp = r.Real(44);
        const double rowSp = r.Real(45);
        if (block_ == nullptr) {
            collector_.Expect(block.segments.size() * static_cast<size_t>(rows) *
                              static_cast<size_t>(cols));
        }
        // Copies of blocks of copies can ask for billions of segments. Past this many from
        // one insert, all but a few in a hundred would repeat one another or pass the
        // figure's limit: the rest is left out, and said so.
        constexpr size_t kMostCopied = 64 * (static_cast<size_t>(SegmentCollector::kLimit) + 1);
        size_t copied = 0;
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                if ((copied += block.segments.size()) > kMostCopied) {
                    if (block_ == nullptr) {
                        collector_.Skip("INSERT (too many copies)");
                    }
                    return;
                }
                // Rows and columns run along the insert's own turned axes.
                const double ox = col * colSp * c - row * rowSp * s;
                const double oy = col * colSp * s + row * rowSp * c;
                for (const Segment& seg : block.segments) {
                    Segment out{};
                    for (int end = 0; end < 2; ++end) {
                        const double x = (seg[end * 3] - block.base[0]) * sx;
                        const double y = (seg[end * 3 + 1] - block.base[1]) * sy;
                        const double z = (seg[end * 3 + 2] - block.base[2]) * sz;
                        out[end * 3] = at[0] + ox + x * c - y * s;
                        out[end * 3 + 1] = at[1] + oy + x * s + y * c;
                        out[end * 3 + 2] = at[2] + z;
                    }
                    if (!Emit(out)) {
                        return;
                    }
                }
            }
        }
    }

    // A segment goes to the figure, or into the block being defined.
    bool Emit(const Segment& s) {
        if (block_ != nullptr) {
            // A block larger than any figure cannot be inserted whole anyway.
            if (block_->segments.size() <= static_cast<size_t>(SegmentCollector::kLimit) * 4) {
                block_->segments.push_back(s);
            }
            return true;
        }
        return collector_.Add(s[0], s[1], s[2], s[3], s[4], s[5]);
    }

    void Chords(const Point& centre, double radius, double startDeg, double sweepDeg) {
        const int n = std::max(
            1, static_cast<int>(std::ceil(sweepDeg / 360.0 * DxfReader::kChordsPerCircle - 1e-9)));
        const double start = startDeg * M_PI / 180.0;
        const double step = sweepDeg * M_PI / 180.0 / n;
        const auto [cx, cy, cz] = centre;
        for (int i = 0; i < n; ++i) {
            const double a = start + i * step;
            const double b = start + (i + 1) * step;
            if (!Emit({cx + radius * std::cos(a), cy + radius * std::sin(a), cz,
                       cx + radius * std::cos(b), cy + radius * std::sin(b), cz})) {
                return;
            }
        }
    }

    // A mesh's corners are shared by several edges: each is made ready for the figure once.
    bool Edge(size_t a, size_t b) {
        if (block_ == nullptr) {
            return collector_.Add(ready_[a], ready_[b]);
        }
        const Point& p = corners_[a];
        const Point& q = corners_[b];
        return Emit({p[0], p[1], p[2], q[0], q[1], q[2]});
    }

    void FlushPolyline() {
        if (!polyline_) {
            return;
        }
        polyline_ = false;
        const size_t n = corners_.size();
        ready_.clear();
        if (block_ == nullptr) {
            ready_.reserve(n);
            for (const Point& p : corners_) {
                ready_.push_back(collector_.Prepare(p[0], p[1], p[2]));
            }
        }
        if (kind_ == Kind::Polyface) {
            if (block_ == nullptr) {
                // Faces of three or four edges, most shared by two faces.
                collector_.Expect(faces_.size() * 2);
            }
            // Each face's edges; an edge two faces share is one segment (the collector
            // keeps a segment and its reverse once).
            for (const FaceRecord& face : faces_) {
                // Corner numbers count from 1; a negative one marks the edge that starts
                // there as hidden (a diagonal that splits a flat face): no edge of the solid.
                std::array<int, 4> at{};
                size_t count = 0;
                for (int index : face) {
                    if (index != 0 && static_cast<size_t>(std::abs(index)) <= n) {
                        at[count++] = index;
                    }
                }
                const size_t edges = count > 2 ? count : count - (count == 0 ? 0 : 1);
                for (size_t i = 0; i < edges; ++i) {
                    const int from = at[i];
                    const int to = at[(i + 1) % count];
                    if (from > 0 && !Edge(static_cast<size_t>(from) - 1,
                                          static_cast<size_t>(std::abs(to)) - 1)) {
                        return;
                    }
                }
            }
        } else if (kind_ == Kind::PolygonMesh) {
            const size_t rows = static_cast<size_t>(std::max(meshM_, 0));
            const size_t columns = static_cast<size_t>(std::max(meshN_, 0));
            if (rows * columns <= n) {
                for (size_t r = 0; r < rows; ++r) {
                    for (size_t c = 0; c < columns; ++c) {
                        const size_t here = r * columns + c;
                        if ((c + 1 < columns || (closedN_ && columns > 2)) &&
                            !Edge(here, r * columns + (c + 1) % columns)) {
                            return;
                        }
                        if ((r + 1 < rows || (closed_ && rows > 2)) &&
                            !Edge(here, ((r + 1) % rows) * columns + c)) {
                            return;
                        }
                    }
                }
            }
        } else {
            const size_t edges = closed_ && n > 2 ? n : (n > 0 ? n - 1 : 0);
            for (size_t i = 0; i < edges; ++i) {
                if (!Edge(i, (i + 1) % n)) {
                    return;
                }
            }
        }
    }

    SegmentCollector& collector_;
    std::map<std::string, Block, std::less<>> blocks_;
    Block* block_ = nullptr;
    bool polyline_ = false;
    bool closed_ = false;
    double elevation_ = 0.0;
    std::vector<Point> corners_;
    std::vector<std::optional<SegmentCollector::Point>> ready_;
    Kind kind_ = Kind::Line;
    int meshM_ = 0;
    int meshN_ = 0;
    bool closedN_ = false;
    std::vector<FaceRecord> faces_;
};

} // namespace

bool DxfReader::Recognises(const QString& path) {
    DxfGroups groups(path);
    int code = 0;
    std::string_view value;
    // Comments (999) of any length may come first.
    for (int pairs = 0; pairs < 64 && groups.Next(code, value); ++pairs) {
        if (code != 999) {
            return code == 0 && value == "SECTION";
        }
    }
    return false;
}

bool DxfReader::Read(const QString& path, SegmentCollector& collector, QString& error) {
    DxfGroups groups(path);
    if (!groups.IsOpen()) {
        error = QCoreApplication::translate("DxfReader", "DXF ファイルとして読めませんでした。");
        return false;
    }
    Drawing drawing(collector);
    Record record;
    int code = 0;
    std::string_view value;
    bool started = false;
    // Past the figure's limit the rest of the file cannot change the answer.
    while (!drawing.Stopped() && groups.Next(code, value)) {
        if (code == 0) {
            if (started) {
                drawing.Entity(record);
            }
            record.Start(value);
            started = true;
        } else if (started && code != 999) {
            record.Take(code, value);
        }
    }
    if (started && !drawing.Stopped()) {
        drawing.Entity(record);
    }
    drawing.Finish();
    return true;
}
