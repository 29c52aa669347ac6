// The baseline of the start-up measurement: the smallest Qt Widgets program that maps
// a main window of the editor's size with a title.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("minimal window"));
    window.resize(800, 400);
    window.show();
    return QApplication::exec();
}
