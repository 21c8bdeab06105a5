#include "form/ShowRounded.h"
#include "form/ParseNumber.h"
#include "support/ParamName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

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
        RoundCase{"largest_double", 1.7976931348623157e308, 4, "1.79769313486232E+308"},
        RoundCase{"no_places_at_all", 1.5, -1, "0"},
        RoundCase{"more_places_than_digits_are_written", 1.5, 500, "1.5E+00"}),
    ParamName);

TEST(ShowRounded, WritesTheBoxInTheUsersDecimalSeparator)
{
    RecordingForm form;
    form.separator = std::string(1, ',');
    ShowRounded(form, TextBox::Text_Beta, 39.313932, 4);
    ShowRounded(form, TextBox::Text_M2, 2.0, 5);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Text_Beta <- 39,3139", "Text_M2 <- 2"}));
}

// Every number the program writes, in either separator, reads back through ParseNumber as the
// value it shows: typing a result back into a box computes with what the box showed.
TEST(ShowRounded, WrittenNumbersReadBackAsTheRoundedValue)
{
    std::vector<double> values{0.0,
                               1.0,
                               2.0,
                               0.6037,
                               39.3139318,
                               83.70008,
                               -10.5,
                               0.00005,
                               0.000049,
                               1.005,
                               30.000000000000004,
                               19.4712,
                               50724.34,
                               1e15,
                               1.5e20,
                               -1.5e20,
                               1e-7,
                               123456.5,
                               9.99995,
                               0.99999999,
                               1.79e308};
    std::mt19937_64 random(2026);
    for (int i = 0; i < 20000; ++i) {
        // Mantissas of every kind over magnitudes from 1e-8 to 1e18, of both signs.
        const double mantissa = static_cast<double>(random() >> 11) * 0x1p-53;
        const int decade = static_cast<int>(random() % 27) - 8;
        const double sign = random() % 4 == 0 ? -1.0 : 1.0;
        values.push_back(sign * mantissa * std::pow(10.0, decade));
    }
    for (const int places : {3, 4, 5}) {
        for (const double value : values) {
            const std::string point = FormatRounded(value, places, ".");
            const std::string comma = FormatRounded(value, places, ",");
            const double pointRead = ParseNumber(point, ".");
            const double commaRead = ParseNumber(comma, ",");
            ASSERT_EQ(pointRead, commaRead) << point << " / " << comma;
            ASSERT_EQ(FormatRounded(commaRead, places, ","), comma) << value;
            // What is read is the value, rounded to the places or to 15 significant digits.
            ASSERT_LE(std::fabs(commaRead - value),
                      0.5 * std::pow(10.0, -places) + std::fabs(value) * 1e-14)
                << comma << " for " << value;
        }
    }
}

} // namespace
