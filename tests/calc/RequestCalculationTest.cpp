#include "calc/RequestCalculation.h"
#include "form/ParseNumber.h"
#include "form/ShowRounded.h"
#include "support/ParamName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The user's side of one click: the output chosen and what the three boxes hold.
struct Typed {
    OptionButton output;
    std::string M1;
    std::string Teta;
    std::string Beta;
    OptionButton branch = OptionButton::Option_Weak;
};

struct Request {
    RecordingForm form;
    FormState state;
    RequestOutcome outcome;

    explicit Request(const Typed& typed, const std::string& separator = ".")
    {
        form.separator = separator;
        form.Choose(typed.output);
        form.Choose(typed.branch);
        form.Type(TextBox::Text_M1, typed.M1);
        form.Type(TextBox::Text_Teta, typed.Teta);
        form.Type(TextBox::Text_Beta, typed.Beta);
        outcome = RequestCalculation(form, state);
    }
};

constexpr auto Beta = OptionButton::Option_Beta;
constexpr auto Teta = OptionButton::Option_Teta;
constexpr auto Mach = OptionButton::Option_M1;

struct RefusalCase {
    const char* name;
    Typed typed;
    std::string message;
};

class RequestRefuses : public testing::TestWithParam<RefusalCase> {};

TEST_P(RequestRefuses, WithOneMessageAndNoWrite)
{
    const Request run(GetParam().typed);
    EXPECT_EQ(run.outcome.kind, OutcomeKind::Rejected);
    EXPECT_EQ(run.form.events, std::vector<std::string>{"message: " + GetParam().message});
    EXPECT_TRUE(run.form.surface.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RequestRefuses,
    testing::Values(
        RefusalCase{"beta_M1_is_1", {Beta, "1", "10", ""}, "M1 must be greater than 1"},
        RefusalCase{"beta_blank_M1", {Beta, " ", "10", ""}, "M1 must be greater than 1"},
        RefusalCase{"beta_teta_90", {Beta, "2", "90", ""}, "Teta must be between 0 and 90 degrees"},
        RefusalCase{
            "beta_teta_negative", {Beta, "2", "-1", ""}, "Teta must be between 0 and 90 degrees"},
        RefusalCase{"teta_M1_is_1", {Teta, "1", "", "40"}, "M1 must be greater then 1"},
        RefusalCase{"teta_beta_below_mach_angle",
                    {Teta, "2", "", "20"},
                    "Beta must be between 30 and 90 degrees"},
        RefusalCase{"teta_beta_below_mach_angle_M3",
                    {Teta, "3", "", "10"},
                    "Beta must be between 19.471 and 90 degrees"},
        RefusalCase{"teta_beta_above_90",
                    {Teta, "2", "", "90.5"},
                    "Beta must be between 30 and 90 degrees"},
        RefusalCase{"mach_teta_0",
                    {Mach, "", "0", "40"},
                    "Teta must be greater then 0 and less then 90 degrees"},
        RefusalCase{"mach_teta_90_before_beta",
                    {Mach, "", "90", "95"},
                    "Teta must be greater then 0 and less then 90 degrees"},
        RefusalCase{"mach_beta_above_90",
                    {Mach, "", "10", "90.5"},
                    "Beta must be equal or less then 90 degrees"},
        RefusalCase{"mach_teta_35_beyond_limit",
                    {Mach, "", "35", "40"},
                    "Teta must be less then 32.039 degrees for given Beta"},
        RefusalCase{"mach_teta_40_beyond_limit",
                    {Mach, "", "40", "40"},
                    "Teta must be less then 32.039 degrees for given Beta"},
        RefusalCase{"mach_beta_90",
                    {Mach, "", "10", "90"},
                    "Teta must be less then 0 degrees for given Beta"},
        RefusalCase{"mach_beta_0",
                    {Mach, "", "10", "0"},
                    "Teta must be less then 0 degrees for given Beta"},
        RefusalCase{"mach_blank_beta",
                    {Mach, "", "10", " "},
                    "Teta must be less then 0 degrees for given Beta"},
        RefusalCase{
            "mach_no_real_M1", {Mach, "", "45", "-80"}, "No M1 gives this Teta at this Beta"},
        // Real roots of the relation that are no shock: M1 sin β is below 1.
        RefusalCase{"mach_M1_zero", {Mach, "", "45", "-45"}, "No M1 gives this Teta at this Beta"},
        RefusalCase{
            "mach_M1_zero_at_89", {Mach, "", "89", "-1"}, "No M1 gives this Teta at this Beta"},
        RefusalCase{
            "mach_negative_beta", {Mach, "", "10", "-30"}, "No M1 gives this Teta at this Beta"},
        RefusalCase{"mach_negative_beta_small",
                    {Mach, "", "10", "-10"},
                    "No M1 gives this Teta at this Beta"},
        RefusalCase{"mach_beta_a_half_turn_below_a_shock",
                    {Mach, "", "10", "-140"},
                    "No M1 gives this Teta at this Beta"},
        RefusalCase{"mach_beta_past_a_half_turn_normal_mach_0_77",
                    {Mach, "", "10", "-200"},
                    "No M1 gives this Teta at this Beta"}),
    ParamName);

TEST(RequestOutputChoice, NoneSelectedAsksForOne)
{
    RecordingForm form;
    FormState state;
    EXPECT_EQ(RequestCalculation(form, state).kind, OutcomeKind::NoOutputChosen);
    EXPECT_EQ(form.events, std::vector<std::string>{"message: Choose an output option"});
}

TEST(RequestOutputChoice, BetaWinsOverTetaAndTetaOverM1)
{
    RecordingForm form;
    FormState state;
    form.selected = {Beta, Teta, Mach, OptionButton::Option_Weak};
    form.Type(TextBox::Text_M1, "2");
    form.Type(TextBox::Text_Teta, "10");
    form.Type(TextBox::Text_Beta, "40");
    RequestCalculation(form, state);
    EXPECT_EQ(form.texts[TextBox::Text_Beta], "39.3139");
    form.selected.erase(Beta);
    RequestCalculation(form, state);
    EXPECT_EQ(form.texts[TextBox::Text_Teta], "10");
    EXPECT_EQ(form.texts[TextBox::Text_M1], "2");
}

struct SolvedCase {
    const char* name;
    Typed typed;
    TextBox output;
    std::string shown;
};

class RequestSolves : public testing::TestWithParam<SolvedCase> {};

TEST_P(RequestSolves, WritesTheOutputBox)
{
    const Request run(GetParam().typed);
    EXPECT_EQ(run.outcome.kind, OutcomeKind::Solved);
    EXPECT_EQ(run.form.texts.at(GetParam().output), GetParam().shown);
    EXPECT_TRUE(run.form.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ClosedForms, RequestSolves,
    testing::Values(
        SolvedCase{"teta_M2_beta40", {Teta, "2", "", "40"}, TextBox::Text_Teta, "10.6229"},
        SolvedCase{"teta_normal_shock", {Teta, "2", "", "90"}, TextBox::Text_Teta, "0"},
        SolvedCase{"teta_rounds_to_10", {Teta, "2", "", "39.3139"}, TextBox::Text_Teta, "10"},
        SolvedCase{"mach_teta10_beta40", {Mach, "", "10", "40"}, TextBox::Text_M1, "1.9668"},
        SolvedCase{"mach_teta10_beta_exact", {Mach, "", "10", "39.3139318"}, TextBox::Text_M1, "2"},
        // M1 sin β comes out a rounding unit below 1 for this all but zero deflection.
        SolvedCase{"mach_wave_at_a_vanishing_teta",
                   {Mach, "", "1e-20", "50.28938"},
                   TextBox::Text_M1,
                   "1.2999"},
        SolvedCase{"mach_ignores_M1_box", {Mach, "1e308", "10", "40"}, TextBox::Text_M1, "1.9668"},
        SolvedCase{"beta_leading_number_only", {Beta, "2abc", "10", ""}, TextBox::Text_M1, "2abc"},
        SolvedCase{"beta_blank_teta_is_zero", {Beta, "2", " ", ""}, TextBox::Text_Beta, "30"}),
    ParamName);

TEST(RequestBeta, SolvedWritesBetaFlowFrameThenBetaAgain)
{
    const Request run({Beta, "2", "10", ""});
    EXPECT_EQ(run.form.events,
              (std::vector<std::string>{"Text_Beta <- 39.3139", "Text_Mn1 <- 1.26714",
                                        "Text_Mn2 <- 0.80319", "Text_M2 <- 1.64052",
                                        "Text_p2p1 <- 1.70658", "Text_T2T1 <- 1.17015",
                                        "Frame3 hidden", "Text_Beta <- 39.3139"}));
    EXPECT_EQ(run.outcome.kind, OutcomeKind::Solved);
    EXPECT_EQ(run.outcome.M1, 2.0);
    EXPECT_NEAR(run.outcome.Beta, 39.3139318, 1e-7);
    EXPECT_EQ(run.outcome.Teta, 10.0);
    EXPECT_EQ(
        Request({Beta, "2", "10", "", OptionButton::Option_Strong}).form.texts[TextBox::Text_Beta],
        "83.7001");
}

TEST(RequestBeta, DetachedShockEmptiesBetaAndKeepsTheFrame)
{
    for (OptionButton branch : {OptionButton::Option_Weak, OptionButton::Option_Strong}) {
        const Request run({Beta, "2", "30", "", branch});
        EXPECT_EQ(run.form.events, std::vector<std::string>{"Text_Beta <- "});
        EXPECT_EQ(run.outcome.kind, OutcomeKind::NoAttachedSolution);
        EXPECT_EQ(run.outcome.M1, 2.0);
        EXPECT_EQ(run.outcome.Teta, 30.0);
        EXPECT_EQ(run.outcome.finalMessage, "Teta > TetaMax");
    }
}

TEST(RequestClosedForms, MachOutputKeepsEveryShockDownToTheMachWave)
{
    // Every wave angle from just above the Mach angle to just below 90° with the deflection it
    // gives: the M1 request finds a shock, however weak, and M1 as the θ request had it.
    const auto exact = [](double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", value);
        return std::string(text);
    };
    for (const double M : {1.0001, 1.1, 2.0, 5.0, 20.0}) {
        const double mu = std::asin(1 / M) * 180 / M_PI;
        for (const double share : {1e-12, 1e-9, 1e-6, 1e-3, 0.25, 0.5, 0.75, 0.999}) {
            const std::string beta = exact(mu + share * (90 - mu));
            const Request teta({Teta, exact(M), "", beta});
            ASSERT_EQ(teta.outcome.kind, OutcomeKind::Solved) << M << " " << beta;
            if (teta.outcome.Teta <= 0)
                continue; // the Mach wave itself, which the M1 request refuses as θ = 0
            const Request mach({Mach, "", exact(teta.outcome.Teta), beta});
            EXPECT_EQ(mach.outcome.kind, OutcomeKind::Solved) << M << " " << beta;
            EXPECT_NEAR(mach.outcome.M1, M, 1e-6 * M) << M << " " << beta;
        }
    }
}

TEST(RequestClosedForms, OutcomeValuesAreUnrounded)
{
    const Request teta({Teta, "2", "", "40"});
    EXPECT_NEAR(teta.outcome.Teta, 10.62290962, 1e-8);
    EXPECT_EQ(teta.outcome.Beta, 40.0);
    const Request mach({Mach, "", "10", "40"});
    EXPECT_NEAR(mach.outcome.M1, 1.9668, 5e-5);
    EXPECT_NE(mach.outcome.M1, 1.9668);
}

TEST(RequestState, TetaIsStoredBeforeValidation)
{
    EXPECT_EQ(Request({Beta, "2", "95", ""}).state.Teta, 95.0);
    EXPECT_EQ(Request({Mach, "", "-3", "40"}).state.Teta, -3.0);
}

// A zero deflection always has the Mach wave as its weak solution, whatever the last bits of
// the first Newton step are.
TEST(RequestBeta, ZeroDeflectionShowsTheMachAngleForEveryM1)
{
    const FormState state;
    for (int thousandths = 1001; thousandths <= 20000; ++thousandths) {
        const double M1 = thousandths / 1000.0;
        for (const char* teta : {"0", "1e-15"}) {
            const Request run({Beta, FormatRounded(M1, 3), teta, ""});
            ASSERT_EQ(run.outcome.kind, OutcomeKind::Solved) << "M1 = " << M1 << ", θ = " << teta;
            ASSERT_EQ(run.form.texts.at(TextBox::Text_Beta),
                      FormatRounded(std::asin(1.0 / M1) / state.DegToRad, 4))
                << "M1 = " << M1;
        }
    }
}

// The numbers quoted by the two composed messages read back, in either separator, as the limit
// they round.
TEST(RequestMessages, QuotedLimitsReadBackInEitherSeparator)
{
    const FormState state;
    const auto quoted = [](const std::string& message, const std::string& before,
                           const std::string& after, const std::string& separator) {
        const auto start = message.find(before);
        const auto end = message.find(after);
        EXPECT_TRUE(start == 0 && end != std::string::npos) << message;
        return ParseNumber(message.substr(before.size(), end - before.size()), separator);
    };
    for (int i = 1; i <= 2000; ++i) {
        const double M1 = 1.0 + i * 0.0137;
        const double betaDegrees = i * 0.0449;
        double read[2][2];
        for (int s = 0; s < 2; ++s) {
            const std::string separator = s == 0 ? "." : ",";
            const std::string M1Text = FormatRounded(M1, 4, separator);
            Request mu({Teta, M1Text, "", "1"}, separator);
            read[s][0] = quoted(mu.form.messages.at(0), "Beta must be between ", " and 90 degrees",
                                separator);
            Request limit({Mach, "", "89", FormatRounded(betaDegrees, 4, separator)}, separator);
            read[s][1] = quoted(limit.form.messages.at(0), "Teta must be less then ",
                                " degrees for given Beta", separator);
        }
        EXPECT_EQ(read[0][0], read[1][0]) << M1;
        EXPECT_EQ(read[0][1], read[1][1]) << betaDegrees;
        const double shownM1 = ParseNumber(FormatRounded(M1, 4));
        EXPECT_NEAR(read[1][0], std::asin(1.0 / shownM1) / state.DegToRad, 0.0005 + 1e-12) << M1;
    }
}

struct FaultCase {
    const char* name;
    Typed typed;
};

class RequestFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(RequestFaults, AreReportedAsOverflowWithNothingWritten)
{
    const Request run(GetParam().typed);
    EXPECT_EQ(run.outcome.kind, OutcomeKind::CalculationFailed);
    EXPECT_EQ(run.form.events, std::vector<std::string>{"message: Arithmetic overflow"});
}

INSTANTIATE_TEST_SUITE_P(
    ExtremeInputs, RequestFaults,
    testing::Values(FaultCase{"beta_weak_M1_1e100", {Beta, "1e100", "5", ""}},
                    FaultCase{"beta_strong_M1_1e100",
                              {Beta, "1e100", "5", "", OptionButton::Option_Strong}},
                    FaultCase{"beta_M1_1e308", {Beta, "1e308", "5", ""}},
                    FaultCase{"teta_M1_1e200_beta90", {Teta, "1e200", "", "90"}},
                    FaultCase{"teta_M1_1e308", {Teta, "1e308", "", "45"}},
                    FaultCase{"beta_typed_beyond_double", {Beta, "2", "1e400", ""}},
                    FaultCase{"mach_typed_beyond_double", {Mach, "", "10", "-1e999"}}),
    ParamName);

} // namespace
