#include "SessionDriver.h"

#include "AppContext.h"
#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "KeyCodes.h"
#include "Main_TheApp.h"
#include "ctlZelkView.h"
#include "frmZelkWin.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>
#include <QWheelEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Commands a user can give from the menus, the tool bar and the side panel. Dialogs that
// stay open (help, version, thumbnails) and printing are left to their own tests.
const char* const kCommands[] = {"TURN_UP",
                                 "TURN_DOWN",
                                 "TURN_LEFT",
                                 "TURN_RIGHT",
                                 "FRONT_VIEW",
                                 "TOP_VIEW",
                                 "SIDE_VIEW",
                                 "EQUAL_ANGLE_VIEW",
                                 "MAGNIFY",
                                 "REDUCE",
                                 "DRAW_MODE",
                                 "VIEW_MODE",
                                 "CHANGE_MODE",
                                 "APPLY",
                                 "DEL_TAIL",
                                 "POINTER_MOVE_X",
                                 "POINTER_MOVE_Y",
                                 "POINTER_MOVE_Z",
                                 "POINTER_MOVE_MX",
                                 "POINTER_MOVE_MY",
                                 "POINTER_MOVE_MZ",
                                 "RETURN_POINTER_TO_ORIGIN",
                                 "UNDO",
                                 "REDO",
                                 "NEW_FIGURE",
                                 "THIRD_ANGLE_PROJECTION_METHOD",
                                 "DIFFICULTY_BEGINNER",
                                 "DIFFICULTY_MIDIUM",
                                 "DIFFICULTY_SENIOR",
                                 "DIFFICULTY_SPECIAL",
                                 "DIFFICULTY_SUPER_SPECIAL",
                                 "REDRAW",
                                 "AUTOSAVE",
                                 "NORMAL_COPY",
                                 "MONOCHROME_COPY",
                                 "CONTINUOUS_TURN",
                                 "CONTINUOUS_TURN_STOP",
                                 "TURNING_TIMER_CALL",
                                 "PRO_INTERFACE",
                                 "NORMAL_INTERFACE",
                                 "DATA_PATH_FIXED",
                                 "VIEW_DATA_FILE_INFO",
                                 "LOAD_RECENT_0",
                                 "LOAD_RECENT_1",
                                 "LOAD_RECENT_2",
                                 "FIN",
                                 "PARA_PARA_ANIME"};

const int16_t kKeys[] = {KeyCodes::kBackspace, KeyCodes::kEnter, KeyCodes::kEscape,
                         KeyCodes::kSpace,     KeyCodes::kLeft,  KeyCodes::kUp,
                         KeyCodes::kRight,     KeyCodes::kDown,  KeyCodes::kO,
                         KeyCodes::kX,         KeyCodes::kY,     KeyCodes::kZ};

// Files a session may open or import: the program's own, damaged ones, missing ones.
const char* const kOpenable[] = {"built-in.zlk", "small.zlk",   "damaged.zlk", "odd.zlk",
                                 "empty.zlk",    "missing.zlk", "saved.zlk",   "folder",
                                 "autosave.zlk", "big.zlk"};
const char* const kImportable[] = {"good.obj", "broken.obj", "missing.obj", "small.zlk"};

} // namespace

// The session's bytes, read one at a time; zeros once used up.
class SessionDriver::Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    template <typename T, size_t N> const T& Pick(const T (&items)[N]) { return items[Next() % N]; }
    int Signed(int range) { return static_cast<int>(Next() % (2 * range + 1)) - range; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

SessionDriver::SessionDriver(const QString& builtProgramFolder,
                             std::function<void(const std::string&)> failure, int watchdogSeconds)
    : failure_(std::move(failure)),
      clock_(QDateTime(QDate(2026, 12, 8), QTime(10, 30, 0)), QLocale(QLocale::Japanese)),
      watchdogSeconds_(watchdogSeconds) {
    // Whatever is asked and not scripted is answered No / cancel, as a hesitant user does.
    dialogs_.SetFailureHandler([](const QString&) {});
    // A program folder as the build makes it (pictures, sounds, help beside the program),
    // so the program keeps everything there; and should it ever look for the user's own
    // folders, they are inside the session's folder too.
    for (const char* sub : {"pic", "sound", "help"}) {
        const QDir from(builtProgramFolder + u'/' + QString::fromLatin1(sub));
        QDir().mkpath(dir_.filePath(QString::fromLatin1(sub)));
        for (const QString& name : from.entryList(QDir::Files)) {
            QFile::copy(from.filePath(name), dir_.filePath(QString::fromLatin1(sub) + u'/' + name));
        }
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("xdg-data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("xdg-config"))));
    WriteFiles();
    Boot();
    watchdog_ = std::thread([this] { Watch(); });
}

SessionDriver::~SessionDriver() {
    stopWatching_ = true;
    watchdog_.join();
    app_.reset();
}

void SessionDriver::Watch() {
    while (!stopWatching_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const int64_t started = stepStartedMs_;
        if (started != 0 && NowMs() - started > watchdogSeconds_ * 1000LL) {
            std::lock_guard<std::mutex> lock(watchMutex_);
            std::fprintf(stderr, "session fuzz: step did not return within %d s: %s\n",
                         watchdogSeconds_, watchedStep_.c_str());
            std::abort();
        }
    }
}

QString SessionDriver::File(const char* name) const {
    return dir_.filePath(QStringLiteral("data/") + QString::fromLatin1(name));
}

void SessionDriver::WriteFiles() {
    QDir().mkpath(dir_.filePath(QStringLiteral("data/folder")));
    const auto write = [this](const char* name, const QByteArray& bytes) {
        QFile f(File(name));
        if (f.open(QIODevice::WriteOnly)) {
            f.write(bytes);
        }
    };
    write("small.zlk", "0 0 0 3\r\n0 0 0 20 0 0\r\n20 0 0 20 20 0\r\n20 20 0 0 0 40\r\nsmall\r\n");
    write("damaged.zlk", "0 0 0 3\r\n0 0 0 9 9 9\r\n1 1 1 2 2 2\r\n");
    write("odd.zlk",
          "0 0 0 4\r\n0 0 0 5 5 5\r\n1 1 1 1 1 1\r\n5 5 5 0 0 0\r\n0 0 0 1 x 2\r\nodd\r\n");
    write("empty.zlk", "0 0 0 0\r\n\r\n");
    QByteArray big = "0 0 0 1000\r\n";
    for (int i = 0; i < 1000; ++i) {
        big +=
            "0 0 0 " + QByteArray::number(i % 40 + 1) + ' ' + QByteArray::number(i / 40) + " 0\r\n";
    }
    write("big.zlk", big + "big\r\n");
    write("good.obj", "v 0 0 0\nv 10 0 0\nv 10 10 0\nv 0 0 10\nf 1 2 3\nl 1 4\n");
    write("broken.obj", "v 0 0 0\nl 1 9\nf 3\n");
}

void SessionDriver::Boot() {
    app_ = std::make_unique<Main_TheApp>(
        dir_.path(), QStringList(), dialogs_, sound_, clock_, [this] { ++quits_; }, &clipboard_);
    if (!app_->Start()) {
        Fail("BOOT_ZELK failed");
        return;
    }
    // Sessions check states, not what the eye sees: walks to a view are not paced.
    app_->Context().controller->SetWalkPace(0);
    if (app_->Context().Folders().Data() != dir_.filePath(QStringLiteral("data"))) {
        Fail("the program keeps its data outside the session's folder");
        return;
    }
    // The built-in figure as the program itself saved it: one of the files to open.
    QFile::copy(File("zelk01.zlk"), File("built-in.zlk"));
    Snapshot(historyBase_);
    historyBaseKnown_ = app_->Context().controller->History().count() == 0;
    Snapshot(cleanState_);
}

void SessionDriver::Fail(const std::string& what) {
    if (failed_) {
        return;
    }
    failed_ = true;
    std::string report = what + "\nsteps:";
    const size_t from = log_.size() > 40 ? log_.size() - 40 : 0;
    for (size_t i = from; i < log_.size(); ++i) {
        report += "\n  " + std::to_string(i + 1) + ": " + log_[i];
    }
    failure_(report);
}

void SessionDriver::Snapshot(std::vector<float>& lines, QString* comment) const {
    const CZelkData& figure = *app_->Context().figure;
    lines.clear();
    lines.reserve(figure.Lines().size() * 6);
    for (const CLine& l : figure.Lines()) {
        lines.insert(lines.end(), {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ});
    }
    if (comment != nullptr) {
        *comment = figure.Comment();
    }
}

bool SessionDriver::Run(const uint8_t* data, size_t size, int maxSteps) {
    Bytes in(data, size);
    while (!failed_ && !in.Empty() && steps_ < maxSteps) {
        if (!Step(in)) {
            break;
        }
    }
    if (!failed_) {
        CheckReplay();
    }
    return !failed_;
}

bool SessionDriver::Step(Bytes& in) {
    ++steps_;
    AppContext& ctx = app_->Context();
    CZelkController& controller = *ctx.controller;
    frmZelkWin& window = *app_->Window();
    ctlZelkView& view = *ctx.view;
    dialogs_.ClearScript();
    dialogs_.calls.clear();
    sound_.cues.clear();

    // Undoing or redoing a new figure brings back a file (or none) with its own clean state.
    const QUndoStack& history = controller.History();
    const int indexBefore = history.index();
    const bool newFigureBehind = history.undoText() == QStringLiteral("新しい図");
    const bool newFigureAhead = history.redoText() == QStringLiteral("新しい図");

    // Questions asked during the step get answers from the session's bytes.
    for (int i = 0; i < 3; ++i) {
        dialogs_.AnswerQuestion(in.Next() % 4 == 0 ? UserDialogs::Answer::No
                                                   : UserDialogs::Answer::Yes);
    }
    std::string step;
    bool mayMoveCleanState = false;
    const auto command = [&](const char* name) {
        step += std::string(" command ") + name;
        controller.SetCommand(QString::fromLatin1(name));
    };
    const uint8_t kind = in.Next() % 12;
    const auto begin = [&](const std::string& name) {
        step = name;
        std::lock_guard<std::mutex> lock(watchMutex_);
        watchedStep_ = std::to_string(steps_) + ": " + name;
        stepStartedMs_ = NowMs();
    };
    switch (kind) {
    case 0:
    case 1:
    case 2: {
        const char* name = in.Pick(kCommands);
        begin("");
        mayMoveCleanState = std::string(name) == "NEW_FIGURE" ||
                            std::string(name).rfind("LOAD_RECENT", 0) == 0 ||
                            std::string(name) == "FIN";
        command(name);
        break;
    }
    case 3: {
        const int16_t key = in.Pick(kKeys);
        const int16_t shift = static_cast<int16_t>(in.Next() % 8);
        begin("key " + std::to_string(key) + " shift " + std::to_string(shift));
        controller.SetKeyCommand(key, shift);
        break;
    }
    case 4: {
        const QPoint start(20 + in.Next() % 200, 20 + in.Next() % 200);
        const QPoint by(in.Signed(120), in.Signed(120));
        begin("drag by " + std::to_string(by.x()) + "," + std::to_string(by.y()));
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, start);
        QTest::mouseMove(&view, start + by);
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, start + by);
        break;
    }
    case 5: {
        const QPoint at(in.Next() % 400, in.Next() % 300);
        begin("click at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, at);
        break;
    }
    case 6: {
        const int delta = in.Signed(2) * 60;
        begin("wheel " + std::to_string(delta));
        const QPointF at(100, 100);
        QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        break;
    }
    case 7: {
        const char* name = in.Pick(kOpenable);
        dialogs_.ChooseFile(in.Next() % 8 == 0 ? std::nullopt : std::optional<QString>(File(name)));
        begin(std::string("open ") + name);
        mayMoveCleanState = true;
        command("LOAD");
        break;
    }
    case 8: {
        const char* names[] = {"saved.zlk", "saved2", "folder", "no/such/folder/x.zlk"};
        const char* name = in.Pick(names);
        dialogs_.ChooseFile(in.Next() % 8 == 0 ? std::nullopt : std::optional<QString>(File(name)));
        lastSaveTarget_ = File(name);
        if (!lastSaveTarget_.endsWith(QStringLiteral(".zlk"))) {
            lastSaveTarget_ += QStringLiteral(".zlk");
        }
        begin(std::string("save as ") + name);
        mayMoveCleanState = true;
        command("SAVE");
        break;
    }
    case 9: {
        const char* name = in.Pick(kImportable);
        const double scales[] = {1.0, 10.0, 1000.0};
        dialogs_.ChooseImport(UserDialogs::ImportChoice{File(name), in.Pick(scales),
                                                        in.Next() % 2 == 0, in.Next() % 2 == 0});
        begin(std::string("import ") + name);
        command("IMPORT");
        break;
    }
    case 10: {
        // The detailed-input panel: fields from the session, then one of its commands.
        begin("panel");
        if (!ctx.appData->ProInterface()) {
            command("DRAW_MODE");
            command("PRO_INTERFACE");
        }
        const char* fieldTexts[] = {"0", "10", "-5", "2.5", "", "x", "1e30", "20"};
        for (int i = 0; i < 6; ++i) {
            window.PosField(i)->setText(QString::fromLatin1(in.Pick(fieldTexts)));
        }
        if (window.LineNumberScrollBar() != nullptr) {
            window.LineNumberScrollBar()->setValue(in.Next());
        }
        const char* pro[] = {"APPLY_LINE",
                             "DELETE_LINE",
                             "NEW_LINE",
                             "SET_TEMP_LINE",
                             "VSCR_LINE_NUMBER_CHANGE",
                             "PRO_INTERFACE_CHANGE"};
        const char* name = in.Pick(pro);
        step += std::string(" ") + name;
        ctx.proController->SetCommand(QString::fromLatin1(name));
        break;
    }
    default: {
        const char* names[] = {"UNDO", "REDO"};
        const char* name = in.Pick(names);
        begin("");
        command(name);
        break;
    }
    }
    // Timers (continuous turning, autosave) get their turn between steps, as in the program.
    QCoreApplication::processEvents();
    stepStartedMs_ = 0;
    log_.push_back(step);

    if (quits_ > 0 || app_->Ended()) {
        // The program ended (a quit, the end of a session): the user starts it again.
        quits_ = 0;
        app_.reset();
        dialogs_.ClearScript();
        Boot();
        return !failed_;
    }
    if ((newFigureBehind && history.index() == indexBefore - 1) ||
        (newFigureAhead && history.index() == indexBefore + 1)) {
        mayMoveCleanState = true;
    }
    if (getenv("ZDBG"))
        fprintf(stderr, "DBG %d %s dirty=%d title=%s clean=%d idx=%d\n", steps_, step.c_str(),
                (int)ctx.figure->IsDirty(), qPrintable(window.windowTitle()),
                (int)controller.History().isClean(), controller.History().index());
    Check(step, mayMoveCleanState);
    if (steps_ % 25 == 0) {
        CheckReplay();
    }
    return !failed_;
}

void SessionDriver::Check(const std::string& step, bool mayMoveCleanState) {
    AppContext& ctx = app_->Context();
    CZelkData& figure = *ctx.figure;
    CZelkController& controller = *ctx.controller;
    const QUndoStack& history = controller.History();

    if (figure.NumberOfLines() > CZelkData::kMaxLines) {
        Fail("the figure holds more lines than a file can keep after" + step);
    }
    const int longitude = ctx.appData->Longitude();
    const int latitude = ctx.appData->Latitude();
    if (longitude < -180 || longitude > 180 || latitude < -180 || latitude > 180) {
        Fail("angles out of range after" + step);
    }

    // The changed mark: clear only while the figure is its clean state (the comment
    // stamp of a safety copy is the program's, not a change); the title says the same.
    std::vector<float> now;
    Snapshot(now);
    if (!figure.IsDirty()) {
        if (!mayMoveCleanState && now != cleanState_) {
            Fail("the changed mark is clear but the figure differs from its clean state after" +
                 step + " (" + std::to_string(now.size() / 6) + " lines, clean state " +
                 std::to_string(cleanState_.size() / 6) + ")");
        }
        cleanState_ = now;
    }
    if (app_->Window()->windowTitle().endsWith(QStringLiteral("変更あり")) != figure.IsDirty()) {
        Fail("the title and the changed mark (" + std::to_string(figure.IsDirty()) +
             ") disagree after" + step + ": " + app_->Window()->windowTitle().toStdString());
    }

    // A new history begins with the figure as it is now.
    if (history.count() == 0) {
        historyBase_ = now;
        historyBaseKnown_ = true;
    } else if (history.count() >= history.undoLimit()) {
        historyBaseKnown_ = false; // the oldest steps are gone
    }

    // A save reads back as the figure.
    if (step.find("save as") != std::string::npos && !figure.IsDirty() &&
        ctx.appData->FileName() == lastSaveTarget_) {
        // Lines only: undo and redo do not carry the comment stamp of a save.
        CZelkData back;
        std::vector<float> saved;
        if (back.LoadData(ctx.appData->FileName())) {
            for (const CLine& l : back.Lines()) {
                saved.insert(saved.end(), {l.FromX, l.FromY, l.FromZ, l.ToX, l.ToY, l.ToZ});
            }
        }
        if (saved != now) {
            Fail("the saved file does not read back as the figure after" + step + " (" +
                 std::to_string(back.NumberOfLines()) + " lines, the figure " +
                 std::to_string(figure.NumberOfLines()) + ")");
        }
    }

    // No temporary of a save is left anywhere the program writes.
    QDirIterator it(dir_.path(), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QStringLiteral(".zelk-tmp-"))) {
            Fail("a temporary was left after" + step + ": " + path.toStdString());
        }
    }
}

// Undoing every step gives the figure as its history began; redoing them gives it back.
void SessionDriver::CheckReplay() {
    if (!historyBaseKnown_ || app_ == nullptr) {
        return;
    }
    AppContext& ctx = app_->Context();
    CZelkData& figure = *ctx.figure;
    QUndoStack& history = ctx.controller->History();
    const bool dirty = figure.IsDirty();
    const int index = history.index();
    // Lines only: the comment stamp of a save is the program's, not a step of the history.
    std::vector<float> before;
    Snapshot(before);
    {
        std::lock_guard<std::mutex> lock(watchMutex_);
        watchedStep_ = "replay of the history";
        stepStartedMs_ = NowMs();
    }
    history.setIndex(0);
    std::vector<float> base;
    Snapshot(base);
    history.setIndex(index);
    std::vector<float> after;
    Snapshot(after);
    stepStartedMs_ = 0;
    // The replay's own steps marked the figure and the title: both as they were.
    figure.SetDirty(dirty);
    ctx.controller->UpdateTitle();
    if (base != historyBase_) {
        Fail("undoing the whole history does not give the figure it began with");
    }
    if (after != before) {
        Fail("redoing the whole history does not give the figure back (" +
             std::to_string(after.size() / 6) + " lines, before " +
             std::to_string(before.size() / 6) + ")");
    }
}
