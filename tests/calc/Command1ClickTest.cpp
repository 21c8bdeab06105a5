#include "calc/Command1Click.h"
#include "chart/Chart.h"
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
    ASSERT_EQ(calls.size(), 444u + 3u);
    EXPECT_EQ(calls.front().operation, "Clear");
    // The boxes, the frame and the labels are all written before the first drawing.
    EXPECT_EQ(calls.front().afterEvents, click.form.events.size());
    EXPECT_EQ(calls[444].operation, "DrawCircle");
    EXPECT_NEAR(calls[444].args[0], 39.3139f, 1e-4);
    EXPECT_EQ(calls[444].args[1], -10.0f);
    EXPECT_TRUE(click.form.messages.empty());
}

TEST(Command1Click, DetachedDrawsChartAndLineThenSaysTetaMax)
{
    const Click click(OptionButton::Option_Beta, "2", "30", "");
    const auto& calls = click.form.surface.calls;
    ASSERT_EQ(calls.size(), 444u + 1u);
    EXPECT_EQ(calls.back().operation, "DrawLine");
    EXPECT_EQ(calls.back().args, (std::vector<float>{0, -30, 95, -30}));
    EXPECT_EQ(calls.back().colour, chart::Red);
    EXPECT_EQ(click.form.events.back(), "message: Teta > TetaMax");
    EXPECT_EQ(calls.back().afterEvents, click.form.events.size() - 1);
}

TEST(Command1Click, RefusalsAndFaultsDrawNothing)
{
    for (const auto& [M1, teta] : {std::pair{"1", "10"}, std::pair{"1e100", "5"}}) {
        const Click click(OptionButton::Option_Beta, M1, teta, "");
        EXPECT_TRUE(click.form.surface.calls.empty()) << M1;
        EXPECT_EQ(click.form.messages.size(), 1u) << M1;
    }
}

} // namespace
