#pragma once

#include "AppContext.h"

#include <QString>
#include <QStringList>

class CZelkController;

// Start-up and shut-down: the settings, the figure a start begins with (named on
// the command line, recovered, or built in), the autosave file and the session's end.
class LifeRoom {
public:
    LifeRoom(CZelkController& controller, AppContext& context);
    LifeRoom(const LifeRoom&) = delete;
    LifeRoom& operator=(const LifeRoom&) = delete;

    void Boot();
    void Finish();
    // The session ends or the process is told to stop: unsaved work into this copy's
    // autosave file, the settings written, the program ended.
    void EndSession();
    // The session manager asks for the data: the same without ending.
    void CommitSession();
    void AutoSave();
    void ShowVersionDialog();
    void WriteSettings();
    // This copy's own autosave file ("" when this copy holds no slot).
    QString AutosavePath() const;
    QString DataFolder() const;
    static QString CommandLineFile(const QStringList& arguments);

private:
    void LoadBuiltInFigure();
    bool HoldsBuiltInFigure(const QString& path) const;
    void DeleteAutosaveFile();
    void SaveRecoveryCopy();
    void ReadSettings();
    QStringList RecoveryFiles() const;
    QString AdoptRecoveryFile(const QString& path);

    CZelkController& controller_;
    AppContext& context_;
};
