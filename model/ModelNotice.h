#pragma once

#include <QString>
#include <functional>

// The figure file format tells the user about failed loads and saves through this
// hook; the application routes it to its message boxes, tests record it.
class ModelNotice {
public:
    using Handler = std::function<void(const QString& text, const QString& title)>;

    // Installs a handler and returns the previous one. An empty handler writes to stderr.
    static Handler SetHandler(Handler handler);
    static void Show(const QString& text, const QString& title);
};
