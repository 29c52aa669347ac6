#include "ExerciseProgress.h"

#include "SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

QString ExerciseProgress::PathBeside(const QString& settingsFile) {
    return QFileInfo(settingsFile).absolutePath() + QStringLiteral("/ZelkExercises.txt");
}

void ExerciseProgress::Load() {
    records_.clear();
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        const QStringList fields = line.trimmed().split(u'\t');
        if (fields.size() != 4 || fields[0].isEmpty()) {
            continue;
        }
        bool ok[3] = {false, false, false};
        Record record;
        record.solved = fields[1].toInt(&ok[0]) == 1;
        record.attempts = fields[2].toInt(&ok[1]);
        record.bestMs = fields[3].toLongLong(&ok[2]);
        if (ok[0] && ok[1] && ok[2] && record.attempts >= 0 && record.bestMs >= 0) {
            records_[fields[0]] = record;
        }
    }
}

FileResult ExerciseProgress::Save() const {
    QByteArray bytes;
    for (const auto& [id, record] : records_) {
        bytes += id.toUtf8() + '\t' + QByteArray::number(record.solved ? 1 : 0) + '\t' +
                 QByteArray::number(record.attempts) + '\t' + QByteArray::number(record.bestMs) +
                 '\n';
    }
    QString why;
    if (!SafeFile::Write(path_, bytes, why)) {
        return FileResult::Failed(QString(), why);
    }
    return FileResult{};
}

ExerciseProgress::Record ExerciseProgress::Get(const QString& id) const {
    const auto found = records_.find(id);
    return found == records_.end() ? Record{} : found->second;
}

void ExerciseProgress::CountAttempt(const QString& id) {
    ++records_[id].attempts;
}

void ExerciseProgress::Solve(const QString& id, qint64 ms) {
    Record& record = records_[id];
    ms = std::max<qint64>(ms, 1);
    record.bestMs = record.solved && record.bestMs > 0 ? std::min(record.bestMs, ms) : ms;
    record.solved = true;
}

QString ExerciseProgress::Note(const Record& record) {
    if (!record.solved) {
        return {};
    }
    return QCoreApplication::translate("ExerciseProgress", "解けた %1").arg(Time(record.bestMs));
}

QString ExerciseProgress::Time(qint64 ms) {
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}
