// The exchange formats on their own: written files read back through the import, hand-made
// files of other programs, broken files, the drawing sheet and the animation.
#include "CZelkData.h"
#include "DrawingSheet.h"
#include "DxfFormat.h"
#include "ExchangeFormats.h"
#include "FigureExporter.h"
#include "FigureImporter.h"
#include "FigureView.h"
#include "GifFormat.h"
#include "ObjFormat.h"
#include "TestPrinters.h"

#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cstring>
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using SegmentSet = std::set<std::array<float, 6>>;

// Segments without direction: each as its smaller end first.
SegmentSet Undirected(const CZelkData& figure) {
    SegmentSet out;
    for (const CLine& l : figure.Lines()) {
        std::array<float, 3> a{l.FromX, l.FromY, l.FromZ};
        std::array<float, 3> b{l.ToX, l.ToY, l.ToZ};
        if (b < a) {
            std::swap(a, b);
        }
        out.insert({a[0], a[1], a[2], b[0], b[1], b[2]});
    }
    return out;
}

// A 10 mm cube (12 edges) with a fractional corner line, a long line and a comment.
CZelkData Cube() {
    CZelkData figure;
    const float c[8][3] = {{0, 0, 0},  {10, 0, 0},  {10, 10, 0},  {0, 10, 0},
                           {0, 0, 10}, {10, 0, 10}, {10, 10, 10}, {0, 10, 10}};
    const int edges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                              {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    for (const auto& e : edges) {
        figure.AddLine(
            CLine{c[e[0]][0], c[e[0]][1], c[e[0]][2], c[e[1]][0], c[e[1]][1], c[e[1]][2]});
    }
    return figure;
}

class Formats : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    bool Import(const QString& name, CZelkData& figure, FigureImporter::Report& report,
                QString& error, FigureImporter::Options options = {}) {
        return FigureImporter::Read(Path(name), options, figure, report, error);
    }
    QTemporaryDir dir;
};

TEST_F(Formats, ObjAndDxfRoundTripsGiveTheSameSegments) {
    CZelkData figure = Cube();
    figure.AddLine(CLine{0.25F, -1.5F, 3.125F, 12.5F, 7.75F, -0.5F});
    figure.AddLine(CLine{-120.5F, 0, 0, 300, 2000.25F, 1});
    figure.SetComment(QStringLiteral("立方体, 試し"));
    const QByteArray obj = ObjFormat::Write(figure);
    // Corners shared between lines are written once: 8 + 4 vertices, 14 "l" elements.
    EXPECT_EQ(obj.count("\nv "), 12);
    EXPECT_EQ(obj.count("\nl "), 14);
    EXPECT_TRUE(obj.startsWith(QStringLiteral("# 立方体, 試し\n").toUtf8()));
    const QByteArray dxf = DxfFormat::Write(figure);
    EXPECT_EQ(dxf.count("\r\nLINE\r\n"), 14);
    EXPECT_TRUE(dxf.startsWith("999\r\n"));
    EXPECT_TRUE(dxf.endsWith("0\r\nEOF\r\n"));

    for (const auto& [name, bytes] :
         {std::pair{QStringLiteral("cube.obj"), obj}, std::pair{QStringLiteral("cube.dxf"), dxf}}) {
        Write(name, bytes);
        CZelkData back;
        FigureImporter::Report report;
        QString error;
        ASSERT_TRUE(Import(name, back, report, error)) << name.toStdString() << error.toStdString();
        EXPECT_EQ(Undirected(back), Undirected(figure)) << name.toStdString();
        EXPECT_EQ(report.taken, 14) << name.toStdString();
        EXPECT_EQ(report.zeroLength, 0) << name.toStdString();
    }
}

TEST_F(Formats, ModelsOfOtherProgramsGiveTheirDistinctEdges) {
    // An ASCII STL cube: 12 triangles, whose 36 edges are 12 cube edges and 6 diagonals.
    const float c[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                           {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
    const int quads[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4},
                             {2, 3, 7, 6}, {1, 2, 6, 5}, {0, 4, 7, 3}};
    QByteArray stl = "solid cube\n";
    auto vertex = [&](int i) {
        return QByteArray("    vertex ") + QByteArray::number(c[i][0]) + ' ' +
               QByteArray::number(c[i][1]) + ' ' + QByteArray::number(c[i][2]) + '\n';
    };
    for (const auto& q : quads) {
        for (const auto& t :
             {std::array<int, 3>{q[0], q[1], q[2]}, std::array<int, 3>{q[0], q[2], q[3]}}) {
            stl += "  facet normal 0 0 0\n   outer loop\n" + vertex(t[0]) + vertex(t[1]) +
                   vertex(t[2]) + "   endloop\n  endfacet\n";
        }
    }
    stl += "endsolid cube\n";
    Write(QStringLiteral("cube.stl"), stl);
    CZelkData figure;
    FigureImporter::Report report;
    QString error;
    ASSERT_TRUE(Import(QStringLiteral("cube.stl"), figure, report, error)) << error.toStdString();
    EXPECT_EQ(figure.NumberOfLines(), 18);
    EXPECT_EQ(report.taken, 18);
    EXPECT_EQ(report.duplicates, 18);
    EXPECT_EQ(FigureImporter::ReportText(report),
              QStringLiteral(
                  "18 本の線分を取り込みました（重複 18 本をまとめ、長さ 0 の 0 本を除きました）"));

    // A PLY cube of six quads: only the 12 cube edges; ×10 and moved to the origin.
    QByteArray ply = "ply\nformat ascii 1.0\nelement vertex 8\nproperty float x\nproperty float "
                     "y\nproperty float z\nelement face 6\nproperty list uchar int "
                     "vertex_indices\nend_header\n";
    for (const auto& p : c) {
        ply += QByteArray::number(p[0] + 5) + ' ' + QByteArray::number(p[1] - 3) + ' ' +
               QByteArray::number(p[2]) + '\n';
    }
    for (const auto& q : quads) {
        ply += "4 " + QByteArray::number(q[0]) + ' ' + QByteArray::number(q[1]) + ' ' +
               QByteArray::number(q[2]) + ' ' + QByteArray::number(q[3]) + '\n';
    }
    Write(QStringLiteral("cube.ply"), ply);
    ASSERT_TRUE(Import(QStringLiteral("cube.ply"), figure, report, error, {10.0, true}))
        << error.toStdString();
    EXPECT_EQ(figure.NumberOfLines(), 12);
    EXPECT_EQ(figure.GetMinPos(), QStringLiteral("0,0,0"));
    EXPECT_EQ(figure.GetMaxPos(), QStringLiteral("10,10,10"));

    // A glTF file of three line primitives, one of them zero-length, one repeated.
    const float positions[] = {0, 0, 0, 4, 0, 0, 4, 3, 0, 4, 3, 0};
    const uint16_t indices[] = {0, 1, 1, 2, 2, 3, 1, 0};
    QByteArray buffer(reinterpret_cast<const char*>(positions), sizeof positions);
    buffer.append(reinterpret_cast<const char*>(indices), sizeof indices);
    QJsonObject primitive;
    primitive["attributes"] = QJsonObject{{"POSITION", 0}};
    primitive["indices"] = 1;
    primitive["mode"] = 1; // lines
    QJsonObject mesh;
    mesh["primitives"] = QJsonArray{primitive};
    QJsonObject positionsAccessor{
        {"bufferView", 0}, {"componentType", 5126}, {"count", 4}, {"type", "VEC3"}};
    positionsAccessor["min"] = QJsonArray{0, 0, 0};
    positionsAccessor["max"] = QJsonArray{4, 3, 0};
    const QJsonObject indicesAccessor{
        {"bufferView", 1}, {"componentType", 5123}, {"count", 8}, {"type", "SCALAR"}};
    QJsonObject gltf;
    gltf["asset"] = QJsonObject{{"version", "2.0"}};
    gltf["scene"] = 0;
    gltf["scenes"] = QJsonArray{QJsonObject{{"nodes", QJsonArray{0}}}};
    gltf["nodes"] = QJsonArray{QJsonObject{{"mesh", 0}}};
    gltf["meshes"] = QJsonArray{mesh};
    gltf["buffers"] = QJsonArray{QJsonObject{
        {"byteLength", int(buffer.size())},
        {"uri", QString::fromLatin1("data:application/octet-stream;base64," + buffer.toBase64())}}};
    gltf["bufferViews"] =
        QJsonArray{QJsonObject{{"buffer", 0}, {"byteOffset", 0}, {"byteLength", 48}},
                   QJsonObject{{"buffer", 0}, {"byteOffset", 48}, {"byteLength", 16}}};
    gltf["accessors"] = QJsonArray{positionsAccessor, indicesAccessor};
    Write(QStringLiteral("lines.gltf"), QJsonDocument(gltf).toJson());
    ASSERT_TRUE(Import(QStringLiteral("lines.gltf"), figure, report, error)) << error.toStdString();
    EXPECT_EQ(figure.NumberOfLines(), 2);
    EXPECT_EQ(report.zeroLength, 1);
    EXPECT_EQ(report.duplicates, 1);
}

TEST_F(Formats, BrokenAndOversizedModelsAreRefusedWithAClearMessage) {
    const QByteArray stlHead("binary stl header of eighty bytes.............................");
    QByteArray truncatedStl = stlHead.leftJustified(80, ' ');
    truncatedStl += QByteArray("\x10\x00\x00\x00", 4) + QByteArray(30, '\x01');
    const std::vector<std::pair<QString, QByteArray>> broken = {
        {QStringLiteral("garbage.obj"), QByteArray("\x01\x02\xff\xfe garbage \x00\x7f", 14)},
        {QStringLiteral("empty.obj"), QByteArray()},
        {QStringLiteral("truncated.stl"), truncatedStl},
        {QStringLiteral("truncated.ply"), QByteArray("ply\nformat ascii 1.0\nelement vertex 8\n")},
        {QStringLiteral("broken.gltf"),
         QByteArray("{\"asset\": {\"version\": \"2.0\"}, \"meshes\": [")},
        {QStringLiteral("garbage.dxf"), QByteArray("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n")},
        {QStringLiteral("random.glb"), QByteArray(500, '\x5a')},
    };
    for (const auto& [name, bytes] : broken) {
        Write(name, bytes);
        CZelkData figure = Cube();
        FigureImporter::Report report;
        QString error;
        EXPECT_FALSE(Import(name, figure, report, error)) << name.toStdString();
        EXPECT_FALSE(error.isEmpty()) << name.toStdString();
        EXPECT_FALSE(error.contains(QChar(0xFFFD))) << name.toStdString();
    }
    CZelkData figure;
    FigureImporter::Report report;
    QString error;
    EXPECT_FALSE(Import(QStringLiteral("missing.obj"), figure, report, error));
    EXPECT_EQ(error, QStringLiteral("ファイルが見つかりません。"));
    EXPECT_FALSE(FigureImporter::Read(dir.path(), {}, figure, report, error)) << "a folder";

    // One segment over the limit: refused, naming the limit.
    QByteArray many;
    for (int i = 0; i <= 32767; ++i) {
        many += "v " + QByteArray::number(i) + " 0 0\nv " + QByteArray::number(i) + " 1 0\n";
    }
    for (int i = 0; i <= 32767; ++i) {
        many += "l " + QByteArray::number(2 * i + 1) + ' ' + QByteArray::number(2 * i + 2) + '\n';
    }
    Write(QStringLiteral("many.obj"), many);
    EXPECT_FALSE(Import(QStringLiteral("many.obj"), figure, report, error));
    EXPECT_TRUE(error.contains(QStringLiteral("32767"))) << error.toStdString();
}

// The figure lines of the sheet: SVG line-like elements lying wholly inside a view's cell.
std::map<DrawingSheet::View, int> LinesPerView(const QByteArray& svg) {
    std::map<DrawingSheet::View, int> counts;
    QDomDocument document;
    document.setContent(svg);
    std::vector<std::vector<QPointF>> shapes;
    const QDomNodeList polylines = document.elementsByTagName(QStringLiteral("polyline"));
    for (int i = 0; i < polylines.size(); ++i) {
        std::vector<QPointF> points;
        const QStringList pairs = polylines.at(i)
                                      .toElement()
                                      .attribute(QStringLiteral("points"))
                                      .simplified()
                                      .split(u' ', Qt::SkipEmptyParts);
        for (const QString& pair : pairs) {
            const QStringList xy = pair.split(u',');
            if (xy.size() == 2) {
                points.emplace_back(xy[0].toDouble(), xy[1].toDouble());
            }
        }
        shapes.push_back(points);
    }
    const QDomNodeList lines = document.elementsByTagName(QStringLiteral("line"));
    for (int i = 0; i < lines.size(); ++i) {
        const QDomElement e = lines.at(i).toElement();
        shapes.push_back({QPointF(e.attribute("x1").toDouble(), e.attribute("y1").toDouble()),
                          QPointF(e.attribute("x2").toDouble(), e.attribute("y2").toDouble())});
    }
    for (const auto& points : shapes) {
        if (points.size() != 2) {
            continue;
        }
        for (const auto view : {DrawingSheet::View::Front, DrawingSheet::View::Top,
                                DrawingSheet::View::RightSide, DrawingSheet::View::Isometric}) {
            const QRectF inside = DrawingSheet::Cell(view).adjusted(1, 1, -1, -1);
            if (inside.contains(points[0]) && inside.contains(points[1])) {
                ++counts[view];
            }
        }
    }
    return counts;
}

TEST_F(Formats, TheDrawingSheetHoldsFourLabelledViewsAtOneStandardScale) {
    CZelkData figure = Cube();
    figure.AddLine(CLine{0, 0, 0, 10, 10, 10}); // a body diagonal, seen in every view
    const QByteArray svg =
        DrawingSheet::Svg(figure, QStringLiteral("cube.zlk"), QStringLiteral("2026/12/08"));
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_NEAR(renderer.viewBoxF().width(), 297.0, 1e-6);
    EXPECT_NEAR(renderer.viewBoxF().height(), 210.0, 1e-6);
    // Front, top and side each see 8 edges (4 are end-on) and the diagonal; the
    // isometric view sees all 13.
    const auto counts = LinesPerView(svg);
    EXPECT_EQ(counts.at(DrawingSheet::View::Front), 9);
    EXPECT_EQ(counts.at(DrawingSheet::View::Top), 9);
    EXPECT_EQ(counts.at(DrawingSheet::View::RightSide), 9);
    EXPECT_EQ(counts.at(DrawingSheet::View::Isometric), 13);
    const QString text = QString::fromUtf8(svg);
    for (const char* label : {"正面図", "平面図", "右側面図", "等角図", "cube.zlk", "2026/12/08"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(label))) << label;
    }
    // The isometric view of a 10 mm cube is about 16 mm high: it fits a 72 mm high area
    // at 4.3 times, so the standard scale is 2:1 (5:1 would not fit); a 2 m one at 1:20.
    EXPECT_DOUBLE_EQ(DrawingSheet::Scale(figure), 2.0);
    // (The SVG writes Japanese and Latin runs of one text as elements of their own.)
    EXPECT_TRUE(text.contains(QStringLiteral("尺度")));
    EXPECT_TRUE(text.contains(QStringLiteral("2:1")));
    CZelkData large;
    large.AddLine(CLine{0, 0, 0, 2000, 0, 0});
    large.AddLine(CLine{0, 0, 0, 0, 1000, 1000});
    EXPECT_DOUBLE_EQ(DrawingSheet::Scale(large), 0.05);
    EXPECT_EQ(DrawingSheet::ScaleText(0.05), QStringLiteral("1:20"));
    // Third-angle places: top above front, right side to the right of front.
    const QRectF front = DrawingSheet::Cell(DrawingSheet::View::Front);
    EXPECT_LT(DrawingSheet::Cell(DrawingSheet::View::Top).bottom(), front.top() + 1e-9);
    EXPECT_GT(DrawingSheet::Cell(DrawingSheet::View::RightSide).left(), front.right() - 1e-9);
    // An empty figure still gives a valid, empty sheet.
    EXPECT_TRUE(QSvgRenderer(DrawingSheet::Svg(CZelkData(), QString(), QString())).isValid());
}

TEST_F(Formats, TheTurningAnimationIsALoopingGifOf36Frames) {
    const CZelkData figure = Cube();
    const QList<QImage> frames = FigureExporter::TurningFrames(figure, nullptr);
    ASSERT_EQ(frames.size(), 36);
    EXPECT_EQ(frames.first().size(), QSize(200, 150));
    EXPECT_NE(frames[0], frames[1]) << "each frame turned further";
    QString error;
    const FileResult written = FigureExporter::Export(
        Path("turn.gif"), {FigureExporter::Format::Gif, 1}, figure, nullptr, QString(), QString());
    ASSERT_TRUE(written.ok) << written.reason.toStdString();
    int code = 0;
    GifFileType* gif = DGifOpenFileName(Path("turn.gif").toLocal8Bit().constData(), &code);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->ImageCount, 36);
    EXPECT_EQ(gif->SWidth, 200);
    EXPECT_EQ(gif->SHeight, 150);
    // The looping block comes before the first frame (giflib files it with that frame).
    bool loops = false;
    auto look = [&loops](const ExtensionBlock* blocks, int count) {
        for (int i = 0; i < count; ++i) {
            loops = loops ||
                    (blocks[i].Function == APPLICATION_EXT_FUNC_CODE && blocks[i].ByteCount == 11 &&
                     std::memcmp(blocks[i].Bytes, "NETSCAPE2.0", 11) == 0);
        }
    };
    look(gif->ExtensionBlocks, gif->ExtensionBlockCount);
    look(gif->SavedImages[0].ExtensionBlocks, gif->SavedImages[0].ExtensionBlockCount);
    EXPECT_TRUE(loops) << "the animation loops";
    // The first frame reads back as drawn: black figure pixels on white.
    const SavedImage& first = gif->SavedImages[0];
    const ColorMapObject* map = gif->SColorMap;
    int black = 0;
    for (int p = 0; p < 200 * 150; ++p) {
        const GifColorType c = map->Colors[first.RasterBits[p]];
        black += (c.Red == 0 && c.Green == 0 && c.Blue == 0) ? 1 : 0;
    }
    int drawnBlack = 0;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 200; ++x) {
            drawnBlack += frames.first().pixel(x, y) == 0xFF000000 ? 1 : 0;
        }
    }
    EXPECT_GT(drawnBlack, 100);
    EXPECT_EQ(black, drawnBlack);
    DGifCloseFile(gif, &code);

    // Differing sizes cannot make one animation.
    EXPECT_TRUE(
        GifFormat::Write(
            {QImage(10, 10, QImage::Format_RGB32), QImage(12, 10, QImage::Format_RGB32)}, 10, error)
            .isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

// A picture made without a window (file, thumbnail, animation frame) shows the whole figure
// and fills most of the picture, whatever its size and wherever it lies.
TEST(PlainPicture, FitsEveryFigureWithoutAWidget) {
    const int widgetsBefore = static_cast<int>(QApplication::allWidgets().size());
    for (const float size : {0.5F, 3.0F, 250.0F, 30000.0F}) {
        CZelkData figure;
        const float x0 = 1000.0F;
        const float y0 = -size;
        const float z0 = 7.0F;
        for (int axis = 0; axis < 3; ++axis) {
            CLine l{x0, y0, z0, x0, y0, z0};
            (axis == 0 ? l.ToX : axis == 1 ? l.ToY : l.ToZ) += size;
            figure.AddLine(l);
        }
        figure.AddLine(CLine{x0 + size, y0 + size, z0 + size, x0, y0, z0});
        const QImage picture = FigureView::Plain(figure, QSize(200, 150)).Picture();
        ASSERT_EQ(picture.size(), QSize(200, 150));
        QRect drawn;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixel(x, y) != 0xFFFFFFFF) {
                    drawn |= QRect(x, y, 1, 1);
                }
            }
        }
        EXPECT_TRUE(QRect(1, 1, 198, 148).contains(drawn)) << size;
        EXPECT_GT(drawn.height(), 150 / 3) << size;
    }
    EXPECT_EQ(static_cast<int>(QApplication::allWidgets().size()), widgetsBefore);
}

// One table of formats: the dialog offers each kind once, the command line takes one row an
// extension (any case), and its help names exactly those extensions.
TEST(ExchangeFormatsTable, DialogCommandLineAndHelpReadOneTable) {
    const auto kinds = ExchangeFormats::DialogKinds();
    ASSERT_EQ(kinds.size(), 8U);
    EXPECT_EQ(kinds.front().kind, UserDialogs::ExportKind::SvgSheet);
    std::set<int> seen;
    for (const auto& kind : kinds) {
        EXPECT_TRUE(seen.insert(static_cast<int>(kind.kind)).second) << "one row a kind";
        EXPECT_TRUE(kind.filter.contains(QStringLiteral("*.") + kind.suffix))
            << kind.filter.toStdString();
    }
    struct Case {
        const char* name;
        FigureExporter::Format format;
        int scale;
    };
    for (const Case c : {Case{"a.svg", FigureExporter::Format::SvgSheet, 1},
                         Case{"b.PNG", FigureExporter::Format::Png, 1},
                         Case{"c.obj", FigureExporter::Format::Obj, 1},
                         Case{"d.Dxf", FigureExporter::Format::Dxf, 1},
                         Case{"e.gif", FigureExporter::Format::Gif, 1}}) {
        const ExchangeFormats::Export* row = ExchangeFormats::ForPath(QString::fromLatin1(c.name));
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(row->format, c.format) << c.name;
        EXPECT_EQ(row->pngScale, c.scale) << c.name;
        EXPECT_TRUE(
            ExchangeFormats::CommandLineHelp().contains(u'.' + QString::fromLatin1(row->suffix)));
    }
    EXPECT_EQ(ExchangeFormats::ForPath(QStringLiteral("f.xyz")), nullptr);
    EXPECT_EQ(ExchangeFormats::ForPath(QStringLiteral("noextension")), nullptr);
    for (const char* model : {"*.obj", "*.stl", "*.ply", "*.gltf", "*.dxf"}) {
        EXPECT_TRUE(ExchangeFormats::ImportFilter().contains(QString::fromLatin1(model))) << model;
    }

    // The export dialog: a typed extension of a kind offered decides the kind, whatever
    // filter is selected; the selected kind wins among kinds of one extension; a name
    // without a known extension gets the selected kind's.
    using K = UserDialogs::ExportKind;
    const auto filterOf = [&kinds](K kind) {
        for (const auto& k : kinds) {
            if (k.kind == kind) {
                return k.filter;
            }
        }
        return QString();
    };
    struct Typed {
        const char* name;
        K selected;
        const char* path;
        K kind;
    };
    for (const Typed t : {Typed{"/d/exp1.gif", K::SvgSheet, "/d/exp1.gif", K::Gif},
                          Typed{"/d/exp1.OBJ", K::Png2, "/d/exp1.OBJ", K::Obj},
                          Typed{"/d/exp1.png", K::SvgSheet, "/d/exp1.png", K::Png1},
                          Typed{"/d/exp1.png", K::Png4, "/d/exp1.png", K::Png4},
                          Typed{"/d/exp1.svg", K::SvgView, "/d/exp1.svg", K::SvgView},
                          Typed{"/d/exp1", K::Dxf, "/d/exp1.dxf", K::Dxf},
                          Typed{"/d/exp1.txt", K::SvgSheet, "/d/exp1.txt.svg", K::SvgSheet}}) {
        const UserDialogs::ExportChoice settled =
            UserDialogs::SettleExport(QString::fromLatin1(t.name), filterOf(t.selected), kinds);
        EXPECT_EQ(settled.path, QString::fromLatin1(t.path)) << t.name;
        EXPECT_EQ(settled.kind, t.kind) << t.name;
    }
}

} // namespace
