#include "CZelkInitialData_zelk01.h"

namespace {
const char* const kLines[CZelkInitialData_zelk01::kLineCount] = {
    "0,0,0,80,0,0",     "80,0,0,80,40,0",   "80,40,0,40,40,0",   "40,40,0,0,80,0",
    "0,80,0,0,0,0",     "0,0,0,0,0,40",     "0,0,40,0,80,40",    "0,80,40,0,80,0",
    "0,80,40,40,40,40", "40,40,40,40,40,0", "40,40,40,80,40,40", "80,40,40,80,0,40",
    "80,0,40,0,0,40",   "80,0,40,80,0,0",   "80,40,0,80,40,40",
};
} // namespace

QString CZelkInitialData_zelk01::GetLine(int16_t index) const {
    if (index < 1 || index > kLineCount) {
        return QString();
    }
    return QString::fromLatin1(kLines[index - 1]);
}

bool CZelkInitialData_zelk01::OverWriteLine(int16_t /*index*/, const QString& /*NewValue*/) {
    return false;
}

QString CZelkInitialData_zelk01::Comment() const {
    return QStringLiteral("立体ゼルク　デフォルト図形データ");
}

void CZelkInitialData_zelk01::SetComment(const QString& /*NewValue*/) {}

void CZelkInitialData_zelk01::Reset() {
    cursor_ = 1;
}

bool CZelkInitialData_zelk01::HasMore() const {
    return cursor_ <= kLineCount;
}

QString CZelkInitialData_zelk01::More() {
    if (!HasMore()) {
        return QString();
    }
    return GetLine(static_cast<int16_t>(cursor_++));
}
