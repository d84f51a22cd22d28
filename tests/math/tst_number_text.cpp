#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace modMath;

TEST(NumberToText, PlainAndExponentForms)
{
    const struct
    {
        double V;
        const char *Text;
    } rows[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {2.5, "2.5"},
        {5, "5"},
        {-7, "-7"},
        {1.0 / 3, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {4330.127018922193, "4330.12701892219"},
        {0.00174532927800176, "0.00174532927800176"},
        {123456789012345, "123456789012345"},
        // The plain range ends at exponent -4 on the small side...
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-05"},
        {0.000015, "1.5E-05"},
        {-0.000015, "-1.5E-05"},
        // ...and at exponent 14 on the large side.
        {999999999999999, "999999999999999"},
        {1e15, "1E+15"},
        {1.5e15, "1.5E+15"},
        {-1.5e15, "-1.5E+15"},
        // Rounding to 15 digits can carry into the next decade.
        {9999999999999999.0, "1E+16"},
        {0.000099999999999999999, "0.0001"},
        {3.061616997868383e-16, "3.06161699786838E-16"},
        {1e100, "1E+100"},
        {1e-100, "1E-100"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(NumberToText(row.V), row.Text);
    }
}

TEST(NumberToText, InfinityAndNaNNeverBecomeText)
{
    for (double v :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW((void)NumberToText(v), ArithmeticError);
        EXPECT_THROW((void)FormatFixed(v, 2), ArithmeticError);
        EXPECT_THROW((void)FormatSignificant(v), ArithmeticError);
    }
}

TEST(TextToNumber, AcceptedTexts)
{
    const struct
    {
        const char *Text;
        double V;
    } rows[] = {
        {"1,234.5", 1234.5},
        {"1,2,3", 123},
        {"1,5", 15},
        {",5", 5},
        {"-0.5", -0.5},
        {"+0.5", 0.5},
        {".5", 0.5},
        {"5.", 5},
        {"  42  ", 42},
        {"3.06161699786838E-16", 3.06161699786838e-16},
        {"1e3", 1000},
        {"1E+3", 1000},
        {"-2.5e-1", -0.25},
        {"007", 7},
        {"0.1", 0.1},
        {"1e-400", 0.0},
        // Every text the calculator writes reads back, the largest double's too.
        {"1.79769313486232E+308", std::numeric_limits<double>::max()},

        {"4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(TextToNumber(row.Text), row.V);
    }
    EXPECT_TRUE(std::signbit(TextToNumber("-1e-400")));

    std::string largestGrouped = "-179,769,313,486,232";
    for (int group = 0; group < 98; ++group) {
        largestGrouped += ",000";
    }
    EXPECT_EQ(TextToNumber(largestGrouped), -std::numeric_limits<double>::max());
}

TEST(TextToNumber, RefusedTexts)
{
    for (const char *text :
         {"",      " ",    "-",    ".",   "+",   "-.",    "1-2",     "--1", "1.2.3",
          "1.5,3", "e5",   "1e",   "1e+", "1 2", "- 1",   "abc",     "1x",  "inf",
          "nan",   "0x10", "1,5e", "5%",  "\t5", "1_000", "\xC3\x98"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW((void)TextToNumber(text), ConversionError);
    }
}

TEST(TextToNumber, ConversionErrorNamesTheText)
{
    try {
        (void)TextToNumber("1-2");
        FAIL() << "1-2 was read";
    } catch (const ConversionError &e) {
        EXPECT_STREQ(e.what(), "\"1-2\" is not a number");
        EXPECT_EQ(e.Text(), "1-2");
    }
}

TEST(TextToNumber, BeyondTheDoubleRangeOverflows)
{
    for (const char *text :
         {"1e400", "-1e400", "1.8e308", "1.79769313486233E+308", "1e99999999999999999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW((void)TextToNumber(text), ArithmeticError);
    }
    EXPECT_EQ(TextToNumber("1e-99999999999999999999999"), 0.0);
}

TEST(FormatFixed, RoundsTheDecimalTextHalvesAwayFromZero)
{
    const struct
    {
        double V;
        int N;
        const char *Text;
    } rows[] = {
        {0.125, 2, "0.13"},
        {2.5, 0, "3"},
        {-2.5, 0, "-3"},
        {1.005, 2, "1.01"}, // the double lies below 1.005; its text does not
        {1.2, 4, "1.2000"},
        {0, 3, "0.000"},
        {-0.001, 2, "0.00"},
        {-0.004, 0, "0"},
        {0.5, 0, "1"},
        {0.05, 1, "0.1"},
        {0.0004, 3, "0.000"},
        {0.0005, 3, "0.001"},
        {999.995, 2, "1,000.00"},
        {12345, 0, "12,345"},
        {-1234.5678, 2, "-1,234.57"},
        {123456.7, 1, "123,456.7"},
        {1e15, 0, "1,000,000,000,000,000"},
        {1.5e15, 5, "1,500,000,000,000,000.00000"},
        {0.000015, 5, "0.00002"},
        {3.061616997868383e-16, 15, "0.000000000000000"},
        {3.061616997868383e-16, 16, "0.0000000000000003"},
        {4.94065645841247e-324, 2, "0.00"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(FormatFixed(row.V, row.N), row.Text);
    }
}
