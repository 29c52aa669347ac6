#pragma once

#include "Clock.h"

// The system's clock and locale.
class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
    QLocale Locale() const override { return QLocale::system(); }
};
