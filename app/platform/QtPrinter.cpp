#include "QtPrinter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <cmath>

bool QtPrinter::Print(const UserDialogs::PrintChoice& choice, const Page& page) {
    for (int copy = 1; copy <= choice.copies; ++copy) {
        QPrinter printer;
        printer.setDocName(UserDialogs::ShownTitle());
        if (!choice.outputFile.isEmpty()) {
            const QFileInfo out(choice.outputFile);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(copy == 1
                                          ? choice.outputFile
                                          : out.path() + u'/' + out.completeBaseName() +
                                                QStringLiteral("-%1.").arg(copy) + out.suffix());
        } else if (!choice.printerName.isEmpty()) {
            printer.setPrinterName(choice.printerName);
        }
        QPainter painter;
        if (!painter.begin(&printer)) {
            return false;
        }
        // 1200 units across the page, square units.
        const QRect viewport = painter.viewport();
        const int height =
            static_cast<int>(std::nearbyint(1200.0 * viewport.height() / viewport.width()));
        painter.setWindow(0, 0, 1200, height);
        const QSize size = page.size;
        painter.drawImage(QRectF((1200.0 - size.width()) / 2, 100, size.width(), size.height()),
                          page.picture);
        QFont font = painter.font();
        font.setPixelSize(24);
        painter.setFont(font);
        const double line = 36;
        const double y = size.height() + 100 + line; // an empty line first
        const QString name =
            QCoreApplication::translate(
                "QtPrinter", "\u3000\u3000\u3000\u3000\u3000\u3000\u3000ファイル名：\u3000") +
            page.fileName;
        painter.drawText(QPointF(100, y + line),
                         painter.fontMetrics().elidedText(name, Qt::ElideMiddle, 1200 - 2 * 100));
        // A long comment is shortened to the page's width, never cut at its edge.
        const QString comment =
            QCoreApplication::translate(
                "QtPrinter", "\u3000\u3000\u3000\u3000\u3000\u3000\u3000コメント\u3000：\u3000") +
            page.comment;
        painter.drawText(QPointF(100, y + 2 * line),
                         painter.fontMetrics().elidedText(comment, Qt::ElideRight, 1200 - 2 * 100));
        painter.end();
    }
    return true;
}
