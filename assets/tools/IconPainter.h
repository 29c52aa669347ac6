#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The pictures of the tool bar and of the side-panel buttons, painted in code at build
// time (the repository holds no binary artwork, and the program paints nothing at start).
class IconPainter {
public:
    // The tool bar buttons that have a picture.
    static QStringList ToolBarKeys();
    // A tool bar picture by button key ("cmdFin", "cmdFigLoad", ...), 32 logical pixels.
    static QImage ToolBar(const QString& key, int scale);
    // The picture of side button cmdToolBox(index), 0 to 18.
    static QImage ToolBox(int index, int scale);
    // A turning arrow: 0 up, 1 left, 2 right, 3 down.
    static QImage Turn(int direction, int scale);
    // The menu bar's button for the menus that do not fit: a double chevron, 16 pixels.
    static QImage MenuExtension(int scale);

    // Every picture as PNG files (name.png and name@2x.png) in folder, with the resource
    // list "toolicons.qrc" naming them; false when one cannot be written.
    static bool WriteAll(const QString& folder);
};
