#pragma once

#include "FigureRenderer.h"

#include <QPoint>
#include <QWidget>

// A figure shown in a dialog that the user turns: the arrow keys by 15°, a drag with the
// mouse by a degree a pixel (the near side follows the hand, as in the main view).
class FigureTurner : public QWidget {
public:
    FigureTurner(const FigureRenderer& figure, QWidget* parent);
    QSize sizeHint() const override;
    const FigureRenderer& Renderer() const { return renderer_; }
    void TurnBy(int longitude, int latitude);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    FigureRenderer renderer_;
    QPoint dragFrom_;
};
