#include "math/mod_math.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace modMath;

namespace {

class SignificantFormat : public ::testing::Test
{
protected:
    void TearDown() override { SignificantValues = 0; }
};

} // namespace

TEST_F(SignificantFormat, TableAcrossSettings)
{
    const std::array<std::int16_t, 4> settings{0, 2, 4, 6};
    const struct
    {
        double V;
        std::array<const char *, 4> Shown; // at 0, 2, 4, 6 places
    } rows[] = {
        {12, {"12", "12", "12", "12"}},
        {12345, {"12,345", "12,345", "12,345", "12,345"}},
        {0.5, {"1", "0.5", "0.5", "0.5"}},
        {2.5, {"3", "2.5", "2.5", "2.5"}},
        {-2.5, {"-3", "-2.5", "-2.5", "-2.5"}},
        {0.125, {"0", "0.13", "0.125", "0.125"}},
        {2.999, {"3", "3", "2.999", "2.999"}},
        {1.20000001, {"1", "1.20", "1.2000", "1.200000"}},
        {4.330127018922194, {"4", "4.33", "4.3301", "4.330127"}},
        {4330.127018922193, {"4,330", "4,330.13", "4,330.1270", "4,330.127019"}},
        {-3.2139380484327, {"-3", "-3.21", "-3.2139", "-3.213938"}},
        {-1234.5678, {"-1,235", "-1,234.57", "-1,234.5678", "-1,234.5678"}},
        {45.00000125223908, {"45", "45", "45", "45.000001"}},
        {0.001, {"0", "0", "0.001", "0.001"}},
        {0.000015, {"0", "0", "0", "0.00002"}},
        {3.061616997868383E-16, {"0", "0", "0", "0"}},
        {1E+15,
         {"1,000,000,000,000,000", "1,000,000,000,000,000", "1,000,000,000,000,000",
          "1,000,000,000,000,000"}},
        {1.5E+15,
         {"1,500,000,000,000,000", "1,500,000,000,000,000", "1,500,000,000,000,000",
          "1,500,000,000,000,000.00000"}},
        {-0.004, {"0", "0", "-0.004", "-0.004"}},
    };
    for (const auto &row : rows) {
        for (std::size_t i = 0; i < settings.size(); ++i) {
            SignificantValues = settings[i];
            SCOPED_TRACE(NumberToText(row.V) + " at " + std::to_string(settings[i]));
            EXPECT_EQ(FormatSignificant(row.V), row.Shown[i]);
        }
    }
}

TEST_F(SignificantFormat, SettingsAtTheEndsOfTheRange)
{
    const struct
    {
        std::int16_t Setting;
        double V;
        const char *Shown;
    } rows[] = {
        {-3, 2.5, "3"}, // below 0 behaves as 0
        {-32768, -1234.5678, "-1,235"},
        {32767, 4.330127018922194, "4.33012701892219"},         // every digit of the text
        {32767, 3.061616997868383E-16, "0.000000000000000306"}, // the exponent counts as digits
        {15, 3.061616997868383E-16, "0"},
        {16, 3.061616997868383E-16, "0.0000000000000003"},
        {17, 3.061616997868383E-16, "0.00000000000000031"},
        {20, 0.000015, "0.00002"}, // exponent form: d counts "E-05"
        {7, 1.5E-05, "0.00002"},
        {1, 0.96, "1"},
        {1, -0.96, "-1"},
        {2, -0.001, "0"},
    };
    for (const auto &row : rows) {
        SignificantValues = row.Setting;
        SCOPED_TRACE(NumberToText(row.V) + " at " + std::to_string(row.Setting));
        EXPECT_EQ(FormatSignificant(row.V), row.Shown);
    }
}

TEST(HasNoSignificantDigit, TrueExactlyForZero)
{
    EXPECT_TRUE(HasNoSignificantDigit(0.0));
    EXPECT_TRUE(HasNoSignificantDigit(-0.0));
    EXPECT_FALSE(HasNoSignificantDigit(1e-300));
    EXPECT_FALSE(HasNoSignificantDigit(0.5));
    EXPECT_FALSE(HasNoSignificantDigit(-7));
    EXPECT_FALSE(HasNoSignificantDigit(4.94065645841247e-324));
}
