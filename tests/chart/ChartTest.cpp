#include "chart/Chart.h"
#include "chart/ChartRecord.h"
#include "physics/ArithmeticFault.h"
#include "support/ChartCalls.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace {

struct Drawn {
    RecordingForm form;
    FormState state;

    explicit Drawn(double M1, const PerfectGas& gas = Air)
    {
        UseGas(state, gas);
        grafik(form, state, M1);
    }

    // The SetPoint and the 21 samples of the curve for M = k / 10; none where the record is
    // short of the whole chart, so that a test fails on its count instead of reading past it.
    std::vector<SurfaceCall> Curve(int k) const
    {
        const auto& calls = form.surface.calls;
        if (calls.size() != ChartCalls)
            return {};
        const auto first = calls.begin() + ChartAxisCalls + (k - 11) * CallsPerCurve;
        return {first, first + CallsPerCurve};
    }

    std::set<int> RedCurves() const
    {
        std::set<int> red;
        for (int k = 11; k <= 30; ++k) {
            const auto curve = Curve(k);
            if (curve.size() == CallsPerCurve && curve[1].colour == chart::Red)
                red.insert(k);
        }
        return red;
    }
};

TEST(Grafik, ShowsLabelsThenClearsScalesAndDrawsAxesAndCurves)
{
    const Drawn drawn(2.0);
    EXPECT_EQ(drawn.form.events,
              (std::vector<std::string>{"Label_Beta shown", "Label_Teta shown"}));
    const auto& calls = drawn.form.surface.calls;
    ASSERT_EQ(calls.size(), ChartCalls);
    EXPECT_EQ(calls[0].operation, "Clear");
    EXPECT_EQ(calls[1].operation, "SetScale");
    EXPECT_EQ(calls[1].args, (std::vector<float>{-10, -35, 100, 5}));
    EXPECT_EQ(calls[2].args, (std::vector<float>{0, 0, 0, -34}));
    EXPECT_EQ(calls[3].args, (std::vector<float>{0, 0, 95, 0}));
    EXPECT_FALSE(calls[2].colour || calls[3].colour);

    for (int k = 11; k <= 30; ++k) {
        const auto curve = drawn.Curve(k);
        ASSERT_EQ(curve.size(), CallsPerCurve);
        EXPECT_EQ(curve[0].operation, "SetPoint");
        EXPECT_FALSE(curve[0].colour);
        EXPECT_EQ(curve[0].args[1], 0.0f);
        EXPECT_TRUE(std::all_of(curve.begin() + 1, curve.end(),
                                [&](const SurfaceCall& call) {
                                    return call.operation == "DrawLineTo" &&
                                           call.colour == curve[1].colour;
                                }))
            << "M = " << k / 10.0;
        // From the Mach angle on the β axis to the normal shock at 90°.
        EXPECT_EQ(curve[1].args[0], curve[0].args[0]);
        EXPECT_NEAR(curve[1].args[1], 0.0f, 1e-12);
        EXPECT_EQ(curve.back().args[0], 90.0f);
        EXPECT_NEAR(curve.back().args[1], 0.0f, 1e-12);
    }
    EXPECT_EQ(drawn.form.surface.CallsOf("SetPoint").size(), 20u);
    EXPECT_EQ(drawn.form.surface.CallsOf("DrawLineTo").size(), 420u);
}

TEST(Grafik, SamplesFollowTheThetaBetaMachRelation)
{
    const Drawn drawn(2.0);
    ASSERT_EQ(drawn.form.surface.calls.size(), ChartCalls);
    const auto mach2 = drawn.Curve(20);
    const std::vector<std::pair<int, std::pair<double, double>>> samples{
        {0, {30, 0}},        {1, {33, 3.5625}},   {2, {36, 6.7861}},   {3, {39, 9.7102}},
        {4, {42, 12.3589}},  {5, {45, 14.7436}},  {10, {60, 22.4109}}, {11, {63, 22.8983}},
        {12, {66, 22.9233}}, {13, {69, 22.4160}}, {18, {84, 9.5662}},  {19, {87, 4.9438}},
        {20, {90, 0}}};
    for (const auto& [i, point] : samples) {
        EXPECT_NEAR(mach2[i + 1].args[0], point.first, 5e-5) << "sample " << i;
        EXPECT_NEAR(mach2[i + 1].args[1], -point.second, 5e-5) << "sample " << i;
    }

    struct Peak {
        int k;
        double mu, step;
        int i;
        double beta, teta;
    };
    for (const Peak& p :
         {Peak{20, 30, 3, 12, 66, 22.9233}, Peak{30, 19.4712, 3.5264, 13, 65.3149, 34.0733},
          Peak{15, 41.8103, 2.4095, 10, 65.9052, 12.1020},
          Peak{11, 65.3800, 1.2310, 9, 76.4590, 1.5149}}) {
        const auto curve = drawn.Curve(p.k);
        EXPECT_NEAR(curve[0].args[0], p.mu, 5e-5) << "M = " << p.k / 10.0;
        EXPECT_NEAR(curve[2].args[0] - curve[1].args[0], p.step, 5e-5) << "M = " << p.k / 10.0;
        const auto highest = std::min_element(
            curve.begin() + 1, curve.end(), [](auto& a, auto& b) { return a.args[1] < b.args[1]; });
        EXPECT_EQ(highest - curve.begin() - 1, p.i) << "M = " << p.k / 10.0;
        EXPECT_NEAR(highest->args[0], p.beta, 5e-5);
        EXPECT_NEAR(highest->args[1], -p.teta, 5e-5);
    }
}

// Another gas draws the curves of its own relation: θ(β) for γ = 13/10 and 5/3 at M = 2 (β = 39°,
// 66°, 84°) and at M = 3 at its 13th sample (β = 65.3149°), computed apart from the program with
// python3-mpmath from tan θ = 2 cot β (M² sin²β − 1) / (M² (γ + cos 2β) + 2).
TEST(Grafik, AnotherGasDrawsItsOwnCurves)
{
    struct Case {
        double gamma;
        double mach2[3];
        double mach3;
    };
    for (const Case& c : {Case{1.3, {10.183932, 24.716252, 10.704641}, 37.017043},
                          Case{5.0 / 3.0, {8.6372157, 19.167006, 7.4473033}, 27.952505}}) {
        const Drawn drawn(2.0, PerfectGasOf(c.gamma));
        ASSERT_EQ(drawn.form.surface.calls.size(), ChartCalls);
        const auto mach2 = drawn.Curve(20);
        for (const auto& [i, teta] : {std::pair{3, c.mach2[0]}, {12, c.mach2[1]}, {18, c.mach2[2]}})
            EXPECT_NEAR(mach2[i + 1].args[1], -teta, 5e-5) << "γ = " << c.gamma << ", sample " << i;
        EXPECT_NEAR(drawn.Curve(30)[14].args[1], -c.mach3, 5e-5) << "γ = " << c.gamma;
        // The window's chart, drawn afterwards, is the window's again.
        EXPECT_NEAR(Drawn(2.0).Curve(20)[13].args[1], -22.9233, 5e-5);
    }
}

TEST(Grafik, CurvesWithinATenthOfM1AreRed)
{
    struct Case {
        double M1;
        std::set<int> red;
    };
    for (const Case& c : {Case{2.0, {20}}, Case{2.03, {20, 21}}, Case{2.05, {20, 21}},
                          Case{1.5, {15}}, Case{1.1, {11, 12}}, Case{1.0000001, {11}},
                          Case{3.1, {}}, Case{40, {}}, Case{1.0, {}}, Case{0.5, {}}}) {
        const Drawn drawn(c.M1);
        ASSERT_EQ(drawn.form.surface.calls.size(), ChartCalls) << "M1 = " << c.M1;
        EXPECT_EQ(drawn.RedCurves(), c.red) << "M1 = " << c.M1;
        for (int k = 11; k <= 30; ++k) {
            if (!c.red.contains(k)) {
                EXPECT_EQ(drawn.Curve(k)[1].colour, chart::Blue);
            }
        }
    }
}

// The curves are computed once for the form state every window starts with; any other state's
// curves are computed for it, and a step without a result stops the drawing where it comes.
TEST(Grafik, AStepWithoutAResultStopsTheCurvesThere)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        double Pi;
        double DegToRad;
        std::size_t callsBeforeFault;
    };
    for (const Case& c : {Case{"no degrees", 4.0 * std::atan(1.0), nan, ChartAxisCalls},
                          Case{"no pi", nan, 4.0 * std::atan(1.0) / 180.0, ChartAxisCalls + 1}}) {
        for (int repeat = 0; repeat < 2; ++repeat) {
            RecordingForm form;
            FormState state;
            state.Pi = c.Pi;
            state.DegToRad = c.DegToRad;
            try {
                grafik(form, state, 2.0);
                ADD_FAILURE() << c.name << ": no fault";
            } catch (const ArithmeticFault& fault) {
                EXPECT_EQ(fault.FaultKind(), ArithmeticFault::Kind::Overflow) << c.name;
            }
            EXPECT_EQ(form.surface.calls.size(), c.callsBeforeFault) << c.name;
        }
    }
}

TEST(Marks, SolutionIsARingWithGuidesToBothAxes)
{
    RecordingForm form;
    MarkSolution(form, 39.3139318, 10);
    MarkSolution(form, 30, 0);
    const auto& calls = form.surface.calls;
    ASSERT_EQ(calls.size(), 6u);
    const std::vector<std::pair<std::string, std::vector<float>>> expected{
        {"DrawCircle", {39.3139318f, -10, 0.5f}},
        {"DrawLine", {39.3139318f, -10, 39.3139318f, 0}},
        {"DrawLine", {39.3139318f, -10, 0, -10}},
        {"DrawCircle", {30, 0, 0.5f}},
        {"DrawLine", {30, 0, 30, 0}},
        {"DrawLine", {30, 0, 0, 0}}};
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].operation, expected[i].first) << i;
        EXPECT_EQ(calls[i].args, expected[i].second) << i;
        EXPECT_EQ(calls[i].colour, chart::Red) << i;
    }
}

TEST(Marks, CoordinateBeyondSinglePrecisionIsAnOverflowBeforeItIsDrawn)
{
    for (double beta : {-1e78, 3.5e38, std::numeric_limits<double>::max()}) {
        RecordingForm form;
        try {
            MarkSolution(form, beta, 5);
            ADD_FAILURE() << beta << " was drawn";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.FaultKind(), ArithmeticFault::Kind::Overflow) << beta;
        }
        EXPECT_TRUE(form.surface.calls.empty()) << beta;
    }
    // The largest single-precision value itself is still a coordinate, clipped by the surface.
    RecordingForm form;
    MarkSolution(form, -std::numeric_limits<float>::max(), 5);
    EXPECT_EQ(form.surface.calls.size(), 3u);
}

TEST(Marks, NoSolutionIsALineAcrossTheChart)
{
    RecordingForm form;
    MarkNoSolution(form, 30);
    ASSERT_EQ(form.surface.calls.size(), 1u);
    EXPECT_EQ(form.surface.calls[0].args, (std::vector<float>{0, -30, 95, -30}));
    EXPECT_EQ(form.surface.calls[0].colour, chart::Red);
}

} // namespace

namespace {

// A main window whose chart area keeps what it shows, as the real window's does.
struct KeptChartForm : RecordingForm {
    ChartRecord kept{surface};
    ChartSurface& Picture1() override { return kept; }
};

TEST(ChartRecord, ReplaysTheChartShownSinceTheLastClear)
{
    KeptChartForm form;
    const FormState state;
    EXPECT_TRUE(form.kept.Empty());
    grafik(form, state, 1.5);
    MarkSolution(form, 50, 5);
    grafik(form, state, 2.0);
    MarkSolution(form, 39.3139318, 10);
    EXPECT_FALSE(form.kept.Empty());

    const auto& shown = form.surface.calls;
    ASSERT_EQ(shown.size(), 2 * (ChartCalls + 3));
    RecordingSurface replayed;
    form.kept.Replay(replayed);
    ASSERT_EQ(replayed.calls.size(), ChartCalls + 3 - 1); // all but the Clear
    for (std::size_t i = 0; i < replayed.calls.size(); ++i) {
        const SurfaceCall& expected = shown[ChartCalls + 3 + 1 + i];
        EXPECT_EQ(replayed.calls[i].operation, expected.operation) << i;
        EXPECT_EQ(replayed.calls[i].args, expected.args) << i;
        EXPECT_EQ(replayed.calls[i].colour, expected.colour) << i;
    }

    // A cleared area keeps its scale, and nothing else.
    form.kept.Clear();
    EXPECT_TRUE(form.kept.Empty());
    RecordingSurface afterClear;
    form.kept.Replay(afterClear);
    ASSERT_EQ(afterClear.calls.size(), 1u);
    EXPECT_EQ(afterClear.calls[0].operation, "SetScale");
    EXPECT_EQ(form.surface.calls.back().operation, "Clear");
}

} // namespace
