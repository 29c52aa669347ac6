#pragma once

#include "FigureImporter.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <memory>

class CZelkData;
class ImportAnswer;

// One import, run by a fresh reader process (the helper zelk-import) while the caller's
// event loop goes on: the window paints, Cancel ends the reader,
// a reader that takes too long is stopped. The figure is made only from a complete answer.
class ImportJob : public QObject {
    Q_OBJECT

public:
    ImportJob();
    ~ImportJob() override;
    ImportJob(const ImportJob&) = delete;
    ImportJob& operator=(const ImportJob&) = delete;

    // The reader: zelk-import beside the program or in its libexec folder, or
    // ZELK_IMPORT_WORKER when set (tests and benchmarks run from other folders).
    static QString WorkerProgram();
    // The bound of the reader's address space for a file of this size, in MiB: enough
    // for any sound file of that size, never more than half the machine's memory.
    static qint64 MemoryLimitMb(qint64 fileSize);

    // Starts reading; finished() follows (at once when the file cannot even be tried).
    void Start(const QString& path, const FigureImporter::Options& options);
    // Ends the reader; finished() follows with Cancelled().
    void Cancel();
    bool Running() const;
    // finished() was sent.
    bool Done() const { return done_; }
    qint64 ElapsedMs() const { return clock_.isValid() ? clock_.elapsed() : 0; }

    bool Succeeded() const { return succeeded_; }
    bool Cancelled() const { return cancelled_; }
    QString Error() const { return error_; }
    const FigureImporter::Report& Result() const { return report_; }
    // The figure read (valid after a success).
    CZelkData& Figure() { return *figure_; }

signals:
    void finished();

private:
    void Fail(const QString& error);
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    void TakeAnswer(const ImportAnswer& answer);

    std::unique_ptr<QProcess> process_;
    std::unique_ptr<CZelkData> figure_;
    QTimer deadline_;
    QElapsedTimer clock_;
    QByteArray answer_;
    FigureImporter::Options options_;
    FigureImporter::Report report_;
    QString path_;
    QString error_;
    qint64 memoryMb_ = 0;
    bool succeeded_ = false;
    bool cancelled_ = false;
    bool timedOut_ = false;
    bool done_ = false;
};
