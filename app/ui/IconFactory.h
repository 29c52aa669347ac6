#pragma once

#include <QIcon>
#include <QString>

// The pictures of the tool bar and of the side-panel buttons. They are painted at build
// time and compiled into the program, 1x and 2x; an icon reads its picture when first
// shown, so building the window paints nothing.
class IconFactory {
public:
    // A tool bar picture by button key ("cmdFin", "cmdFigLoad", ...); null when the key
    // has none.
    static QIcon ToolBarIcon(const QString& key);
    // The picture of side button cmdToolBox(index), 0 to 18.
    static QIcon ToolBoxIcon(int index);
    // A turning arrow: 0 up, 1 left, 2 right, 3 down.
    static QIcon TurnIcon(int direction);
    // The menu bar's button for menus that do not fit (the style's own icon would search
    // the icon themes while the window is built).
    static QIcon MenuExtensionIcon();

private:
    static QIcon Picture(const QString& name);
};
