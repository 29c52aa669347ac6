// Undo and redo of 1000 lines drawn with the pointers onto a figure of 31767 lines, which
// they fill to the most a figure holds (32767), beside drawing them: each history step must
// cost no more than twice the change itself.
#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "FixedClock.h"
#include "Main_TheApp.h"
#include "MemoryClipboard.h"
#include "RatioMain.h"
#include "RecordingSoundBackend.h"
#include "ScriptedUserDialogs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kSteps = 1000;

struct Program {
    QTemporaryDir folder;
    ScriptedUserDialogs dialogs;
    RecordingSoundBackend sound;
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 0)), QLocale(QLocale::English)};
    MemoryClipboard clipboard;
    std::unique_ptr<Main_TheApp> app;

    Program() {
        dialogs.SetFailureHandler([](const QString&) {});
        app = std::make_unique<Main_TheApp>(
            folder.path(), QStringList(), dialogs, sound, clock, [] {}, &clipboard);
        app->Start();
        // A lattice with room for the lines to be drawn, saved and loaded as a user would.
        constexpr int kLattice = 32767 - kSteps;
        CZelkData lattice;
        for (int i = 0; lattice.NumberOfLines() < kLattice; ++i) {
            const float x = float(i % 40) * 5;
            const float y = float(i / 40 % 40) * 5;
            const float z = float(i / 1600) * 5;
            lattice.AddLine(CLine{x, y, z, x + 5, y, z});
            if (lattice.NumberOfLines() < kLattice) {
                lattice.AddLine(CLine{x, y, z, x, y + 5, z});
            }
        }
        const QString path = folder.filePath(QStringLiteral("lattice.zlk"));
        lattice.SaveData(path);
        Controller().LoadFigureFile(path);
        Send("DRAW_MODE");
        Send("DIFFICULTY_SUPER_SPECIAL");
        // A path of its own, above the lattice.
        Ctx().appData->SetPointerFromZ(997);
    }
    AppContext& Ctx() { return app->Context(); }
    CZelkController& Controller() { return *Ctx().controller; }
    void Send(const char* command) { Controller().SetCommand(QString::fromLatin1(command)); }
};

// Made at first use and released before the application object goes.
std::unique_ptr<Program>& ProgramSlot() {
    static std::unique_ptr<Program> program;
    return program;
}

Program& TheProgram() {
    if (!ProgramSlot()) {
        ProgramSlot() = std::make_unique<Program>();
    }
    return *ProgramSlot();
}

// One line: fix its start, step the "to" pointer one millimetre, fix its end.
void BM_DrawLines(benchmark::State& state) {
    Program& p = TheProgram();
    for (auto _ : state) {
        for (int i = 0; i < kSteps; ++i) {
            p.Send("APPLY");
            p.Send(i % 2 == 0 ? "POINTER_MOVE_X" : "POINTER_MOVE_Y");
            p.Send("APPLY");
        }
    }
    state.counters["figure_lines"] = p.Ctx().figure->NumberOfLines();
    if (p.Controller().History().count() < kSteps || p.Ctx().figure->NumberOfLines() < 32767) {
        const std::string why = "the figure or the lines are not all there: " +
                                p.dialogs.MessageTexts().join(QStringLiteral(" | ")).toStdString();
        state.SkipWithError(why.c_str());
    }
}

void BM_UndoLines(benchmark::State& state) {
    Program& p = TheProgram();
    for (auto _ : state) {
        for (int i = 0; i < kSteps; ++i) {
            p.Send("UNDO");
        }
    }
}

void BM_RedoLines(benchmark::State& state) {
    Program& p = TheProgram();
    for (auto _ : state) {
        for (int i = 0; i < kSteps; ++i) {
            p.Send("REDO");
        }
    }
}

// Each once, in this order: the history drawn, undone, redone.
BENCHMARK(BM_DrawLines)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoLines)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoLines)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int result =
        RunWithRatios(argc, argv,
                      {{"BM_UndoLines/iterations:1", "BM_DrawLines/iterations:1", 2.0},
                       {"BM_RedoLines/iterations:1", "BM_DrawLines/iterations:1", 2.0}});
    // The program goes before the application object does.
    ProgramSlot().reset();
    return result;
}
