#include "FigureImporter.h"

#include "CZelkData.h"
#include "ImportJob.h"

#include <QCoreApplication>
#include <QEventLoop>

bool FigureImporter::Read(const QString& path, const Options& options, CZelkData& figure,
                          Report& report, QString& error) {
    figure.ClearData();
    ImportJob job;
    QEventLoop loop;
    QObject::connect(&job, &ImportJob::finished, &loop, &QEventLoop::quit);
    job.Start(path, options);
    if (!job.Done()) {
        loop.exec();
    }
    report = job.Result();
    if (!job.Succeeded()) {
        error = job.Error();
        return false;
    }
    figure.Swap(job.Figure());
    return true;
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
