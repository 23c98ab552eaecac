#include <gtest/gtest.h>

#include "store/currency.h"

TEST(Currency, ManySmallAmountsSumExactly) {
    Currency sum;
    for (int i = 0; i < 10000; ++i) sum += Currency::fromDouble(0.10);
    EXPECT_EQ(sum, Currency::fromDollars(1000));
    EXPECT_EQ(sum.formatted(), QStringLiteral("$1,000.00"));
    // The same sum in doubles drifts.
    double d = 0;
    for (int i = 0; i < 10000; ++i) d += 0.10;
    EXPECT_NE(d, 1000.0);
}

TEST(Currency, ConversionAndFormatting) {
    struct Case {
        double value;
        const char* grouped;
        const char* plain;
    };
    const Case cases[] = {
        {0, "$0.00", "$0.00"},
        {0.1, "$0.10", "$0.10"},
        {1234567.89, "$1,234,567.89", "$1234567.89"},
        {-1234.5, "-$1,234.50", "-$1234.50"},
        {999.995, "$1,000.00", "$1000.00"},   // half a cent rounds away from zero
        {-0.005, "-$0.01", "-$0.01"},
        {0.0049, "$0.00", "$0.00"},
        {100, "$100.00", "$100.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const Currency v = Currency::fromDouble(c.value);
        EXPECT_EQ(v.formatted(), QString::fromLatin1(c.grouped));
        EXPECT_EQ(v.formattedPlain(), QString::fromLatin1(c.plain));
    }
    EXPECT_EQ(Currency::fromDouble(1234567.89).raw(), 12345678900);
    EXPECT_DOUBLE_EQ(Currency::fromRaw(12345678900).toDouble(), 1234567.89);
    EXPECT_EQ(Currency::fromDouble(0.01) - Currency::fromDouble(0.02), -Currency::fromCents(1));
    EXPECT_EQ(Currency::fromVariant(QVariant()), Currency());
    EXPECT_EQ(Currency::fromVariant(QVariant(12.5)), Currency::fromCents(1250));
}

TEST(Currency, ParsesWhatPeopleType) {
    struct Case {
        const char* text;
        bool ok;
        std::int64_t raw;
    };
    const Case cases[] = {
        {"1234.56", true, 12345600}, {"$1,234.56", true, 12345600}, {"-$5", true, -50000},
        {"(5.00)", true, -50000},    {".5", true, 5000},            {"0.00005", true, 1},
        {"", false, 0},              {"abc", false, 0},             {"1.2.3", false, 0},
        {"$", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Currency v;
        EXPECT_EQ(Currency::parse(QString::fromLatin1(c.text), &v), c.ok);
        if (c.ok) {
            EXPECT_EQ(v.raw(), c.raw);
        }
    }
}
