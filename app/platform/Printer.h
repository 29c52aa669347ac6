#pragma once

#include "UserDialogs.h"

#include <QImage>
#include <QSize>
#include <QString>

// Printing a picture with the file name and comment below it, one job per copy.
class Printer {
public:
    struct Page {
        QImage picture;
        // The size the picture takes on the 1200-unit page.
        QSize size;
        QString fileName;
        QString comment;
    };
    virtual ~Printer() = default;
    // False when the printer could not be opened (nothing more is printed).
    virtual bool Print(const UserDialogs::PrintChoice& choice, const Page& page) = 0;
};
