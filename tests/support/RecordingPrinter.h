#pragma once

#include "Printer.h"

#include <QList>

// Keeps every page it is asked to print; can play a printer that cannot be opened.
class RecordingPrinter : public Printer {
public:
    bool Print(const UserDialogs::PrintChoice& choice, const Page& page) override {
        if (broken) {
            return false;
        }
        for (int copy = 0; copy < choice.copies; ++copy) {
            pages.append(page);
        }
        return true;
    }
    QList<Page> pages;
    bool broken = false;
};
