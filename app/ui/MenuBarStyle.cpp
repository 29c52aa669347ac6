#include "MenuBarStyle.h"

#include "IconFactory.h"

#include <QApplication>

int MenuBarStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon MenuBarStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) {
        return IconFactory::MenuExtensionIcon();
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void MenuBarStyle::Install() {
    if (dynamic_cast<MenuBarStyle*>(QApplication::style()) == nullptr) {
        // The application owns the style it is given.
        QApplication::setStyle(new MenuBarStyle);
    }
}
