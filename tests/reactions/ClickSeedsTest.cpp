// Replays every seed of the click fuzzer (fuzz/corpus) as a whole click and checks that it ends
// as its file name says. A seed without a row below, or a row without its seed, fails.

#include "reactions/Command1Click.h"
#include "support/ClickInput.h"
#include "support/OutcomeKindName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path Corpus = OSC_FUZZ_CORPUS;

struct Expectation {
    OutcomeKind kind;
    std::vector<std::string> messages; // every message of the click, in order
    bool draws;                        // whether anything was drawn on Picture1
};

// The refusal of a θ that no Mach number reaches at this β: the limit is the deflection of the
// θ–β–M relation as M1 grows without bound, tan θ = sin 2β / (γ + cos 2β), to 3 decimals.
std::string TetaLimitMessage(double betaDegrees)
{
    const double pi = std::acos(-1.0);
    const double beta = betaDegrees * pi / 180.0;
    const double limit =
        std::atan(std::sin(2.0 * beta) / (1.4 + std::cos(2.0 * beta))) * 180.0 / pi;
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, std::round(limit * 1000.0) / 1000.0).ptr;
    return "Teta must be less then " + std::string(text, end) + " degrees for given Beta";
}

const std::map<std::string, Expectation>& Table()
{
    using enum OutcomeKind;
    const std::string overflow = "Arithmetic overflow";
    static const std::map<std::string, Expectation> table{
        {"beta_weak_solved", {Solved, {}, true}},
        {"beta_strong_solved", {Solved, {}, true}},
        {"beta_weak_detached", {NoAttachedSolution, {"Teta > TetaMax"}, true}},
        {"beta_strong_detached", {NoAttachedSolution, {"Teta > TetaMax"}, true}},
        {"beta_strong_detached_m1_a_hair_above_1", {NoAttachedSolution, {"Teta > TetaMax"}, true}},
        {"beta_strong_never_converges",
         {NoAttachedSolution, {" iterasyon 1000 adımda yakınsamadı", "Teta > TetaMax"}, true}},
        {"teta_solved", {Solved, {}, true}},
        {"m1_solved", {Solved, {}, true}},
        {"no_output_chosen", {NoOutputChosen, {"Choose an output option"}, false}},
        {"beta_rejects_m1_not_above_1", {Rejected, {"M1 must be greater than 1"}, false}},
        {"beta_rejects_blank_m1", {Rejected, {"M1 must be greater than 1"}, false}},
        {"beta_rejects_teta_not_below_90",
         {Rejected, {"Teta must be between 0 and 90 degrees"}, false}},
        {"teta_rejects_m1_not_above_1", {Rejected, {"M1 must be greater then 1"}, false}},
        {"teta_rejects_beta_below_mach_angle",
         {Rejected, {"Beta must be between 30 and 90 degrees"}, false}},
        {"m1_rejects_teta_not_above_0",
         {Rejected, {"Teta must be greater then 0 and less then 90 degrees"}, false}},
        {"m1_rejects_beta_above_90",
         {Rejected, {"Beta must be equal or less then 90 degrees"}, false}},
        {"m1_rejects_teta_too_large_for_beta", {Rejected, {TetaLimitMessage(35.0)}, false}},
        {"m1_rejects_negative_beta_without_real_m1",
         {Rejected, {"No M1 gives this Teta at this Beta"}, false}},
        {"beta_weak_solved_from_2abc_and_blanks", {Solved, {}, true}},
        {"beta_weak_solved_from_d_exponent", {Solved, {}, true}},
        {"beta_weak_solved_from_hex_and_octal", {Solved, {}, true}},
        {"beta_overflow_m1_squared", {CalculationFailed, {overflow}, false}},
        {"beta_overflow_m1_beyond_double", {CalculationFailed, {overflow}, false}},
        {"beta_overflow_long_hex_m1", {CalculationFailed, {overflow}, false}},
        {"m1_rejects_beta_that_is_no_shock",
         {Rejected, {"No M1 gives this Teta at this Beta"}, false}},
        // The request solves M1 (its normal Mach number is 1.6 sin β = 1.2), the chart is drawn,
        // and the solution mark at β = −3e78 has no single-precision coordinate.
        {"m1_overflow_chart_beta_minus_3e78", {CalculationFailed, {overflow}, true}},
    };
    return table;
}

std::vector<std::string> CorpusFiles()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(Corpus, error)) {
        if (entry.is_regular_file())
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ClickSeed : public testing::TestWithParam<std::string> {};

TEST_P(ClickSeed, EndsAsItsNameSays)
{
    const auto row = Table().find(GetParam());
    ASSERT_NE(row, Table().end()) << "fuzz/corpus/" << GetParam() << " has no row in the table";
    const Expectation& expected = row->second;

    RecordingForm form;
    Fill(form, DecodeClickInput(Read(Corpus / GetParam())));
    FormState state;
    RequestOutcome outcome;
    try {
        outcome = Command1_Click(form, state);
    } catch (const std::exception& escaped) {
        FAIL() << "the click let an exception through: " << escaped.what();
    }
    EXPECT_EQ(KindName(outcome.kind), KindName(expected.kind));
    EXPECT_EQ(form.messages, expected.messages);
    EXPECT_EQ(!form.surface.calls.empty(), expected.draws);
}

INSTANTIATE_TEST_SUITE_P(Corpus, ClickSeed, testing::ValuesIn(CorpusFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](unsigned char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });
// An empty or missing corpus folder instantiates nothing; EveryRowHasItsSeed fails then.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ClickSeed);

TEST(ClickSeeds, EveryRowHasItsSeed)
{
    for (const auto& [name, expected] : Table())
        EXPECT_TRUE(fs::is_regular_file(Corpus / name)) << "no fuzz/corpus/" << name;
}

TEST(ClickInput, EveryOptionsByteIsAStateTheWindowCanReach)
{
    const OptionButton outputs[] = {OptionButton::Option_M1, OptionButton::Option_Teta,
                                    OptionButton::Option_Beta};
    for (int byte = 0; byte < 256; ++byte) {
        RecordingForm form;
        Fill(form, DecodeClickInput(std::string(1, static_cast<char>(byte))));
        const auto chosen = std::count_if(std::begin(outputs), std::end(outputs),
                                          [&](OptionButton b) { return form.IsSelected(b); });
        EXPECT_LE(chosen, 1) << byte;
        EXPECT_NE(form.IsSelected(OptionButton::Option_Weak),
                  form.IsSelected(OptionButton::Option_Strong))
            << byte;
    }
}

TEST(ClickInput, DigitsNameTheOptionsAndBarsSeparateTheBoxes)
{
    const ClickInput none = DecodeClickInput("0");
    EXPECT_FALSE(none.output.has_value());
    EXPECT_EQ(none.branch, OptionButton::Option_Weak);
    EXPECT_EQ(DecodeClickInput("1").output, OptionButton::Option_M1);
    EXPECT_EQ(DecodeClickInput("2").output, OptionButton::Option_Teta);
    EXPECT_EQ(DecodeClickInput("3").output, OptionButton::Option_Beta);
    const ClickInput strong = DecodeClickInput("7");
    EXPECT_EQ(strong.output, OptionButton::Option_Beta);
    EXPECT_EQ(strong.branch, OptionButton::Option_Strong);

    const ClickInput texts = DecodeClickInput("3 2|1 0|a|b");
    EXPECT_EQ(texts.M1, " 2");
    EXPECT_EQ(texts.Teta, "1 0");
    EXPECT_EQ(texts.Beta, "a|b");

    RecordingForm form;
    Fill(form, DecodeClickInput("6x|"));
    EXPECT_TRUE(form.IsSelected(OptionButton::Option_Teta));
    EXPECT_TRUE(form.IsSelected(OptionButton::Option_Strong));
    EXPECT_EQ(form.Text(TextBox::Text_M1), "x");
    EXPECT_EQ(form.Text(TextBox::Text_Teta), "");
    EXPECT_EQ(form.Text(TextBox::Text_Beta), "");
}

} // namespace
