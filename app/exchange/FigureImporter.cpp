#include "FigureImporter.h"

#include "CZelkData.h"
#include "ImportJob.h"

#include <QCoreApplication>
#include <QEventLoop>

FigureImporter::Outcome FigureImporter::Read(const QString& path, const Options& options,
                                             CZelkData& figure, Report& report, QString& error,
                                             const Waiting& waiting) {
    figure.ClearData();
    ImportJob job;
    QEventLoop loop;
    QObject::connect(&job, &ImportJob::finished, &loop, &QEventLoop::quit);
    job.Start(path, options);
    if (!job.Done()) {
        const std::shared_ptr<void> shown = waiting ? waiting(job) : nullptr;
        loop.exec();
    }
    // The loop also ends when the program is told to end: the reader goes with it.
    if (!job.Done()) {
        job.Cancel();
        return Outcome::Interrupted;
    }
    report = job.Result();
    if (!job.Succeeded()) {
        error = job.Error();
        return job.Cancelled() ? Outcome::Cancelled : Outcome::Failed;
    }
    figure.Swap(job.Figure());
    return Outcome::Read;
}

QString FigureImporter::ReportText(const Report& report) {
    QString text =
        QCoreApplication::translate(
            "FigureImporter", "%1 本の線分を取り込みました（重複 %2 本をまとめ、長さ 0 の %3 本を"
                              "除きました）")
            .arg(report.taken)
            .arg(report.duplicates)
            .arg(report.zeroLength);
    if (!report.leftOut.empty()) {
        QStringList kinds;
        for (const auto& [kind, count] : report.leftOut) {
            kinds << QStringLiteral("%1 %2").arg(kind).arg(count);
        }
        text += QCoreApplication::translate("FigureImporter", "。線にならないものは除きました：") +
                kinds.join(QCoreApplication::translate("FigureImporter", "、"));
    }
    return text;
}
