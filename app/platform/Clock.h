#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The current date and time and the locale that formats them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    virtual QLocale Locale() const = 0;

    // The locale's short date form of today.
    QString ShortDate() const { return Locale().toString(Now().date(), QLocale::ShortFormat); }
};
