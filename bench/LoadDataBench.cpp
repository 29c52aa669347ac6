// Loading a 32767-segment figure through LoadData, beside reading the same file and
// parsing its numbers with std::from_chars only; saving it through SaveData (formatted
// afresh each time), beside writing the same bytes with fwrite, fsync and rename; and
// the three files of one save with a dialog (two safety copies, then the chosen file
// with its new comment) beside three such plain writes. Compare the times of one run.
#include "CZelkData.h"
#include "CZelkDataFileIOStratety_Ver100.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kSegments = 32767;

// Distinct segments on a lattice, written once through the program's own writer.
const QString& LatticeFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        CZelkData data;
        int made = 0;
        for (int x = 0; made < kSegments; ++x) {
            for (int y = 0; y < 100 && made < kSegments; ++y) {
                for (int axis = 0; axis < 3 && made < kSegments; ++axis) {
                    const float fx = float(x) * 2.5F;
                    const float fy = float(y) * 1.25F;
                    CLine l{fx,
                            fy,
                            0.5F,
                            fx + (axis == 0 ? 2.5F : 0),
                            fy + (axis == 1 ? 1.25F : 0),
                            0.5F + (axis == 2 ? 3.0F : 0)};
                    made += data.AddLine(l) ? 1 : 0;
                }
            }
        }
        data.SetComment(QStringLiteral("格子"));
        const QString p = dir.filePath(QStringLiteral("lattice.zlk"));
        data.SaveData(p);
        return p;
    }();
    return path;
}

void BM_LoadData(benchmark::State& state) {
    const QString& path = LatticeFile();
    for (auto _ : state) {
        CZelkData data;
        const bool ok = data.LoadData(path);
        benchmark::DoNotOptimize(ok);
        if (!ok || data.NumberOfLines() != kSegments) {
            state.SkipWithError("load failed");
        }
    }
}

void BM_BareFromCharsParse(benchmark::State& state) {
    const QString& path = LatticeFile();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        const char* p = bytes.constData();
        const char* end = p + bytes.size();
        std::vector<float> numbers;
        numbers.reserve(kSegments * 6 + 4);
        while (p < end) {
            while (p < end && (*p == ' ' || *p == '\r' || *p == '\n' || *p == ',')) {
                ++p;
            }
            float v = 0;
            const auto [next, ec] = std::from_chars(p, end, v);
            if (ec != std::errc()) {
                while (p < end && *p != '\n') {
                    ++p;
                }
                continue;
            }
            numbers.push_back(v);
            p = next;
        }
        benchmark::DoNotOptimize(numbers.data());
        if (numbers.size() < size_t(kSegments) * 6) {
            state.SkipWithError("parse failed");
        }
    }
}

// The figure of the lattice file, loaded once.
CZelkData& LatticeFigure() {
    static CZelkData data;
    if (data.NumberOfLines() == 0) {
        data.LoadData(LatticeFile());
    }
    return data;
}

// One edit that changes nothing in the end, so every save formats the lines anew.
void Touch(CZelkData& data, int iteration) {
    data.OverWriteLine(1, iteration % 2 ? QStringLiteral("0,0,0,1,1,1")
                                        : QStringLiteral("0,0,0.5,2.5,0,0.5"));
}

void BM_SaveData(benchmark::State& state) {
    CZelkData& data = LatticeFigure();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.zlk"));
    int i = 0;
    for (auto _ : state) {
        Touch(data, ++i);
        if (!data.SaveData(path)) {
            state.SkipWithError("save failed");
        }
    }
}

void BM_FormatOnly(benchmark::State& state) {
    CZelkData& data = LatticeFigure();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CZelkDataFileIOStratety_Ver100::FormatBody(data).constData());
    }
}

void BM_TouchOnly(benchmark::State& state) {
    CZelkData& data = LatticeFigure();
    int i = 0;
    for (auto _ : state) {
        Touch(data, ++i);
        benchmark::DoNotOptimize(data.GetMaxSize());
    }
}

bool PlainWrite(const std::string& path, const QByteArray& bytes) {
    const std::string temporary = path + ".tmp";
    FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
    const bool flushed = std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    return (std::fclose(f) == 0) && written && flushed &&
           std::rename(temporary.c_str(), path.c_str()) == 0;
}

// The bytes SaveData writes for the figure, as a file holds them.
QByteArray SavedBytes(const QTemporaryDir& dir) {
    LatticeFigure().SaveData(dir.filePath(QStringLiteral("model.zlk")));
    QFile model(dir.filePath(QStringLiteral("model.zlk")));
    model.open(QIODevice::ReadOnly);
    return model.readAll();
}

void BM_BareFwriteFsyncRename(benchmark::State& state) {
    QTemporaryDir dir;
    const QByteArray bytes = SavedBytes(dir);
    const std::string path = dir.filePath(QStringLiteral("plain.zlk")).toStdString();
    for (auto _ : state) {
        if (!PlainWrite(path, bytes)) {
            state.SkipWithError("write failed");
        }
    }
}

void BM_SaveThreeFiles(benchmark::State& state) {
    CZelkData& data = LatticeFigure();
    QTemporaryDir dir;
    int i = 0;
    for (auto _ : state) {
        Touch(data, ++i);
        bool ok = data.SaveData(dir.filePath(QStringLiteral("autosave.zlk")));
        ok = data.SaveData(dir.filePath(QStringLiteral("dated.zlk"))) && ok;
        data.SetComment(QStringLiteral("保存 %1").arg(i));
        ok = data.SaveData(dir.filePath(QStringLiteral("chosen.zlk"))) && ok;
        if (!ok) {
            state.SkipWithError("save failed");
        }
    }
}

void BM_BareThreeWrites(benchmark::State& state) {
    QTemporaryDir dir;
    const QByteArray bytes = SavedBytes(dir);
    for (auto _ : state) {
        for (const char* name : {"a.zlk", "b.zlk", "c.zlk"}) {
            if (!PlainWrite(dir.filePath(QString::fromLatin1(name)).toStdString(), bytes)) {
                state.SkipWithError("write failed");
            }
        }
    }
}

BENCHMARK(BM_LoadData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareFromCharsParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TouchOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareFwriteFsyncRename)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveThreeFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareThreeWrites)->Unit(benchmark::kMillisecond);

} // namespace

#include "RatioMain.h"

int main(int argc, char** argv) {
    return RunWithRatios(argc, argv,
                         {{"BM_LoadData", "BM_BareFromCharsParse", 2.0},
                          {"BM_SaveData", "BM_BareFwriteFsyncRename", 2.0},
                          {"BM_SaveThreeFiles", "BM_BareThreeWrites", 3.0}});
}
