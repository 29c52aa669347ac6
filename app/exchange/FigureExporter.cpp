#include "FigureExporter.h"

#include "CZelkData.h"
#include "DrawingSheet.h"
#include "DxfFormat.h"
#include "FigureView.h"
#include "GifFormat.h"
#include "ObjFormat.h"
#include "SafeFile.h"

#include "ExchangeText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSvgGenerator>
#include <algorithm>

QList<QImage> FigureExporter::TurningFrames(const CZelkData& figure,
                                            const FigureRenderer::Style* style) {
    FigureRenderer renderer = FigureView::Plain(figure, QSize(200, 150));
    if (style != nullptr) {
        // The overlays and colours of the view as shown; never its half-drawn lines.
        FigureRenderer::Style& own = renderer.GetStyle();
        own = *style;
        own.viewTempLine = false;
        own.viewTempLine2 = false;
        own.highlightedLine = 0;
    }
    QList<QImage> frames;
    for (int i = 0; i < 36; ++i) {
        renderer.SetAngles(-45 + 10 * i, 35);
        frames.append(renderer.Picture());
    }
    return frames;
}

FileResult FigureExporter::Export(const QString& path, const Choice& choice,
                                  const CZelkData& figure, FigureRenderer* view,
                                  const QString& fileName, const QString& date) {
    QString error;
    QByteArray bytes;
    switch (choice.format) {
    case Format::SvgSheet:
        bytes = DrawingSheet::Svg(figure, fileName, date, choice.faces);
        break;
    case Format::SvgView: {
        if (view == nullptr) {
            error = QCoreApplication::translate("FigureExporter", "ビューがありません。");
            return FileResult::Failed(QString(), error);
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        // In the control's pixels: the shown picture may have more of its own at 2x.
        generator.setSize(view->PictureSize());
        generator.setViewBox(QRect(QPoint(0, 0), view->PictureSize()));
        generator.setTitle(ExchangeText::SvgMetaText(fileName));
        view->PaintVector(generator);
        break;
    }
    case Format::Png: {
        if (view == nullptr) {
            error = QCoreApplication::translate("FigureExporter", "ビューがありません。");
            return FileResult::Failed(QString(), error);
        }
        const QImage picture = view->Picture(std::clamp(choice.pngScale, 1, 4));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, "PNG")) {
            error = QCoreApplication::translate("FigureExporter", "PNG 画像を作れませんでした。");
            return FileResult::Failed(QString(), error);
        }
        break;
    }
    case Format::Obj:
        bytes = ObjFormat::Write(figure);
        break;
    case Format::Dxf:
        bytes = DxfFormat::Write(figure);
        break;
    case Format::Gif:
        bytes = GifFormat::Write(
            TurningFrames(figure, view != nullptr ? &view->GetStyle() : nullptr), 10, error);
        if (bytes.isEmpty()) {
            return FileResult::Failed(QString(), error);
        }
        break;
    }
    if (!SafeFile::Write(path, bytes, error)) {
        return FileResult::Failed(QString(), error);
    }
    return FileResult{};
}
