#pragma once

#include <QString>

// The one place that decides where the program's files are. A program folder that holds
// its own read-only data and may be written (the build folder, a portable unpack) keeps
// everything beside the program: data/ and ZelkWin33.ini. An installed program (its data
// in ../share/zelk, or a folder nobody may write) keeps the same layout in the user's
// folders: the settings in $XDG_CONFIG_HOME/zelk, data/ in $XDG_DATA_HOME/zelk.
class AppFolders {
public:
    AppFolders() = default;
    // Everything beside the program, as the portable layout has it.
    explicit AppFolders(const QString& programFolder);
    // Decides the layout for a program in this folder.
    static AppFolders ForProgram(const QString& programFolder);

    // The folder holding the program, without a trailing "/".
    QString Program() const { return program_; }
    // Read-only data: pic/, sound/, help/.
    QString Resources() const { return resources_; }
    QString Pictures() const { return resources_ + QStringLiteral("/pic"); }
    QString Sounds() const { return resources_ + QStringLiteral("/sound"); }
    QString Help() const { return resources_ + QStringLiteral("/help/ZW33.html"); }
    // Figures, autosave.zlk, zelk01.zlk, DataHistory/ and the lock.
    QString Data() const { return data_; }
    QString SettingsFile() const { return settings_; }
    // True when the data and settings are beside the program.
    bool Portable() const { return portable_; }

private:
    QString program_;
    QString resources_;
    QString data_;
    QString settings_;
    bool portable_ = true;
};
