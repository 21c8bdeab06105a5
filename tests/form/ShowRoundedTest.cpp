#include "form/ShowRounded.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RoundCase {
    const char* name;
    double value;
    int places;
    std::string expected;
};

class FormatRoundedWrites : public testing::TestWithParam<RoundCase> {};

TEST_P(FormatRoundedWrites, Text)
{
    EXPECT_EQ(FormatRounded(GetParam().value, GetParam().places), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatRoundedWrites,
    testing::Values(
        RoundCase{"integer_without_point", 2.0, 4, "2"},
        RoundCase{"trailing_zero_dropped", 0.60370000001, 5, "0.6037"},
        RoundCase{"four_places", 39.313932, 4, "39.3139"},
        RoundCase{"rounds_up", 1.2671449, 5, "1.26714"},
        RoundCase{"tie_to_even_down", 0.125, 2, "0.12"},
        RoundCase{"tie_to_even_up", 0.375, 2, "0.38"}, RoundCase{"half_to_even_2", 2.5, 0, "2"},
        RoundCase{"half_to_even_4", 3.5, 0, "4"},
        RoundCase{"binary_value_below_tie", 1.005, 2, "1"}, RoundCase{"negative", -2.5, 4, "-2.5"},
        RoundCase{"negative_rounding_to_zero", -0.00001, 4, "0"},
        RoundCase{"negative_zero", -0.0, 4, "0"}, RoundCase{"tiny", 1e-20, 4, "0"},
        RoundCase{"fifteen_significant_digits", 1234567890123.45678, 4, "1234567890123.46"},
        RoundCase{"carry_into_fifteenth_digit", 99999999999999.99, 4, "100000000000000"},
        RoundCase{"exponent_form", 1234567890123456.0, 4, "1.23456789012346E+15"},
        RoundCase{"exponent_form_exact_power", 1e15, 4, "1E+15"},
        RoundCase{"carry_into_exponent_form", 999999999999999.9, 4, "1E+15"},
        RoundCase{"negative_exponent_form", -1.5e20, 2, "-1.5E+20"},
        RoundCase{"largest_double", 1.7976931348623157e308, 4, "1.79769313486232E+308"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShowRounded, WritesTheBoxInTheUsersDecimalSeparator)
{
    RecordingForm form;
    form.separator = std::string(1, ',');
    ShowRounded(form, TextBox::Text_Beta, 39.313932, 4);
    ShowRounded(form, TextBox::Text_M2, 2.0, 5);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Text_Beta <- 39,3139", "Text_M2 <- 2"}));
}

} // namespace
