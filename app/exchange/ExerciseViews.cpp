#include "ExerciseViews.h"

#include "CZelkData.h"
#include "FigureView.h"
#include "NumberText.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int32_t kHintColour = 0x0000E0; // &HBBGGRR: red

void Angles(FigureRenderer& renderer, ExerciseViews::View view) {
    switch (view) {
    case ExerciseViews::View::Front:
        renderer.SetAngles(0, 0);
        break;
    case ExerciseViews::View::Top:
        renderer.SetAngles(0, 90);
        break;
    case ExerciseViews::View::Side:
        renderer.SetAngles(-90, 0);
        break;
    }
}

void DrawingStyle(FigureRenderer& renderer) {
    FigureRenderer::Style& style = renderer.GetStyle();
    style.viewAxis = false;
    style.viewSubAxis = false;
    style.figLineSize = 2;
}

// The smallest corner of a figure's lines: the figure keeps it among its extents.
FigureRenderer::Point Corner(const CZelkData& figure) {
    FigureRenderer::Point corner{};
    NumberText::ToSingles(figure.GetMinPos(), corner.data(), 3);
    return corner;
}

} // namespace

QImage ExerciseViews::Pane(const CZelkData& target, const CZelkData* learner, View view, QSize size,
                           int scale) {
    FigureRenderer renderer = FigureView::Plain(target, size);
    DrawingStyle(renderer);
    Angles(renderer, view);
    // A flat view needs no room for turning: the largest extent takes three quarters of
    // the pane's shorter side, the same in all three views.
    const FigureRenderer::Point& extent = renderer.Size();
    const float largest = std::max({extent[0], extent[1], extent[2], 1.0F});
    renderer.SetRatio(0.75F * static_cast<float>(std::min(size.width(), size.height())) / largest);
    QImage picture = renderer.Picture(scale);
    // Shown at the pane's size: sharp, not doubled, on a 2x screen.
    picture.setDevicePixelRatio(scale);
    if (learner == nullptr || learner->NumberOfLines() == 0) {
        return picture;
    }
    // The learner's lines moved so that both smallest corners meet, in red, same zoom.
    const FigureRenderer::Point to = Corner(target);
    const FigureRenderer::Point from = Corner(*learner);
    renderer.ClearFigure();
    for (const CLine& l : learner->Lines()) {
        renderer.AddSegment({l.FromX - from[0] + to[0], l.FromY - from[1] + to[1],
                             l.FromZ - from[2] + to[2], l.ToX - from[0] + to[0],
                             l.ToY - from[1] + to[1], l.ToZ - from[2] + to[2]});
    }
    // As wide as the target's lines: where they agree the red covers the black, so what
    // is missing stays black and what is extra is red on white.
    renderer.GetStyle().figColor = kHintColour;
    renderer.Overlay(picture);
    return picture;
}

QImage ExerciseViews::Card(const CZelkData& figure, QSize size) {
    QImage card(size, QImage::Format_RGB32);
    card.fill(Qt::white);
    const QSize pane(size.width() / 2, size.height() / 2);
    QPainter painter(&card);
    painter.drawImage(QPoint(0, 0), Pane(figure, nullptr, View::Top, pane));
    painter.drawImage(QPoint(0, pane.height()), Pane(figure, nullptr, View::Front, pane));
    painter.drawImage(QPoint(pane.width(), pane.height()), Pane(figure, nullptr, View::Side, pane));
    painter.setPen(QColor(200, 200, 200));
    painter.drawLine(0, pane.height(), size.width(), pane.height());
    painter.drawLine(pane.width(), 0, pane.width(), size.height());
    return card;
}
