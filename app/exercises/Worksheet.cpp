#include "Worksheet.h"

#include "CZelkData.h"
#include "ExerciseViews.h"
#include "FigureView.h"
#include "SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

namespace {

constexpr int kPerPage = 2;
constexpr int kResolution = 300;

double Millimetres(double mm) {
    return mm * kResolution / 25.4;
}

// The three views where third-angle projection puts them (top above front, right side to
// the right of front) in the left part of block; the rest of it is given to sketching
// (question) or to the isometric view (answer).
// withSide false: the side view is left blank, to be found.
void Views(QPainter& painter, const ExerciseViews::Solid& solid, const QRectF& block,
           bool withSide) {
    const double w = block.width() / 2;
    const double h = block.height() / 2;
    ExerciseViews::PaintPane(painter, solid, nullptr, ExerciseViews::View::Top,
                             QRectF(block.left(), block.top(), w, h));
    ExerciseViews::PaintPane(painter, solid, nullptr, ExerciseViews::View::Front,
                             QRectF(block.left(), block.top() + h, w, h));
    const QRectF side(block.left() + w, block.top() + h, w, h);
    if (withSide) {
        ExerciseViews::PaintPane(painter, solid, nullptr, ExerciseViews::View::Side, side);
    } else {
        ExerciseViews::PaintBlank(painter, ExerciseViews::View::Side, side);
    }
}

void Heading(QPainter& painter, const QRectF& line, const QString& text, double size) {
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(Millimetres(size)));
    painter.save();
    painter.setFont(font);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.restore();
}

} // namespace

FileResult Worksheet::Write(const QString& path, const std::vector<Exercise>& exercises) {
    const auto tr = [](const char* text) { return QCoreApplication::translate("Worksheet", text); };
    if (exercises.empty()) {
        return FileResult::Failed(QString(), tr("問題がありません。"));
    }
    // Made in memory and written whole, as every file of the program is.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(kResolution);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        pdf.setTitle(tr("立体ゼルク 問題用紙"));
        pdf.setCreator(QStringLiteral("zelk"));
        QPainter painter(&pdf);
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font = painter.font();
        font.setPixelSize(static_cast<int>(Millimetres(3.2)));
        painter.setFont(font);
        const QRectF page =
            pdf.pageLayout()
                .paintRectPixels(kResolution)
                .toRectF()
                .translated(-pdf.pageLayout().paintRectPixels(kResolution).topLeft());
        const double headLine = Millimetres(9);
        const double blockHeight = (page.height() - headLine) / kPerPage;
        bool first = true;
        const auto newPage = [&] {
            if (!first) {
                pdf.newPage();
            }
            first = false;
        };
        const int count = static_cast<int>(exercises.size());
        // Exercise i's place on its page (a new page, with its heading, for every second
        // one), its title written; the area below the title line for its drawings.
        const auto place = [&](int i, const QString& pageHeading, double titleLine) {
            if (i % kPerPage == 0) {
                newPage();
                Heading(painter, QRectF(page.left(), page.top(), page.width(), headLine),
                        pageHeading, 5);
            }
            const QRectF block(page.left(), page.top() + headLine + (i % kPerPage) * blockHeight,
                               page.width(), blockHeight);
            Heading(painter, QRectF(block.left(), block.top(), block.width(), Millimetres(6)),
                    tr("問題 %1　%2").arg(i + 1).arg(exercises[static_cast<size_t>(i)].title), 4);
            return QRectF(block.left(), block.top() + titleLine, block.width(),
                          block.height() - titleLine - Millimetres(4));
        };
        // The questions.
        for (int i = 0; i < count; ++i) {
            const Exercise& exercise = exercises[static_cast<size_t>(i)];
            const QRectF drawings = place(i, tr("立体ゼルク 問題用紙　　名前："), Millimetres(12));
            const ExerciseTask& task = exercise.task;
            Heading(painter,
                    QRectF(drawings.left(), drawings.top() - Millimetres(6), drawings.width(),
                           Millimetres(6)),
                    task.kind == ExerciseTask::Kind::Views
                        ? tr("三つの図（第三角法）から立体を読み取り、右上の枠に見取り図をかきな"
                             "さい。")
                        : task.Instruction() + tr("右上の枠に見取り図をかきなさい。"),
                    3.2);
            const int mirror =
                task.kind == ExerciseTask::Kind::Reflection ? static_cast<int>(task.mirror) : -1;
            Views(painter, {exercise.figure, exercise.faces, mirror}, drawings,
                  task.kind != ExerciseTask::Kind::MissingView);
            const QRectF sketch(
                drawings.center().x() + Millimetres(2), drawings.top() + Millimetres(2),
                drawings.width() / 2 - Millimetres(4), drawings.height() / 2 - Millimetres(4));
            painter.save();
            painter.setPen(QPen(Qt::gray, Millimetres(0.3), Qt::DashLine));
            painter.drawRect(sketch);
            painter.restore();
            Heading(painter,
                    QRectF(sketch.left() + Millimetres(2), sketch.top(), sketch.width(),
                           Millimetres(6)),
                    tr("見取り図"), 3.2);
            // Which way a turn goes, at the foot of the sketching box.
            if (task.kind == ExerciseTask::Kind::Rotation) {
                QFont small = painter.font();
                small.setPixelSize(static_cast<int>(Millimetres(2.4)));
                painter.save();
                painter.setFont(small);
                painter.setPen(QColor(90, 90, 90));
                painter.drawText(
                    sketch.adjusted(Millimetres(2), 0, -Millimetres(2), -Millimetres(1)),
                    Qt::AlignBottom | Qt::AlignLeft | Qt::TextWordWrap, ExerciseTask::TurnNote());
                painter.restore();
            }
        }
        // The answer key: each solid asked for (turned, mirrored), and its views.
        for (int i = 0; i < count; ++i) {
            const Exercise& exercise = exercises[static_cast<size_t>(i)];
            const QRectF drawings = place(i, tr("解答"), Millimetres(7));
            const CZelkData answer = exercise.task.Answer(exercise.figure);
            const std::vector<HiddenLines::Face> faces =
                exercise.task.AnswerFaces(exercise.figure, exercise.faces);
            Views(painter, {answer, faces, -1}, drawings, true);
            const QRectF solid(drawings.center().x(), drawings.top(), drawings.width() / 2,
                               drawings.height() / 2);
            FigureRenderer picture =
                FigureView::Plain(answer, QSize(static_cast<int>(solid.width() / 2),
                                                static_cast<int>(solid.height() / 2)));
            painter.drawImage(solid, picture.Picture(2));
        }
    }
    QString why;
    if (!SafeFile::Write(path, bytes.data(), why)) {
        return FileResult::Failed(QString(), why);
    }
    return FileResult{};
}

int Worksheet::CommandLine(const QString& out, const QStringList& files,
                           const QString& builtInFolder, std::FILE* err) {
    QStringList paths;
    for (const QString& file : files) {
        paths << QFileInfo(file).absoluteFilePath();
    }
    if (paths.isEmpty()) {
        const QDir folder(builtInFolder);
        for (const QString& name : folder.entryList({QStringLiteral("*.zlk")}, QDir::Files)) {
            paths << folder.filePath(name);
        }
    }
    std::vector<std::unique_ptr<CZelkData>> figures;
    std::vector<Exercise> exercises;
    for (const QString& path : paths) {
        auto figure = std::make_unique<CZelkData>();
        if (const FileResult read = figure->Load(path); !read) {
            std::fprintf(err, "zelk: %s: %s\n", path.toLocal8Bit().constData(),
                         QString(read.reason)
                             .replace(QStringLiteral("\r\n"), QStringLiteral(" "))
                             .toLocal8Bit()
                             .constData());
            return 1;
        }
        const std::optional<ExerciseTask> task = ExerciseTask::Of(path);
        if (!task) {
            std::fprintf(err, "zelk: %s: %s\n",
                         ExerciseTask::PathOf(path).toLocal8Bit().constData(),
                         QCoreApplication::translate("Worksheet", "問題の種類を読めません。")
                             .toLocal8Bit()
                             .constData());
            return 1;
        }
        exercises.push_back({QFileInfo(path).completeBaseName(), *figure,
                             HiddenLines::FacesFor(*figure, path), *task});
        figures.push_back(std::move(figure));
    }
    if (const FileResult written = Write(out, exercises); !written) {
        std::fprintf(err, "zelk: %s: %s\n", out.toLocal8Bit().constData(),
                     written.reason.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
