#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/errors.h"
#include "ui/form.h"

using namespace vemrik;

TEST(Grid, EveryIndexIsCheckedAgainstItsOwnArray) {
    Grid g;
    EXPECT_THROW(g.at(0, 0), RangeError);
    g.setColumns(3);
    for (int x = 0; x < 3; ++x) g.setLength(x, 2);
    EXPECT_EQ(g.length(3) + g.length(-1), 0);  // columns that do not exist
    for (auto [x, y] : {std::pair{3, 0}, {-1, 0}, {0, 2}, {1, -1}})
        EXPECT_THROW(g.at(x, y), RangeError) << x << ", " << y;
    EXPECT_THROW(g.setLength(3, 4), RangeError);
    g.setLength(2, 1);  // shorter: the rest is gone
    EXPECT_THROW(g.at(2, 1), RangeError);
}

TEST(NumberText, TextBecomesANumberOrRaisesAConversionError) {
    const std::pair<std::string, double> good[] = {
        {"+7", 7.0}, {" 2.5 ", 2.5}, {"\t2,5", 2.5}, {"1E2", 100.0}, {std::string(63, '0') + "1", 1.0}};
    for (const auto& [text, value] : good) EXPECT_EQ(StrToFloat(text), value) << '"' << text << '"';
    for (const std::string bad : {"", " ", "12x", "+-1", "+", "1 2", "inf", "nan", "1e999", "0x10"})
        EXPECT_THROW(StrToFloat(bad), ConversionError) << '"' << bad << '"';
    EXPECT_THROW(StrToFloat(std::string(64, '0') + "1"), ConversionError);  // past the longest text read
    ShortText t;
    t.assign(std::string(20, 'a'));
    t.append(std::string(20, 'b'));  // cut at the capacity, never past it
    EXPECT_EQ(std::string(t.view()), std::string(20, 'a') + std::string(12, 'b'));
}

TEST(PageSwitch, SetsThePageDropsToolAndButtonAndLogsTheIndexWithoutARedraw) {
    TForm1 form;
    form.Shell.EditTool = form.Shell.MouseHeld = 3;
    form.Shell.RedrawPending = 0;
    form.TabbedNotebook1Change(1);
    EXPECT_EQ(form.Shell.ActivePage, 1);
    EXPECT_EQ(form.Shell.EditTool + form.Shell.MouseHeld + form.Shell.RedrawPending, 0);
    EXPECT_EQ(form.Memo1.line(form.Memo1.size() - 1), "1");
}

TEST(Memo, KeepsOnlyTheNewestLines) {
    Memo memo;
    for (std::size_t i = 0; i < Memo::kBound + 5; ++i) memo.append(IntToStr(static_cast<std::int64_t>(i)));
    EXPECT_EQ(memo.total(), Memo::kBound + 5);
    EXPECT_EQ(memo.line(0), "5");
    EXPECT_EQ(memo.line(Memo::kBound), "");
}
