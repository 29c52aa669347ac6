#include "GifFormat.h"

#include <QCoreApplication>
#include <gif_lib.h>

#include <QHash>
#include <cstring>
#include <vector>

namespace {

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<QByteArray*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct Palette {
    std::vector<QRgb> colours;
    QHash<QRgb, int> index;
    bool exact = true;

    int IndexOf(QRgb colour) const {
        if (exact) {
            return index.value(colour);
        }
        // The 6 × 6 × 6 cube: each channel to the nearest of 0, 51, …, 255.
        auto level = [](int c) { return (c + 25) / 51; };
        return level(qRed(colour)) * 36 + level(qGreen(colour)) * 6 + level(qBlue(colour));
    }
};

Palette MakePalette(const QList<QImage>& frames) {
    Palette palette;
    for (const QImage& frame : frames) {
        for (int y = 0; y < frame.height() && palette.exact; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb colour = line[x] | 0xFF000000;
                if (!palette.index.contains(colour)) {
                    if (palette.colours.size() == 256) {
                        palette.exact = false;
                        break;
                    }
                    palette.index.insert(colour, static_cast<int>(palette.colours.size()));
                    palette.colours.push_back(colour);
                }
            }
        }
    }
    if (!palette.exact) {
        palette.colours.clear();
        for (int r = 0; r < 6; ++r) {
            for (int g = 0; g < 6; ++g) {
                for (int b = 0; b < 6; ++b) {
                    palette.colours.push_back(qRgb(r * 51, g * 51, b * 51));
                }
            }
        }
    }
    // giflib wants a power of two entries.
    size_t size = 2;
    while (size < palette.colours.size()) {
        size *= 2;
    }
    palette.colours.resize(size, qRgb(0, 0, 0));
    return palette;
}

} // namespace

QByteArray GifFormat::Write(const QList<QImage>& source, int delay, QString& error) {
    if (source.isEmpty()) {
        error = QCoreApplication::translate("GifFormat", "画像がありません。");
        return {};
    }
    QList<QImage> frames;
    for (const QImage& frame : source) {
        frames.append(frame.convertToFormat(QImage::Format_RGB32));
    }
    const int width = frames.first().width();
    const int height = frames.first().height();
    for (const QImage& frame : frames) {
        if (frame.width() != width || frame.height() != height || width > 65535 || height > 65535) {
            error = QCoreApplication::translate("GifFormat", "画像の大きさがそろっていません。");
            return {};
        }
    }
    const Palette palette = MakePalette(frames);

    QByteArray out;
    int code = 0;
    GifFileType* gif = EGifOpen(&out, AppendBytes, &code);
    if (gif == nullptr) {
        error = QString::fromLatin1(GifErrorString(code));
        return {};
    }
    std::vector<GifColorType> entries(palette.colours.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i] = GifColorType{static_cast<GifByteType>(qRed(palette.colours[i])),
                                  static_cast<GifByteType>(qGreen(palette.colours[i])),
                                  static_cast<GifByteType>(qBlue(palette.colours[i]))};
    }
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(entries.size()), entries.data());
    bool ok = map != nullptr;
    EGifSetGifVersion(gif, true);
    ok = ok && EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
    // The Netscape block: loop for ever.
    static const GifByteType kNetscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoop[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kNetscape, kNetscape) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kLoop, kLoop) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    for (const QImage& frame : frames) {
        if (!ok) {
            break;
        }
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.DelayTime = delay;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
        for (int y = 0; y < height && ok; ++y) {
            const auto* pixels = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                line[static_cast<size_t>(x)] =
                    static_cast<GifPixelType>(palette.IndexOf(pixels[x] | 0xFF000000));
            }
            ok = EGifPutLine(gif, line.data(), width) == GIF_OK;
        }
    }
    if (!ok) {
        error = QString::fromLatin1(GifErrorString(gif->Error));
    }
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        ok = false;
        error = QString::fromLatin1(GifErrorString(closeError));
    }
    GifFreeMapObject(map);
    return ok ? out : QByteArray();
}
