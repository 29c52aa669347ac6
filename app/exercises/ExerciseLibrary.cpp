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
        const QString stem = QFileInfo(name).completeBaseName();
        // A built-in one is titled by its level and number in the user's language (its
        // comment says the same in Japanese); the user's own by the comment they gave it.
        bool numbered = false;
        const int number = stem.mid(3).toInt(&numbered);
        const QString title = !own && numbered
                                  ? QCoreApplication::translate("ExerciseLibrary", "%1 第%2問")
                                        .arg(LevelTable::Name(level))
                                        .arg(number)
                                  : (figure.Comment().isEmpty() ? stem : figure.Comment());
        out.push_back({own ? QStringLiteral("own/") + stem : stem, level, title, path, own});
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
    ListFolder(BuiltInFolder(folders), false, entries, figures);
    // Built-in ones by level (their names already sort so); the user's own after them.
    ListFolder(OwnFolder(folders), true, entries, figures);
    return entries;
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
