#pragma once

#include <QList>
#include <QString>
#include <cstdint>

// Cuts a text at every occurrence of a delimiter. The only parser of the
// comma-separated texts that carry lines, pointers and extents.
class CStringUtil {
public:
    // Returns the number of pieces. An empty text returns 0 and leaves strArray
    // exactly as it was. lngCompare: 0 = case-sensitive, 1 = case-insensitive.
    int32_t StringSprit(const QString& strExpression, const QString& strDelimiter,
                        QList<QString>& strArray, int32_t lngCompare = 0,
                        int32_t lngDefaultMaxArray = 255) const;

private:
    int32_t SplitString(const QString& strExpression, const QString& strDelimiter,
                        QList<QString>& strArray, int32_t lngCompare,
                        int32_t lngDefaultMaxArray) const;
};
