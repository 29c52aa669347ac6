#include "ImportJob.h"

#include "Languages.h"

#include "CZelkData.h"
#include "ImportAnswer.h"
#include "ModelReader.h"
#include "SegmentCollector.h"

#include "SystemError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <unistd.h>

namespace {

// Larger files are refused before any reader sees them.
constexpr qint64 kFileSizeLimit = 512LL * 1024 * 1024;
constexpr double kLargestScale = 1e6;

} // namespace

ImportJob::ImportJob() = default;

ImportJob::~ImportJob() {
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->disconnect(this);
        process_->kill();
        process_->waitForFinished(5000);
    }
}

QString ImportJob::WorkerProgram() {
    const QString given = qEnvironmentVariable("ZELK_IMPORT_WORKER");
    if (!given.isEmpty()) {
        return given;
    }
    // Beside the program (build folder, portable unpack), else where it is installed.
    const QString folder = QCoreApplication::applicationDirPath();
    const QString beside = folder + QStringLiteral("/zelk-import");
    if (QFileInfo(beside).isExecutable()) {
        return beside;
    }
    return QDir::cleanPath(folder + QStringLiteral("/../libexec/zelk/zelk-import"));
}

qint64 ImportJob::MemoryLimitMb(qint64 fileSize) {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    const qint64 machineMb =
        pages > 0 && pageSize > 0 ? static_cast<qint64>(pages) * pageSize / (1024 * 1024) : 4096;
    // The program's own libraries take a few hundred MiB of address space; a model
    // rarely needs more than a few dozen times its file.
    const qint64 wanted = 1024 + 64 * (fileSize / (1024 * 1024) + 1);
    return std::max<qint64>(768, std::min(wanted, machineMb / 2));
}

bool ImportJob::Running() const {
    return process_ && process_->state() != QProcess::NotRunning;
}

void ImportJob::Fail(const QString& error) {
    error_ = error;
    succeeded_ = false;
    done_ = true;
    emit finished();
}

void ImportJob::Start(const QString& path, const FigureImporter::Options& options) {
    path_ = path;
    options_ = options;
    report_ = FigureImporter::Report{};
    figure_ = std::make_unique<CZelkData>();
    clock_.start();
    if (!std::isfinite(options.scale) || !(options.scale > 0) || options.scale > kLargestScale) {
        Fail(QCoreApplication::translate(
                 "ImportJob", "倍率が正しくありません（0 より大きく %1 以下の数にしてください）。")
                 .arg(kLargestScale, 0, 'g'));
        return;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        Fail(QCoreApplication::translate("ImportJob", "ファイルが見つかりません。"));
        return;
    }
    // A FIFO or a device would stall the reader; only plain files are read.
    if (!info.isFile()) {
        Fail(
            QCoreApplication::translate("ImportJob", "通常のファイルではないため読み込めません。"));
        return;
    }
    if (info.size() > kFileSizeLimit) {
        Fail(QCoreApplication::translate("ImportJob", "ファイルが大きすぎるため読み込めません。"));
        return;
    }
    QFile probe(path);
    errno = 0;
    if (!probe.open(QIODevice::ReadOnly)) {
        const int code = errno;
        Fail(QCoreApplication::translate("ImportJob", "ファイルを開けません（%1）。")
                 .arg(code != 0 ? SystemError::Reason(code) : probe.errorString()));
        return;
    }
    probe.close();

    memoryMb_ = MemoryLimitMb(info.size());
    QStringList arguments{info.absoluteFilePath(), QStringLiteral("--scale"),
                          QString::number(options.scale, 'g', 17), QStringLiteral("--memory-mb"),
                          QString::number(memoryMb_)};
    if (options.zUp) {
        arguments << QStringLiteral("--z-up");
    }
    process_ = std::make_unique<QProcess>();
    // The reader says why it failed in the user's language.
    if (const QString translation = Languages::ProgramTranslation(); !translation.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ZELK_TRANSLATION"), translation);
        process_->setProcessEnvironment(environment);
    }
    process_->setStandardInputFile(QProcess::nullDevice());
    // The library's own chatter must never fill a pipe nobody reads.
    process_->setStandardErrorFile(QProcess::nullDevice());
    connect(process_.get(), &QProcess::readyReadStandardOutput, this, [this] {
        answer_ += process_->readAllStandardOutput();
        if (answer_.size() > ImportAnswer::kLimit) {
            process_->kill();
        }
    });
    connect(process_.get(), &QProcess::finished, this, &ImportJob::OnFinished);
    connect(process_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart && !done_) {
            deadline_.stop();
            Fail(QCoreApplication::translate(
                     "ImportJob", "読み込みのためのプログラムを起動できませんでした（%1）。")
                     .arg(WorkerProgram()));
        }
    });
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        process_->kill();
    });
    deadline_.start(options.timeoutMs);
    process_->start(WorkerProgram(), arguments, QIODevice::ReadOnly);
}

void ImportJob::Cancel() {
    if (Running()) {
        cancelled_ = true;
        process_->kill();
    }
}

void ImportJob::OnFinished(int exitCode, QProcess::ExitStatus status) {
    if (done_) {
        return;
    }
    deadline_.stop();
    answer_ += process_->readAllStandardOutput();
    if (cancelled_) {
        Fail(QCoreApplication::translate("ImportJob", "インポートを中止しました。"));
        return;
    }
    if (timedOut_) {
        Fail(QCoreApplication::translate("ImportJob",
                                         "読み込みに時間がかかりすぎるため中止しました（%1 秒）。")
                 .arg(options_.timeoutMs / 1000));
        return;
    }
    // A reader that wrote past any answer's length was stopped there.
    const bool tooLong = answer_.size() > ImportAnswer::kLimit;
    const ImportAnswer answer = ImportAnswer::Decode(answer_);
    answer_.clear();
    const bool failed = answer.kind == ImportAnswer::Kind::Failure;
    if (exitCode == ModelReader::kExitMemory || (failed && answer.failure == "memory")) {
        Fail(QCoreApplication::translate(
                 "ImportJob",
                 "このファイルの読み込みには、許された量（%1 MB）より多くのメモリが必要"
                 "です。読み込みを中止しました。")
                 .arg(memoryMb_));
        return;
    }
    if ((status == QProcess::CrashExit && !failed) || tooLong) {
        Fail(QCoreApplication::translate(
            "ImportJob", "3D モデルとして読み込めませんでした（読み込み中に異常終了しました）。"));
        return;
    }
    if (failed) {
        Fail(answer.message);
        return;
    }
    if (answer.kind != ImportAnswer::Kind::Segments) {
        Fail(QCoreApplication::translate(
            "ImportJob", "3D モデルとして読み込めませんでした（読み込みの答えが壊れています）。"));
        return;
    }
    TakeAnswer(answer);
}

void ImportJob::TakeAnswer(const ImportAnswer& answer) {
    report_.duplicates = answer.repeated;
    report_.zeroLength = answer.zeroLength + answer.notFinite;
    for (const auto& [kind, count] : answer.skipped) {
        report_.leftOut[kind] += count;
    }
    figure_->Reserve(static_cast<int32_t>(answer.segments.size()));
    for (const auto& s : answer.segments) {
        if (figure_->AddLine(CLine{s[0], s[1], s[2], s[3], s[4], s[5]})) {
            ++report_.taken;
        } else {
            ++report_.duplicates;
        }
    }
    if (options_.toOrigin) {
        // Moving to the origin can make two ends one as the file keeps them.
        const CZelkData::Point& low = figure_->MinPos();
        const int32_t merged = figure_->MoveBy({-low[0], -low[1], -low[2]});
        report_.taken -= merged;
        report_.duplicates += merged;
    }
    if (report_.taken == 0) {
        Fail(QCoreApplication::translate("ImportJob", "線分が見つかりませんでした。"));
        return;
    }
    figure_->SetComment(QCoreApplication::translate("ImportJob", "インポート：") +
                        QFileInfo(path_).fileName());
    succeeded_ = true;
    done_ = true;
    emit finished();
}
