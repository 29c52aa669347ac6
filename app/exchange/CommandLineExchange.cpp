#include "CommandLineExchange.h"

#include "CZelkData.h"
#include "ExchangeFormats.h"
#include "FigureExporter.h"
#include "FigureImporter.h"
#include "FigureView.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

void Say(std::FILE* out, const QString& text) {
    std::fprintf(out, "zelk: %s\n", text.toLocal8Bit().constData());
}

// A figure file's failure, on the error stream.
void SayFailure(std::FILE* err, const FileResult& result) {
    QString line = result.title + QStringLiteral(": ") + result.reason;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    Say(err, line);
}

} // namespace

int CommandLineExchange::Export(const QString& out, const QString& in, std::FILE* err) {
    // The extension decides (.svg is the drawing sheet, .png an isometric view at 1x).
    const ExchangeFormats::Export* format = ExchangeFormats::ForPath(out);
    if (format == nullptr) {
        Say(err, QStringLiteral("書き出す形式がわかりません（%1 のどれかにしてください）: ")
                         .arg(ExchangeFormats::CommandLineHelp()) +
                     out);
        return 1;
    }
    // An exercise file keeps its solid's faces beside it.
    const std::vector<HiddenLines::Face> faces = HiddenLines::FacesOf(in);
    const FigureExporter::Choice choice{format->format, format->pngScale,
                                        faces.empty() ? nullptr : &faces};
    CZelkData figure;
    if (const FileResult read = figure.Load(in); !read) {
        SayFailure(err, read);
        return 1;
    }
    // The picture formats show the figure as the editor opens it: isometric, fitted.
    FigureRenderer view = FigureView::Plain(figure, QSize(640, 480));

    if (const FileResult written =
            FigureExporter::Export(out, choice, figure, &view, QFileInfo(in).fileName(),
                                   QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
        !written) {
        Say(err, QStringLiteral("書き出せませんでした: ") + out + u' ' + written.reason);
        return 1;
    }
    return 0;
}

int CommandLineExchange::Import(const QString& in, const QString& out, double scale, bool toOrigin,
                                bool zUp, std::FILE* report, std::FILE* err) {
    // An empty name would write nothing and still report success.
    if (out.isEmpty()) {
        Say(err, QStringLiteral("書き出す図形ファイルの名前を指定してください。"));
        return 1;
    }
    // The same file under any name (a link, "./", another path): it would be overwritten.
    struct stat inInfo {};
    struct stat outInfo {};
    if (::stat(QFile::encodeName(in).constData(), &inInfo) == 0 &&
        ::stat(QFile::encodeName(out).constData(), &outInfo) == 0 &&
        inInfo.st_dev == outInfo.st_dev && inInfo.st_ino == outInfo.st_ino) {
        Say(err, QStringLiteral("読み込むモデルと同じファイルには書き出せません: ") + out);
        return 1;
    }
    CZelkData figure;
    FigureImporter::Report counts;
    QString error;
    if (!FigureImporter::Read(in, {scale, toOrigin, zUp}, figure, counts, error)) {
        error.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        Say(err, QStringLiteral("取り込めませんでした: ") + in + u' ' + error);
        return 1;
    }
    if (const FileResult written = figure.Save(out); !written) {
        SayFailure(err, written);
        return 1;
    }
    Say(report, FigureImporter::ReportText(counts));
    return 0;
}
