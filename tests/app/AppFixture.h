#pragma once

#include "CAppData.h"
#include "CZelkController.h"
#include "CZelkData.h"
#include "CZelkProController.h"
#include "FixedClock.h"
#include "Main_TheApp.h"
#include "MemoryClipboard.h"
#include "NumberText.h"
#include "RecordingSoundBackend.h"
#include "ScriptedUserDialogs.h"
#include "TestPrinters.h"
#include "WindowFactory.h"
#include "ctlZelkView.h"
#include "frmZelkWin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A whole program in a fresh temporary program folder, offscreen, with scripted
// dialogs, recorded sound and a fixed clock. Booted in SetUp unless told otherwise.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(programDir.isValid());
        InstallDataFiles();
        dialogs.SetFailureHandler([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
        if (bootInSetUp) {
            Boot();
        }
    }

    void Boot() {
        app = std::make_unique<Main_TheApp>(
            programDir.path(), arguments, dialogs, sound, clock, [this] { ++quitCalls; },
            &clipboard);
        ASSERT_TRUE(app->Start());
    }

    // The pictures, sounds, help and exercises beside the built program, as an installation has
    // them.
    void InstallDataFiles() {
        const QDir built(QStringLiteral(ZELK_PROGRAM_DIR));
        for (const char* sub : {"pic", "sound", "help", "exercises", "translations"}) {
            QDir().mkpath(programDir.filePath(QString::fromLatin1(sub)));
            const QDir from(built.filePath(QString::fromLatin1(sub)));
            for (const QString& name : from.entryList(QDir::Files)) {
                QFile::copy(from.filePath(name),
                            programDir.filePath(QString::fromLatin1(sub) + u'/' + name));
            }
        }
    }

    AppContext& Ctx() { return app->Context(); }
    CZelkController& Controller() { return *Ctx().controller; }
    CAppData& AppData() { return *Ctx().appData; }
    CZelkData& Figure() { return *Ctx().figure; }
    frmZelkWin& Window() { return *app->Window(); }
    WindowFactory& Windows() { return *app->Windows(); }
    ctlZelkView& View() { return *Ctx().view; }
    CZelkProController& Pro() { return *Ctx().proController; }
    bool Send(const char* command) { return Controller().SetCommand(QString::fromLatin1(command)); }
    // The figure's line texts, in order.
    QStringList Lines() {
        QStringList out;
        for (int32_t i = 1; i <= Figure().NumberOfLines(); ++i) {
            out << Figure().GetLine(i);
        }
        return out;
    }
    QString Folder() const { return programDir.path(); }
    // A file in the data folder.
    QString Data(const QString& name) const { return programDir.filePath("data/" + name); }
    // Writes a file (and its folder), e.g. a figure by hand.
    void WriteFigure(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray ReadFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    int CountCues(const QString& file) const {
        int n = 0;
        for (const auto& cue : sound.cues) {
            n += cue.file.endsWith(file) ? 1 : 0;
        }
        return n;
    }

    bool bootInSetUp = true;
    QStringList arguments;
    QTemporaryDir programDir;
    ScriptedUserDialogs dialogs;
    RecordingSoundBackend sound;
    MemoryClipboard clipboard;
    FixedClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)), QLocale(QLocale::English)};
    int quitCalls = 0;
    std::unique_ptr<Main_TheApp> app;
};
