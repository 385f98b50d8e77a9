#include "app/number_text.h"

#include <gtest/gtest.h>

#include <string>

#include "app/errors.h"

using namespace vemrik;

TEST(NumberText, NumbersBecomeTextWithoutLeadingZerosOrAPointForWholeValues) {
    EXPECT_EQ(IntToStr(0).view(), "0");
    EXPECT_EQ(IntToStr(-360).view(), "-360");
    EXPECT_EQ(FloatToStr(-30.0).view(), "-30");
    EXPECT_EQ(FloatToStr(1.5).view(), "1.5");
    EXPECT_EQ(FloatToStr(0.1f).view(), "0.100000001490116");  // 15 significant digits
}

TEST(NumberText, TextBecomesANumberOrRaisesAConversionError) {
    const std::pair<std::string, double> good[] = {
        {"-30", -30.0}, {"+7", 7.0},    {" 2.5 ", 2.5},
        {"\t2,5", 2.5}, {"1e2", 100.0}, {std::string(63, '0') + "1", 1.0},  // the longest text read
    };
    for (const auto& [text, value] : good) EXPECT_EQ(StrToFloat(text), value) << '"' << text << '"';
    for (const char* bad : {"", " ", "abc", "12x", "--1", "+-1", "+", "1 2", "inf", "nan", "1e999", "0x10"})
        EXPECT_THROW(StrToFloat(bad), ConversionError) << '"' << bad << '"';
    EXPECT_THROW(StrToFloat(std::string(64, '0') + "1"), ConversionError);
}
