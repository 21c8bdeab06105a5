#include "reactions/Command1Click.h"
#include "chart/Chart.h"
#include "support/ChartCalls.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Click {
    RecordingForm form;
    FormState state;
    RequestOutcome outcome;

    Click(OptionButton output, const std::string& M1, const std::string& teta,
          const std::string& beta)
    {
        form.Choose(output);
        form.Type(TextBox::Text_M1, M1);
        form.Type(TextBox::Text_Teta, teta);
        form.Type(TextBox::Text_Beta, beta);
        outcome = Command1_Click(form, state);
    }
};

TEST(Command1Click, SolvedDrawsTheChartThenTheMarkWithoutMessage)
{
    const Click click(OptionButton::Option_Beta, "2", "10", "");
    const auto& calls = click.form.surface.calls;
    ASSERT_EQ(calls.size(), ChartCalls + 3);
    EXPECT_EQ(calls.front().operation, "Clear");
    // The boxes, the frame and the labels are all written before the first drawing.
    EXPECT_EQ(calls.front().afterEvents, click.form.events.size());
    EXPECT_EQ(calls[ChartCalls].operation, "DrawCircle");
    EXPECT_NEAR(calls[ChartCalls].args[0], 39.3139f, 1e-4);
    EXPECT_EQ(calls[ChartCalls].args[1], -10.0f);
    EXPECT_TRUE(click.form.messages.empty());
}

TEST(Command1Click, DetachedDrawsChartAndLineThenSaysTetaMax)
{
    const Click click(OptionButton::Option_Beta, "2", "30", "");
    const auto& calls = click.form.surface.calls;
    ASSERT_EQ(calls.size(), ChartCalls + 1);
    EXPECT_EQ(calls.back().operation, "DrawLine");
    EXPECT_EQ(calls.back().args, (std::vector<float>{0, -30, 95, -30}));
    EXPECT_EQ(calls.back().colour, chart::Red);
    EXPECT_EQ(click.form.events.back(), "message: Teta > TetaMax");
    EXPECT_EQ(calls.back().afterEvents, click.form.events.size() - 1);
    EXPECT_TRUE(click.outcome.chartRedrawn);
}

TEST(Command1Click, RefusalsAndFaultsDrawNothing)
{
    for (const auto& [M1, teta] : {std::pair{"1", "10"}, std::pair{"1e100", "5"}}) {
        const Click click(OptionButton::Option_Beta, M1, teta, "");
        EXPECT_TRUE(click.form.surface.calls.empty()) << M1;
        EXPECT_EQ(click.form.messages.size(), 1u) << M1;
        EXPECT_FALSE(click.outcome.chartRedrawn) << M1;
    }
}

TEST(Command1Click, MarkBeyondSinglePrecisionStopsTheClickWithAnOverflow)
{
    // M1 output, θ = 10, β = −3e78: the request solves, the chart is drawn, and the circle of
    // the mark cannot be placed.
    const Click click(OptionButton::Option_M1, "", "10", "-3e78");
    EXPECT_EQ(click.outcome.kind, OutcomeKind::CalculationFailed);
    EXPECT_EQ(click.form.texts.at(TextBox::Text_M1), "1.6058");
    EXPECT_EQ(click.form.messages, std::vector<std::string>{"Arithmetic overflow"});
    const auto& calls = click.form.surface.calls;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().operation, "Clear");
    EXPECT_TRUE(click.form.surface.CallsOf("DrawCircle").empty());
    EXPECT_EQ(calls.back().operation, "DrawLineTo"); // the last sample of the last curve
    EXPECT_EQ(calls.back().afterEvents, click.form.events.size() - 1);
    EXPECT_TRUE(click.outcome.chartRedrawn);
}

} // namespace
