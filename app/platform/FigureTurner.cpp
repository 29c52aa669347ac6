#include "FigureTurner.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

FigureTurner::FigureTurner(const FigureRenderer& figure, QWidget* parent)
    : QWidget(parent), renderer_(figure) {
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(renderer_.PictureSize());
}

QSize FigureTurner::sizeHint() const {
    return renderer_.PictureSize();
}

void FigureTurner::TurnBy(int longitude, int latitude) {
    // Latitude stops at the poles; longitude goes round.
    const int lon = ((renderer_.Longitude() + longitude) % 360 + 540) % 360 - 180;
    const int lat = std::clamp(renderer_.Latitude() + latitude, -90, 90);
    renderer_.SetAngles(lon, lat);
    update();
}

void FigureTurner::paintEvent(QPaintEvent*) {
    const int scale = std::max(1, qRound(devicePixelRatioF()));
    QImage picture = renderer_.Picture(scale);
    picture.setDevicePixelRatio(scale);
    QPainter(this).drawImage(QPoint(0, 0), picture);
}

void FigureTurner::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        TurnBy(-15, 0);
        break;
    case Qt::Key_Right:
        TurnBy(15, 0);
        break;
    case Qt::Key_Up:
        TurnBy(0, 15);
        break;
    case Qt::Key_Down:
        TurnBy(0, -15);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FigureTurner::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position().toPoint();
}

void FigureTurner::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    TurnBy(at.x() - dragFrom_.x(), at.y() - dragFrom_.y());
    dragFrom_ = at;
}
