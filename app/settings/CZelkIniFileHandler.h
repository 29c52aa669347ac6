#pragma once

#include "AppContext.h"

#include <QString>
#include <QStringList>
#include <functional>

// The settings file "ZelkWin33.ini" beside the program: five values and the recent-file
// list carried from one run to the next, and below them a report on the computer that
// is never read back. Written in UTF-8 (paths may hold any character); read in UTF-8
// or Shift-JIS.
class CZelkIniFileHandler {
public:
    explicit CZelkIniFileHandler(AppContext& context) : context_(context) {}

    // Applies the file to the settings; nothing when there is no file. Lines it cannot
    // use are ignored.
    void ReadSetting();
    // Rewrites the whole file; false when it could not be written (the earlier file
    // then stays as it was).
    bool WriteSetting();

    QString FilePath() const;
    // The language a settings file keeps ("ja" without a file or a choice): what the
    // command line speaks.
    static QString KeptLanguage(const QString& settingsFile);
    // The system's reason for the last failed WriteSetting.
    QString LastError() const { return lastError_; }
    // The lines WriteSetting writes.
    QStringList Lines() const;

private:
    // Each line of a settings file with the section it stands in.
    static void ForEachLine(const QString& path,
                            const std::function<void(const QString&, const QString&)>& apply);
    // One line of the file, in the given section, applied to the settings.
    void ApplyLine(const QString& section, const QString& line);
    // No settings file is this large; anything bigger is not one.
    static constexpr qint64 kSizeLimit = 16LL * 1024 * 1024;
    bool IniFileExists() const;
    AppContext& context_;
    QString lastError_;
};
