#pragma once

#include "Clock.h"

#include <utility>

// A clock that always shows one moment, for tests and reproducible output.
class FixedClock : public Clock {
public:
    FixedClock(QDateTime now, QLocale locale) : now_(std::move(now)), locale_(std::move(locale)) {}
    QDateTime Now() const override { return now_; }
    QLocale Locale() const override { return locale_; }
    // Time passes: the clock shows a later moment.
    void Advance(qint64 ms) { now_ = now_.addMSecs(ms); }

private:
    QDateTime now_;
    QLocale locale_;
};
