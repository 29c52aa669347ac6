#include "ExchangeFormats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

using F = FigureExporter::Format;
using K = UserDialogs::ExportKind;

// The models the reader takes (by content; these are what the open dialog shows).
const char* const kImportSuffixes[] = {"obj", "stl", "ply", "gltf", "glb",
                                       "dxf", "3ds", "dae", "fbx",  "off"};

} // namespace

const std::vector<ExchangeFormats::Export>& ExchangeFormats::Exports() {
    static const std::vector<Export> rows = {
        {K::SvgSheet, F::SvgSheet, 1, "svg",
         QT_TRANSLATE_NOOP("ExchangeFormats", "三面図と等角図の図面 SVG (*.svg)"), true, "図面"},
        {K::SvgView, F::SvgView, 1, "svg",
         QT_TRANSLATE_NOOP("ExchangeFormats", "いまのビュー SVG (*.svg)"), false, ""},
        {K::Png1, F::Png, 1, "png",
         QT_TRANSLATE_NOOP("ExchangeFormats", "いまのビュー PNG 等倍 (*.png)"), true, "画像"},
        {K::Png2, F::Png, 2, "png",
         QT_TRANSLATE_NOOP("ExchangeFormats", "いまのビュー PNG 2倍 (*.png)"), false, ""},
        {K::Png4, F::Png, 4, "png",
         QT_TRANSLATE_NOOP("ExchangeFormats", "いまのビュー PNG 4倍 (*.png)"), false, ""},
        {K::Obj, F::Obj, 1, "obj", "Wavefront OBJ (*.obj)", true, ""},
        {K::Dxf, F::Dxf, 1, "dxf", "DXF R12 (*.dxf)", true, ""},
        {K::Gif, F::Gif, 1, "gif",
         QT_TRANSLATE_NOOP("ExchangeFormats", "回転アニメーション GIF (*.gif)"), true,
         "アニメーション"},
    };
    return rows;
}

const ExchangeFormats::Export& ExchangeFormats::ForKind(UserDialogs::ExportKind kind) {
    for (const Export& row : Exports()) {
        if (row.kind == kind) {
            return row;
        }
    }
    return Exports().front();
}

const ExchangeFormats::Export* ExchangeFormats::ForPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const Export& row : Exports()) {
        if (row.commandLine &&
            suffix.compare(QLatin1String(row.suffix), Qt::CaseInsensitive) == 0) {
            return &row;
        }
    }
    return nullptr;
}

std::vector<UserDialogs::FileKind> ExchangeFormats::DialogKinds() {
    std::vector<UserDialogs::FileKind> kinds;
    for (const Export& row : Exports()) {
        kinds.push_back({row.kind, QCoreApplication::translate("ExchangeFormats", row.filter),
                         QString::fromLatin1(row.suffix)});
    }
    return kinds;
}

QString ExchangeFormats::CommandLineHelp() {
    QStringList parts;
    for (const Export& row : Exports()) {
        if (row.commandLine) {
            const QString help = QString::fromUtf8(row.help);
            parts << u'.' + QString::fromLatin1(row.suffix) +
                         (help.isEmpty() ? QString() : u' ' + help);
        }
    }
    return parts.join(QStringLiteral(", "));
}

QString ExchangeFormats::ImportFilter() {
    QStringList patterns;
    for (const char* suffix : kImportSuffixes) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(suffix);
    }
    return QCoreApplication::translate("ExchangeFormats", "3D モデル (%1);;すべてのファイル (*)")
        .arg(patterns.join(u' '));
}
