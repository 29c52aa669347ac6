// Draw of a 32767-segment lattice in a 1024×768 control beside a bare
// QPainter::drawLines of the same projected segments; and the time to hand the whole
// figure to the control as texts, as every redraw of the application does.
#include "RatioMain.h"
#include "ctlZelkView.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

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

// ControlScaleHeight ÷ (largest extent × 1.8), as the editor fits a figure.
float FitRatio(float largest) {
    return 768.0F / (largest * 1.8F);
}

std::unique_ptr<ctlZelkView> LatticeView(const QStringList& texts) {
    auto view = std::make_unique<ctlZelkView>();
    view->SetControlWidth(kWidth);
    view->SetControlHeight(kHeight);
    view->SetControlScaleWidth(kWidth);
    view->SetControlScaleHeight(kHeight);
    for (const QString& t : texts) {
        view->SetLine(t);
    }
    const float largest = std::ceil(float(kSegments) / 300.0F) * 3.0F;
    view->SetMaxPos(QStringLiteral("%1,300,3").arg(largest));
    view->SetRatio(FitRatio(300.0F));
    return view;
}

void BM_ViewDraw(benchmark::State& state) {
    const QStringList texts = LatticeTexts();
    auto view = LatticeView(texts);
    for (auto _ : state) {
        view->Draw();
        benchmark::DoNotOptimize(view->ViewImage().constBits());
    }
}

void BM_BareDrawLines(benchmark::State& state) {
    // The same segments, already projected to pixels with the view's angles.
    const QStringList texts = LatticeTexts();
    const double a = float(-45 / 180.0 * 3.1415);
    const double b = float(-30 / 180.0 * 3.1415);
    const double scale = FitRatio(300.0F);
    std::vector<QLineF> lines;
    for (const QString& t : texts) {
        const QStringList p = t.split(u',');
        double v[6];
        for (int i = 0; i < 6; ++i) {
            v[i] = p[i].toDouble();
        }
        auto project = [&](double x, double y, double z) {
            const double xr = z * std::sin(a) + x * std::cos(a);
            const double zr = -x * std::sin(a) + z * std::cos(a);
            const double yr = y * std::cos(b) + zr * std::sin(b);
            return QPointF(kWidth / 2.0 + xr * scale, kHeight / 2.0 - yr * scale);
        };
        lines.emplace_back(project(v[0], v[1], v[2]), project(v[3], v[4], v[5]));
    }
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
BENCHMARK(BM_BareDrawLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SendFigureAsTexts)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunWithRatios(argc, argv, {{"BM_ViewDraw", "BM_BareDrawLines", 1.5}});
}
