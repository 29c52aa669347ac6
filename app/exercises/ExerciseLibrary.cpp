#include "ExerciseLibrary.h"
#include "LevelTable.h"

#include "AppFolders.h"
#include "CZelkData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

void ListFolder(const QString& folder, bool own, std::vector<ExerciseLibrary::Entry>& out,
                std::vector<std::unique_ptr<CZelkData>>* figures) {
    QStringList names = QDir(folder).entryList({QStringLiteral("L*.zlk")}, QDir::Files);
    std::sort(names.begin(), names.end());
    for (const QString& name : names) {
        const int level = ExerciseLibrary::LevelOf(name);
        if (level == 0) {
            continue;
        }
        const QString path = folder + u'/' + name;
        auto read = std::make_unique<CZelkData>();
        CZelkData& figure = *read;
        if (!figure.Load(path) || figure.NumberOfLines() == 0) {
            continue;
        }
        const std::optional<ExerciseTask> task = ExerciseTask::Of(path);
        if (!task) {
            continue;
        }
        const QString stem = QFileInfo(name).completeBaseName();
        // A built-in one is titled by its kind, level and number in the user's language
        // (its comment says the same in Japanese); the user's own by the comment they gave
        // it. "L2-05" is a views exercise, "L2-R03" a turn.
        const QString letter = ExerciseTask::Letter(task->kind);
        bool numbered = false;
        const int number = stem.mid(3 + letter.size()).toInt(&numbered);
        numbered = numbered && stem.mid(3, letter.size()) == letter;
        QString title = own || !numbered ? (figure.Comment().isEmpty() ? stem : figure.Comment())
                        : task->kind == ExerciseTask::Kind::Views
                            ? QCoreApplication::translate("ExerciseLibrary", "%1 第%2問")
                                  .arg(LevelTable::Name(level))
                                  .arg(number)
                            : QCoreApplication::translate("ExerciseLibrary", "%1 %2 第%3問")
                                  .arg(ExerciseTask::Name(task->kind), LevelTable::Name(level))
                                  .arg(number);
        out.push_back({own ? QStringLiteral("own/") + stem : stem, level, title, path, own, *task});
        if (figures != nullptr) {
            figures->push_back(std::move(read));
        }
    }
}

} // namespace

QString ExerciseLibrary::BuiltInFolder(const AppFolders& folders) {
    return folders.Resources() + QStringLiteral("/exercises");
}

QString ExerciseLibrary::OwnFolder(const AppFolders& folders) {
    return folders.Data() + QStringLiteral("/exercises");
}

int ExerciseLibrary::LevelOf(const QString& fileName) {
    if (fileName.size() < 3 || fileName[0] != u'L' || fileName[2] != u'-') {
        return 0;
    }
    const int level = fileName[1].digitValue();
    return level >= 1 && level <= 5 ? level : 0;
}

std::vector<ExerciseLibrary::Entry>
ExerciseLibrary::List(const AppFolders& folders, std::vector<std::unique_ptr<CZelkData>>* figures) {
    std::vector<Entry> entries;
    std::vector<std::unique_ptr<CZelkData>> read;
    ListFolder(BuiltInFolder(folders), false, entries, &read);
    // Built-in ones by kind, then level (the names sort by level and number within a kind).
    std::vector<size_t> order(entries.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&entries](size_t a, size_t b) {
        return entries[a].task.kind < entries[b].task.kind;
    });
    std::vector<Entry> sorted;
    for (const size_t i : order) {
        sorted.push_back(std::move(entries[i]));
        if (figures != nullptr) {
            figures->push_back(std::move(read[i]));
        }
    }
    // The user's own after them.
    ListFolder(OwnFolder(folders), true, sorted, figures);
    return sorted;
}

QString ExerciseLibrary::Group(const Entry& entry) {
    if (entry.own) {
        return QCoreApplication::translate("ExerciseLibrary", "自分の問題");
    }
    return ExerciseTask::Name(entry.task.kind) + u' ' + LevelTable::Name(entry.level);
}

QString ExerciseLibrary::AddOwn(const CZelkData& figure, const QString& title, int level,
                                const AppFolders& folders, const QDateTime& now, QString& why) {
    const QString folder = OwnFolder(folders);
    if (!QDir().mkpath(folder)) {
        why = QCoreApplication::translate("ExerciseLibrary", "フォルダ %1 を作れません。")
                  .arg(folder);
        return {};
    }
    const QString stem =
        QStringLiteral("L%1-%2").arg(level).arg(now.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString path = folder + u'/' + stem + QStringLiteral(".zlk");
    // Two in the same second get a number.
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = folder + u'/' + stem + QStringLiteral("-%1.zlk").arg(n);
    }
    CZelkData copy;
    for (const CLine& line : figure.Lines()) {
        copy.AddLine(line);
    }
    copy.SetComment(title);
    const FileResult result = copy.Save(path);
    if (!result) {
        why = result.reason;
        return {};
    }
    return path;
}

QString ExerciseLibrary::AddOwn(const CZelkData& figure, int level, const AppFolders& folders,
                                const QDateTime& now, QString& why) {
    return AddOwn(figure, figure.Comment(), level, folders, now, why);
}
