#include "NumberText.h"

#include "CStringUtil.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                   1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

// 5^d for d decimals: a d-decimal binary fraction is an odd number times 5^d over 10^d.
constexpr uint32_t kFives[] = {1, 5, 25, 125, 625, 3125, 15625};

// 10^(e + 1) for e = -4 … 6: where each decade of the fixed-point form ends.
constexpr double kDecades[] = {1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};

// A whole number of magnitude below 10^7 (NaN is not): a conversion and a compare, where
// std::trunc is a library call without SSE4.1.
bool IsWholeBelowTenMillion(float value) {
    return std::fabs(value) < 1e7F && static_cast<float>(static_cast<int32_t>(value)) == value;
}

} // namespace

bool NumberText::ShortFraction(float value, uint32_t& digits, int& decimals) {
    const auto bits = std::bit_cast<uint32_t>(value);
    const auto exponent = static_cast<int>((bits >> 23) & 0xFF);
    if (exponent == 0 || exponent == 0xFF) {
        return false;
    }
    // value = mantissa * 2^(exponent - 150); with its trailing zeros gone, the power of
    // two below the point is the number of decimals its exact decimal text needs, and
    // the digits are the odd mantissa times 5 to that power (ending in 5: no zeros to trim).
    const uint32_t mantissa = (bits & 0x7FFFFFU) | 0x800000U;
    const int zeros = std::countr_zero(mantissa);
    decimals = 150 - exponent - zeros;
    if (decimals < 1 || decimals > 6) {
        return false;
    }
    const uint64_t exact = static_cast<uint64_t>(mantissa >> zeros) * uint64_t{kFives[decimals]};
    if (exact >= 10000000) {
        return false;
    }
    digits = static_cast<uint32_t>(exact); // at least 5^decimals: never below 1e-4
    return true;
}

// "%.7g" of a value whose form is fixed-point (1e-4 <= |value| < 1e7), by scaling it to
// seven whole digits. A product too near a rounding half is left to the general path,
// which rounds the exact binary value; so is a value that rounds up to a new decade.
bool NumberText::SevenDigits(double a, int64_t& digits, int& decimals) {
    if (!(a >= 1e-4 && a < 1e7)) {
        return false;
    }
    // 10^exponent <= a < 10^(exponent + 1): a first guess from the binary exponent
    // (77 / 256 ≈ log10(2), rounded down), then at most a step either way. Plain integer
    // and compare steps: this runs for every number of every save.
    const int binary = static_cast<int>((std::bit_cast<uint64_t>(a) >> 52) & 0x7FF) - 1023;
    int exponent = std::clamp((binary * 77) >> 8, -4, 6);
    while (exponent > -4 && a < kDecades[exponent + 3]) {
        --exponent;
    }
    while (exponent < 6 && a >= kDecades[exponent + 4]) {
        ++exponent;
    }
    decimals = 6 - exponent;
    const double scaled = a * kPowersOfTen[decimals];
    const auto below = static_cast<int64_t>(scaled); // positive: truncation is the floor
    const double fraction = scaled - static_cast<double>(below);
    if (std::fabs(fraction - 0.5) < 1e-6) {
        return false;
    }
    digits = fraction < 0.5 ? below : below + 1;
    return digits >= 1000000 && digits < 10000000;
}

int NumberText::ShortDecimal(float value, char* buffer) {
    const double a = std::fabs(static_cast<double>(value));
    if (!(a < 1e4)) {
        return 0;
    }
    // Exact: a float's 24 bits times the 10 of 1000 fit a double.
    const double scaled = a * 1000.0;
    const auto thousandths = static_cast<uint32_t>(static_cast<int64_t>(scaled + 0.5));
    if (thousandths == 0) {
        return 0;
    }
    // "%.7g" rounds a at its seventh digit, 10^(e - 6) for 10^e <= a < 10^(e + 1);
    // thousandths is that rounding (with zeros after it) when a lies less than half such
    // a unit from it: below 0.5 * 10^(e - 3) thousandths. 0.4 keeps well away from a
    // rounding half. The decade is counted by compares, without branches.
    static constexpr double kNear[] = {4e-8, 4e-7, 4e-6, 4e-5, 4e-4, 4e-3, 4e-2, 4e-1};
    const int decade = int(a >= 1e-3) + int(a >= 1e-2) + int(a >= 1e-1) + int(a >= 1.0) +
                       int(a >= 1e1) + int(a >= 1e2) + int(a >= 1e3);
    if (!(std::fabs(scaled - static_cast<double>(thousandths)) < kNear[decade])) {
        return 0;
    }
    int n = 0;
    if (value < 0) {
        buffer[n++] = '-';
    }
    n = static_cast<int>(std::to_chars(buffer + n, buffer + kMaxChars, thousandths / 1000).ptr -
                         buffer);
    const uint32_t fraction = thousandths % 1000;
    if (fraction != 0) {
        buffer[n++] = '.';
        buffer[n++] = static_cast<char>('0' + fraction / 100);
        if (fraction % 100 != 0) {
            buffer[n++] = static_cast<char>('0' + fraction / 10 % 10);
            if (fraction % 10 != 0) {
                buffer[n++] = static_cast<char>('0' + fraction % 10);
            }
        }
    }
    return n;
}

int NumberText::FixedForm(float value, char* buffer) {
    int64_t digits = 0;
    int decimals = 0;
    if (!SevenDigits(std::fabs(static_cast<double>(value)), digits, decimals)) {
        return 0;
    }
    // Two digits at a time: three divisions instead of seven.
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324"
                                     "25262728293031323334353637383940414243444546474849"
                                     "50515253545556575859606162636465666768697071727374"
                                     "75767778798081828384858687888990919293949596979899";
    char text[8];
    auto rest = static_cast<uint32_t>(digits);
    for (int i = 5; i >= 1; i -= 2) {
        const uint32_t pair = rest % 100;
        rest /= 100;
        text[i] = kPairs[pair * 2];
        text[i + 1] = kPairs[pair * 2 + 1];
    }
    text[0] = static_cast<char>('0' + rest);
    // Seven digits, of which the last `decimals` follow the point (with leading zeros
    // before them when the value is below one); trailing zeros go.
    int last = 6;
    while (decimals > 0 && last > 6 - decimals && text[last] == '0') {
        --last;
    }
    int n = 0;
    if (value < 0) {
        buffer[n++] = '-';
    }
    const int wholeDigits = 7 - decimals;
    if (wholeDigits <= 0) {
        buffer[n++] = '0';
        buffer[n++] = '.';
        for (int i = 0; i < -wholeDigits; ++i) {
            buffer[n++] = '0';
        }
        for (int i = 0; i <= last; ++i) {
            buffer[n++] = text[i];
        }
        return n;
    }
    for (int i = 0; i < wholeDigits; ++i) {
        buffer[n++] = text[i];
    }
    if (last >= wholeDigits) {
        buffer[n++] = '.';
        for (int i = wholeDigits; i <= last; ++i) {
            buffer[n++] = text[i];
        }
    }
    return n;
}

int NumberText::FromSingle(float value, char* buffer) {
    if (value == 0.0F) {
        buffer[0] = '0';
        return 1;
    }
    // Whole millimetres, the common case: "%.7g" writes them as plain integers.
    if (IsWholeBelowTenMillion(value)) {
        const auto [end, ec] = std::to_chars(buffer, buffer + kMaxChars, static_cast<long>(value));
        return ec == std::errc() ? static_cast<int>(end - buffer) : 0;
    }
    uint32_t digits = 0;
    int decimals = 0;
    if (ShortFraction(value, digits, decimals)) {
        // Whole part, point, then the decimals right to left with their leading zeros:
        // no copies of variable length, which cost a library call each.
        static constexpr uint32_t kScales[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
        int n = 0;
        if (value < 0) {
            buffer[n++] = '-';
        }
        n = static_cast<int>(
            std::to_chars(buffer + n, buffer + kMaxChars, digits / kScales[decimals]).ptr - buffer);
        buffer[n++] = '.';
        uint32_t fraction = digits % kScales[decimals];
        for (int i = decimals - 1; i >= 0; --i) {
            buffer[n + i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        return n + decimals;
    }
    if (const int n = ShortDecimal(value, buffer); n > 0) {
        return n;
    }
    if (const int n = FixedForm(value, buffer); n > 0) {
        return n;
    }
    // The "%.7g" form, written without the locale and without a slow bignum path.
    const auto [end, ec] = std::to_chars(buffer, buffer + kMaxChars, static_cast<double>(value),
                                         std::chars_format::general, 7);
    return ec == std::errc() ? static_cast<int>(end - buffer) : 0;
}

QString NumberText::FromSingle(float value) {
    char buffer[kMaxChars];
    return QString::fromLatin1(buffer, FromSingle(value, buffer));
}

bool NumberText::ToSingle(const char* begin, const char* end, float& value) {
    while (begin < end && (*begin == ' ' || *begin == '\t')) {
        ++begin;
    }
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t')) {
        --end;
    }
    if (begin < end && *begin == '+') {
        ++begin;
        if (begin < end && (*begin == '-' || *begin == '+')) {
            return false;
        }
    }
    if (begin == end) {
        return false;
    }
    // std::from_chars is exact and, measured on whole numbers, binary fractions and
    // typed decimals alike, as fast as any special path of our own.
    float parsed = 0.0F;
    const auto [ptr, ec] = std::from_chars(begin, end, parsed, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

bool NumberText::ToCanonicalSingle(const char* begin, const char* end, float& value) {
    if (!ToSingle(begin, end, value)) {
        return false;
    }
    // The value nearest a decimal t of seven significant digits is canonical: "%.7g" of it
    // is the seven-digit decimal nearest it, t itself where decimals are coarser than
    // floats, and otherwise one within half a float step, which reads back as the value.
    // A text of seven characters has no more digits than that.
    if (end - begin <= 7) {
        value += 0.0F;
        return true;
    }
    int significant = 0;
    bool leading = true;
    for (const char* p = begin; p < end; ++p) {
        const char c = *p;
        if (c >= '0' && c <= '9') {
            leading = leading && c == '0';
            significant += leading ? 0 : 1;
        } else if (c != '.' && c != '-' && c != '+' && c != ' ' && c != '\t') {
            // An exponent: its digits are not the number's; the long way.
            significant = 8;
            break;
        }
    }
    value = significant <= 7 ? value + 0.0F : Canonical(value);
    return true;
}

float NumberText::Canonical(float value) {
    uint32_t digits = 0;
    int decimals = 0;
    // Its text is exact, so it reads back as itself.
    if (IsWholeBelowTenMillion(value) || ShortFraction(value, digits, decimals)) {
        return value + 0.0F;
    }
    // The fixed-point range, the usual case: the value of the seven digits is computed
    // from them (digits / 10^decimals is exact before the last rounding), not by writing
    // and reading a text. A result on a float's rounding half, or a value outside the
    // range, takes the text way below.
    for (int round = 0; round < 4; ++round) {
        int64_t seven = 0;
        if (!SevenDigits(std::fabs(static_cast<double>(value)), seven, decimals)) {
            return CanonicalByText(value);
        }
        const double exact = static_cast<double>(seven) / kPowersOfTen[decimals];
        const auto rounded = static_cast<float>(exact);
        if (static_cast<double>(rounded) != exact) {
            const float other = std::nextafter(rounded, exact > rounded ? 1e30F : -1e30F);
            if ((static_cast<double>(rounded) + static_cast<double>(other)) / 2 == exact) {
                return CanonicalByText(value);
            }
        }
        const float back = value < 0 ? -rounded : rounded;
        if (back == value) {
            break;
        }
        value = back;
    }
    return value + 0.0F;
}

float NumberText::CanonicalByText(float value) {
    // A few rounds reach the fixed point even where seven digits are finer than a float.
    for (int round = 0; round < 4; ++round) {
        char buffer[kMaxChars];
        const int n = FromSingle(value, buffer);
        float back = 0.0F;
        if (n == 0 || !ToSingle(buffer, buffer + n, back) || back == value) {
            break;
        }
        value = back;
    }
    return value + 0.0F;
}

int32_t NumberText::RoundHalfEven(float value) {
    const double rounded = std::nearbyint(static_cast<double>(value));
    return static_cast<int32_t>(std::clamp(rounded, -2147483648.0, 2147483647.0));
}

bool NumberText::ToSingles(const QString& text, float* values, int count) {
    QList<QString> parts;
    if (CStringUtil().StringSprit(text, QStringLiteral(","), parts, 0, 255) != count) {
        return false;
    }
    float read[16];
    if (count > 16) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (!ToSingle(parts[i], read[i])) {
            return false;
        }
    }
    std::copy(read, read + count, values);
    return true;
}

bool NumberText::ToSingle(QStringView text, float& value) {
    // Numbers are plain ASCII; anything else cannot be a number.
    char buffer[64];
    if (text.size() > static_cast<qsizetype>(sizeof(buffer))) {
        const QByteArray bytes = text.toLatin1();
        return ToSingle(bytes.constData(), bytes.constData() + bytes.size(), value);
    }
    qsizetype n = 0;
    for (const QChar c : text) {
        if (c.unicode() > 0x7F) {
            return false;
        }
        buffer[n++] = static_cast<char>(c.unicode());
    }
    return ToSingle(buffer, buffer + n, value);
}
