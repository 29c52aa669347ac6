#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// A short description of the computer, one text per question, in the forms the
// settings file records. Linux sources stand in for the Windows calls; each
// method gives "" when it cannot tell.
class CSystemInfo {
public:
    QString GetOSVersionString() const;
    QString GetOSVersionNumber() const;
    QString GetMemoryInfo() const;
    QString GetThisComputerName() const;
    QString GetCurrentUserName() const;
    QString GetWindowsFolder(QWidget* window) const;
    QString GetSystemFolder(QWidget* window) const;
    QString GetProgramFilesFolder(QWidget* window) const;
    QString GetProcessorInfo() const;
    // One "pid in hex,name" per process followed by one empty element; on failure
    // the single empty element and false.
    bool GetProcessList(QStringList& lines) const;

    // The pieces of the processor text, for a machine described by these numbers.
    static QString ProcessorText(int architecture, int processors, int type, int level,
                                 int revision);
    static QString MemoryText(int load, qint64 total, qint64 available);
};
