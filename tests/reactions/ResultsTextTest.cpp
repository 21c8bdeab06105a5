#include "reactions/ResultsText.h"
#include "reactions/Command1Click.h"
#include "reactions/OutputSelection.h"
#include "support/ParamName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

// The window as Copy Results sees it: every write of a click is told to its results.
class ResultsForm : public RecordingForm {
public:
    ClickResults results;
    bool clicking = false;

    void SetText(TextBox box, const std::string& text) override
    {
        RecordingForm::SetText(box, text);
        if (clicking)
            results.Wrote(box, text);
    }
};

// What the user does before Copy Results: an output choice (none: the one before stays), the
// branch, the texts typed (none: the box is left as it is) and a click.
struct Step {
    std::optional<OptionButton> output;
    std::optional<std::string> M1;
    std::optional<std::string> Teta;
    std::optional<std::string> Beta;
    OptionButton branch = OptionButton::Option_Weak;
};

struct ResultsCase {
    const char* name;
    std::vector<Step> steps;
    std::string copied;
};

class CopyResults : public testing::TestWithParam<ResultsCase> {};

TEST_P(CopyResults, CopiesTheValuesOfTheRequestTheChartShows)
{
    ResultsForm form;
    FormState state;
    for (const Step& step : GetParam().steps) {
        if (step.output) {
            form.Choose(*step.output);
            SelectOutput(form, *step.output);
            form.results.Clear();
        }
        form.Choose(step.branch);
        if (step.M1)
            form.Type(TextBox::Text_M1, *step.M1);
        if (step.Teta)
            form.Type(TextBox::Text_Teta, *step.Teta);
        if (step.Beta)
            form.Type(TextBox::Text_Beta, *step.Beta);
        form.results.Begin(form);
        form.clicking = true;
        const RequestOutcome outcome = Command1_Click(form, state);
        form.clicking = false;
        form.results.End(outcome);
    }
    EXPECT_EQ(form.results.Text(), GetParam().copied);
    EXPECT_EQ(form.results.Empty(), GetParam().copied.empty());
    // The request kept with the values, whose shock the window's details show, is the chart's.
    const std::optional<RequestOutcome>& request = form.results.Request();
    EXPECT_EQ(request.has_value(), !GetParam().copied.empty());
    EXPECT_TRUE(!request || request->chartRedrawn);
}

constexpr auto Beta = OptionButton::Option_Beta;
constexpr auto Teta = OptionButton::Option_Teta;
constexpr auto Mach = OptionButton::Option_M1;
constexpr auto Strong = OptionButton::Option_Strong;

const std::string SolvedM2Teta10 = "M1\t2\nθ\t10\nβ\t39.3139\nMn1\t1.26714\nMn2\t0.80319\n"
                                   "M2\t1.64052\np2/p1\t1.70658\nT2/T1\t1.17015\n";

INSTANTIATE_TEST_SUITE_P(
    Clicks, CopyResults,
    testing::Values(
        ResultsCase{
            "beta_solved_all_eight_in_window_order", {{Beta, "2", "10", {}}}, SolvedM2Teta10},
        ResultsCase{"theta_after_strong_beta_without_its_results",
                    {{Beta, "3", "20", {}, Strong}, {Teta, "2", {}, "40"}},
                    "M1\t2\nθ\t10.6229\nβ\t40\n"},
        ResultsCase{"m1_solved", {{Mach, {}, "10", "40"}}, "M1\t1.9668\nθ\t10\nβ\t40\n"},
        ResultsCase{"detached_says_so_without_earlier_results",
                    {{Beta, "2", "10", {}}, {{}, {}, "30", {}}},
                    "M1\t2\nθ\t30\nβ\tno attached shock (Teta > TetaMax)\n"},
        ResultsCase{"refusal_keeps_the_request_the_chart_shows",
                    {{Beta, "2", "10", {}}, {{}, "1", {}, {}}},
                    SolvedM2Teta10},
        ResultsCase{"fault_before_drawing_keeps_the_request_the_chart_shows",
                    {{Beta, "2", "10", {}}, {{}, "1e100", "5", {}}},
                    SolvedM2Teta10},
        ResultsCase{"fault_at_the_mark_gives_what_was_computed",
                    {{Mach, {}, "10", "-3e78"}},
                    "M1\t1.6058\nθ\t10\nβ\t-3e78\n"},
        ResultsCase{"output_choice_empties_it", {{Beta, "2", "10", {}}, {Teta, {}, {}, {}}}, ""},
        ResultsCase{"refusal_alone_gives_nothing", {{Beta, "1", "10", {}}}, ""},
        ResultsCase{"no_output_gives_nothing", {{{}, "2", "10", {}}}, ""},
        ResultsCase{"typed_text_as_its_box_shows_it_and_kept_on_one_row",
                    {{Teta, " 2abc", {}, "4\t0\n"}},
                    "M1\t2abc\nθ\t10.6229\nβ\t4 0\n"}),
    ParamName);

} // namespace
