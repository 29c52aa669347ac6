#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// The number form shared by line texts, point texts and figure files: the general
// decimal text of a single-precision value with "." as decimal separator, whatever
// the user's locale, so that files and texts mean the same number everywhere.
class NumberText {
public:
    // At most 7 significant digits, no trailing zeros, whole numbers without a
    // decimal point; -0 is written "0".
    static QString FromSingle(float value);
    // The same text written into buffer (at least kMaxChars long); returns its length.
    static int FromSingle(float value, char* buffer);
    static constexpr int kMaxChars = 24;

    // Blanks around the number are allowed, as is a leading "+". Refuses empty
    // texts, trailing garbage, and values that are not finite single-precision numbers.
    static bool ToSingle(QStringView text, float& value);
    static bool ToSingle(const char* begin, const char* end, float& value);
    // A text of exactly count numbers joined by "," (a point or a line text) into values;
    // false, with values untouched, for any other text.
    static bool ToSingles(const QString& text, float* values, int count);
    // The value whose text (FromSingle) reads back as itself: what a file keeps of value.
    static float Canonical(float value);
    // ToSingle, then Canonical: a plain decimal of at most seven significant digits (what
    // files and typing hold) reads as its canonical value already, without the round trip.
    static bool ToCanonicalSingle(const char* begin, const char* end, float& value);
    // The nearest whole number, halves to the even neighbour, kept inside 32 bits.
    static int32_t RoundHalfEven(float value);

private:
    // A value that is a whole number of halves, quarters, … up to 64ths (a short binary
    // fraction) and has at most seven digits is written exactly: digits / 10^decimals.
    static bool ShortFraction(float value, uint32_t& digits, int& decimals);
    static int FixedForm(float value, char* buffer);
    // A value within a hair of a decimal of at most three places (12.6, 0.35, 1234.125),
    // as people type and models carry them, written as that decimal; 0 for any other.
    static int ShortDecimal(float value, char* buffer);
    // The seven significant digits of a (1e-4 <= a < 1e7) as a whole number, and how many
    // of them follow the point; false outside that range or too near a rounding half.
    static bool SevenDigits(double a, int64_t& digits, int& decimals);
    static float CanonicalByText(float value);
};
