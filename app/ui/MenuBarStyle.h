#pragma once

#include <QProxyStyle>

// The menu bar's style: a tap on Alt, or Esc out of a menu opened with the mouse, leaves
// the keys with the window. (The platform's style would move them, unseen, to the menu
// bar, where X, Y and Z do nothing and Enter opens a menu.) Alt with a letter still opens
// its menu, and a menu once open is worked with the keys as ever.
class MenuBarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
