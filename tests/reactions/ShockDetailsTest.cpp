#include "reactions/ShockDetails.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The expected values were computed apart from the program, with python3-mpmath at 40 digits:
// θ(β) from the θ–β–M relation, θmax and its β by a root of dθ/dβ, the sonic point by a root of
// M2(β) − 1, the other branch by a root of θ(β) − θ on its side of θmax's β, the least M1 by a
// root of θmax(M1) − θ, at M1 = 1e300 θmax's limit asin(1/γ) and β from
// tan θ = sin 2β / (γ + cos 2β), the flow from the normal-shock relations with p02/p01 =
// (ρ2/ρ1)^(γ/(γ−1)) (p2/p1)^(−1/(γ−1)).
struct DetailsCase {
    const char* name;
    RequestOutcome outcome;
    std::string separator;
    // In the order of AllShockValues.
    std::vector<std::string> texts;
};

class ShockDetailsOfRequest : public testing::TestWithParam<DetailsCase> {};

TEST_P(ShockDetailsOfRequest, HoldTheValuesThatApplyRoundedAsTheWindowRounds)
{
    const auto& c = GetParam();
    const ShockDetails details = ShockDetailsOf(c.outcome, Air, c.separator);
    std::vector<std::string> texts;
    for (ShockValue value : AllShockValues)
        texts.push_back(details.Text(value));
    EXPECT_EQ(texts, c.texts);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, ShockDetailsOfRequest,
    testing::Values(
        DetailsCase{"beta_weak_M2_theta10",
                    {OutcomeKind::Solved, 2.0, 39.31393184, 10.0, {}},
                    ".",
                    {"1.26714", "0.80319", "1.64052", "1.70658", "1.45843", "1.17015", "0.98464",
                     "22.9735", "64.669", "61.4854", "22.706", "weak", "83.7001", ""}},
        DetailsCase{"beta_strong_M2_theta10_decimal_comma",
                    {OutcomeKind::Solved, 2.0, 83.70008038, 10.0, {}},
                    ",",
                    {"1,98792", "0,57943", "0,6037", "4,44381", "2,64873", "1,67771", "0,72652",
                     "22,9735", "64,669", "61,4854", "22,706", "strong", "39,3139", ""}},
        DetailsCase{"beta_weak_M3_theta20",
                    {OutcomeKind::Solved, 3.0, 37.76363415, 20.0, {}},
                    ".",
                    {"1.83722", "0.60839", "1.99413", "3.77126", "2.41807", "1.55962", "0.79602",
                     "34.0734", "65.2408", "63.7666", "34.0083", "weak", "82.1467", ""}},
        DetailsCase{"theta_output_M2_beta40",
                    {OutcomeKind::Solved, 2.0, 40.0, 10.62290962, {}},
                    ".",
                    {"1.28558", "0.79338", "1.61732", "1.76149", "1.49056", "1.18177", "0.98179",
                     "22.9735", "64.669", "61.4854", "22.706", "weak", "83.2619", ""}},
        DetailsCase{"detached_has_theta_max_and_the_least_attaching_M1",
                    {OutcomeKind::NoAttachedSolution, 2.0, 0.0, 30.0, "Teta > TetaMax"},
                    ".",
                    {"", "", "", "", "", "", "", "22.9735", "", "", "", "", "", "2.5192"}},
        DetailsCase{"detached_beyond_every_theta_max_attaches_at_no_M1",
                    {OutcomeKind::NoAttachedSolution, 2.0, 0.0, 46.0, "Teta > TetaMax"},
                    ".",
                    {"", "", "", "", "", "", "", "22.9735", "", "", "", "", "", "none"}},
        DetailsCase{"refused_has_none",
                    {OutcomeKind::Rejected, 0.0, 0.0, 0.0, {}},
                    ".",
                    std::vector<std::string>(std::size(AllShockValues))},
        DetailsCase{"failed_has_none",
                    {OutcomeKind::CalculationFailed, 2.0, 40.0, 10.0, {}},
                    ".",
                    std::vector<std::string>(std::size(AllShockValues))},
        DetailsCase{"values_without_a_finite_result_are_left_empty_with_their_group",
                    {OutcomeKind::Solved, 1e300, 40.0, 39.99, {}},
                    ".",
                    {"", "", "", "", "", "", "", "45.5847", "67.7923", "67.7923", "45.5847", "weak",
                     "77.9347", ""}}),
    ParamName);

TEST(ShockDetailsText, IsOneNameTabValueLinePerValueThatApplies)
{
    const ShockDetails detached = ShockDetailsOf(
        {OutcomeKind::NoAttachedSolution, 2.0, 0.0, 30.0, "Teta > TetaMax"}, Air, ".");
    EXPECT_EQ(ShockDetailsText(detached), "θmax\t22.9735\nleast M1\t2.5192\n");
    const ShockDetails solved =
        ShockDetailsOf({OutcomeKind::Solved, 2.0, 39.31393184, 10.0, {}}, Air, ".");
    EXPECT_EQ(ShockDetailsText(solved), "Mn1\t1.26714\nMn2\t0.80319\nM2\t1.64052\np2/p1\t1.70658\n"
                                        "ρ2/ρ1\t1.45843\nT2/T1\t1.17015\np02/p01\t0.98464\n"
                                        "θmax\t22.9735\nβ at θmax\t64.669\nβ sonic\t61.4854\n"
                                        "θ sonic\t22.706\nbranch\tweak\nother β\t83.7001\n");
    EXPECT_TRUE(ShockDetailsOf({OutcomeKind::Rejected, 0.0, 0.0, 0.0, {}}, Air, ".").Empty());
    EXPECT_FALSE(detached.Empty());
}

TEST(ShockRequestText, SaysWhichRequestTheDetailsAreOf)
{
    EXPECT_EQ(ShockRequestText(RequestOutcome{OutcomeKind::Solved, 2.5, 31.85058, 10.5, {}}, ","),
              "M1 = 2,5, θ = 10,5°, β = 31,8506°");
    EXPECT_EQ(
        ShockRequestText(RequestOutcome{OutcomeKind::NoAttachedSolution, 2.0, 0.0, 30.0, {}}, "."),
        "M1 = 2, θ = 30°: no attached shock");
    EXPECT_EQ(ShockRequestText(
                  RequestOutcome{OutcomeKind::CalculationFailed, 1.6058, -3e78, 10.0, {}}, "."),
              "The chart's request has no shock to show");
    EXPECT_EQ(ShockRequestText(std::nullopt, "."), "No request: the chart shows none");
}

} // namespace
