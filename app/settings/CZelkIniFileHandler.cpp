#include "CZelkIniFileHandler.h"

#include "CAppData.h"
#include "CSystemInfo.h"
#include "Clock.h"
#include "SafeFile.h"
#include "TextEncoding.h"
#include "UserDialogs.h"

#include <QFileInfo>

namespace {

// "True", "False" (any case) or a number (non-zero is true); anything else is not a Boolean.
bool ToBoolean(const QString& text, bool& value) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        value = true;
        return true;
    }
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        value = false;
        return true;
    }
    bool isNumber = false;
    const double number = t.toDouble(&isNumber);
    if (isNumber) {
        value = number != 0.0;
    }
    return isNumber;
}

// A value never breaks its line: a line break would start a line of its own, which the
// next start would read as a setting.
QString OneLine(QString value) {
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

// A setting counts in its own section, or before any section (a hand-written file).
bool InSection(const QString& current, const char* own) {
    return current.isEmpty() || current == QLatin1String(own);
}

bool HasLineBreak(const QString& value) {
    return value.contains(u'\r') || value.contains(u'\n');
}

// A number as the formatted print writes it: a blank for the sign, a blank after.
QString PrintNumber(int value) {
    return (value >= 0 ? QStringLiteral(" ") : QString()) + QString::number(value) + u' ';
}

} // namespace

QString CZelkIniFileHandler::FilePath() const {
    return context_.Folders().SettingsFile();
}

bool CZelkIniFileHandler::IniFileExists() const {
    return QFileInfo(FilePath()).isFile();
}

void CZelkIniFileHandler::ForEachLine(
    const QString& path, const std::function<void(const QString&, const QString&)>& apply) {
    QByteArray bytes;
    QString why;
    if (!QFileInfo(path).isFile() ||
        SafeFile::Read(path, kSizeLimit, bytes, why) != SafeFile::ReadResult::Ok) {
        return;
    }
    const QString text = TextEncoding::FromUtf8OrCp932(bytes.constData(), bytes.size());
    QString section;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.startsWith(u'[')) {
            section = line;
            continue;
        }
        apply(section, line);
    }
}

void CZelkIniFileHandler::ReadSetting() {
    ForEachLine(FilePath(),
                [this](const QString& section, const QString& line) { ApplyLine(section, line); });
}

QString CZelkIniFileHandler::KeptLanguage(const QString& settingsFile) {
    QString language = QStringLiteral("ja");
    const QString key = QStringLiteral("Language=");
    ForEachLine(settingsFile, [&](const QString& section, const QString& line) {
        if (line.startsWith(key) && InSection(section, "[Language]")) {
            language = line.mid(key.size()) == QLatin1String("en") ? QStringLiteral("en")
                                                                   : QStringLiteral("ja");
        }
    });
    return language;
}

// Each setting is taken from its own section only, so that nothing in the machine
// report (a process name, a folder) can pose as a setting.
void CZelkIniFileHandler::ApplyLine(const QString& section, const QString& line) {
    CAppData& app = *context_.appData;
    auto valueAfter = [&line](const QString& prefix) { return line.mid(prefix.size()); };
    const QString pinned = QStringLiteral("DataFolderPathFixed=");
    const QString folder = QStringLiteral("DataFolderPath=");
    const QString difficulty = QStringLiteral("Difficulty=");
    const QString size = QStringLiteral("FormSize=");
    const QString history = QStringLiteral("History");
    const QString language = QStringLiteral("Language=");
    if (line.startsWith(language)) {
        if (InSection(section, "[Language]")) {
            app.SetLanguage(valueAfter(language) == QLatin1String("en") ? QStringLiteral("en")
                                                                        : QStringLiteral("ja"));
        }
    } else if (line.startsWith(pinned)) {
        bool value = false;
        if (InSection(section, "[DataFolderPathFixed]") && ToBoolean(valueAfter(pinned), value)) {
            app.SetDataPathFixed(value);
        }
    } else if (line.startsWith(folder)) {
        if (!InSection(section, "[DataFolderPath]")) {
            return;
        }
        // A pinned folder is restored by unpinning it for the moment.
        if (app.DataPathFixed()) {
            app.SetDataPathFixed(false);
            app.SetDataPath(valueAfter(folder));
            app.SetDataPathFixed(true);
        } else {
            app.SetDataPath(valueAfter(folder));
        }
    } else if (line.startsWith(difficulty)) {
        if (InSection(section, "[Difficulty]")) {
            app.SetDifficulty(valueAfter(difficulty));
        }
    } else if (line.startsWith(size)) {
        if (InSection(section, "[FromSize]")) {
            app.SetFormSize(valueAfter(size));
        }
    } else if (line.startsWith(history)) {
        const QChar place = line.size() > history.size() ? line[history.size()] : QChar();
        if (InSection(section, "[History]") && place >= u'0' && place <= u'9') {
            app.SetHistory(static_cast<int16_t>(place.digitValue()), line.mid(history.size() + 2));
        }
    }
}

QStringList CZelkIniFileHandler::Lines() const {
    const CAppData& app = *context_.appData;
    const QDateTime now = context_.clock->Now();
    const QLocale locale = context_.clock->Locale();
    QStringList lines;
    lines << QStringLiteral("[Version]") << QStringLiteral("Version=") + UserDialogs::ProgramTitle()
          << QStringLiteral("[Last]")
          << QStringLiteral("Last=") + locale.toString(now.date(), QLocale::ShortFormat) + u' ' +
                 locale.toString(now.time(), QLocale::LongFormat)
          << QString() << QStringLiteral("[DataFolderPathFixed]")
          << QStringLiteral("DataFolderPathFixed=") +
                 (app.DataPathFixed() ? QStringLiteral("True") : QStringLiteral("False"))
          << QStringLiteral("[DataFolderPath]")
          // A folder that cannot stand on one line is not stored (it would point
          // elsewhere): the program's own data folder takes its place.
          << QStringLiteral("DataFolderPath=") +
                 (HasLineBreak(app.DataPath()) ? context_.Folders().Data() : app.DataPath())
          << QString() << QStringLiteral("[Difficulty]")
          << QStringLiteral("Difficulty=") + app.Difficulty() << QString()
          << QStringLiteral("[FromSize]") << QStringLiteral("FormSize=") + app.FormSize()
          << QString();
    // A section of its own, written only for a language other than Japanese: the files
    // of Japanese users stay as they were, and older programs pass over it.
    if (app.Language() != QLatin1String("ja")) {
        lines << QStringLiteral("[Language]") << QStringLiteral("Language=") + app.Language()
              << QString();
    }
    lines << QStringLiteral("[History]");
    for (int16_t i = 0; i < app.FileNameHistoryNum(); ++i) {
        if (!app.GetHistory(i).isEmpty() && !HasLineBreak(app.GetHistory(i))) {
            lines << QStringLiteral("History%1=").arg(i) + app.GetHistory(i);
        }
    }
    lines << QString() << QStringLiteral("[Miscellaneous]") << QString();

    // The report's folder questions take a window on Windows; here they need none.
    QWidget* const window = nullptr;
    const auto section = [&lines](const char* name, const char* key, const QString& value) {
        lines << QStringLiteral("[%1]").arg(QLatin1String(name))
              << QLatin1String(key) + QStringLiteral("=") + OneLine(value);
    };
    section("WindowsType", "WindowsType", CSystemInfo().GetOSVersionString());
    section("WindowsVersion", "WindowsVersion", CSystemInfo().GetOSVersionNumber());
    section("Processor", "Processor", CSystemInfo().GetProcessorInfo());
    section("MemoryInfo", "MemoryInof", CSystemInfo().GetMemoryInfo());
    section("WindowsFolder", "WindowsFolder", CSystemInfo().GetWindowsFolder(window));
    section("SystemFolder", "SystemFolder", CSystemInfo().GetSystemFolder(window));
    section("ProgramFilesFolder", "ProgramFilesFolder",
            CSystemInfo().GetProgramFilesFolder(window));
    section("ZelkPath", "ZelkPath", context_.programFolder);
    section("ComputerName", "ComputerName", CSystemInfo().GetThisComputerName());
    section("UserName", "UserName", CSystemInfo().GetCurrentUserName());
    lines << QStringLiteral("[Processes]");
    QStringList processes;
    if (CSystemInfo().GetProcessList(processes)) {
        for (int i = 0; i < processes.size() - 1; ++i) {
            lines << QStringLiteral("Process(") + PrintNumber(i) + QStringLiteral(")=") +
                         OneLine(processes[i]);
        }
    }
    return lines;
}

bool CZelkIniFileHandler::WriteSetting() {
    const QByteArray bytes = Lines().join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    QString why;
    if (!SafeFile::Write(FilePath(), bytes, why)) {
        lastError_ = why;
        return false;
    }
    return true;
}
