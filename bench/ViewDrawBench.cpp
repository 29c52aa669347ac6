// Draw of two 32767-segment figures in a 1024×768 control (a lattice of short lines and
// random long lines spanning the figure), each beside a bare rasteriser of the same
// projected segments and beside QPainter::drawLines of them; and the time to hand the
// whole figure to the control as texts, as every redraw of the application does.
#include "RatioMain.h"
#include "ctlZelkView.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <random>

namespace {

constexpr int kSegments = 32767;
constexpr int kWidth = 1024;
constexpr int kHeight = 768;

QStringList LatticeTexts() {
    QStringList texts;
    for (int x = 0; texts.size() < kSegments; ++x) {
        for (int y = 0; y < 100 && texts.size() < kSegments; ++y) {
            for (int axis = 0; axis < 3 && texts.size() < kSegments; ++axis) {
                texts << QStringLiteral("%1,%2,0,%3,%4,%5")
                             .arg(x * 3)
                             .arg(y * 3)
                             .arg(x * 3 + (axis == 0 ? 3 : 0))
                             .arg(y * 3 + (axis == 1 ? 3 : 0))
                             .arg(axis == 2 ? 3 : 0);
            }
        }
    }
    return texts;
}

// Long segments between random whole-millimetre points of a 300 mm cube.
QStringList RandomTexts() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 300);
    QStringList texts;
    while (texts.size() < kSegments) {
        QString t;
        for (int i = 0; i < 6; ++i) {
            t += (i ? QStringLiteral(",") : QString()) + QString::number(coordinate(random));
        }
        texts << t;
    }
    return texts;
}

// ControlScaleHeight ÷ (largest extent × 1.8), as the editor fits a figure.
float FitRatio(float largest) {
    return 768.0F / (largest * 1.8F);
}

// The figure's largest corner: a lattice is flat (3 mm deep), the random lines fill a cube.
struct Corner {
    float x, y, z;
};

std::unique_ptr<ctlZelkView> FigureView(const QStringList& texts, Corner largest) {
    auto view = std::make_unique<ctlZelkView>();
    view->SetControlWidth(kWidth);
    view->SetControlHeight(kHeight);
    view->SetControlScaleWidth(kWidth);
    view->SetControlScaleHeight(kHeight);
    for (const QString& t : texts) {
        view->SetLine(t);
    }
    view->SetMaxPos(QStringLiteral("%1,%2,%3").arg(largest.x).arg(largest.y).arg(largest.z));
    view->SetRatio(FitRatio(300.0F));
    return view;
}

Corner LatticeLargest() {
    return Corner{std::ceil(float(kSegments) / 300.0F) * 3.0F, 300.0F, 3.0F};
}

// The figure's segments projected to pixels with the view's angles and zoom.
std::vector<QLineF> Projected(const QStringList& texts, Corner largest) {
    const double a = float(-45 / 180.0 * 3.1415);
    const double b = float(-30 / 180.0 * 3.1415);
    const double scale = FitRatio(300.0F);
    auto rotate = [&](double x, double y, double z) {
        const double xr = z * std::sin(a) + x * std::cos(a);
        const double zr = -x * std::sin(a) + z * std::cos(a);
        return QPointF(xr, y * std::cos(b) + zr * std::sin(b));
    };
    const QPointF centre = rotate(largest.x / 2.0, largest.y / 2.0, largest.z / 2.0);
    std::vector<QLineF> lines;
    for (const QString& t : texts) {
        const QStringList p = t.split(u',');
        double v[6];
        for (int i = 0; i < 6; ++i) {
            v[i] = p[i].toDouble();
        }
        auto project = [&](double x, double y, double z) {
            const QPointF r = rotate(x, y, z) - centre;
            return QPointF(kWidth / 2.0 + r.x() * scale, kHeight / 2.0 - r.y() * scale);
        };
        lines.emplace_back(project(v[0], v[1], v[2]), project(v[3], v[4], v[5]));
    }
    return lines;
}

// The plainest line drawer: Bresenham with a bounds test per pixel, no clipping.
void BareRasterise(QImage& image, const std::vector<QLineF>& lines) {
    auto* bits = reinterpret_cast<uint32_t*>(image.bits());
    const int w = image.width();
    const int h = image.height();
    for (const QLineF& l : lines) {
        int x = int(std::floor(l.x1()));
        int y = int(std::floor(l.y1()));
        const int x1 = int(std::floor(l.x2()));
        const int y1 = int(std::floor(l.y2()));
        const int dx = std::abs(x1 - x);
        const int dy = -std::abs(y1 - y);
        const int sx = x < x1 ? 1 : -1;
        const int sy = y < y1 ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            if (unsigned(x) < unsigned(w) && unsigned(y) < unsigned(h)) {
                bits[y * w + x] = 0xFF000000;
            }
            if (x == x1 && y == y1) {
                break;
            }
            const int e2 = 2 * error;
            if (e2 >= dy) {
                error += dy;
                x += sx;
            }
            if (e2 <= dx) {
                error += dx;
                y += sy;
            }
        }
    }
}

void DrawBench(benchmark::State& state, const QStringList& texts, Corner largest) {
    auto view = FigureView(texts, largest);
    for (auto _ : state) {
        view->Draw();
        benchmark::DoNotOptimize(view->ViewImage().constBits());
    }
}

void BareRasteriserBench(benchmark::State& state, const QStringList& texts, Corner largest) {
    const std::vector<QLineF> lines = Projected(texts, largest);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        BareRasterise(image, lines);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void QPainterBench(benchmark::State& state, const QStringList& texts, Corner largest) {
    const std::vector<QLineF> lines = Projected(texts, largest);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLines(lines.data(), int(lines.size()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_ViewDraw(benchmark::State& state) {
    DrawBench(state, LatticeTexts(), LatticeLargest());
}
void BM_BareRasteriser(benchmark::State& state) {
    BareRasteriserBench(state, LatticeTexts(), LatticeLargest());
}
// A step of a turn: every draw at a new angle, so the figure is turned anew each time
// (a redraw at the same angle, as above, keeps the turned segments).
void BM_ViewTurnDraw(benchmark::State& state) {
    auto view = FigureView(LatticeTexts(), LatticeLargest());
    int32_t step = 0;
    for (auto _ : state) {
        int32_t longitude = -45 + 5 * (++step % 2);
        view->SetLongitude(longitude);
        view->Draw();
        benchmark::DoNotOptimize(view->ViewImage().constBits());
    }
}
void BM_BareDrawLines(benchmark::State& state) {
    QPainterBench(state, LatticeTexts(), LatticeLargest());
}
void BM_ViewDrawLong(benchmark::State& state) {
    DrawBench(state, RandomTexts(), Corner{300.0F, 300.0F, 300.0F});
}
void BM_BareRasteriserLong(benchmark::State& state) {
    BareRasteriserBench(state, RandomTexts(), Corner{300.0F, 300.0F, 300.0F});
}
void BM_BareDrawLinesLong(benchmark::State& state) {
    QPainterBench(state, RandomTexts(), Corner{300.0F, 300.0F, 300.0F});
}

void BM_SendFigureAsTexts(benchmark::State& state) {
    const QStringList texts = LatticeTexts();
    ctlZelkView view;
    for (auto _ : state) {
        view.ClearData();
        for (const QString& t : texts) {
            view.SetLine(t);
        }
    }
}

BENCHMARK(BM_ViewDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareRasteriser)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewTurnDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDrawLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ViewDrawLong)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareRasteriserLong)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDrawLinesLong)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SendFigureAsTexts)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunWithRatios(argc, argv,
                         {{"BM_ViewDraw", "BM_BareRasteriser", 2.0},
                          {"BM_ViewTurnDraw", "BM_BareRasteriser", 2.0},
                          {"BM_ViewDrawLong", "BM_BareRasteriserLong", 2.0},
                          {"BM_BareDrawLines", "BM_BareRasteriser", 0.0},
                          {"BM_BareDrawLinesLong", "BM_BareRasteriserLong", 0.0}});
}
