#include "DxfReader.h"

#include "SegmentCollector.h"

#include <QCoreApplication>
#include <QFile>
#include <array>
#include <cmath>
#include <cstdlib>
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>
#include <map>
#include <string>
#include <vector>

namespace {

using Point = std::array<double, 3>;
using Segment = std::array<double, 6>;

// Collects entities; those inside a block definition are kept for its inserts.
class Adapter : public DL_CreationAdapter {
public:
    Adapter(SegmentCollector& collector, DL_Dxf& dxf) : collector_(collector), dxf_(&dxf) {}

    void Finish() { FlushPolyline(); }

    void addBlock(const DL_BlockData& data) override {
        FlushPolyline();
        block_ = &blocks_[data.name];
        block_->base = {data.bpx, data.bpy, data.bpz};
    }
    void endBlock() override {
        FlushPolyline();
        block_ = nullptr;
    }
    // (dxflib calls endSection at many group codes of 0, not only at ENDSEC: a polyline
    // ends at the next entity, the end of its sequence or block, or the end of the file.)
    void endSequence() override { FlushPolyline(); }

    void addLine(const DL_LineData& d) override {
        FlushPolyline();
        Emit({d.x1, d.y1, d.z1, d.x2, d.y2, d.z2});
    }
    void addArc(const DL_ArcData& d) override {
        FlushPolyline();
        double sweep = d.angle2 - d.angle1;
        while (sweep <= 0) {
            sweep += 360.0;
        }
        Chords(d.cx, d.cy, d.cz, d.radius, d.angle1, sweep);
    }
    void addCircle(const DL_CircleData& d) override {
        FlushPolyline();
        Chords(d.cx, d.cy, d.cz, d.radius, 0.0, 360.0);
    }
    void addPolyline(const DL_PolylineData& d) override {
        FlushPolyline();
        polyline_ = true;
        closed_ = (d.flags & 1) != 0;
        elevation_ = d.elevation;
        corners_.clear();
        faces_.clear();
        // Solids come as meshes: a polyface mesh lists its corners, then its faces by
        // corner number; a polygon mesh is M rows of N corners.
        kind_ = (d.flags & 64) != 0   ? Kind::Polyface
                : (d.flags & 16) != 0 ? Kind::PolygonMesh
                                      : Kind::Line;
        meshM_ = Value(71);
        meshN_ = Value(72);
        closedN_ = (d.flags & 32) != 0;
    }
    void addVertex(const DL_VertexData& d) override {
        if (polyline_) {
            corners_.push_back({d.x, d.y, d.z != 0.0 ? d.z : elevation_});
        }
    }
    // dxflib drops a polyface mesh's face records (VERTEX flagged 128 without 64) before
    // they reach addVertex: they are read here, pair by pair. A record ends at the next
    // group code 0, which comes here before dxflib handles the entity it ends.
    void processCodeValuePair(unsigned int code, const std::string& value) override {
        if (code == 0) {
            if (record_ && (recordFlags_ & 128) != 0 && (recordFlags_ & 64) == 0 && polyline_ &&
                kind_ == Kind::Polyface) {
                faces_.push_back(recordFace_);
            }
            record_ = value == "VERTEX";
            recordFlags_ = 0;
            recordFace_ = {};
        } else if (record_ && (code == 70 || (code >= 71 && code <= 74))) {
            const int number = std::atoi(value.c_str());
            if (code == 70) {
                recordFlags_ = number;
            } else {
                recordFace_[code - 71] = number;
            }
        }
    }
    void add3dFace(const DL_3dFaceData& d) override {
        FlushPolyline();
        for (int i = 0; i < 4; ++i) {
            const int j = (i + 1) % 4;
            Emit({d.x[i], d.y[i], d.z[i], d.x[j], d.y[j], d.z[j]});
        }
    }
    void addInsert(const DL_InsertData& d) override {
        FlushPolyline();
        const auto found = blocks_.find(d.name);
        if (found == blocks_.end() || &found->second == block_) {
            Skip("INSERT (no block)");
            return;
        }
        const Block& block = found->second;
        const double angle = d.angle * M_PI / 180.0;
        // A quarter turn is exact: no 1e-16 where the drawing has 0.
        const auto exact = [](double v) { return std::abs(v) < 1e-12 ? 0.0 : v; };
        const double c = exact(std::cos(angle));
        const double s = exact(std::sin(angle));
        const int cols = std::max(1, d.cols);
        const int rows = std::max(1, d.rows);
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                // Rows and columns run along the insert's own turned axes.
                const double ox = col * d.colSp * c - row * d.rowSp * s;
                const double oy = col * d.colSp * s + row * d.rowSp * c;
                for (const Segment& seg : block.segments) {
                    Segment out{};
                    for (int end = 0; end < 2; ++end) {
                        const double x = (seg[end * 3] - block.base[0]) * d.sx;
                        const double y = (seg[end * 3 + 1] - block.base[1]) * d.sy;
                        const double z = (seg[end * 3 + 2] - block.base[2]) * d.sz;
                        out[end * 3] = d.ipx + ox + x * c - y * s;
                        out[end * 3 + 1] = d.ipy + oy + x * s + y * c;
                        out[end * 3 + 2] = d.ipz + z;
                    }
                    if (!Emit(out)) {
                        return;
                    }
                }
            }
        }
    }

    // What a wire-frame figure cannot hold is counted by kind.
    void addPoint(const DL_PointData&) override { Skip("POINT"); }
    void addXLine(const DL_XLineData&) override { Skip("XLINE"); }
    void addRay(const DL_RayData&) override { Skip("RAY"); }
    void addEllipse(const DL_EllipseData&) override { Skip("ELLIPSE"); }
    void addSpline(const DL_SplineData&) override { Skip("SPLINE"); }
    void addTrace(const DL_TraceData&) override { Skip("TRACE"); }
    void addSolid(const DL_SolidData&) override { Skip("SOLID"); }
    void addMText(const DL_MTextData&) override { Skip("MTEXT"); }
    void addText(const DL_TextData&) override { Skip("TEXT"); }
    void addArcAlignedText(const DL_ArcAlignedTextData&) override { Skip("TEXT"); }
    void addAttribute(const DL_AttributeData&) override { Skip("ATTRIB"); }
    void addDimAlign(const DL_DimensionData&, const DL_DimAlignedData&) override {
        Skip("DIMENSION");
    }
    void addDimLinear(const DL_DimensionData&, const DL_DimLinearData&) override {
        Skip("DIMENSION");
    }
    void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override {
        Skip("DIMENSION");
    }
    void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override {
        Skip("DIMENSION");
    }
    void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override {
        Skip("DIMENSION");
    }
    void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override {
        Skip("DIMENSION");
    }
    void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override {
        Skip("DIMENSION");
    }
    void addLeader(const DL_LeaderData&) override { Skip("LEADER"); }
    void addHatch(const DL_HatchData&) override { Skip("HATCH"); }
    void addImage(const DL_ImageData&) override { Skip("IMAGE"); }

    bool Stopped() const { return collector_.Overflowed(); }

private:
    struct Block {
        Point base{};
        std::vector<Segment> segments;
    };

    void Skip(const char* kind) {
        FlushPolyline();
        if (block_ == nullptr) {
            collector_.Skip(kind);
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

    void Chords(double cx, double cy, double cz, double radius, double startDeg, double sweepDeg) {
        const int n = std::max(
            1, static_cast<int>(std::ceil(sweepDeg / 360.0 * DxfReader::kChordsPerCircle - 1e-9)));
        const double start = startDeg * M_PI / 180.0;
        const double step = sweepDeg * M_PI / 180.0 / n;
        for (int i = 0; i < n; ++i) {
            const double a = start + i * step;
            const double b = start + (i + 1) * step;
            if (!Emit({cx + radius * std::cos(a), cy + radius * std::sin(a), cz,
                       cx + radius * std::cos(b), cy + radius * std::sin(b), cz})) {
                return;
            }
        }
    }

    // A value of the entity being read; 0 where it has none.
    int Value(int code) const { return dxf_ != nullptr ? dxf_->getIntValue(code, 0) : 0; }

    bool Edge(size_t a, size_t b) {
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
        if (kind_ == Kind::Polyface) {
            // Each face's edges; an edge two faces share is one segment (the collector
            // keeps a segment and its reverse once).
            for (const Face& face : faces_) {
                // Corner numbers count from 1; a negative one marks the edge that starts
                // there as hidden (a diagonal that splits a flat face): no edge of the solid.
                std::vector<int> at;
                for (int index : face) {
                    if (index != 0 && static_cast<size_t>(std::abs(index)) <= n) {
                        at.push_back(index);
                    }
                }
                const size_t edges = at.size() > 2 ? at.size() : at.size() - (at.empty() ? 0 : 1);
                for (size_t i = 0; i < edges; ++i) {
                    const int from = at[i];
                    const int to = at[(i + 1) % at.size()];
                    if (from > 0 && !Edge(static_cast<size_t>(from) - 1,
                                          static_cast<size_t>(std::abs(to)) - 1)) {
                        return Clear();
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
                            return Clear();
                        }
                        if ((r + 1 < rows || (closed_ && rows > 2)) &&
                            !Edge(here, ((r + 1) % rows) * columns + c)) {
                            return Clear();
                        }
                    }
                }
            }
        } else {
            const size_t edges = closed_ && n > 2 ? n : (n > 0 ? n - 1 : 0);
            for (size_t i = 0; i < edges; ++i) {
                if (!Edge(i, (i + 1) % n)) {
                    break;
                }
            }
        }
        Clear();
    }
    void Clear() {
        corners_.clear();
        faces_.clear();
    }

    SegmentCollector& collector_;
    std::map<std::string, Block> blocks_;
    Block* block_ = nullptr;
    bool polyline_ = false;
    bool closed_ = false;
    double elevation_ = 0.0;
    std::vector<Point> corners_;
    enum class Kind { Line, Polyface, PolygonMesh };
    using Face = std::array<int, 4>;
    Kind kind_ = Kind::Line;
    int meshM_ = 0;
    int meshN_ = 0;
    bool closedN_ = false;
    std::vector<Face> faces_;
    bool record_ = false;
    int recordFlags_ = 0;
    Face recordFace_{};
    DL_Dxf* dxf_ = nullptr;
};

} // namespace

bool DxfReader::Recognises(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // Group codes and values alternate line by line; comments (999) may come first.
    for (int pairs = 0; pairs < 64 && !file.atEnd(); ++pairs) {
        const QByteArray code = file.readLine(256).trimmed();
        const QByteArray value = file.readLine(256).trimmed();
        if (code == "999") {
            continue;
        }
        return code == "0" && value == "SECTION";
    }
    return false;
}

bool DxfReader::Read(const QString& path, SegmentCollector& collector, QString& error) {
    DL_Dxf dxf;
    Adapter adapter(collector, dxf);
    if (!dxf.in(QFile::encodeName(path).toStdString(), &adapter)) {
        error = QCoreApplication::translate("DxfReader", "DXF ファイルとして読めませんでした。");
        return false;
    }
    adapter.Finish();
    return true;
}
