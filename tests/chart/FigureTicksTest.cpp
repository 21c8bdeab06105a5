#include "chart/FigureTicks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct TickCase {
    const char* name;
    std::size_t index; // in the order the figure draws them
    FigureTick::Axis axis;
    double x;
    double y;
    std::string text;
};

class FigureTickAt : public testing::TestWithParam<TickCase> {};

TEST_P(FigureTickAt, LiesOnItsAxisWithItsDegrees)
{
    const TickCase& row = GetParam();
    const std::vector<FigureTick> ticks = FigureTicks();
    ASSERT_LT(row.index, ticks.size());
    const FigureTick& tick = ticks[row.index];
    EXPECT_EQ(tick.axis, row.axis);
    EXPECT_EQ(tick.x, row.x);
    EXPECT_EQ(tick.y, row.y);
    EXPECT_EQ(tick.text, row.text);
}

INSTANTIATE_TEST_SUITE_P(
    FigureTicks, FigureTickAt,
    testing::Values(TickCase{"beta_0_at_origin", 0, FigureTick::Axis::Beta, 0, 0, "0°"},
                    TickCase{"beta_10", 1, FigureTick::Axis::Beta, 10, 0, "10°"},
                    TickCase{"beta_90_last_on_beta_axis", 9, FigureTick::Axis::Beta, 90, 0, "90°"},
                    TickCase{"teta_5_first_on_teta_axis", 10, FigureTick::Axis::Teta, 0, -5, "5°"},
                    TickCase{"teta_30_last", 15, FigureTick::Axis::Teta, 0, -30, "30°"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FigureTicks, TenOnTheBetaAxisAndSixOnTheTetaAxis)
{
    const std::vector<FigureTick> ticks = FigureTicks();
    EXPECT_EQ(std::ranges::count(ticks, FigureTick::Axis::Beta, &FigureTick::axis), 10);
    EXPECT_EQ(std::ranges::count(ticks, FigureTick::Axis::Teta, &FigureTick::axis), 6);
}

// One unit a byte: the captions below are ASCII.
double Bytes(std::string_view text)
{
    return double(text.size());
}

struct CaptionCase {
    const char* name;
    std::string caption;
    double width;
    std::vector<std::string> lines;
};

class CaptionWrapped : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionWrapped, BetweenWords)
{
    EXPECT_EQ(CaptionLines(GetParam().caption, GetParam().width, Bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    FigureTicks, CaptionWrapped,
    testing::Values(CaptionCase{"fits_on_one_line", "chart for M1 = 2", 16, {"chart for M1 = 2"}},
                    CaptionCase{"broken_before_the_word_that_overflows",
                                "chart for M1 = 2",
                                12,
                                {"chart for M1", "= 2"}},
                    CaptionCase{"a_word_wider_than_a_line_stands_alone",
                                "a solution -3e+78 beyond",
                                8,
                                {"a", "solution", "-3e+78", "beyond"}},
                    CaptionCase{"blanks_in_a_row_separate_once", "  one   two  ", 7, {"one two"}},
                    CaptionCase{"empty_caption_no_line", "", 10, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
