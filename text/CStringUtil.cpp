#include "CStringUtil.h"

int32_t CStringUtil::StringSprit(const QString& strExpression, const QString& strDelimiter,
                                 QList<QString>& strArray, int32_t lngCompare,
                                 int32_t lngDefaultMaxArray) const {
    return SplitString(strExpression, strDelimiter, strArray, lngCompare, lngDefaultMaxArray);
}

int32_t CStringUtil::SplitString(const QString& strExpression, const QString& strDelimiter,
                                 QList<QString>& strArray, int32_t lngCompare,
                                 int32_t lngDefaultMaxArray) const {
    if (strExpression.isEmpty()) {
        return 0;
    }
    if (strDelimiter.isEmpty()) {
        strArray = QList<QString>{strExpression};
        return 1;
    }
    // A step below 1 could never grow the array; treat it as 1.
    const qsizetype step = lngDefaultMaxArray < 1 ? 1 : lngDefaultMaxArray;
    const Qt::CaseSensitivity cs = lngCompare == 1 ? Qt::CaseInsensitive : Qt::CaseSensitive;

    // The array grows in steps of lngDefaultMaxArray places; places are filled in order,
    // so the steps are reserved capacity rather than empty texts made and dropped again.
    qsizetype highest = step;
    strArray.clear();
    strArray.reserve(highest + 1);
    qsizetype i = 0;
    qsizetype start = 0;
    for (;;) {
        if (i > highest) {
            highest += step;
            strArray.reserve(highest + 1);
        }
        const qsizetype p = strExpression.indexOf(strDelimiter, start, cs);
        if (p >= 0) {
            strArray.append(strExpression.mid(start, p - start));
            start = p + strDelimiter.size();
            ++i;
            continue;
        }
        strArray.append(i == 0 ? strExpression : strExpression.mid(start));
        break;
    }
    return static_cast<int32_t>(i + 1);
}
