#include "form/ControlModel.h"

#include <gtest/gtest.h>

namespace {

struct GroupCase {
    OptionButton option;
    OptionGroup group;
};

class OptionGroups : public testing::TestWithParam<GroupCase> {};

TEST_P(OptionGroups, EachOptionIsInItsGroup)
{
    EXPECT_EQ(GroupOf(GetParam().option), GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(
    ControlModel, OptionGroups,
    testing::Values(GroupCase{OptionButton::Option_M1, OptionGroup::Output},
                    GroupCase{OptionButton::Option_Teta, OptionGroup::Output},
                    GroupCase{OptionButton::Option_Beta, OptionGroup::Output},
                    GroupCase{OptionButton::Option_Weak, OptionGroup::Branch},
                    GroupCase{OptionButton::Option_Strong, OptionGroup::Branch}),
    [](const auto& info) { return std::string(ControlName(info.param.option)); });

// The window opens with one branch chosen and no output.
TEST(OptionGroups, OneBranchAndNoOutputAreSelectedAtStart)
{
    int outputs = 0;
    int branches = 0;
    for (const OptionButtonRow& row : OptionButtons) {
        if (row.selectedAtStart)
            ++(GroupOf(row.id) == OptionGroup::Output ? outputs : branches);
    }
    EXPECT_EQ(outputs, 0);
    EXPECT_EQ(branches, 1);
}

} // namespace
