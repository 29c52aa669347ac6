#include "FigureExporter.h"

#include "CZelkData.h"
#include "DrawingSheet.h"
#include "DxfFormat.h"
#include "FigureView.h"
#include "GifFormat.h"
#include "NumberText.h"
#include "ObjFormat.h"
#include "SafeFile.h"
#include "ctlZelkView.h"

#include "ExchangeText.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSvgGenerator>
#include <algorithm>

QList<QImage> FigureExporter::TurningFrames(const CZelkData& figure, const ctlZelkView* style) {
    ctlZelkView view;
    view.SetControlWidth(200);
    view.SetControlHeight(150);
    view.SetControlScaleWidth(200);
    view.SetControlScaleHeight(150);
    view.SetViewAxis(style != nullptr && style->ViewAxis());
    view.SetViewsubAxis(style != nullptr && style->ViewsubAxis());
    view.SetViewPointerFrom(style != nullptr && style->ViewPointerFrom());
    view.SetViewPointerTo(style != nullptr && style->ViewPointerTo());
    view.SetViewCoordinates(style != nullptr && style->ViewCoordinates());
    view.ViewTempLine(false);
    view.ViewTempLine2(false);
    if (style != nullptr) {
        view.SetBackColor(style->BackColor());
        view.SetFigColor(style->FigColor());
        view.SetFigLineSize(style->FigLineSize());
        view.SetPointerFrom(style->PointerFrom());
        view.SetPointerTo(style->PointerTo());
        view.SetPointerFromColor(style->PointerFromColor());
        view.SetPointerToColor(style->PointerToColor());
    } else {
        view.SetBackColor(0xFFFFFF);
        view.SetFigColor(0);
    }
    FigureView::Send(figure, view);
    view.SetRatio(FitRatio(figure, 150.0F));
    QList<QImage> frames;
    int32_t latitude = 35;
    view.SetLatitude(latitude);
    for (int i = 0; i < 36; ++i) {
        int32_t longitude = -45 + 10 * i;
        view.SetLongitude(longitude);
        view.Draw();
        frames.append(view.ViewImage().copy());
    }
    return frames;
}

float FigureExporter::FitRatio(const CZelkData& figure, float scaleHeight) {
    float size[3] = {0, 0, 0};
    NumberText::ToSingles(figure.GetMaxSize(), size, 3);
    float largest = std::max({size[0], size[1], size[2]});
    if (!(largest > 0)) {
        largest = 1;
    }
    return scaleHeight / (largest * 1.8F);
}

bool FigureExporter::Export(const QString& path, const Choice& choice, const CZelkData& figure,
                            ctlZelkView* view, const QString& fileName, const QString& date,
                            QString& error) {
    QByteArray bytes;
    switch (choice.format) {
    case Format::SvgSheet:
        bytes = DrawingSheet::Svg(figure, fileName, date);
        break;
    case Format::SvgView: {
        if (view == nullptr) {
            error = QStringLiteral("ビューがありません。");
            return false;
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(view->ViewImage().size());
        generator.setViewBox(QRect(QPoint(0, 0), view->ViewImage().size()));
        generator.setTitle(ExchangeText::SvgMetaText(fileName));
        view->PaintVector(generator);
        break;
    }
    case Format::Png: {
        if (view == nullptr) {
            error = QStringLiteral("ビューがありません。");
            return false;
        }
        const QImage picture = view->PictureAtScale(std::clamp(choice.pngScale, 1, 4));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, "PNG")) {
            error = QStringLiteral("PNG 画像を作れませんでした。");
            return false;
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
        bytes = GifFormat::Write(TurningFrames(figure, view), 10, error);
        if (bytes.isEmpty()) {
            return false;
        }
        break;
    }
    return SafeFile::Write(path, bytes, error);
}
