#pragma once

#include <QIcon>
#include <QString>

// The pictures of the tool bar and of the side-panel buttons, painted in code so
// that the repository holds no binary artwork.
class IconFactory {
public:
    // A tool bar picture by button key ("cmdFin", "cmdFigLoad", ...).
    static QIcon ToolBarIcon(const QString& key);
    // The picture of side button cmdToolBox(index), 0 to 18.
    static QIcon ToolBoxIcon(int index);
    // A turning arrow: 0 up, 1 left, 2 right, 3 down.
    static QIcon TurnIcon(int direction);
};
