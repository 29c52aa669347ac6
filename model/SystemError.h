#pragma once

#include <QString>

// The system's reason for a failed file operation, in the user's language (Japanese
// unless a translation is installed), for the errors a save, load, import or export can
// meet; others are named by the system with their number.
class SystemError {
public:
    static QString Reason(int code);
};
