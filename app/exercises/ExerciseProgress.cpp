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
        if ((fields.size() != 4 && fields.size() != 5) || fields[0].isEmpty()) {
            continue;
        }
        bool ok[3] = {false, false, false};
        Record record;
        record.solved = fields[1].toInt(&ok[0]) == 1;
        record.attempts = fields[2].toInt(&ok[1]);
        record.bestMs = fields[3].toLongLong(&ok[2]);
        if (fields.size() == 5) {
            record.solvedOn = QDate::fromString(fields[4], Qt::ISODate);
        }
        if (ok[0] && ok[1] && ok[2] && record.attempts >= 0 && record.bestMs >= 0) {
            records_[fields[0]] = record;
        }
    }
}

FileResult ExerciseProgress::Save() const {
    QByteArray bytes;
    for (const auto& [id, record] : records_) {
        bytes +=
            id.toUtf8() + '\t' + QByteArray::number(record.solved ? 1 : 0) + '\t' +
            QByteArray::number(record.attempts) + '\t' + QByteArray::number(record.bestMs) +
            (record.solvedOn.isValid() ? '\t' + record.solvedOn.toString(Qt::ISODate).toLatin1()
                                       : QByteArray()) +
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

void ExerciseProgress::Solve(const QString& id, qint64 ms, const QDate& on) {
    Record& record = records_[id];
    ms = std::max<qint64>(ms, 1);
    if (!record.solved || !record.solvedOn.isValid()) {
        record.solvedOn = on;
    }
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

QString ExerciseProgress::GroupLine(const QString& heading, const std::vector<Record>& records) {
    int solved = 0;
    int checks = 0;
    qint64 best = 0;
    for (const Record& record : records) {
        solved += record.solved ? 1 : 0;
        checks += record.attempts;
        if (record.solved && record.bestMs > 0 && (best == 0 || record.bestMs < best)) {
            best = record.bestMs;
        }
    }
    QString line = QCoreApplication::translate("QtUserDialogs", "%1\u3000解けた数 %2 / %3")
                       .arg(heading)
                       .arg(solved)
                       .arg(records.size());
    if (best > 0) {
        line += QCoreApplication::translate("UserDialogs", "\u3000最短 %1").arg(Time(best));
    }
    if (checks > 0) {
        line += QCoreApplication::translate("UserDialogs", "\u3000答え合わせ %1 回").arg(checks);
    }
    return line;
}

namespace {

// A field as spreadsheets read it: quoted when it holds a comma, a quote or a line end.
QByteArray Field(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') ||
        bytes.contains('\r')) {
        bytes.replace('"', "\"\"");
        return '"' + bytes + '"';
    }
    return bytes;
}

} // namespace

QByteArray ExerciseProgress::Table(const std::vector<Listed>& exercises) const {
    const QStringList header{QCoreApplication::translate("ExerciseProgress", "問題"),
                             QCoreApplication::translate("ExerciseProgress", "種類"),
                             QCoreApplication::translate("ExerciseProgress", "レベル"),
                             QCoreApplication::translate("ExerciseProgress", "解けた"),
                             QCoreApplication::translate("ExerciseProgress", "答え合わせの回数"),
                             QCoreApplication::translate("ExerciseProgress", "最短の時間（秒）"),
                             QCoreApplication::translate("ExerciseProgress", "初めて解けた日")};
    QByteArray out = "\xEF\xBB\xBF";
    QList<QByteArray> fields;
    for (const QString& name : header) {
        fields << Field(name);
    }
    out += fields.join(',') + "\r\n";
    for (const Listed& exercise : exercises) {
        const Record record = Get(exercise.id);
        out +=
            Field(exercise.id) + ',' + Field(exercise.kind) + ',' + Field(exercise.level) + ',' +
            (record.solved ? "1" : "0") + ',' + QByteArray::number(record.attempts) + ',' +
            (record.solved ? QByteArray::number(static_cast<double>(record.bestMs) / 1000.0, 'f', 1)
                           : QByteArray()) +
            ',' +
            (record.solved && record.solvedOn.isValid()
                 ? record.solvedOn.toString(Qt::ISODate).toLatin1()
                 : QByteArray()) +
            "\r\n";
    }
    return out;
}
