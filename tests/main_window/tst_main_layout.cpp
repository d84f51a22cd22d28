#include "main_window/main_layout.h"
#include "main_window/significant_setting.h"

#include <gtest/gtest.h>

#include <string>

TEST(MainLayout, SplitsBelowTheTraySeventyThirty)
{
    const MainLayout design = LayoutMainWindow(7575);
    EXPECT_DOUBLE_EQ(design.ControlTop, 435);
    EXPECT_DOUBLE_EQ(design.ControlHeight, 4998);
    EXPECT_DOUBLE_EQ(design.ViewTop, 5433);
    EXPECT_DOUBLE_EQ(design.ViewHeight, 2142);
    EXPECT_DOUBLE_EQ(design.ControlHeight / kTwipsPerPixel, 333.2);
    EXPECT_DOUBLE_EQ(design.ViewHeight / kTwipsPerPixel, 142.8);

    const MainLayout empty = LayoutMainWindow(435);
    EXPECT_EQ(empty.ControlHeight, 0);
    EXPECT_EQ(empty.ViewHeight, 0);
    EXPECT_LT(LayoutMainWindow(100).ControlHeight, 0);
}

TEST(SignificantSetting, AcceptedAndIgnoredTexts)
{
    const struct
    {
        std::string Text;
        std::optional<std::int16_t> Setting;
    } rows[] = {
        {"2", 2},
        {"12", 12},
        {"2.5", 2}, // halves to even
        {"3.5", 4},
        {"-2.5", -2},
        {" 4 ", 4},
        {"\t4", 4},
        {"1E1", 10},
        {"1e+1", 10},
        {"25e-1", 2},
        {"0", 0},
        {"-3", -3},
        {"+7", 7},
        {".5", 0},
        {"5.", 5},
        {"32767", 32767},
        {"-32768", -32768},
        {"32767.4", 32767},
        {"-32768.5", -32768},
        {"1e-999", 0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"1-", std::nullopt},
        {"1,000", std::nullopt},
        {"1e", std::nullopt},
        {"e1", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"32768", std::nullopt},
        {"32767.5", std::nullopt},
        {"-32769", std::nullopt},
        {"99999", std::nullopt},
        {"1e400", std::nullopt},
        {"4 4", std::nullopt},
        // Far beyond the range whatever the sign of its exponent.
        {"1" + std::string(400, '0') + "e-10", std::nullopt},
        {"0." + std::string(400, '0') + "1e300", 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string("\"") + row.Text + "\"");
        EXPECT_EQ(SignificantValuesFromText(row.Text), row.Setting);
    }
}
