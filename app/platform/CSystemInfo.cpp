#include "CSystemInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSysInfo>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

QString ReadProcFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    return QString::fromLocal8Bit(file.readAll());
}

// The value of "key : value" in /proc/cpuinfo (first processor), or -1.
int CpuInfoNumber(const QString& cpuinfo, const QString& key) {
    const QRegularExpression re(QStringLiteral("^") + QRegularExpression::escape(key) +
                                    QStringLiteral("\\s*:\\s*(\\d+)"),
                                QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(cpuinfo);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString ExistingFolder(const QString& path) {
    return QFileInfo(path).isDir() ? path : QString();
}

} // namespace

// The system's name from uname stands for the Windows family.
QString CSystemInfo::GetOSVersionString() const {
    utsname name{};
    if (uname(&name) != 0) {
        return QString();
    }
    return QString::fromLocal8Bit(name.sysname);
}

// The kernel release "major.minor.patch" in the form major.minor (build).
QString CSystemInfo::GetOSVersionNumber() const {
    utsname name{};
    if (uname(&name) != 0) {
        return QString();
    }
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"))
            .match(QString::fromLocal8Bit(name.release));
    if (!m.hasMatch()) {
        return QString();
    }
    const int build = m.captured(3).toInt() & 0xFFFF;
    return QStringLiteral("%1.%2 (%3)").arg(m.captured(1), m.captured(2)).arg(build);
}

QString CSystemInfo::MemoryText(int load, qint64 total, qint64 available) {
    const QLocale locale;
    return QStringLiteral("MemoryLoad=%1[%],TotalPhysicalMemory=%2[byte],"
                          "AvailablePhysicalMemory=%3[byte]")
        .arg(load)
        .arg(locale.toString(total), locale.toString(available));
}

// /proc/meminfo: MemTotal and MemAvailable; the load is the share in use.
QString CSystemInfo::GetMemoryInfo() const {
    const QString meminfo = ReadProcFile(QStringLiteral("/proc/meminfo"));
    auto kib = [&meminfo](const char* key) -> qint64 {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^%1:\\s*(\\d+)").arg(QLatin1String(key)),
                               QRegularExpression::MultilineOption)
                .match(meminfo);
        return m.hasMatch() ? m.captured(1).toLongLong() : -1;
    };
    const qint64 total = kib("MemTotal");
    const qint64 available = kib("MemAvailable");
    if (total <= 0 || available < 0) {
        return QString();
    }
    const int load = static_cast<int>((total - available) * 100 / total);
    return MemoryText(load, total * 1024, available * 1024);
}

QString CSystemInfo::GetThisComputerName() const {
    return QSysInfo::machineHostName();
}

QString CSystemInfo::GetCurrentUserName() const {
    if (const passwd* entry = getpwuid(geteuid())) {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return QString();
}

// The operating system's own files.
QString CSystemInfo::GetWindowsFolder(QWidget* /*window*/) const {
    return ExistingFolder(QStringLiteral("/usr"));
}

// The shared system libraries.
QString CSystemInfo::GetSystemFolder(QWidget* /*window*/) const {
    return ExistingFolder(QStringLiteral("/usr/lib"));
}

// Where add-on programs are installed.
QString CSystemInfo::GetProgramFilesFolder(QWidget* /*window*/) const {
    return ExistingFolder(QStringLiteral("/opt"));
}

QString CSystemInfo::ProcessorText(int architecture, int processors, int type, int level,
                                   int revision) {
    QString text = QStringLiteral("Architecture=");
    text += architecture == 0 ? QStringLiteral("INTEL,")
                              : QStringLiteral("Unknown( %1 ),").arg(architecture);
    text += QStringLiteral("NumberOfProcessors=%1,").arg(processors);
    text += QStringLiteral("Type ");
    switch (type) {
    case 386:
        text += QStringLiteral("386,");
        break;
    case 486:
        text += QStringLiteral("486,");
        break;
    case 586:
        text += QStringLiteral("Pentium,");
        break;
    default:
        text += QStringLiteral("Unknown( %1 ),").arg(type);
        break;
    }
    text += QStringLiteral("Level ");
    switch (level) {
    case 3:
        text += QStringLiteral("80386,");
        break;
    case 4:
        text += QStringLiteral("80486,");
        break;
    case 5:
        text += QStringLiteral("Pentium,");
        break;
    case 6:
        text += QStringLiteral("Pentium Pro/Pentium II,");
        break;
    default:
        text += QStringLiteral("Unknown( %1 ),").arg(level);
        break;
    }
    text += QStringLiteral("Revision ") + QString::number(revision, 16).toUpper();
    return text;
}

// The Windows codes for this machine: architecture (0 x86, 9 x86-64, 5 ARM, 12 ARM64),
// processor type (586 for x86, 8664 for x86-64), level = CPU family, revision =
// model << 8 | stepping, all from uname and /proc/cpuinfo.
QString CSystemInfo::GetProcessorInfo() const {
    const QString arch = QSysInfo::currentCpuArchitecture();
    int architecture = 0xFFFF;
    int type = 0;
    if (arch == QLatin1String("i386")) {
        architecture = 0;
        type = 586;
    } else if (arch == QLatin1String("x86_64")) {
        architecture = 9;
        type = 8664;
    } else if (arch.startsWith(QLatin1String("arm64"))) {
        architecture = 12;
    } else if (arch.startsWith(QLatin1String("arm"))) {
        architecture = 5;
    }
    const QString cpuinfo = ReadProcFile(QStringLiteral("/proc/cpuinfo"));
    const int family = CpuInfoNumber(cpuinfo, QStringLiteral("cpu family"));
    const int model = CpuInfoNumber(cpuinfo, QStringLiteral("model"));
    const int stepping = CpuInfoNumber(cpuinfo, QStringLiteral("stepping"));
    const long processors = sysconf(_SC_NPROCESSORS_ONLN);
    const int revision =
        model >= 0 && stepping >= 0 ? ((model & 0xFF) << 8) | (stepping & 0xFF) : 0;
    return ProcessorText(architecture, static_cast<int>(processors > 0 ? processors : 0), type,
                         family, revision);
}

// The processes of /proc, in the order the folder lists them.
bool CSystemInfo::GetProcessList(QStringList& lines) const {
    lines = QStringList{QString()};
    const QDir proc(QStringLiteral("/proc"));
    if (!proc.exists()) {
        return false;
    }
    QStringList found;
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort)) {
        bool isPid = false;
        const qulonglong pid = entry.toULongLong(&isPid);
        if (!isPid) {
            continue;
        }
        const QString name = ReadProcFile(QStringLiteral("/proc/%1/comm").arg(entry)).trimmed();
        if (name.isEmpty()) {
            continue; // the process ended while the list was made
        }
        found << QString::number(pid, 16).toUpper() + u',' + name;
    }
    if (found.isEmpty()) {
        return false;
    }
    found << QString();
    lines = found;
    return true;
}
