// Building the thumbnails of a folder of 500 figure files (15 to 1000 segments each,
// whole millimetres as the pointer draws them) beside loading the same files with
// LoadData alone: the pictures alone, and the browser's whole list (widget included)
// for 500 and for 2000 files, whose ratio shows whether the list grows linearly.
#include "AppContext.h"
#include "CZelkData.h"
#include "RatioMain.h"
#include "RecordingSoundBackend.h"
#include "ScriptedUserDialogs.h"
#include "frmPreView.h"

#include <QApplication>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int kFiles = 500;

// A folder of count figure files, made once per count.
const QStringList& Files(int count = kFiles) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> dirs;
    static std::map<int, QStringList> lists;
    if (lists.count(count) > 0) {
        return lists[count];
    }
    auto& dir = dirs[count];
    // In memory where the system has it, so that the disk's cache does not decide.
    const QString shm = QStringLiteral("/dev/shm");
    dir = QFileInfo(shm).isWritable()
              ? std::make_unique<QTemporaryDir>(shm + QStringLiteral("/zelk-bench-XXXXXX"))
              : std::make_unique<QTemporaryDir>();
    QStringList out;
    for (int f = 0; f < count; ++f) {
        const int segments = 15 + (f * 397) % 986;
        CZelkData data;
        for (int i = 0; data.NumberOfLines() < segments; ++i) {
            const float x = float(i % 20) * 5;
            const float y = float(i / 20 % 20) * 5;
            const float z = float(i / 400) * 5;
            data.AddLine(CLine{x, y, z, x + 5, y + (i % 3 == 0 ? 5.0F : 0.0F), z + 3});
        }
        const QString path = dir->filePath(QStringLiteral("fig%1.zlk").arg(f, 4, 10, QChar(u'0')));
        data.SaveData(path);
        out << path;
    }
    lists[count] = out;
    return lists[count];
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
    const QStringList& files = Files(int(state.range(0)));
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

// The browser's own list of a whole folder, shown, as "VIEW_THUMBNAIL" builds it.
void BM_BuildList(benchmark::State& state) {
    const int count = int(state.range(0));
    const QString folder = QFileInfo(Files(count).first()).absolutePath();
    ScriptedUserDialogs dialogs;
    RecordingSoundBackend sound;
    AppContext context;
    context.dialogs = &dialogs;
    context.sound = &sound;
    for (auto _ : state) {
        frmPreView browser(context);
        browser.show();
        browser.SetDataPath(folder);
        QApplication::processEvents();
        if (browser.List()->count() != count) {
            state.SkipWithError("the list is incomplete");
        }
    }
    if (!dialogs.calls.isEmpty()) {
        state.SkipWithError("a file could not be drawn");
    }
}

BENCHMARK(BM_BuildThumbnails)->Unit(benchmark::kMillisecond);
// Several rounds each: the first build of a list warms the caches.
BENCHMARK(BM_BuildList)->Arg(500)->Arg(2000)->MinTime(3.0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDataOnly)->Arg(500)->Arg(2000)->MinTime(1.0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunWithRatios(
        argc, argv,
        {{"BM_BuildThumbnails", "BM_LoadDataOnly/500/min_time:1.000", 2.0},
         {"BM_BuildList/500/min_time:3.000", "BM_LoadDataOnly/500/min_time:1.000", 2.0},
         {"BM_BuildList/2000/min_time:3.000", "BM_BuildList/500/min_time:3.000", 4.2},
         {"BM_BuildList/2000/min_time:3.000", "BM_LoadDataOnly/2000/min_time:1.000", 0.0},
         {"BM_LoadDataOnly/2000/min_time:1.000", "BM_LoadDataOnly/500/min_time:1.000", 0.0}});
}
