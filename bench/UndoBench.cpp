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
constexpr int kLattice = 32767 - kSteps;

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
    }
    AppContext& Ctx() { return app->Context(); }
    int Lines() { return Ctx().figure->NumberOfLines(); }
    // The path's start, above the lattice, with the "from" pointer active: every drawing
    // of the lines is the same.
    void PathStart() {
        CAppData& data = *Ctx().appData;
        data.SetPointer(DrawingPointer::From);
        data.SetPointerFromX(0);
        data.SetPointerFromY(0);
        data.SetPointerFromZ(997);
        data.SetPointerToX(0);
        data.SetPointerToY(0);
        data.SetPointerToZ(997);
    }
    void Draw() {
        PathStart();
        for (int i = 0; i < kSteps; ++i) {
            Send("APPLY");
            Send(i % 2 == 0 ? "POINTER_MOVE_X" : "POINTER_MOVE_Y");
            Send("APPLY");
        }
    }
    void Undo() {
        for (int i = 0; i < kSteps; ++i) {
            Send("UNDO");
        }
    }
    void Redo() {
        for (int i = 0; i < kSteps; ++i) {
            Send("REDO");
        }
    }
    // Each measurement starts where it should, whatever ran before it (the ratios run
    // each side several times): the lattice alone, or with the lines drawn, or with the
    // lines undone and to be redone.
    void ToLattice() {
        while (Lines() > kLattice && Controller().History().canUndo()) {
            Send("UNDO");
        }
    }
    void ToDrawn() {
        if (Lines() == kLattice) {
            if (Controller().History().canRedo()) {
                Redo();
            } else {
                Draw();
            }
        }
    }
    void ToUndone() {
        ToDrawn();
        Undo();
    }
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
    p.ToLattice();
    for (auto _ : state) {
        p.Draw();
    }
    state.counters["figure_lines"] = p.Lines();
    if (p.Controller().History().count() < kSteps || p.Lines() != 32767) {
        const std::string why =
            "the figure or the lines are not all there: " + std::to_string(p.Lines()) + " lines, " +
            std::to_string(p.Controller().History().count()) + " steps";
        state.SkipWithError(why.c_str());
    }
}

void BM_UndoLines(benchmark::State& state) {
    Program& p = TheProgram();
    p.ToDrawn();
    for (auto _ : state) {
        p.Undo();
    }
    if (p.Lines() != kLattice) {
        state.SkipWithError("the lines were not all undone");
    }
}

void BM_RedoLines(benchmark::State& state) {
    Program& p = TheProgram();
    p.ToUndone();
    for (auto _ : state) {
        p.Redo();
    }
    if (p.Lines() != 32767) {
        state.SkipWithError("the lines were not all redone");
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
