#include "reactions/OutputSelection.h"
#include "support/ParamName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SelectionCase {
    const char* name;
    OptionButton output;
    const char* frame;
    std::vector<std::string> colours; // Text_M1, Text_Beta, Text_Teta
};

class OutputSelection : public testing::TestWithParam<SelectionCase> {};

TEST_P(OutputSelection, PreparesTheWindowForANewRequest)
{
    const auto& c = GetParam();
    RecordingForm form;
    form.Choose(OptionButton::Option_Strong);
    form.texts[TextBox::Text_Mn1] = "1.26714";
    SelectOutput(form, c.output);
    EXPECT_EQ(form.events, (std::vector<std::string>{
                               std::string("Frame3 ") + c.frame, "Text_M1 colour " + c.colours[0],
                               "Text_Beta colour " + c.colours[1],
                               "Text_Teta colour " + c.colours[2], "Text_M1 <-  ", "Text_Beta <-  ",
                               "Text_Teta <-  ", "Command1 <- SET input values then CLICK"}));
    ASSERT_EQ(form.surface.calls.size(), 1u);
    EXPECT_EQ(form.surface.calls[0].operation, "Clear");
    EXPECT_TRUE(form.IsSelected(OptionButton::Option_Strong));
    EXPECT_EQ(form.texts[TextBox::Text_Mn1], "1.26714");
}

INSTANTIATE_TEST_SUITE_P(
    Options, OutputSelection,
    testing::Values(SelectionCase{"M1",
                                  OptionButton::Option_M1,
                                  "hidden",
                                  {"200,200,200", "255,255,255", "255,255,255"}},
                    SelectionCase{"Teta",
                                  OptionButton::Option_Teta,
                                  "hidden",
                                  {"255,255,255", "255,255,255", "200,200,200"}},
                    SelectionCase{"Beta",
                                  OptionButton::Option_Beta,
                                  "shown",
                                  {"255,255,255", "200,200,200", "255,255,255"}}),
    ParamName);

} // namespace
