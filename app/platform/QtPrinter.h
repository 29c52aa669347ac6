#pragma once

#include "Printer.h"

// The page layout on Qt's printer: 1200 units across, the picture centred at y 100,
// an empty line, then the file name and comment lines. Copies printed into a file each
// get a file of their own (name.pdf, name-2.pdf, ...).
class QtPrinter : public Printer {
public:
    bool Print(const UserDialogs::PrintChoice& choice, const Page& page) override;
};
