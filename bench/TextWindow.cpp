// The second reference of the start-up measurement: the minimal window plus what any
// window of a Japanese program shows first, the editor's menu titles (from its own table)
// and a status line. It shows what text alone costs: fontconfig, the Japanese font and
// its fallback, shaping. Qt Widgets only, like the minimal window.
#include "MenuTable.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("text window"));
    QMenu* menu = nullptr;
    for (const MenuTable::MenuRow& row : MenuTable::Menus()) {
        if (row.kind == MenuTable::MenuRow::Kind::Menu) {
            menu = window.menuBar()->addMenu(QString::fromUtf8(row.caption));
        } else if (menu != nullptr && row.kind == MenuTable::MenuRow::Kind::Item) {
            menu->addAction(QString::fromUtf8(row.caption));
        }
    }
    window.statusBar()->addWidget(
        new QLabel(QStringLiteral("さあ、立体ゼルクをはじめましょう！   <2026/12/09>")), 1);
    window.statusBar()->addWidget(new QLabel(QStringLiteral("視点の角度[-45° , 35°]")));
    window.resize(800, 400);
    window.show();
    return QApplication::exec();
}
