#pragma once

#include "AppContext.h"

#include <QString>
#include <cstdint>

class CZelkController;
class CZelkData;

// Opening, saving and starting figures: the open and save dialogs, the recent files,
// the thumbnail browser's choice, a new figure, and the safety copies before a save.
class FileRoom {
public:
    FileRoom(CZelkController& controller, AppContext& context);
    FileRoom(const FileRoom&) = delete;
    FileRoom& operator=(const FileRoom&) = delete;

    bool LoadFigureFile(const QString& FileName);
    void PutFigureInPlace(CZelkData& figure, bool unsaved);
    bool RefuseWhenFull();
    bool ShowLoadNote();
    QString LoadNote() const;
    bool SaveFigureFile(const QString& FileName);
    QString DatedCopyName() const;
    bool ConfirmDiscard();
    void RefreshProInterfaceAfterLoad();

    void LoadWithDialog();
    void LoadByThumbnail();
    void SaveWithDialog();
    void LoadRecent(int index);
    void NewFigure();
    void ClearFigure();

private:
    CZelkController& controller_;
    AppContext& context_;
    // Status panel 1 shows what the last load had to say.
    bool loadNoteShown_ = false;
};
