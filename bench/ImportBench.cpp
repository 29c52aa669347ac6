// The import beside the Open Asset Import Library's own reading of the same file: a
// 21,632-triangle STL (a 104 × 104 grid, 32,656 distinct edges: a figure that fits) and a
// 2 million triangle binary STL (refused for its size). The import is the whole of it:
// the reader process, the answer and the figure. The library reads in a process of its
// own too (zelk_library_read: the library and nothing else), as any reading that cannot
// hurt the editor must, and also in this process, for comparison. Peak memory of each reader
// process by wait4 before this process grows (a child's peak counts its parent's at the fork).
#include "CZelkData.h"
#include "FigureImporter.h"
#include "ImportJob.h"
#include "RatioMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

QString Folder() {
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        const QString path = base + QStringLiteral("/zelk-import-bench");
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

void Triangle(QByteArray& out, const float (&v)[9]) {
    const float normal[3] = {0, 0, 1};
    out.append(reinterpret_cast<const char*>(normal), sizeof normal);
    out.append(reinterpret_cast<const char*>(v), sizeof v);
    out.append(2, '\0');
}

void WriteStl(const QString& path, const QByteArray& triangles, uint32_t count) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        return;
    }
    f.write(QByteArray(80, '\0'));
    f.write(reinterpret_cast<const char*>(&count), 4);
    f.write(triangles);
}

QString GridStl() {
    const QString path = Folder() + QStringLiteral("/grid-21632.stl");
    if (!QFile::exists(path)) {
        QByteArray t;
        for (int i = 0; i < 104; ++i) {
            for (int j = 0; j < 104; ++j) {
                const float x = float(i);
                const float y = float(j);
                Triangle(t, {x, y, 0, x + 1, y, 0, x + 1, y + 1, 0});
                Triangle(t, {x, y, 0, x + 1, y + 1, 0, x, y + 1, 0});
            }
        }
        WriteStl(path, t, 21632);
    }
    return path;
}

QString HugeStl() {
    const QString path = Folder() + QStringLiteral("/distinct-2M.stl");
    if (!QFile::exists(path)) {
        QByteArray t;
        t.reserve(2000000 * 50);
        for (int i = 0; i < 2000000; ++i) {
            const float x = float(i);
            Triangle(t, {x, 0, 0, x + 1, 0, 0, x, 1, 0});
        }
        WriteStl(path, t, 2000000);
    }
    return path;
}

// Runs a program to its end; its peak resident memory in MiB, or -1.
double PeakMb(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) {
        return -1;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return -1;
    }
    return usage.ru_maxrss / 1024.0;
}

std::string Self;

void BM_ImportGrid(benchmark::State& state) {
    const QString path = GridStl();
    for (auto _ : state) {
        CZelkData figure;
        FigureImporter::Report report;
        QString error;
        if (!FigureImporter::Read(path, {}, figure, report, error) ||
            figure.NumberOfLines() != 32656) {
            state.SkipWithError("the grid did not import whole");
        }
    }
}

void BM_LibraryReadsGrid(benchmark::State& state) {
    const std::string path = QFile::encodeName(GridStl()).toStdString();
    for (auto _ : state) {
        Assimp::Importer importer;
        const aiScene* scene = importer.ReadFile(path, 0);
        if (scene == nullptr || scene->mNumMeshes == 0) {
            state.SkipWithError("the library could not read the grid");
        }
        benchmark::DoNotOptimize(scene);
    }
}

void BM_ImportRefusesHuge(benchmark::State& state) {
    const QString path = HugeStl();
    for (auto _ : state) {
        CZelkData figure;
        FigureImporter::Report report;
        QString error;
        if (FigureImporter::Read(path, {}, figure, report, error)) {
            state.SkipWithError("a figure past the limit was taken");
        }
    }
}

// The library reading in a process of its own: exec, read, exit.
void BM_LibraryProcessReadsGrid(benchmark::State& state) {
    const std::string path = QFile::encodeName(GridStl()).toStdString();
    for (auto _ : state) {
        if (PeakMb({ZELK_LIBRARY_READ, path}) < 0) {
            state.SkipWithError("the library's process failed");
        }
    }
}

void BM_LibraryReadsHuge(benchmark::State& state) {
    const std::string path = QFile::encodeName(HugeStl()).toStdString();
    for (auto _ : state) {
        Assimp::Importer importer;
        benchmark::DoNotOptimize(importer.ReadFile(path, 0));
    }
}

// The three largest sample models the tests read (Debian's assimp-testmodels), each beside
// the library reading it in a process of its own.
constexpr const char* kSamples[] = {"wuson.dxf", "issue_2229.dxf", "PinkEggFromLW.dxf"};

QString SamplePath(const char* name) {
    return QStringLiteral("/usr/share/assimp/models/DXF/") + QString::fromLatin1(name);
}

void BM_ImportSample(benchmark::State& state, const char* name) {
    const QString path = SamplePath(name);
    for (auto _ : state) {
        CZelkData figure;
        FigureImporter::Report report;
        QString error;
        if (!FigureImporter::Read(path, {}, figure, report, error) || figure.NumberOfLines() == 0) {
            state.SkipWithError("the sample did not import");
        }
    }
}

void BM_LibraryProcessReadsSample(benchmark::State& state, const char* name) {
    const std::string path = QFile::encodeName(SamplePath(name)).toStdString();
    for (auto _ : state) {
        if (PeakMb({ZELK_LIBRARY_READ, path}) < 0) {
            state.SkipWithError("the library's process failed");
        }
    }
}

// Timed by the clock, not this process's processor time: most of the work is another
// process's, and counting only ours made the library run thousands of times.
BENCHMARK(BM_ImportGrid)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_LibraryReadsGrid)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LibraryProcessReadsGrid)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ImportRefusesHuge)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_LibraryReadsHuge)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    // The files are made by a process of their own, so that this one stays small.
    if (argc == 2 && std::strcmp(argv[1], "--make-files") == 0) {
        GridStl();
        HugeStl();
        return 0;
    }
    Self = argv[0];
    PeakMb({Self, "--make-files"});
    const std::string worker = ZELK_PROGRAM_DIR "/zelk-import";
    const std::string grid = QFile::encodeName(GridStl()).toStdString();
    const std::string huge = QFile::encodeName(HugeStl()).toStdString();
    const std::string limit = std::to_string(ImportJob::MemoryLimitMb(100LL * 1024 * 1024));
    const double importGrid = PeakMb({worker, grid, "--memory-mb", limit});
    const double libraryGrid = PeakMb({ZELK_LIBRARY_READ, grid});
    const double importHuge = PeakMb({worker, huge, "--memory-mb", limit});
    const double libraryHuge = PeakMb({ZELK_LIBRARY_READ, huge});

    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ZELK_IMPORT_WORKER")) {
        qputenv("ZELK_IMPORT_WORKER", worker.c_str());
    }
    QApplication app(argc, argv);
    std::vector<RatioPair> pairs{
        {"BM_ImportGrid/min_time:2.000/real_time",
         "BM_LibraryProcessReadsGrid/min_time:2.000/real_time", 2.0},
        {"BM_ImportGrid/min_time:2.000/real_time", "BM_LibraryReadsGrid/min_time:2.000", 0.0},
        {"BM_ImportRefusesHuge/min_time:2.000/real_time", "BM_LibraryReadsHuge/iterations:1", 0.0}};
    // Samples that are not installed are left out, and said so.
    for (const char* name : kSamples) {
        if (!QFileInfo::exists(SamplePath(name))) {
            std::printf("sample %s is not installed (assimp-testmodels)\n", name);
            continue;
        }
        const std::string import = std::string("BM_ImportSample/") + name;
        const std::string library = std::string("BM_LibraryProcessReadsSample/") + name;
        benchmark::RegisterBenchmark(import.c_str(), BM_ImportSample, name)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0)
            ->UseRealTime();
        benchmark::RegisterBenchmark(library.c_str(), BM_LibraryProcessReadsSample, name)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0)
            ->UseRealTime();
        pairs.push_back(
            {import + "/min_time:1.000/real_time", library + "/min_time:1.000/real_time", 2.0});
    }
    const int code = RunWithRatios(argc, argv, pairs);
    std::printf("\nPeak memory of the reader process (MiB):\n");
    std::printf("  grid: import %.1f, library %.1f, ratio %.2f (target <= 2)\n", importGrid,
                libraryGrid, importGrid / libraryGrid);
    std::printf("  2M triangles: import %.1f (target < 200), library %.1f, ratio %.3f\n",
                importHuge, libraryHuge, importHuge / libraryHuge);
    return code;
}
