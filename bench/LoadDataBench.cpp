// Loading a 32767-segment figure through LoadData, beside reading the same file and
// parsing its numbers with std::from_chars only. Compare the two times in one run.
#include "CZelkData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <charconv>

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

BENCHMARK(BM_LoadData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareFromCharsParse)->Unit(benchmark::kMillisecond);

} // namespace

#include "RatioMain.h"

int main(int argc, char** argv) {
    return RunWithRatios(argc, argv, {{"BM_LoadData", "BM_BareFromCharsParse", 4.0}});
}
