#include "shell/ShellRequest.h"
#include "physics/PerfectGas.h"
#include "shell/RequestTable.h"
#include "shell/ShellForm.h"
#include "support/ParamName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ShellForm, StartsAsTheWindowAfterLoading)
{
    const ShellForm shell(".");
    const RecordingForm window;
    for (TextBox box : AllTextBoxes)
        EXPECT_EQ(shell.Text(box), window.Text(box)) << ControlName(box);
    for (OptionButton option : AllOptionButtons)
        EXPECT_EQ(shell.IsSelected(option), window.IsSelected(option)) << ControlName(option);
}

TEST(ShellForm, AnOptionIsChosenAloneInItsGroup)
{
    ShellForm shell(".");
    shell.Choose(OptionButton::Option_Teta);
    shell.Choose(OptionButton::Option_Beta);
    shell.Choose(OptionButton::Option_Strong);
    const std::vector<bool> selected = {false, false, true, false, true};
    for (OptionButton option : AllOptionButtons)
        EXPECT_EQ(shell.IsSelected(option), selected[static_cast<std::size_t>(option)])
            << ControlName(option);
}

TEST(ShellForm, WrittenTellsWhatCameAfterForgetting)
{
    ShellForm shell(".");
    shell.SetText(TextBox::Text_M1, " ");
    shell.Type(TextBox::Text_Teta, "10");
    shell.ForgetWrites();
    shell.SetText(TextBox::Text_Mn1, "1.5");
    EXPECT_FALSE(shell.Written(TextBox::Text_M1));
    EXPECT_FALSE(shell.Written(TextBox::Text_Teta)); // typed, not written
    EXPECT_TRUE(shell.Written(TextBox::Text_Mn1));
    EXPECT_EQ(shell.Text(TextBox::Text_Teta), "10");
}

struct AnswerCase {
    const char* name;
    ShellRequest request;
    std::string separator;
    int status;
    std::vector<std::string> texts; // the eight boxes, "*" before a text the click wrote
    std::vector<std::string> messages;
};

class ShellAnswers : public testing::TestWithParam<AnswerCase> {};

TEST_P(ShellAnswers, ShowWhatTheWindowShows)
{
    const auto& c = GetParam();
    const ShellAnswer answer = Answer(c.request, c.separator);
    std::vector<std::string> texts;
    for (TextBox box : AllTextBoxes)
        texts.push_back((answer.Written(box) ? "*" : "") + answer.Text(box));
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(answer.messages, c.messages);
    EXPECT_EQ(ExitStatus(answer.outcome.kind), c.status);
}

constexpr auto Beta = OptionButton::Option_Beta;
constexpr auto Teta = OptionButton::Option_Teta;
constexpr auto Mach = OptionButton::Option_M1;
constexpr auto Strong = OptionButton::Option_Strong;
constexpr auto Weak = OptionButton::Option_Weak;

INSTANTIATE_TEST_SUITE_P(
    Requests, ShellAnswers,
    testing::Values(AnswerCase{"beta_weak_M2_theta10",
                               {Beta, Weak, "2", "10", {}},
                               ".",
                               0,
                               {"2", "10", "*39.3139", "*1.26714", "*0.80319", "*1.64052",
                                "*1.70658", "*1.17015"},
                               {}},
                    // Another gas: its values computed apart from the program with python3-mpmath
                    // at 40 digits, β as the root of θ(β) − θ on its branch of the θ–β–M
                    // relation, θ from the relation, M1² = (1 + k) / (sin²β − k (γ + cos 2β) / 2)
                    // with k = tan θ tan β, the limit atan(sin 2β / (γ + cos 2β)) and the flow
                    // from the normal-shock relations, all with γ = 13/10 or 5/3 (see
                    // tests/reactions/ShockDetailsTest).
                    AnswerCase{"beta_weak_M2_theta10_gamma_1_3",
                               {Beta, Weak, "2", "10", {}, PerfectGasOf(1.3)},
                               ".",
                               0,
                               {"2", "10", "*38.8127", "*1.25355", "*0.80799", "*1.6765",
                                "*1.64593", "*1.12549"},
                               {}},
                    AnswerCase{"beta_strong_M2_theta10_gamma_5_3",
                               {Beta, Strong, "2", "10", {}, PerfectGasOf(5.0 / 3.0)},
                               ".",
                               0,
                               {"2", "10", "*81.6861", "*1.97898", "*0.61009", "*0.64264",
                                "*4.64546", "*2.05099"},
                               {}},
                    AnswerCase{"theta_closed_form_gamma_5_3",
                               {Teta, Weak, "2", {}, "40", PerfectGasOf(5.0 / 3.0)},
                               ".",
                               0,
                               {"2", "*9.4356", "40", "1", "1", "1", "1", "1"},
                               {}},
                    AnswerCase{"mach_closed_form_gamma_1_3",
                               {Mach, Weak, {}, "10", "40", PerfectGasOf(1.3)},
                               ".",
                               0,
                               {"*1.9427", "10", "40", "1", "1", "1", "1", "1"},
                               {}},
                    AnswerCase{"mach_limit_of_its_gas_quoted_as_the_window_quotes_it",
                               {Mach, Weak, {}, "35", "40", PerfectGasOf(1.3)},
                               ".",
                               3,
                               {" ", "35", "40", "1", "1", "1", "1", "1"},
                               {"Teta must be less then 33.754 degrees for given Beta"}},
                    AnswerCase{"beta_strong_decimal_comma_reads_and_writes_comma",
                               {Beta, Strong, "2,0", "10", {}},
                               ",",
                               0,
                               {"2,0", "10", "*83,7001", "*1,98792", "*0,57943", "*0,6037",
                                "*4,44381", "*1,67771"},
                               {}},
                    AnswerCase{"beta_detached_blanks_beta_and_says_so",
                               {Beta, Weak, "2", "30", {}},
                               ".",
                               4,
                               {"2", "30", "*", "1", "1", "1", "1", "1"},
                               {"Teta > TetaMax"}},
                    AnswerCase{"theta_writes_theta_alone",
                               {Teta, Weak, "2", {}, "40"},
                               ".",
                               0,
                               {"2", "*10.6229", "40", "1", "1", "1", "1", "1"},
                               {}},
                    AnswerCase{"untyped_box_keeps_the_blank_of_the_output_choice",
                               {Teta, Weak, {}, {}, "40"},
                               ".",
                               3,
                               {" ", " ", "40", "1", "1", "1", "1", "1"},
                               {"M1 must be greater then 1"}},
                    AnswerCase{"no_output_chosen_boxes_stay_empty",
                               {{}, Weak, "2", "10", {}},
                               ".",
                               3,
                               {"2", "10", "", "1", "1", "1", "1", "1"},
                               {"Choose an output option"}},
                    AnswerCase{"mach_fault_at_the_mark_keeps_what_was_written",
                               {Mach, Weak, {}, "10", "-3e78"},
                               ".",
                               5,
                               {"*1.6058", "10", "-3e78", "1", "1", "1", "1", "1"},
                               {"Arithmetic overflow"}}),
    ParamName);

struct NotesCase {
    const char* name;
    ShellRequest request;
    std::string separator;
    std::vector<std::string> notes;
};

class ShellReadNotes : public testing::TestWithParam<NotesCase> {};

TEST_P(ShellReadNotes, SayWhereATypedTextWentOnAfterItsNumber)
{
    EXPECT_EQ(ReadNotes(GetParam().request, GetParam().separator), GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ShellReadNotes,
    testing::Values(
        NotesCase{"whole_numbers_have_none", {Beta, Weak, " 2 ", "1e1", {}}, ".", {}},
        NotesCase{"comma_with_point_separator",
                  {Beta, Weak, "2,5", "10", {}},
                  ".",
                  {"M1 \"2,5\" read as 2"}},
        NotesCase{"comma_with_comma_separator", {Beta, Weak, "2,5", "10", {}}, ",", {}},
        NotesCase{"value_in_the_separator",
                  {Beta, Weak, "2,5x", "10", {}},
                  ",",
                  {"M1 \"2,5x\" read as 2,5"}},
        NotesCase{"each_field_in_box_order",
                  {Mach, Weak, "x", "10deg", "40°"},
                  ".",
                  {"Teta \"10deg\" read as 10", "Beta \"40°\" read as 40"}},
        NotesCase{
            "letters_read_as_zero", {Teta, Weak, "abc", {}, "40"}, ".", {"M1 \"abc\" read as 0"}},
        NotesCase{"output_field_not_read", {Teta, Weak, "2", "junk", "40"}, ".", {}},
        NotesCase{"nothing_read_without_output", {{}, Weak, "2,5", "x", "y"}, ".", {}},
        NotesCase{"overflow_left_to_the_request", {Beta, Weak, "1e999x", "10", {}}, ".", {}}),
    ParamName);

struct GasCase {
    const char* name;
    std::string text;
    char decimalMark;
    double gamma; // 0: no gas
};

class GasOfRatios : public testing::TestWithParam<GasCase> {};

TEST_P(GasOfRatios, ArePlainDecimalNumbersAbove1AndAtMost3)
{
    const auto& c = GetParam();
    const std::optional<PerfectGas> gas = GasOfRatio(c.text, c.decimalMark);
    ASSERT_EQ(gas.has_value(), c.gamma != 0.0);
    if (gas) {
        EXPECT_EQ(gas->gamma, c.gamma);
        EXPECT_EQ(gas->gammaPlusOne, c.gamma + 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GasOfRatios,
    testing::Values(GasCase{"fraction", "1.3", '.', 1.3}, GasCase{"whole_number", "2", '.', 2.0},
                    GasCase{"three_is_the_largest", "3", '.', 3.0},
                    GasCase{"trailing_mark", "2.", '.', 2.0},
                    GasCase{"many_digits", "1.6666666666666667", '.', 5.0 / 3.0},
                    GasCase{"decimal_comma", "1,3", ',', 1.3},
                    GasCase{"comma_where_point_is_the_mark", "1,3", '.', 0.0},
                    GasCase{"one_is_no_gas", "1", '.', 0.0},
                    GasCase{"just_above_three", "3.0000001", '.', 0.0},
                    GasCase{"sign", "+1.3", '.', 0.0}, GasCase{"negative", "-1.3", '.', 0.0},
                    GasCase{"blank", " 1.3", '.', 0.0}, GasCase{"exponent", "13e-1", '.', 0.0},
                    GasCase{"empty", "", '.', 0.0}, GasCase{"mark_alone", ".", '.', 0.0},
                    GasCase{"two_marks", "1.3.1", '.', 0.0}, GasCase{"infinity", "inf", '.', 0.0},
                    GasCase{"not_a_number", "nan", '.', 0.0}),
    ParamName);

TEST(GasOfRatio, TheWindowsRatioIsAir)
{
    const std::optional<PerfectGas> gas = GasOfRatio("1.40");
    ASSERT_TRUE(gas);
    EXPECT_EQ(gas->pressureRise, Air.pressureRise);
    EXPECT_EQ(gas->halfGammaMinusOne, 0.2);
}

TEST(RequestTable, AlignsTheTextsAfterTheLabels)
{
    const ShellRequest request{Beta, Weak, "2", "10", {}};
    EXPECT_EQ(RequestTable(request, Answer(request, ",")), "M1     2\n"
                                                           "θ      10\n"
                                                           "β      39,3139\n"
                                                           "Mn1    1,26714\n"
                                                           "Mn2    0,80319\n"
                                                           "M2     1,64052\n"
                                                           "p2/p1  1,70658\n"
                                                           "T2/T1  1,17015\n");
}

// The shock's values were computed apart from the program (see tests/reactions/ShockDetailsTest).
struct TableCase {
    const char* name;
    ShellRequest request;
    std::string table;
    std::string shock;
};

class RequestTables : public testing::TestWithParam<TableCase> {};

TEST_P(RequestTables, ShowWhatWasTypedAndWhatTheRequestWrote)
{
    const ShellAnswer answer = Answer(GetParam().request, ".");
    EXPECT_EQ(RequestTable(GetParam().request, answer), GetParam().table);
}

TEST_P(RequestTables, ShowTheWholeShockOfWhatWasSolvedOrDetached)
{
    EXPECT_EQ(ShockTable(Answer(GetParam().request, ".")), GetParam().shock);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, RequestTables,
    testing::Values(
        TableCase{"beta_solved_has_its_flow_again_in_the_whole_shock",
                  {Beta, Weak, "2", "10", {}},
                  "M1     2\nθ      10\nβ      39.3139\nMn1    1.26714\nMn2    0.80319\n"
                  "M2     1.64052\np2/p1  1.70658\nT2/T1  1.17015\n",
                  "Mn1        1.26714\nMn2        0.80319\nM2         1.64052\np2/p1      1.70658\n"
                  "ρ2/ρ1      1.45843\nT2/T1      1.17015\np02/p01    0.98464\nθmax       22.9735\n"
                  "β at θmax  64.669\nβ sonic    61.4854\nθ sonic    22.706\nbranch     weak\n"
                  "other β    83.7001\n"},
        TableCase{"beta_weak_gamma_1_3_has_the_whole_shock_of_its_gas",
                  {Beta, Weak, "2", "10", {}, PerfectGasOf(1.3)},
                  "M1     2\nθ      10\nβ      38.8127\nMn1    1.25355\nMn2    0.80799\n"
                  "M2     1.6765\np2/p1  1.64593\nT2/T1  1.12549\n",
                  "Mn1        1.25355\nMn2        0.80799\nM2         1.6765\np2/p1      1.64593\n"
                  "ρ2/ρ1      1.4624\nT2/T1      1.12549\np02/p01    0.98611\nθmax       24.7294\n"
                  "β at θmax  65.3433\nβ sonic    62.2072\nθ sonic    24.4496\nbranch     weak\n"
                  "other β    84.4326\n"},
        TableCase{"beta_weak_gamma_5_3_has_the_whole_shock_of_its_gas",
                  {Beta, Weak, "2", "10", {}, PerfectGasOf(5.0 / 3.0)},
                  "M1     2\nθ      10\nβ      40.7301\nMn1    1.30499\nMn2    0.79108\n"
                  "M2     1.54813\np2/p1  1.87876\nT2/T1  1.29709\n",
                  "Mn1        1.30499\nMn2        0.79108\nM2         1.54813\np2/p1      1.87876\n"
                  "ρ2/ρ1      1.44844\nT2/T1      1.29709\np02/p01    0.9805\nθmax       19.3449\n"
                  "β at θmax  63.2722\nβ sonic    60\nθ sonic    19.1066\nbranch     weak\n"
                  "other β    81.6861\n"},
        TableCase{"detached_at_gamma_5_3_has_theta_max_and_least_M1_of_its_gas",
                  {Beta, Weak, "2", "20", {}, PerfectGasOf(5.0 / 3.0)},
                  "M1     2\nθ      20\nβ\n",
                  "θmax       19.3449\nleast M1   2.0484\n"},
        TableCase{"theta_solved_has_no_untouched_results",
                  {Teta, Weak, "2", {}, "40"},
                  "M1     2\nθ      10.6229\nβ      40\n",
                  "Mn1        1.28558\nMn2        0.79338\nM2         1.61732\np2/p1      1.76149\n"
                  "ρ2/ρ1      1.49056\nT2/T1      1.18177\np02/p01    0.98179\nθmax       22.9735\n"
                  "β at θmax  64.669\nβ sonic    61.4854\nθ sonic    22.706\nbranch     weak\n"
                  "other β    83.2619\n"},
        TableCase{"mach_solved_has_no_untouched_results",
                  {Mach, Weak, {}, "10", "40"},
                  "M1     1.9668\nθ      10\nβ      40\n",
                  "Mn1        1.26423\nMn2        0.80477\nM2         1.60954\np2/p1      1.698\n"
                  "ρ2/ρ1      1.45336\nT2/T1      1.16832\np02/p01    0.98507\nθmax       22.3929\n"
                  "β at θmax  64.6983\nβ sonic    61.431\nθ sonic    22.113\nbranch     weak\n"
                  "other β    83.4927\n"},
        TableCase{"detached_shows_the_blanked_beta_as_its_label",
                  {Beta, Weak, "2", "30", {}},
                  "M1     2\nθ      30\nβ\n",
                  "θmax       22.9735\nleast M1   2.5192\n"},
        TableCase{
            "refused_shows_the_typed_inputs_only", {Teta, Weak, {}, {}, "40"}, "β      40\n", ""},
        TableCase{"refused_with_nothing_typed_is_empty", {Beta, Weak, {}, {}, {}}, "", ""},
        TableCase{"no_output_chosen_shows_the_typed_inputs",
                  {{}, Weak, "2", {}, "40"},
                  "M1     2\nβ      40\n",
                  ""},
        TableCase{"a_typed_blank_is_shown_as_typed",
                  {Beta, Weak, " ", "10", {}},
                  "M1      \nθ      10\n",
                  ""},
        TableCase{"mach_fault_at_the_mark_keeps_what_was_written",
                  {Mach, Weak, {}, "10", "-3e78"},
                  "M1     1.6058\nθ      10\nβ      -3e78\n",
                  ""}),
    ParamName);

} // namespace
