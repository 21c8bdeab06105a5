#include "chart/FigureTicks.h"
#include "chart/Chart.h"
#include "chart/FigureLines.h"
#include "physics/ObliqueShock.h"
#include "physics/ShockLimits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
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

constexpr double Degree = 3.14159265358979323846 / 180;
const PerfectGas Gas13 = PerfectGasOf(1.3);
const PerfectGas Gas3 = PerfectGasOf(3);

struct OwnCurveCase {
    const char* name;
    std::optional<double> M1;
    bool own;
};

class OwnCurve : public testing::TestWithParam<OwnCurveCase> {};

TEST_P(OwnCurve, OnlyForAnM1ThatIsNoneOfTheTwenty)
{
    const FigureRequest request{GetParam().M1};
    EXPECT_EQ(HasOwnCurve(request), GetParam().own);
    const std::vector<FigureLine> lines = FigureLines(request);
    ASSERT_EQ(lines.size(), GetParam().own ? 3u : 2u);
    if (!GetParam().own)
        return;
    // Drawn as the chart draws a curve: from its Mach angle on the β axis to the normal shock.
    const FigureLine& own = lines.back();
    EXPECT_EQ(own.kind, FigureLine::Kind::OwnCurve);
    EXPECT_EQ(own.colour, chart::Red);
    ASSERT_EQ(own.points.size(), 22u);
    EXPECT_NEAR(own.points.front().x, MachAngle(*GetParam().M1) / Degree, 1e-4);
    EXPECT_EQ(own.points.front().y, 0);
    EXPECT_NEAR(own.points.back().x, 90, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(
    FigureLines, OwnCurve,
    testing::Values(
        OwnCurveCase{"no_request", std::nullopt, false},
        OwnCurveCase{"first_of_the_twenty", 1.1, false}, OwnCurveCase{"typed_2", 2, false},
        OwnCurveCase{"typed_2_3", 2.3, false}, OwnCurveCase{"last_of_the_twenty", 3, false},
        OwnCurveCase{"between_two_curves", 2.345, true},
        OwnCurveCase{"a_bit_above_2", std::nextafter(2.0, 3.0), true},
        OwnCurveCase{"below_the_twenty", 1.05, true}, OwnCurveCase{"just_above_1", 1.0000001, true},
        OwnCurveCase{"above_the_twenty", 5, true}, OwnCurveCase{"very_large", 1e6, true},
        OwnCurveCase{"square_overflows", 1e200, false}, OwnCurveCase{"one_is_no_shock", 1, false},
        OwnCurveCase{"below_one", 0.5, false},
        OwnCurveCase{"infinite", std::numeric_limits<double>::infinity(), false},
        OwnCurveCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(), false}),
    [](const auto& info) { return std::string(info.param.name); });

struct LocusCase {
    const char* name;
    PerfectGas gas;
    bool reachesTop; // the line leaves the chart's top rather than ending at M1 = 1000
};

class Loci : public testing::TestWithParam<LocusCase> {};

// Each point of a line, but its first at M1 → 1, is the detachment (or the sonic) point of the M1
// that the θ–β–M relation gives at that point, in the line's gas.
TEST_P(Loci, LieOnTheDetachmentAndSonicPointsOfTheirGas)
{
    const PerfectGas& gas = GetParam().gas;
    const std::vector<FigureLine> lines = FigureLines({2.0, gas});
    for (const auto& [index, kind, pointOf] :
         {std::tuple{0, FigureLine::Kind::Detachment, &Detachment},
          std::tuple{1, FigureLine::Kind::Sonic, &SonicPoint}}) {
        const FigureLine& line = lines[index];
        EXPECT_EQ(line.kind, kind);
        EXPECT_EQ(line.colour, chart::DarkGrey);
        ASSERT_GT(line.points.size(), 50u);
        EXPECT_EQ(line.points.front().x, 90);
        EXPECT_EQ(line.points.front().y, 0);
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            const auto [x, y] = line.points[i];
            const auto [num, den] = MachSquared(-y * Degree, x * Degree, gas.gamma);
            const ShockPoint expected = pointOf(std::sqrt(num / den), gas);
            ASSERT_NEAR(x, expected.BetaR / Degree, 1e-5) << i;
            ASSERT_NEAR(-y, expected.TetaR / Degree, 1e-5) << i;
            ASSERT_LT(y, line.points[i - 1].y) << i; // θ rises with M1
        }
        if (GetParam().reachesTop) {
            EXPECT_LT(line.points.back().y, chart::Top);
        } else {
            EXPECT_NEAR(-line.points.back().y, LimitMaxDeflection(gas) / Degree, 0.01);
        }
    }
    // Another gas moves them: the detachment point at M1 = 2 is another.
    if (gas.gamma != Air.gamma) {
        EXPECT_GT(std::fabs(-Detachment(2, gas).TetaR + Detachment(2).TetaR) / Degree, 0.5);
    }
}

INSTANTIATE_TEST_SUITE_P(FigureLines, Loci,
                         testing::Values(LocusCase{"air", Air, true},
                                         LocusCase{"gamma_1_3", Gas13, true},
                                         LocusCase{"gamma_3_below_the_top", Gas3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Text set at 5 units a byte and 11 high, as a narrow 8-point face is in the window's chart area.
const TextMetrics Metrics{[](std::string_view text) { return 5.0 * double(text.size()); }, 9, 2};
constexpr FigureArea Area{381, 301};

struct LabelCase {
    const char* name;
    FigureRequest request;
    std::vector<std::string> texts; // some of the labels, in the order placed
    std::vector<std::string> red;   // the labels in red
};

class Labels : public testing::TestWithParam<LabelCase> {};

TEST_P(Labels, NameTheLinesAndCurvesWithoutOverlapping)
{
    const LabelCase& row = GetParam();
    const std::vector<FigureLabel> labels = FigureLabels(row.request, Area, Metrics);
    std::vector<std::string> texts;
    std::vector<std::string> red;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        texts.push_back(labels[i].text);
        if (labels[i].colour == chart::Red)
            red.push_back(labels[i].text);
        const LabelBox box = BoxOf(labels[i], Area, Metrics);
        EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= Area.width &&
                    box.bottom <= Area.height)
            << labels[i].text;
        for (std::size_t j = 0; j < i; ++j) {
            const LabelBox other = BoxOf(labels[j], Area, Metrics);
            EXPECT_TRUE(box.right < other.left || other.right < box.left ||
                        box.bottom < other.top || other.bottom < box.top)
                << labels[i].text << " over " << labels[j].text;
        }
        // A curve's label just right of its θmax peak, on the curve, which runs through the
        // label's middle.
        if (labels[i].kind == FigureLabel::Kind::Curve) {
            std::string number = labels[i].text;
            std::ranges::replace(number, ',', '.');
            const double M = std::stod(number);
            const ShockPoint peak = Detachment(M, row.request.gas);
            EXPECT_NEAR(box.left - Area.X(peak.BetaR / Degree), 2, 1e-9);
            const double middle = ((box.left + box.right) / 2 / Area.width * 110 - 10) * Degree;
            EXPECT_NEAR((box.top + box.bottom) / 2,
                        Area.Y(-Deflection(M, middle, row.request.gas.gamma) / Degree), 1e-9);
        }
    }
    EXPECT_EQ(texts.front(), "θmax");
    EXPECT_EQ(texts[1], "M2 = 1");
    for (const std::string& text : row.texts)
        EXPECT_NE(std::ranges::find(texts, text), texts.end()) << text;
    EXPECT_EQ(red, row.red);
    // Fewer than the twenty where they would collide, yet many of them.
    EXPECT_GE(texts.size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(
    FigureLines, Labels,
    testing::Values(LabelCase{"one_of_the_twenty", {2.0}, {"1.1", "1.5", "2.0", "2.5"}, {"2.0"}},
                    LabelCase{
                        "own_curve_placed_first", {2.345}, {"2.345", "1.1", "2.0"}, {"2.345"}},
                    LabelCase{"own_peak_above_the_chart", {5.0}, {"5", "1.1"}, {"5"}},
                    LabelCase{"no_request", {}, {"1.1", "2.0"}, {}},
                    LabelCase{"decimal_comma", {2.345, Air, ","}, {"1,1", "2,345"}, {"2,345"}},
                    LabelCase{"another_gas", {2.0, Gas13}, {"1.1", "2.0"}, {"2.0"}},
                    LabelCase{"a_gas_whose_lines_end_low", {2.1, Gas3}, {"1.1", "2.9"}, {"2.1"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
