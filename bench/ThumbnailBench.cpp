// Building the thumbnails of a folder of 500 figure files (15 to 1000 segments each,
// whole millimetres as the pointer draws them) beside loading the same files with
// LoadData alone.
#include "AppContext.h"
#include "CZelkData.h"
#include "RatioMain.h"
#include "RecordingSoundBackend.h"
#include "ScriptedUserDialogs.h"
#include "frmPreView.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 500;

const QStringList& Files() {
    static QTemporaryDir dir;
    static const QStringList files = [] {
        QStringList out;
        for (int f = 0; f < kFiles; ++f) {
            const int segments = 15 + (f * 397) % 986;
            CZelkData data;
            for (int i = 0; data.NumberOfLines() < segments; ++i) {
                const float x = float(i % 20) * 5;
                const float y = float(i / 20 % 20) * 5;
                const float z = float(i / 400) * 5;
                data.AddLine(CLine{x, y, z, x + 5, y + (i % 3 == 0 ? 5.0F : 0.0F), z + 3});
            }
            const QString path =
                dir.filePath(QStringLiteral("fig%1.zlk").arg(f, 3, 10, QChar(u'0')));
            data.SaveData(path);
            out << path;
        }
        return out;
    }();
    return files;
}

void BM_BuildThumbnails(benchmark::State& state) {
    ScriptedUserDialogs dialogs;
    RecordingSoundBackend sound;
    AppContext context;
    context.dialogs = &dialogs;
    context.sound = &sound;
    frmPreView browser(context);
    const QStringList& files = Files();
    for (auto _ : state) {
        for (const QString& file : files) {
            const QImage picture = browser.DrawThumbnail(file);
            benchmark::DoNotOptimize(picture.constBits());
        }
    }
    state.counters["per_file_us"] =
        benchmark::Counter(double(state.iterations()) * kFiles,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                           benchmark::Counter::OneK::kIs1000);
    if (!dialogs.calls.isEmpty()) {
        state.SkipWithError("a file could not be drawn");
    }
}

void BM_LoadDataOnly(benchmark::State& state) {
    const QStringList& files = Files();
    for (auto _ : state) {
        for (const QString& file : files) {
            CZelkData data;
            benchmark::DoNotOptimize(data.LoadData(file));
        }
    }
    state.counters["per_file_us"] =
        benchmark::Counter(double(state.iterations()) * kFiles,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                           benchmark::Counter::OneK::kIs1000);
}

BENCHMARK(BM_BuildThumbnails)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDataOnly)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunWithRatios(argc, argv, {{"BM_BuildThumbnails", "BM_LoadDataOnly", 2.0}});
}
