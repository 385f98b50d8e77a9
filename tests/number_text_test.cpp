#include <gtest/gtest.h>

#include "app/errors.h"
#include "app/number_text.h"

using namespace vemrik;

TEST(NumberText, IntegersHaveSignAndNoLeadingZeros) {
    EXPECT_EQ(IntToStr(0).view(), "0");
    EXPECT_EQ(IntToStr(-360).view(), "-360");
    EXPECT_EQ(IntToStr(120).view(), "120");
}

TEST(NumberText, WholeFloatsHaveNoPoint) {
    EXPECT_EQ(FloatToStr(120.0).view(), "120");
    EXPECT_EQ(FloatToStr(-30.0).view(), "-30");
    EXPECT_EQ(FloatToStr(1.5).view(), "1.5");
    EXPECT_EQ(FloatToStr(0.0).view(), "0");
}

TEST(NumberText, TextToFloatReadsWholeNumbersAndFractions) {
    EXPECT_EQ(StrToFloat("-30"), -30.0);
    EXPECT_EQ(StrToFloat("45"), 45.0);
    EXPECT_EQ(StrToFloat("+7"), 7.0);
    EXPECT_EQ(StrToFloat(" 2.5 "), 2.5);
    EXPECT_EQ(StrToFloat("2,5"), 2.5);
    EXPECT_EQ(StrToFloat("1e2"), 100.0);
}

TEST(NumberText, AnythingElseRaisesAConversionError) {
    for (const char* bad : {"", " ", "abc", "12x", "--1", "+-1", "1 2", "inf", "nan", "1e999", "0x10"})
        EXPECT_THROW(StrToFloat(bad), ConversionError) << '"' << bad << '"';
}
