#include "conversion_control/input_key_rule.h"

#include <gtest/gtest.h>

#include <string>

TEST(KeyFilter, AcceptsDigitsCommaBackspaceAndOneSignAndPoint)
{
    const struct
    {
        const char *Text;
        char16_t Key;
        bool Accepted;
    } rows[] = {
        {"", u'0', true},     {"12", u'9', true},    {"1", u',', true},    {"1,,", u',', true},
        {"", 8, true},        {"12", u'-', true},    {"-12", u'-', false}, {"1-2", u'-', false},
        {"12", u'.', true},   {"12.5", u'.', false}, {"", u'.', true},     {"", u'-', true},
        {"1", u'\r', false},  {"1", u'\n', false},   {"1", u' ', false},   {"1", u'a', false},
        {"1", u'E', false},   {"1", u'e', false},    {"1", u'+', false},   {"1", 0x00D8, false},
        {"1", 0x0660, false}, {"1", 0, false},       {"1", 27, false},     {"1", 127, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.Text) + " + " + std::to_string(int(row.Key)));
        EXPECT_EQ(KeyAccepted(row.Text, row.Key), row.Accepted);
    }
}
