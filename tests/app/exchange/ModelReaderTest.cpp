// The import's reader process: bounded memory, early refusal, DXF through its library,
// content before names, plain messages, and the command line's guards.
#include "CZelkData.h"
#include "DxfFormat.h"
#include "DxfReader.h"
#include "FigureImporter.h"
#include "ImportJob.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ZELK_TEST_ASAN 1
#endif

namespace {

// A DXF entity or section as group code / value lines.
QByteArray Group(std::initializer_list<std::pair<int, const char*>> pairs) {
    QByteArray out;
    for (const auto& [code, value] : pairs) {
        out += QByteArray::number(code) + '\n' + value + '\n';
    }
    return out;
}

// The blocks section of a drawing: block "B", one line from the origin along x.
QByteArray BlockSection(const char* length) {
    return Group({{0, "SECTION"},
                  {2, "BLOCKS"},
                  {0, "BLOCK"},
                  {8, "0"},
                  {2, "B"},
                  {70, "0"},
                  {10, "0"},
                  {20, "0"},
                  {30, "0"},
                  {0, "LINE"},
                  {8, "0"},
                  {10, "0"},
                  {20, "0"},
                  {30, "0"},
                  {11, length},
                  {21, "0"},
                  {31, "0"},
                  {0, "ENDBLK"},
                  {0, "ENDSEC"}});
}

class ModelReading : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    bool Import(const QString& name, FigureImporter::Options options = {}) {
        figure.ClearData();
        return FigureImporter::Read(Path(name), options, figure, report, error);
    }
    // Runs the program itself on a command line; its exit code (-1 when it crashed).
    int Run(const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(ZELK_PROGRAM_DIR "/zelk"), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        err = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    // A binary STL of n triangles, all distinct.
    void WriteStl(const QString& name, int n) {
        QByteArray bytes(80, '\0');
        const uint32_t count = static_cast<uint32_t>(n);
        bytes.append(reinterpret_cast<const char*>(&count), 4);
        for (int i = 0; i < n; ++i) {
            const float x = static_cast<float>(i);
            const float v[12] = {0, 0, 1, x, 0, 0, x + 1, 0, 0, x, 1, 0};
            bytes.append(reinterpret_cast<const char*>(v), sizeof v);
            bytes.append(2, '\0');
        }
        Write(name, bytes);
    }

    QTemporaryDir dir;
    CZelkData figure;
    FigureImporter::Report report;
    QString error;
    QString err;
};

// A file that asks for an enormous allocation is stopped by the reader's bound, and the
// user is told it needs more memory than allowed, not that it is broken.
TEST_F(ModelReading, AHugeAllocationMeetsTheMemoryBound) {
#ifdef ZELK_TEST_ASAN
    GTEST_SKIP() << "a sanitizer build cannot bound its address space";
#else
    Write(QStringLiteral("huge.off"), "OFF\n2000000000 1 0\n0 0 0\n1 1 1\n");
    EXPECT_FALSE(Import(QStringLiteral("huge.off")));
    EXPECT_TRUE(error.contains(QStringLiteral("メモリが必要"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::number(ImportJob::MemoryLimitMb(40))))
        << error.toStdString();
    EXPECT_EQ(figure.NumberOfLines(), 0);
    // The bound follows the file and the machine: never below what the program needs.
    EXPECT_GE(ImportJob::MemoryLimitMb(0), 768);
    EXPECT_GT(ImportJob::MemoryLimitMb(100LL * 1024 * 1024), ImportJob::MemoryLimitMb(0));
#endif
}

// Past the figure's limit the reader stops at once: a large STL never reaches the editor.
TEST_F(ModelReading, TooManySegmentsAreRefusedWithoutReadingOn) {
    WriteStl(QStringLiteral("many.stl"), 200000);
    EXPECT_FALSE(Import(QStringLiteral("many.stl")));
    EXPECT_TRUE(error.contains(QStringLiteral("32767"))) << error.toStdString();
    EXPECT_EQ(figure.NumberOfLines(), 0);
    // Under the limit: 10000 triangles give 30000 distinct edges, all taken.
    WriteStl(QStringLiteral("fits.stl"), 10000);
    ASSERT_TRUE(Import(QStringLiteral("fits.stl"))) << error.toStdString();
    EXPECT_EQ(report.taken, 30000);
    EXPECT_EQ(figure.NumberOfLines(), 30000);
    // An empty solid beside a sound one costs nothing.
    Write(QStringLiteral("empty_solid.stl"),
          "solid empty\nendsolid empty\nsolid one\nfacet normal 0 0 1\nouter loop\n"
          "vertex 0 0 0\nvertex 1 0 0\nvertex 0 1 0\nendloop\nendfacet\nendsolid one\n");
    ASSERT_TRUE(Import(QStringLiteral("empty_solid.stl"))) << error.toStdString();
    EXPECT_EQ(figure.NumberOfLines(), 3);
}

TEST_F(ModelReading, DxfEntitiesOfCadDrawingsAllArrive) {
    QByteArray dxf = BlockSection("1");
    dxf += Group({{0, "SECTION"}, {2, "ENTITIES"}});
    // A line.
    dxf += Group(
        {{0, "LINE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {11, "10"}, {21, "0"}, {31, "0"}});
    // A closed LWPOLYLINE square at elevation 5.
    dxf += Group({{0, "LWPOLYLINE"},
                  {8, "0"},
                  {90, "4"},
                  {70, "1"},
                  {38, "5"},
                  {10, "100"},
                  {20, "0"},
                  {10, "110"},
                  {20, "0"},
                  {10, "110"},
                  {20, "10"},
                  {10, "100"},
                  {20, "10"}});
    // A circle and a quarter arc.
    dxf += Group({{0, "CIRCLE"}, {8, "0"}, {10, "200"}, {20, "0"}, {30, "0"}, {40, "10"}});
    dxf += Group({{0, "ARC"},
                  {8, "0"},
                  {10, "300"},
                  {20, "0"},
                  {30, "0"},
                  {40, "10"},
                  {50, "0"},
                  {51, "90"}});
    // A 3D POLYLINE of three vertices: two segments.
    dxf += Group({{0, "POLYLINE"}, {8, "0"},   {66, "1"}, {70, "8"},  {0, "VERTEX"}, {8, "0"},
                  {10, "400"},     {20, "0"},  {30, "0"}, {70, "32"}, {0, "VERTEX"}, {8, "0"},
                  {10, "410"},     {20, "0"},  {30, "5"}, {70, "32"}, {0, "VERTEX"}, {8, "0"},
                  {10, "410"},     {20, "10"}, {30, "5"}, {70, "32"}, {0, "SEQEND"}, {8, "0"}});
    // A triangular 3DFACE (fourth corner = third).
    dxf += Group({{0, "3DFACE"},
                  {8, "0"},
                  {10, "500"},
                  {20, "0"},
                  {30, "0"},
                  {11, "510"},
                  {21, "0"},
                  {31, "0"},
                  {12, "500"},
                  {22, "10"},
                  {32, "3"},
                  {13, "500"},
                  {23, "10"},
                  {33, "3"}});
    // The block inserted at (600, 0, 0), twice as large.
    dxf += Group({{0, "INSERT"},
                  {8, "0"},
                  {2, "B"},
                  {10, "600"},
                  {20, "0"},
                  {30, "0"},
                  {41, "2"},
                  {42, "2"},
                  {43, "2"}});
    // What a figure cannot hold.
    dxf += Group({{0, "TEXT"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "2"}, {1, "note"}});
    dxf += Group({{0, "ENDSEC"}, {0, "EOF"}});
    Write(QStringLiteral("cad.dxf"), dxf);
    ASSERT_TRUE(Import(QStringLiteral("cad.dxf"))) << error.toStdString();
    const int chords = DxfReader::kChordsPerCircle;
    EXPECT_EQ(figure.NumberOfLines(), 1 + 4 + chords + chords / 4 + 2 + 3 + 1);
    EXPECT_EQ(report.leftOut.at(QStringLiteral("TEXT")), 1);
    EXPECT_TRUE(FigureImporter::ReportText(report).contains(QStringLiteral("TEXT 1")));
    QStringList lines;
    for (int i = 1; i <= figure.NumberOfLines(); ++i) {
        lines << figure.GetLine(i);
    }
    EXPECT_TRUE(lines.contains(QStringLiteral("100,0,5,110,0,5"))) << "the elevation";
    EXPECT_TRUE(lines.contains(QStringLiteral("410,0,5,410,10,5"))) << "3D POLYLINE";
    EXPECT_TRUE(lines.contains(QStringLiteral("600,0,0,602,0,0"))) << "the inserted block";
    EXPECT_TRUE(lines.contains(QStringLiteral("210,0,0,209.9619,0.8715574,0")))
        << "the first chord of the circle";

    // The same bytes under another name read the same: the content decides.
    Write(QStringLiteral("cad"), dxf);
    CZelkData named;
    named.Swap(figure);
    ASSERT_TRUE(Import(QStringLiteral("cad"))) << error.toStdString();
    ASSERT_EQ(figure.NumberOfLines(), named.NumberOfLines());
    for (int i = 1; i <= figure.NumberOfLines(); ++i) {
        EXPECT_EQ(figure.GetLine(i), named.GetLine(i));
    }

    // The program's own DXF reads back as the figure, axes as written.
    CZelkData cube;
    cube.AddLine(CLine{0, 0, 0, 10, 0, 0});
    cube.AddLine(CLine{0, 0, 0, 0, 20, 0});
    cube.AddLine(CLine{0, 0, 0, 0, 0, 30});
    Write(QStringLiteral("figure.dxf"), DxfFormat::Write(cube));
    ASSERT_TRUE(Import(QStringLiteral("figure.dxf"))) << error.toStdString();
    ASSERT_EQ(figure.NumberOfLines(), 3);
    EXPECT_EQ(figure.GetLine(2), QStringLiteral("0,0,0,0,20,0"));
    EXPECT_EQ(figure.GetLine(3), QStringLiteral("0,0,0,0,0,30"));
}

// What each DXF entity becomes, one entity a file: chords of arcs and circles (5° each, a
// full turn 72 however it is given, an arc across 0° the short way), a segment given twice
// either way round once, and the turn of an inserted block counter-clockwise for a
// positive angle.
TEST_F(ModelReading, EachDxfEntityGivesItsSegments) {
    const QByteArray block = BlockSection("10");
    const auto arc = [](const char* from, const char* to) {
        return Group({{0, "ARC"},
                      {8, "0"},
                      {10, "0"},
                      {20, "0"},
                      {30, "0"},
                      {40, "10"},
                      {50, from},
                      {51, to}});
    };
    const auto line = [](const char* x1, const char* x2) {
        return Group({{0, "LINE"},
                      {8, "0"},
                      {10, x1},
                      {20, "0"},
                      {30, "0"},
                      {11, x2},
                      {21, "0"},
                      {31, "0"}});
    };
    const auto insert = [](const char* angle) {
        return Group(
            {{0, "INSERT"}, {8, "0"}, {2, "B"}, {10, "100"}, {20, "0"}, {30, "0"}, {50, angle}});
    };
    struct Case {
        const char* what;
        QByteArray entities;
        int segments;
        const char* holds; // one segment it must hold ("" for none)
    };
    const Case cases[] = {
        {"circle", Group({{0, "CIRCLE"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"}, {40, "10"}}),
         72, "10,0,0,9.961947,0.8715574,0"},
        {"quarter arc", arc("0", "90"), 18, "10,0,0,9.961947,0.8715574,0"},
        {"full turn as an arc", arc("0", "360"), 72, "10,0,0,9.961947,0.8715574,0"},
        {"arc of no sweep", arc("90", "90"), 72, ""},
        {"arc across 0°", arc("350", "10"), 4, "9.848078,-1.736482,0,9.961947,-0.8715574,0"},
        {"odd arc", arc("0", "7"), 2, ""},
        {"arc given past a full turn", arc("0", "450"), 18, "10,0,0,9.961947,0.8715574,0"},
        {"a segment twice, either way", line("0", "10") + line("10", "0") + line("0", "10"), 1,
         "0,0,0,10,0,0"},
        {"insert turned +90°", insert("90"), 1, "100,0,0,100,10,0"},
        {"insert turned -90°", insert("-90"), 1, "100,0,0,100,-10,0"},
        {"insert turned 180°", insert("180"), 1, "100,0,0,90,0,0"},
        {"ten billion copies in one place",
         Group({{0, "INSERT"}, {8, "0"}, {2, "B"}, {70, "100000"}, {71, "100000"}}), 1,
         "0,0,0,10,0,0"},
    };
    for (const Case& c : cases) {
        const QByteArray dxf = block + Group({{0, "SECTION"}, {2, "ENTITIES"}}) + c.entities +
                               Group({{0, "ENDSEC"}, {0, "EOF"}});
        Write(QStringLiteral("one.dxf"), dxf);
        ASSERT_TRUE(Import(QStringLiteral("one.dxf"))) << c.what << ": " << error.toStdString();
        QStringList lines;
        for (int i = 1; i <= figure.NumberOfLines(); ++i) {
            lines << figure.GetLine(i);
        }
        EXPECT_EQ(figure.NumberOfLines(), c.segments) << c.what;
        if (*c.holds != 0) {
            EXPECT_TRUE(lines.contains(QString::fromLatin1(c.holds)))
                << c.what << ": " << lines.join(u' ').toStdString();
        }
    }
}

// Solids in DXF come as meshes: a polyface mesh's faces give their edges, an edge two faces
// share once, an edge marked hidden (a negative corner number where it starts: a diagonal
// splitting a flat face) none; a polygon mesh gives its rows and columns; inside blocks too.
TEST_F(ModelReading, DxfMeshesGiveEachEdgeOnce) {
    // A square in two triangles sharing the diagonal 1-3, at x0.
    const auto polyface = [](const char* x0) {
        QByteArray out =
            Group({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {70, "64"}, {71, "4"}, {72, "2"}});
        for (const auto& [x, y] : {std::pair{"0", "0"}, {"10", "0"}, {"10", "10"}, {"0", "10"}}) {
            const QByteArray at =
                QByteArray::number(QByteArray(x0).toInt() + QByteArray(x).toInt());
            out += Group(
                {{0, "VERTEX"}, {8, "0"}, {10, at.constData()}, {20, y}, {30, "5"}, {70, "192"}});
        }
        // Face records: corner numbers, the second face's edge from corner 3 hidden.
        for (const auto& [a, b, c] : {std::tuple{"1", "2", "3"}, {"1", "-3", "4"}}) {
            out += Group({{0, "VERTEX"}, {8, "0"}, {70, "128"}, {71, a}, {72, b}, {73, c}});
        }
        return out + Group({{0, "SEQEND"}, {8, "0"}});
    };
    QByteArray dxf = Group({{0, "SECTION"}, {2, "BLOCKS"}});
    dxf += Group({{0, "BLOCK"}, {8, "0"}, {2, "MESH"}, {70, "0"}, {10, "0"}, {20, "0"}, {30, "0"}});
    dxf += polyface("0");
    dxf += Group({{0, "ENDBLK"}, {8, "0"}, {0, "ENDSEC"}});
    dxf += Group({{0, "SECTION"}, {2, "ENTITIES"}});
    dxf += polyface("100");
    dxf += Group({{0, "INSERT"}, {8, "0"}, {2, "MESH"}, {10, "200"}, {20, "0"}, {30, "0"}});
    // A polygon mesh of 2 rows of 3 corners, open both ways: 4 + 3 edges.
    dxf += Group({{0, "POLYLINE"}, {8, "0"}, {66, "1"}, {70, "16"}, {71, "2"}, {72, "3"}});
    for (int i = 0; i < 6; ++i) {
        const QByteArray x = QByteArray::number(300 + (i % 3) * 10);
        const QByteArray y = QByteArray::number((i / 3) * 10);
        dxf += Group({{0, "VERTEX"},
                      {8, "0"},
                      {10, x.constData()},
                      {20, y.constData()},
                      {30, "1"},
                      {70, "64"}});
    }
    dxf += Group({{0, "SEQEND"}, {8, "0"}, {0, "ENDSEC"}, {0, "EOF"}});
    Write(QStringLiteral("meshes.dxf"), dxf);
    ASSERT_TRUE(Import(QStringLiteral("meshes.dxf"))) << error.toStdString();
    EXPECT_TRUE(report.leftOut.empty());
    QStringList lines;
    for (int i = 1; i <= figure.NumberOfLines(); ++i) {
        lines << figure.GetLine(i);
    }
    EXPECT_EQ(figure.NumberOfLines(), 4 + 4 + 7) << lines.join(u' ').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("100,0,5,110,10,5")) ||
                lines.contains(QStringLiteral("110,10,5,100,0,5")))
        << "the shared diagonal, once";
    EXPECT_FALSE(lines.contains(QStringLiteral("110,10,5,100,10,5")) ||
                 lines.contains(QStringLiteral("100,10,5,110,10,5")))
        << "the edge marked hidden";
    EXPECT_TRUE(lines.contains(QStringLiteral("200,0,5,210,0,5"))) << "the mesh of the block";
    EXPECT_TRUE(lines.contains(QStringLiteral("310,0,1,310,10,1"))) << "a column";
    EXPECT_TRUE(lines.contains(QStringLiteral("300,10,1,310,10,1"))) << "a row";

    // Two 3D models of Debian's assimp-testmodels, made of polyface meshes. (issue_2229 gave
    // 1899 through the model library, which dropped a corner numbered negative from its face
    // and so lost one edge the file marks visible.)
    const QString models = QStringLiteral("/usr/share/assimp/models/DXF/");
    if (!QFile::exists(models + QStringLiteral("wuson.dxf"))) {
        GTEST_SKIP() << "assimp-testmodels is not installed";
    }
    for (const auto& [name, count] : {std::pair{"wuson.dxf", 5804}, {"issue_2229.dxf", 1900}}) {
        figure.ClearData();
        ASSERT_TRUE(
            FigureImporter::Read(models + QString::fromLatin1(name), {}, figure, report, error))
            << name << ": " << error.toStdString();
        EXPECT_EQ(figure.NumberOfLines(), count) << name;
    }
}

// DXF text as drawing programs write it: CR LF, codes padded with blanks, a decimal comma
// and a plus sign, a comment longer than any read at once, thousands of entities across
// many reads, a 2D polyline at the elevation of its own point, and no newline at the end.
TEST_F(ModelReading, DxfTextIsReadAsProgramsWriteIt) {
    QByteArray dxf = Group({{999, QByteArray(100000, 'c').constData()}});
    dxf += Group({{0, "SECTION"}, {2, "ENTITIES"}});
    dxf += Group({{0, "LINE"},
                  {8, "0"},
                  {10, "1,5"},
                  {20, "+2"},
                  {30, "0"},
                  {11, "10"},
                  {21, "0"},
                  {31, "0"}})
               .replace("\n", "\r\n")
               .replace("10\r\n", "  10\r\n");
    dxf += Group({{0, "POLYLINE"},
                  {8, "0"},
                  {66, "1"},
                  {10, "0"},
                  {20, "0"},
                  {30, "7"},
                  {70, "0"},
                  {0, "VERTEX"},
                  {8, "0"},
                  {10, "0"},
                  {20, "50"},
                  {30, "0"},
                  {0, "VERTEX"},
                  {8, "0"},
                  {10, "20"},
                  {20, "50"},
                  {30, "0"},
                  {0, "SEQEND"},
                  {8, "0"}});
    for (int i = 1; i <= 3000; ++i) {
        const QByteArray y = QByteArray::number(100 + i);
        dxf += Group({{0, "LINE"},
                      {8, "0"},
                      {10, "0"},
                      {20, y.constData()},
                      {30, "0"},
                      {11, "5"},
                      {21, y.constData()},
                      {31, "0"}});
    }
    dxf += Group({{0, "ENDSEC"}, {0, "EOF"}});
    dxf.chop(1);
    Write(QStringLiteral("written.dxf"), dxf);
    ASSERT_TRUE(Import(QStringLiteral("written.dxf"))) << error.toStdString();
    ASSERT_EQ(figure.NumberOfLines(), 1 + 1 + 3000);
    EXPECT_EQ(figure.GetLine(1), QStringLiteral("1.5,2,0,10,0,0"));
    EXPECT_EQ(figure.GetLine(2), QStringLiteral("0,50,7,20,50,7")) << "the elevation";
    EXPECT_EQ(figure.GetLine(3002), QStringLiteral("0,3100,0,5,3100,0"));
    EXPECT_TRUE(report.leftOut.empty());
}

TEST_F(ModelReading, ZUpModelsStandUpAndMessagesSayWhatIsWrong) {
    Write(QStringLiteral("mast.obj"), "v 0 0 0\nv 0 0 10\nv 5 0 0\nl 1 2\nl 1 3\n");
    ASSERT_TRUE(Import(QStringLiteral("mast.obj"), {1.0, false, true}));
    EXPECT_EQ(figure.GetLine(1), QStringLiteral("0,0,0,0,10,0"));
    EXPECT_EQ(figure.GetLine(2), QStringLiteral("0,0,0,5,0,0"));

    // Points only, whatever the format.
    Write(QStringLiteral("cloud.obj"), "v 0 0 0\nv 1 1 1\nv 2 2 2\n");
    Write(QStringLiteral("cloud.ply"),
          "ply\nformat ascii 1.0\nelement vertex 2\nproperty float x\nproperty float y\n"
          "property float z\nend_header\n0 0 0\n1 1 1\n");
    for (const char* name : {"cloud.obj", "cloud.ply"}) {
        EXPECT_FALSE(Import(QString::fromLatin1(name))) << name;
        EXPECT_TRUE(error.contains(QStringLiteral("点だけ"))) << name << error.toStdString();
    }
    // A scale no coordinate survives.
    for (const double scale : {double(INFINITY), 1e39, 0.0, -1.0, double(NAN)}) {
        EXPECT_FALSE(Import(QStringLiteral("mast.obj"), {scale, false, false})) << scale;
        EXPECT_TRUE(error.contains(QStringLiteral("倍率"))) << scale << error.toStdString();
    }
}

// The command line never overwrites its own input nor reports success writing nothing.
TEST_F(ModelReading, TheCommandLineKeepsItsInput) {
    const QByteArray box = "v 0 0 0\nv 1 0 0\nl 1 2\n";
    Write(QStringLiteral("box.obj"), box);
    EXPECT_EQ(Run({QStringLiteral("--import"), Path("box.obj"), Path("box.obj")}), 1);
    EXPECT_FALSE(err.isEmpty());
    ASSERT_EQ(::link(QFile::encodeName(Path("box.obj")).constData(),
                     QFile::encodeName(Path("other.zlk")).constData()),
              0);
    EXPECT_EQ(Run({QStringLiteral("--import"), Path("box.obj"), Path("other.zlk")}), 1)
        << "the same file under another name";
    QDir::setCurrent(dir.path());
    EXPECT_EQ(Run({QStringLiteral("--import"), Path("box.obj"), QStringLiteral("./box.obj")}), 1);
    QFile f(Path("box.obj"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), box);
    EXPECT_EQ(Run({QStringLiteral("--import"), Path("box.obj"), QString()}), 1);
    EXPECT_FALSE(err.isEmpty());
    EXPECT_NE(Run({QStringLiteral("--import"), Path("box.obj"), Path("b.zlk"),
                   QStringLiteral("--scale"), QStringLiteral("inf")}),
              0);
    EXPECT_TRUE(err.contains(QStringLiteral("倍率"))) << err.toStdString();
    EXPECT_EQ(
        Run({QStringLiteral("--import"), Path("box.obj"), Path("b.zlk"), QStringLiteral("--z-up")}),
        0)
        << err.toStdString();
    EXPECT_TRUE(QFile::exists(Path("b.zlk")));
}

// A glTF of one line whose two ends are the numbers of its buffer.
QByteArray LineGltf(const QByteArray& uri) {
    return R"({"asset":{"version":"2.0"},"scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"mesh":0}],)"
           R"("meshes":[{"primitives":[{"attributes":{"POSITION":0},"mode":1}]}],)"
           R"("buffers":[{"uri":")" +
           uri +
           R"(","byteLength":24}],"bufferViews":[{"buffer":0,"byteOffset":0,"byteLength":24}],)"
           R"("accessors":[{"bufferView":0,"componentType":5126,"count":2,"type":"VEC3",)"
           R"("min":[0,0,0],"max":[9999,9999,9999]}]})";
}

// A model names files of its own: only those inside its folder are read, whatever the
// name looks like, and nothing but regular files. The canary's numbers never arrive.
TEST_F(ModelReading, AModelReadsNothingOutsideItsFolder) {
    const float canary[6] = {1234.5F, 2345.25F, 3456.75F, 4567.5F, 5678.25F, 6789.75F};
    const QByteArray canaryBytes(reinterpret_cast<const char*>(canary), sizeof canary);
    Write(QStringLiteral("secret.bin"), canaryBytes);
    Write(QStringLiteral("x.mtl"), "newmtl a\nKd 1 0 0\n");
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("model/deeper")));
    Write(QStringLiteral("model/inside.bin"), canaryBytes);
    const QByteArray outside = QFile::encodeName(Path("secret.bin"));
    const struct {
        const char* name;
        QByteArray bytes;
    } refused[] = {
        {"model/up.gltf", LineGltf("../secret.bin")},
        {"model/far.gltf", LineGltf("../../../../../../../../../.." + outside)},
        {"model/deeper/up-twice.gltf", LineGltf("../../secret.bin")},
        {"model/inside-then-out.gltf", LineGltf("deeper/../../secret.bin")},
        {"model/link.gltf", LineGltf("link.bin")},
        {"model/pipe.gltf", LineGltf("pipe.bin")},
        {"model/deeper/material.obj", "mtllib ../../x.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"},
    };
    ASSERT_EQ(::symlink("../secret.bin", QFile::encodeName(Path("model/link.bin")).constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("model/pipe.bin")).constData(), 0600), 0);
    for (const auto& model : refused) {
        const QString name = QString::fromLatin1(model.name);
        Write(name, model.bytes);
        EXPECT_FALSE(Import(name)) << model.name;
        EXPECT_EQ(figure.NumberOfLines(), 0) << model.name;
        EXPECT_TRUE(error.contains(QStringLiteral("フォルダーの外")) ||
                    error.contains(QStringLiteral("通常のファイルではない")))
            << model.name << ": " << error.toStdString();
        // Through the command line too; no output holds the canary's numbers.
        const QString out = Path("out.zlk");
        EXPECT_NE(Run({QStringLiteral("--import"), Path(name), out}), 0) << model.name;
        EXPECT_FALSE(QFile::exists(out)) << model.name;
        EXPECT_FALSE(err.contains(QStringLiteral("1234.5"))) << model.name;
    }
    // An absolute name (the library refuses it itself).
    Write(QStringLiteral("model/absolute.gltf"), LineGltf(outside));
    EXPECT_FALSE(Import(QStringLiteral("model/absolute.gltf")));
    EXPECT_EQ(figure.NumberOfLines(), 0);
    // The same model with its buffer beside it is read: the canary would have arrived.
    Write(QStringLiteral("model/inside.gltf"), LineGltf("inside.bin"));
    ASSERT_TRUE(Import(QStringLiteral("model/inside.gltf"))) << error.toStdString();
    EXPECT_EQ(figure.GetLine(1), QStringLiteral("1234.5,2345.25,3456.75,4567.5,5678.25,6789.75"));
}

// Nesting deeper than a reader's recursion can follow is said as such, not as a crash.
TEST_F(ModelReading, AModelNestedTooDeeplyIsSaidToBe) {
    const int depth = 200000;
    Write(QStringLiteral("deep.x"), "xof 0303txt 0032\n" +
                                        QByteArray("Frame f {\n").repeated(depth) +
                                        QByteArray("}\n").repeated(depth));
    EXPECT_FALSE(Import(QStringLiteral("deep.x")));
    EXPECT_TRUE(error.contains(QStringLiteral("入れ子が深すぎる"))) << error.toStdString();
}

} // namespace
