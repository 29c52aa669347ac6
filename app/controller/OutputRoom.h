#pragma once

#include "AppContext.h"

#include <QImage>
#include <QString>

class CZelkController;

// Output: the clipboard, printing, the flip-book animation, the file information,
// the thumbnail browser and help.
class OutputRoom {
public:
    OutputRoom(CZelkController& controller, AppContext& context);
    OutputRoom(const OutputRoom&) = delete;
    OutputRoom& operator=(const OutputRoom&) = delete;

    void ShowDataFileInfo();
    void NormalCopy();
    void MonochromeCopy();
    void MakeParaParaAnime();
    void PrintEntireForm();
    void PrintMonochromePicture();
    void ShowThumbnailBrowser();
    void ShowHelp();
    // The view's picture as a copy command makes it, without touching the clipboard (at
    // the screen's scale: sharp at 2x).
    QImage ViewPicture();
    // The same at one pixel to one of the control's: the size files and printouts keep.
    QImage PartSizePicture();
    // The view's picture in black on white, the mode and colours put back afterwards;
    // partSize: as PartSizePicture, else as ViewPicture.
    QImage MonochromePicture(bool partSize = false);

private:
    void PrintPicture(bool entireForm);

    CZelkController& controller_;
    AppContext& context_;
};
