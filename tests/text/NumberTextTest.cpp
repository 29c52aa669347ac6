#include "NumberText.h"

#include "TestPrinters.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(NumberText, GeneralFormWithSevenSignificantDigits) {
    EXPECT_EQ(NumberText::FromSingle(80.0F), QStringLiteral("80"));
    EXPECT_EQ(NumberText::FromSingle(12.5F), QStringLiteral("12.5"));
    EXPECT_EQ(NumberText::FromSingle(1.0F / 3.0F), QStringLiteral("0.3333333"));
    EXPECT_EQ(NumberText::FromSingle(-0.0F), QStringLiteral("0"));
    EXPECT_EQ(NumberText::FromSingle(-20.25F), QStringLiteral("-20.25"));
    EXPECT_EQ(NumberText::FromSingle(0.1F), QStringLiteral("0.1"));
    EXPECT_EQ(NumberText::FromSingle(1234.567F), QStringLiteral("1234.567"));
}

TEST(NumberText, AgreesWithTheGeneralFormatForManyValues) {
    // The fast writer must say exactly what the C library's "%.7g" says.
    uint32_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1664525U + 1013904223U;
        const float magnitude = std::pow(10.0F, float(int(state % 16) - 6));
        const float value = (float(state >> 8) / float(1U << 24) - 0.5F) * magnitude;
        char text[64];
        std::snprintf(text, sizeof text, "%.7g", double(value));
        const QString expected = value == 0.0F ? QStringLiteral("0") : QString::fromLatin1(text);
        ASSERT_EQ(NumberText::FromSingle(value), expected) << double(value);
    }
    // Every bit pattern class: short decimals as people type them, and arbitrary floats
    // (whose seven-digit products can land within a hair of a rounding half).
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525U + 1013904223U;
        float value = 0;
        if (i % 2 == 0) {
            const int decimals = int(state % 8);
            value = float(int(state >> 12) % 2000000 - 1000000) / std::pow(10.0F, float(decimals));
        } else {
            uint32_t bits = state;
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value)) {
                continue;
            }
        }
        char text[64];
        std::snprintf(text, sizeof text, "%.7g", double(value));
        const QString expected = value == 0.0F ? QStringLiteral("0") : QString::fromLatin1(text);
        ASSERT_EQ(NumberText::FromSingle(value), expected) << double(value);
    }
    for (const float value : {0.00012345F, 0.0001F, 9999999.5F, 999999.95F, 0.99999995F, 1.5F,
                              2.675F, 0.3F, 123456.75F, 0.00099999995F}) {
        char text[64];
        std::snprintf(text, sizeof text, "%.7g", double(value));
        EXPECT_EQ(NumberText::FromSingle(value), QString::fromLatin1(text)) << double(value);
    }
    EXPECT_EQ(NumberText::FromSingle(12345678.0F), QStringLiteral("1.234568e+07"));
    EXPECT_EQ(NumberText::FromSingle(9999999.0F), QStringLiteral("9999999"));
    EXPECT_EQ(NumberText::FromSingle(-1234567.0F), QStringLiteral("-1234567"));
    EXPECT_EQ(NumberText::FromSingle(10000000.0F), QStringLiteral("1e+07"));
    EXPECT_EQ(NumberText::FromSingle(0.00001F), QStringLiteral("1e-05"));
}

// Decimals of one to three places, as typed and as imported models carry them, in every
// decade the short form covers and at its edges (where a float's error nears a unit of
// the seventh digit): the text is still exactly the C library's.
TEST(NumberText, TypedDecimalsOfEveryDecadeAgreeWithTheCLibrary) {
    const auto check = [](float value) {
        char text[64];
        std::snprintf(text, sizeof text, "%.7g", double(value));
        const QString expected = value == 0.0F ? QStringLiteral("0") : QString::fromLatin1(text);
        return NumberText::FromSingle(value) == expected;
    };
    uint32_t state = 777;
    int wrong = 0;
    for (int i = 0; i < 300000; ++i) {
        state = state * 1664525U + 1013904223U;
        const int places = 1 + int(state % 3);
        const int whole = int((state >> 4) % 10000) / (1 << ((state >> 20) % 14));
        const int fraction = int((state >> 8) % 1000) % (places == 1   ? 10
                                                         : places == 2 ? 100
                                                                       : 1000);
        const std::string typed =
            ((state >> 31) != 0U ? "-" : "") + std::to_string(whole) + '.' +
            QByteArray::number(fraction).rightJustified(places, '0').toStdString();
        float value = 0;
        std::from_chars(typed.data(), typed.data() + typed.size(), value);
        wrong += check(value) ? 0 : 1;
        // Its neighbours: a hair off the decimal, as a computed coordinate is.
        wrong += check(std::nextafter(value, 1e9F)) ? 0 : 1;
        wrong += check(std::nextafter(value, -1e9F)) ? 0 : 1;
    }
    EXPECT_EQ(wrong, 0);
    for (const float value : {0.001F, 0.0005F, 0.0015F, 0.999F, 0.9995F, 9.9995F, 99.9995F,
                              999.9995F, 8191.999F, 8192.001F, 9999.999F, 9999.9995F, 10000.001F,
                              1023.999F, 63.999F, 64.001F, -0.001F, -9999.999F}) {
        EXPECT_TRUE(check(value)) << double(value);
    }
}

// Halves, quarters … 64ths (the steps people draw on) are written and read without the
// general converters; texts and values must still be exactly the C library's, and
// trailing zeros, leading zeros and many decimals must still read right.
TEST(NumberText, ShortBinaryFractionsAgreeWithTheCLibrary) {
    uint32_t state = 777;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525U + 1013904223U;
        const int denominator = 1 << (state % 7);
        const float value = float(int(state >> 7) % 20000001 - 10000000) / float(denominator);
        char text[64];
        std::snprintf(text, sizeof text, "%.7g", double(value));
        const QString expected = value == 0.0F ? QStringLiteral("0") : QString::fromLatin1(text);
        ASSERT_EQ(NumberText::FromSingle(value), expected) << double(value);
        ASSERT_EQ(NumberText::Canonical(value), std::strtof(text, nullptr) + 0.0F) << text;
        float back = 0;
        ASSERT_TRUE(NumberText::ToSingle(text, text + std::strlen(text), back)) << text;
        ASSERT_EQ(back, std::strtof(text, nullptr)) << text;
    }
    for (const char* text : {"2.50", "-0.015625", "0.0000005", "000.5", "1234567.5", "999999.9",
                             "0.1", "-.25", "8388607.5", "16777215.5", ".5"}) {
        float back = 0;
        ASSERT_TRUE(NumberText::ToSingle(text, text + std::strlen(text), back)) << text;
        EXPECT_EQ(back, std::strtof(text, nullptr)) << text;
    }
}

// The canonical value (the one a save and a load give back) is the fixed point of writing
// "%.7g" and reading it back, for typed decimals and arbitrary floats alike.
TEST(NumberText, CanonicalIsTheFixedPointOfTheSevenDigitText) {
    const auto byText = [](float value) {
        for (int round = 0; round < 4; ++round) {
            char text[64];
            std::snprintf(text, sizeof text, "%.7g", double(value));
            const float back = std::strtof(text, nullptr);
            if (back == value) {
                break;
            }
            value = back;
        }
        return value + 0.0F;
    };
    uint32_t state = 424242;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525U + 1013904223U;
        float value = 0;
        if (i % 2 == 0) {
            const int decimals = int(state % 9);
            value = float(int(state >> 8) % 20000000 - 10000000) / std::pow(10.0F, float(decimals));
        } else {
            uint32_t bits = state;
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value)) {
                continue;
            }
        }
        const float canonical = NumberText::Canonical(value);
        ASSERT_EQ(canonical, byText(value)) << double(value);
        ASSERT_EQ(NumberText::Canonical(canonical), canonical) << double(value);
    }
}

// Reading a file's number straight to its canonical value gives what reading and then
// taking the canonical value gives, bit for bit: typed decimals of one to nine significant
// digits at every magnitude, exponents, zeros of both signs, leading and trailing zeros.
TEST(NumberText, ACanonicalReadAgreesWithReadingThenCanonical) {
    const auto agree = [](const std::string& text) {
        float plain = 0;
        float direct = 0;
        const bool read = NumberText::ToSingle(text.data(), text.data() + text.size(), plain);
        ASSERT_EQ(NumberText::ToCanonicalSingle(text.data(), text.data() + text.size(), direct),
                  read)
            << text;
        if (read) {
            const float canonical = NumberText::Canonical(plain);
            ASSERT_EQ(std::memcmp(&direct, &canonical, sizeof direct), 0)
                << text << " " << double(direct) << " " << double(canonical);
        }
    };
    uint32_t state = 20261210;
    for (int i = 0; i < 300000; ++i) {
        state = state * 1664525U + 1013904223U;
        const int digits = 1 + int(state % 9);
        const int shift = int((state >> 4) % 24) - 12;
        std::string mantissa = std::to_string((state >> 8) % 1000000000U);
        mantissa = mantissa.substr(0, std::min<size_t>(mantissa.size(), size_t(digits)));
        std::string text = mantissa;
        if (shift < 0) {
            const size_t at = size_t(-shift) >= text.size() ? 0 : text.size() - size_t(-shift);
            text = at == 0 ? "0." + std::string(size_t(-shift) - text.size(), '0') + text
                           : text.substr(0, at) + "." + text.substr(at);
        } else if (shift > 0 && shift < 4) {
            text += std::string(size_t(shift), '0');
        } else if (shift >= 4) {
            text += "e" + std::to_string(shift);
        }
        agree((state & 1U) != 0 ? "-" + text : text);
    }
    for (const char* text :
         {"0",        "-0",        "+0",       "0.000",     "-0.0",       " 12.5 ", "\t-3.25",
          "007.300",  "9999999",   "99999995", "1234567.8", "0.30000001", "1e-45",  "3.4e38",
          "16777217", "8388608.5", "-.5",      "5.",        "1.5e3",      "x",      "",
          "1..2",     "--1",       "+-1",      "1 2",       "inf",        "nan"}) {
        agree(text);
    }
}

// At every decade boundary, on both sides and with both signs, the text is what "%.7g"
// says (0.01 is never "0.00" nor "0.009999999"); texts of any length read back.
TEST(NumberText, DecadeBoundariesAndLongTexts) {
    for (int k = -12; k <= 12; ++k) {
        const float decade = std::pow(10.0F, float(k));
        for (const float at : {decade, std::nextafter(decade, 0.0F), std::nextafter(decade, 1e30F),
                               decade * 0.99999995F, decade * 1.0000001F}) {
            for (const float value : {at, -at}) {
                char text[64];
                std::snprintf(text, sizeof text, "%.7g", double(value));
                ASSERT_EQ(NumberText::FromSingle(value), QString::fromLatin1(text))
                    << k << " " << double(value);
                float back = 0;
                ASSERT_TRUE(NumberText::ToSingle(QString::fromLatin1(text), back)) << text;
                ASSERT_EQ(NumberText::Canonical(back), back) << text;
            }
        }
    }
    // Leading zeros make a text of any length; each still reads as its number.
    for (const int length : {63, 64, 65, 66, 100, 300}) {
        const QString text = QString(length - 4, u'0') + QStringLiteral("12.5");
        ASSERT_EQ(text.size(), length);
        float value = 0;
        ASSERT_TRUE(NumberText::ToSingle(text, value)) << length;
        EXPECT_EQ(value, 12.5F) << length;
        EXPECT_FALSE(NumberText::ToSingle(text + QStringLiteral("é"), value)) << length;
        EXPECT_FALSE(NumberText::ToSingle(QStringLiteral("é") + text, value)) << length;
    }
}

TEST(NumberText, ParsesBlanksAndSignsButRefusesGarbage) {
    float v = 7.0F;
    EXPECT_TRUE(NumberText::ToSingle(u"  12.5 ", v));
    EXPECT_EQ(v, 12.5F);
    EXPECT_TRUE(NumberText::ToSingle(u"+3", v));
    EXPECT_EQ(v, 3.0F);
    EXPECT_TRUE(NumberText::ToSingle(u"-1e2", v));
    EXPECT_EQ(v, -100.0F);
    EXPECT_TRUE(NumberText::ToSingle(u".5", v));
    EXPECT_EQ(v, 0.5F);
    EXPECT_TRUE(NumberText::ToSingle(u"-0", v));
    EXPECT_TRUE(v == 0.0F && std::signbit(v));
    EXPECT_TRUE(NumberText::ToSingle(u"9999999", v));
    EXPECT_EQ(v, 9999999.0F);
    EXPECT_TRUE(NumberText::ToSingle(u"123456789", v));
    EXPECT_EQ(v, 123456789.0F);

    v = 7.0F;
    for (const char16_t* bad :
         {u"", u"  ", u"abc", u"1,5", u"12x", u"+-1", u"inf", u"nan", u"1e99", u"１２"}) {
        EXPECT_FALSE(NumberText::ToSingle(QStringView(bad), v))
            << QString::fromUtf16(bad).toStdString();
    }
    EXPECT_EQ(v, 7.0F);
}

} // namespace
