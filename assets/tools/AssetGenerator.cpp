// Makes the program's pictures and sound cues from code at build time, so that the
// repository holds no binary artwork:
//   pic/ZelkSplash.bmp, pic/ZelkVersion.bmp (320 × 240)
//   sound/Splash.wav, Turn.wav, FileLoad.wav, FileSave.wav, Fin.wav
// and, with --tool-icons, the tool pictures compiled into the program.
#include "CStringUtil.h"
#include "CZelkInitialData_zelk01.h"
#include "ExerciseMaker.h"
#include "IconPainter.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

// One note: a sine with a soft attack and an exponential decay.
struct Note {
    double frequency;
    double start;  // seconds
    double length; // seconds
    double volume; // 0..1
};

bool WriteWav(const QString& path, const std::vector<Note>& notes, double total) {
    const int samples = static_cast<int>(total * kRate);
    std::vector<double> mix(static_cast<size_t>(samples), 0.0);
    for (const Note& n : notes) {
        const int first = static_cast<int>(n.start * kRate);
        const int count = static_cast<int>(n.length * kRate);
        for (int i = 0; i < count && first + i < samples; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            const double decay = std::exp(-4.0 * t / n.length);
            const double tone =
                std::sin(2 * kPi * n.frequency * t) + 0.25 * std::sin(4 * kPi * n.frequency * t);
            mix[static_cast<size_t>(first + i)] += n.volume * attack * decay * tone / 1.25;
        }
    }
    QByteArray data;
    data.reserve(samples * 2);
    for (double v : mix) {
        const auto s = static_cast<qint16>(std::clamp(v, -1.0, 1.0) * 30000);
        char b[2];
        qToLittleEndian(s, b);
        data.append(b, 2);
    }
    QByteArray wav("RIFF");
    auto put32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto put16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    put32(static_cast<quint32>(36 + data.size()));
    wav.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    wav.append("data");
    put32(static_cast<quint32>(data.size()));
    wav.append(data);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

// The built-in prism seen from longitude -45, latitude 35, scaled into a box.
void DrawPrism(QPainter& p, const QPointF& centre, double scale, const QColor& colour) {
    const double a = -45 / 180.0 * kPi;
    const double b = -35 / 180.0 * kPi;
    auto project = [&](double x, double y, double z) {
        x -= 40;
        y -= 40;
        z -= 20;
        const double xr = z * std::sin(a) + x * std::cos(a);
        const double zr = -x * std::sin(a) + z * std::cos(a);
        const double yr = y * std::cos(b) + zr * std::sin(b);
        return QPointF(centre.x() + xr * scale, centre.y() - yr * scale);
    };
    p.setPen(QPen(colour, 1.6));
    CZelkInitialData_zelk01 source;
    CStringUtil splitter;
    QList<QString> parts;
    while (source.HasMore()) {
        splitter.StringSprit(source.More(), QStringLiteral(","), parts, 0, 255);
        double v[6];
        for (int i = 0; i < 6; ++i) {
            v[i] = parts[i].toDouble();
        }
        p.drawLine(project(v[0], v[1], v[2]), project(v[3], v[4], v[5]));
    }
}

QImage Picture(bool version, bool english = false) {
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(0, 70, 30));
    sky.setColorAt(1, QColor(0, 25, 10));
    p.fillRect(image.rect(), sky);

    // Faint axes, then the figure.
    const QPointF origin(version ? 90 : 160, version ? 95 : 112);
    p.setPen(QPen(QColor(0, 204, 255, 140), 1));
    p.drawLine(origin, origin + QPointF(70, 40));
    p.setPen(QPen(QColor(255, 255, 0, 140), 1));
    p.drawLine(origin, origin + QPointF(0, -80));
    p.setPen(QPen(QColor(0, 255, 0, 140), 1));
    p.drawLine(origin, origin + QPointF(-70, 40));
    DrawPrism(p, origin, version ? 0.9 : 1.15, QColor(255, 255, 255));

    QFont title(QStringLiteral("IPAGothic"));
    title.setPixelSize(version ? 26 : 34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(255, 250, 220));
    QFont small(QStringLiteral("IPAGothic"));
    small.setPixelSize(13);
    if (version) {
        p.drawText(QRectF(160, 40, 150, 40), Qt::AlignLeft | Qt::AlignVCenter,
                   english ? QStringLiteral("zelk") : QStringLiteral("立体ゼルク"));
        p.setFont(small);
        p.drawText(QRectF(160, 82, 155, 100), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   english ? QStringLiteral("Super-simple\n3D editor\nVersion 3.3\n\nJoin lines\n"
                                            "into solids")
                           : QStringLiteral("超簡易3D editor\nVersion 3.3\n\n線をつないで立体を\n"
                                            "つくりましょう"));
        // The bottom strip stays plain for the OK button.
        p.fillRect(QRectF(0, 192, 320, 48), QColor(0, 20, 8));
    } else {
        p.drawText(QRectF(0, 168, 320, 40), Qt::AlignCenter, QStringLiteral("立体ゼルク"));
        p.setFont(small);
        p.drawText(QRectF(0, 206, 320, 24), Qt::AlignCenter,
                   QStringLiteral("超簡易3D editor  Version 3.3"));
    }
    return image;
}

} // namespace

// The application icon: a wire-frame cube in the axis colours on a dark green tile,
// the same drawing as icons/zelk.svg (a 256-unit square).
QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x33, 0x00));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    const QPointF front[4] = {{56, 104}, {152, 104}, {152, 200}, {56, 200}};
    const QPointF back[4] = {{104, 56}, {200, 56}, {200, 152}, {104, 152}};
    QPen white(Qt::white, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(white);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(back, 4);
    for (int i = 0; i < 4; ++i) {
        p.drawLine(front[i], back[i]);
    }
    p.drawPolygon(front, 4);
    // The three axes from the front lower corner: x red, y yellow, z green.
    p.setPen(QPen(QColor(0xFF, 0x40, 0x40), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 200), QPointF(152, 200));
    p.setPen(QPen(QColor(0xFF, 0xE0, 0x40), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 200), QPointF(104, 152));
    p.setPen(QPen(QColor(0x40, 0xE0, 0x40), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 200), QPointF(56, 104));
    return image;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: zelk_assets <program folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // zelk_assets --tool-icons <folder>: the tool bar and side-panel pictures.
    if (folder == QLatin1String("--tool-icons") && argc >= 3) {
        return IconPainter::WriteAll(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    // zelk_assets --exercises <folder>: the built-in exercises.
    if (folder == QLatin1String("--exercises") && argc >= 3) {
        return ExerciseMaker::WriteAll(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    // zelk_assets --icons <folder>: the 48- and 256-pixel icons for the desktop.
    if (folder == QLatin1String("--icons") && argc >= 3) {
        const QString out = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(out);
        const bool written = Icon(48).save(out + QStringLiteral("/zelk-48.png"), "PNG") &&
                             Icon(256).save(out + QStringLiteral("/zelk-256.png"), "PNG");
        return written ? 0 : 1;
    }
    QDir().mkpath(folder + QStringLiteral("/pic"));
    QDir().mkpath(folder + QStringLiteral("/sound"));
    bool ok = Picture(false).save(folder + QStringLiteral("/pic/ZelkSplash.bmp"), "BMP");
    ok = Picture(true).save(folder + QStringLiteral("/pic/ZelkVersion.bmp"), "BMP") && ok;
    // The version dialog when English is chosen.
    ok = Picture(true, true).save(folder + QStringLiteral("/pic/ZelkVersion_en.bmp"), "BMP") && ok;

    const QString sound = folder + QStringLiteral("/sound/");
    // C major: C5 523, E5 659, G5 784, C6 1047.
    ok = WriteWav(sound + QStringLiteral("Splash.wav"),
                  {{523.25, 0.00, 0.50, 0.45},
                   {659.26, 0.12, 0.50, 0.40},
                   {783.99, 0.24, 0.55, 0.40},
                   {1046.5, 0.36, 0.70, 0.35}},
                  1.1) &&
         ok;
    ok = WriteWav(sound + QStringLiteral("Turn.wav"), {{1760.0, 0.0, 0.035, 0.25}}, 0.04) && ok;
    ok = WriteWav(sound + QStringLiteral("FileLoad.wav"),
                  {{783.99, 0.0, 0.14, 0.4}, {1046.5, 0.09, 0.20, 0.4}}, 0.3) &&
         ok;
    ok = WriteWav(sound + QStringLiteral("FileSave.wav"),
                  {{1046.5, 0.0, 0.14, 0.4}, {783.99, 0.09, 0.22, 0.4}}, 0.32) &&
         ok;
    ok = WriteWav(sound + QStringLiteral("Fin.wav"),
                  {{783.99, 0.0, 0.35, 0.4}, {659.26, 0.15, 0.35, 0.4}, {523.25, 0.30, 0.60, 0.4}},
                  0.95) &&
         ok;
    return ok ? 0 : 1;
}
