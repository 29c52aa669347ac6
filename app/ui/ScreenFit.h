#pragma once

#include <QObject>

class QWidget;

// Keeps every window of the program wholly inside its screen's available area: a window
// shown larger than the area is made smaller (its content scrolls or lays out anew), and
// one that reaches past an edge is moved inside, frame included. Installed once on the
// application, it sees every window as it is shown and again once the window manager has
// given it its frame.
class ScreenFit : public QObject {
public:
    // Makes it the application's (once; later calls do nothing).
    static void Install();
    // Fits one window now, with its frame as it is known (or a typical one before the
    // window manager gave it one).
    static void Fit(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
