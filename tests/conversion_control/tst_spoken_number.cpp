#include "conversion_control/spoken_number.h"
#include "math/mod_math.h"

#include <gtest/gtest.h>

TEST(SpokenNumber, LongWholePartsAsLeadingDigitsAndAPowerOfTen)
{
    modMath::SignificantValues = 2;
    const std::string longest = modMath::FormatSignificant(8.5E307);
    ASSERT_EQ(longest.size(), 308 + 307 / 3);
    const struct
    {
        const char *Name;
        std::string Shown, Said;
    } rows[] = {
        {"15 digits: as shown", "999,999,999,999,999", "999,999,999,999,999"},
        {"15 digits and a fraction", "-123,456,789,012,345.67", "-123,456,789,012,345.67"},
        {"16 digits", "1,000,000,000,000,000", "1 times 10 to the power 15"},
        {"16 digits, negative", "-1,234,567,890,123,460",
         "-1.23456789012346 times 10 to the power 15"},
        {"with fraction digits", "12,345,678,901,234,567.25",
         "1.234567890123456725 times 10 to the power 16"},
        {"zero fraction digits go", "10,000,000,000,000,000.00", "1 times 10 to the power 16"},
        {"r = 1.7E308 three steps out", longest, "8.5 times 10 to the power 307"},
        {"typed without separators", "25000000000000000000", "2.5 times 10 to the power 19"},
        {"leading zeros do not count", "0000000000000000001.5", "0000000000000000001.5"},
        {"small numbers as shown", "-0.5", "-0.5"},
        {"exponent form as shown", "1.7E+308", "1.7E+308"},
        {"not a number as shown", "1-2", "1-2"},
        {"empty", "", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(SpokenNumber(row.Shown), row.Said);
    }
}
