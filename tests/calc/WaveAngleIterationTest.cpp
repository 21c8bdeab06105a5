#include "calc/WaveAngleIteration.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

struct Iteration {
    RecordingForm form;
    FormState state;
    std::vector<double> iterates;
    double BetaR = 0.0;

    Iteration(double M1, double teta, OptionButton branch)
    {
        form.Choose(branch);
        state.Teta = teta;
        Beta_için_iterasyon(form, state, M1, BetaR, state.DegToRad * teta, &iterates);
    }
};

struct ConvergingCase {
    const char* name;
    double M1;
    double teta;
    OptionButton branch;
    std::size_t steps;
    std::string shown;
};

class IterationConverges : public testing::TestWithParam<ConvergingCase> {};

TEST_P(IterationConverges, ShowsBetaAfterSteps)
{
    const auto& c = GetParam();
    Iteration run(c.M1, c.teta, c.branch);
    EXPECT_FALSE(run.state.TetaMaxExceeded);
    EXPECT_EQ(run.iterates.size(), c.steps);
    EXPECT_EQ(run.form.texts[TextBox::Text_Beta], c.shown);
    // The wave angle handed back is a root of the θ–β–M relation.
    const double b = run.BetaR;
    const double relation = 2.0 / std::tan(b) * (c.M1 * c.M1 * std::sin(b) * std::sin(b) - 1.0) /
                            (c.M1 * c.M1 * (1.4 + std::cos(2.0 * b)) + 2.0);
    EXPECT_NEAR(relation, std::tan(run.state.DegToRad * c.teta), 1e-9);
    EXPECT_TRUE(run.form.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, IterationConverges,
    testing::Values(
        ConvergingCase{"weak_M2_theta10", 2, 10, OptionButton::Option_Weak, 4, "39.3139"},
        ConvergingCase{"strong_M2_theta10", 2, 10, OptionButton::Option_Strong, 4, "83.7001"},
        ConvergingCase{"weak_M2_theta20", 2, 20, OptionButton::Option_Weak, 5, "53.4229"},
        ConvergingCase{"strong_M2_theta20", 2, 20, OptionButton::Option_Strong, 5, "74.2701"},
        ConvergingCase{"weak_M3_theta20", 3, 20, OptionButton::Option_Weak, 4, "37.7636"},
        ConvergingCase{"strong_M3_theta20", 3, 20, OptionButton::Option_Strong, 4, "82.1467"},
        ConvergingCase{"strong_M2_theta0_normal_shock", 2, 0, OptionButton::Option_Strong, 1, "90"},
        ConvergingCase{"weak_M2_theta0_mach_wave", 2, 0, OptionButton::Option_Weak, 1, "30"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IterationSteps, FollowNewtonsMethodFromTheBranchStart)
{
    const Iteration weak(2, 10, OptionButton::Option_Weak);
    const std::vector<double> weakExpected{38.082233, 39.293422, 39.313926, 39.313932};
    const Iteration strong(2, 10, OptionButton::Option_Strong);
    const std::vector<double> strongExpected{83.938325, 83.701122, 83.700080, 83.700080};
    ASSERT_EQ(weak.iterates.size(), weakExpected.size());
    ASSERT_EQ(strong.iterates.size(), strongExpected.size());
    for (std::size_t k = 0; k < weakExpected.size(); ++k) {
        EXPECT_NEAR(weak.iterates[k], weakExpected[k], 5e-7) << "weak step " << k + 1;
        EXPECT_NEAR(strong.iterates[k], strongExpected[k], 5e-7) << "strong step " << k + 1;
    }
    // The normal shock is reached exactly: 90 passes the range test.
    EXPECT_EQ(Iteration(2, 0, OptionButton::Option_Strong).iterates.front(), 90.0);
}

TEST(IterationDetached, LeavesTheRangeWithoutMessageOrWrites)
{
    struct Case {
        double teta;
        OptionButton branch;
        std::size_t steps;
        bool above90;
    };
    for (const Case& c : {Case{25, OptionButton::Option_Weak, 6, true},
                          Case{30, OptionButton::Option_Weak, 4, false},
                          Case{25, OptionButton::Option_Strong, 20, false}}) {
        Iteration run(2, c.teta, c.branch);
        EXPECT_TRUE(run.state.TetaMaxExceeded) << c.teta;
        EXPECT_EQ(run.iterates.size(), c.steps) << c.teta;
        EXPECT_EQ(run.iterates.back() > 90.0, c.above90) << c.teta;
        EXPECT_EQ(run.iterates.back() < 0.0, !c.above90) << c.teta;
        EXPECT_TRUE(run.form.events.empty()) << c.teta;
    }
}

TEST(IterationDetached, NonConvergenceIsReportedAfterAThousandSteps)
{
    Iteration run(1.5, 33.3, OptionButton::Option_Strong);
    EXPECT_EQ(run.iterates.size(), 1000u);
    EXPECT_NEAR(run.iterates[998], 46.34, 0.01);
    EXPECT_NEAR(run.iterates[999], 89.90, 0.01);
    EXPECT_EQ(run.form.events,
              std::vector<std::string>{"message:  iterasyon 1000 adımda yakınsamadı"});
    EXPECT_TRUE(run.state.TetaMaxExceeded);
}

TEST(IterationState, FlagIsClearedByTheNextCall)
{
    Iteration run(2, 30, OptionButton::Option_Weak);
    ASSERT_TRUE(run.state.TetaMaxExceeded);
    run.state.Teta = 10;
    double BetaR = 0.0;
    Beta_için_iterasyon(run.form, run.state, 2, BetaR, run.state.DegToRad * 10);
    EXPECT_FALSE(run.state.TetaMaxExceeded);
    EXPECT_EQ(run.form.texts[TextBox::Text_Beta], "39.3139");
}

TEST(IterationState, NeitherBranchSelectedTakesTheWeakOne)
{
    RecordingForm form;
    form.selected.clear();
    FormState state;
    state.Teta = 10;
    double BetaR = 0.0;
    Beta_için_iterasyon(form, state, 2, BetaR, state.DegToRad * 10);
    EXPECT_FALSE(state.TetaMaxExceeded);
    EXPECT_EQ(form.texts[TextBox::Text_Beta], "39.3139");
}

} // namespace
