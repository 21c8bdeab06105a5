#include "reactions/ChartPoint.h"
#include "chart/Chart.h"
#include "chart/ChartRecord.h"
#include "support/ParamName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The M1 and branch of each shock were computed apart from the program, with python3-mpmath at
// 40 digits: M1 by a root of θ(M1, β) − θ of the θ–β–M relation, the branch from β against the
// wave angle of θmax at that M1, a root of dθ/dβ.
struct PointCase {
    const char* name;
    ChartPoint point;
    std::string separator;
    std::string text;
};

class ChartPointTextOf : public testing::TestWithParam<PointCase> {};

TEST_P(ChartPointTextOf, GivesTheShockThroughThePointOrWhyNoneIsThere)
{
    EXPECT_EQ(ChartPointText(GetParam().point, Air, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Points, ChartPointTextOf,
    testing::Values(
        PointCase{"weak", {41.25, 10.3}, ".", "β 41.25°, θ 10.30°: M1 = 1.9253, weak"},
        PointCase{"strong", {80.0, 10.0}, ".", "β 80.00°, θ 10.00°: M1 = 1.6443, strong"},
        PointCase{
            "strong_decimal_comma", {70.0, 20.0}, ",", "β 70,00°, θ 20,00°: M1 = 1,8797, strong"},
        PointCase{
            "near_the_normal_shock", {89.5, 0.5}, ".", "β 89.50°, θ 0.50°: M1 = 1.5813, strong"},
        PointCase{"below_the_beta_axis", {20.0, -2.0}, ".", "β 20.00°, θ -2.00°: no shock, θ ≤ 0"},
        PointCase{"on_the_beta_axis_without_a_sign",
                  {20.0, -0.001},
                  ".",
                  "β 20.00°, θ 0.00°: no shock, θ ≤ 0"},
        PointCase{
            "left_of_the_theta_axis", {-5.0, 10.0}, ".", "β -5.00°, θ 10.00°: no shock has this β"},
        PointCase{"beyond_the_normal_shock",
                  {95.0, 10.0},
                  ".",
                  "β 95.00°, θ 10.00°: no shock has this β"},
        PointCase{"above_every_curve",
                  {30.0, 40.0},
                  ".",
                  "β 30.00°, θ 40.00°: no shock, θ too large for any M1"}),
    ParamName);

// The main window as the chart's tooltip sees it: what is drawn on Picture1 is kept.
class ChartForm : public RecordingForm {
public:
    ChartRecord chart;
    ChartSurface& Picture1() override { return chart; }
};

TEST(ChartPointAt, MapsTheAreaByTheChartsScale)
{
    ChartForm form;
    EXPECT_FALSE(ChartPointAt(form.chart, 10, 10, 381, 301));
    grafik(form, FormState{}, 2.0);
    // β from −10 across to 100, θ from 35 down to −5.
    const auto corner = ChartPointAt(form.chart, 0, 0, 381, 301);
    ASSERT_TRUE(corner);
    EXPECT_DOUBLE_EQ(corner->Beta, -10.0);
    EXPECT_DOUBLE_EQ(corner->Teta, 35.0);
    const auto inside = ChartPointAt(form.chart, 381.0 * 3 / 4, 301.0 * 3 / 4, 381, 301);
    ASSERT_TRUE(inside);
    EXPECT_DOUBLE_EQ(inside->Beta, 72.5);
    EXPECT_DOUBLE_EQ(inside->Teta, 5.0);
}

} // namespace
