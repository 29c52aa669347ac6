#pragma once

#include <QProxyStyle>

// The program's style, the platform's own but for the menu bar: a tap on Alt, or Esc out
// of a menu opened with the mouse, leaves the keys with the window. (The platform's style
// would move them, unseen, to the menu bar, where X, Y and Z do nothing and Enter opens a
// menu.) Alt with a letter still opens its menu, and a menu once open is worked with the
// keys as ever. The button for menus that do not fit shows the program's own picture,
// read when first shown. It is the application's style, so that the menu bar has it as
// it is made.
class MenuBarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // Makes it the application's style, unless it already is.
    static void Install();
};
