#include "form/ParseNumber.h"
#include "physics/ArithmeticFault.h"
#include "support/ParamName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ParseCase {
    const char* name;
    std::string text;
    double expected;
    std::string separator = "."; // the decimal separator of the user's locale
};

class ParseNumberReads : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberReads, LeadingNumber)
{
    EXPECT_EQ(ParseNumber(GetParam().text, GetParam().separator), GetParam().expected)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberReads,
    testing::Values(
        ParseCase{"trailing_letters", "2abc", 2.0}, ParseCase{"decimal", "39.3139318", 39.3139318},
        ParseCase{"blanks_anywhere", " 1 2 . 5 ", 12.5},
        ParseCase{"tabs_and_line_feeds", "\t3\n0", 30.0},
        ParseCase{"blank_after_sign", "- 5", -5.0}, ParseCase{"plus_sign", "+7", 7.0},
        ParseCase{"minus_fraction", "-.5", -0.5}, ParseCase{"trailing_point", "5.", 5.0},
        ParseCase{"second_point_stops", "1.2.3", 1.2}, ParseCase{"exponent_E", "1.5E3", 1500.0},
        ParseCase{"exponent_D", "1.5d+2", 150.0}, ParseCase{"negative_exponent", "2e-2", 0.02},
        ParseCase{"blank_inside_exponent", "1 e 3", 1000.0},
        ParseCase{"exponent_without_digits", "2E", 2.0},
        ParseCase{"exponent_sign_only", "2E+x", 2.0}, ParseCase{"hex", "&H1F", 31.0},
        ParseCase{"hex_lower_case", "&hff", 255.0}, ParseCase{"hex_no_wrap", "&HFFFF", 65535.0},
        ParseCase{"hex_beyond_64_bits", "&H10000000000000000", 18446744073709551616.0},
        ParseCase{"octal", "&O17", 15.0}, ParseCase{"octal_stops_at_8", "&O178", 15.0},
        ParseCase{"octal_long", "&O1777777777777777777777", 18446744073709551615.0},
        ParseCase{"hex_without_digits", "&H", 0.0}, ParseCase{"unknown_radix", "&Z1", 0.0},
        ParseCase{"empty", "", 0.0}, ParseCase{"single_blank", " ", 0.0},
        ParseCase{"letters", "abc", 0.0}, ParseCase{"point_alone", ".", 0.0},
        ParseCase{"sign_alone", "-", 0.0}, ParseCase{"comma_is_not_a_point", "2,5", 2.0},
        ParseCase{"underflow_reads_zero", "1e-400", 0.0}, ParseCase{"subnormal", "1e-310", 1e-310},
        // A long pasted fraction whose exponent brings it back: 10^-1201 × 10^1202.
        ParseCase{"long_fraction_long_exponent", "0." + std::string(1200, '0') + "1e1202", 10.0},
        // Where the locale writes ",", both "," and "." are decimal points.
        ParseCase{"comma_locale_comma", "2,5", 2.5, ","},
        ParseCase{"comma_locale_point", "2.5", 2.5, ","},
        ParseCase{"comma_locale_own_result", "31,8506", 31.8506, ","},
        ParseCase{"comma_locale_blanks", " 1 0 , 5 ", 10.5, ","},
        ParseCase{"comma_locale_second_comma_stops", "1,2,3", 1.2, ","},
        ParseCase{"comma_locale_point_then_comma", "1.2,3", 1.2, ","},
        ParseCase{"comma_locale_leading_comma", "-,5", -0.5, ","},
        ParseCase{"comma_locale_exponent", "1,5D3", 1500.0, ","},
        ParseCase{"comma_locale_exponent_form", "1,23456789012346E+15", 1.23456789012346e15, ","},
        ParseCase{"comma_locale_hex", "&H1F,8", 31.0, ","},
        ParseCase{"comma_locale_comma_alone", ",", 0.0, ","},
        // The exponent is counted in 64 bits, also where long has 32: 2^31 and beyond.
        ParseCase{"exponent_beyond_32_bits_underflows", "1e-2147483649", 0.0},
        ParseCase{"exponent_of_20_digits_brought_back",
                  "0." + std::string(30, '0') + "1e00000000000000000031", 1.0},
        ParseCase{"multibyte_separator", "2\u066b5", 2.5, "\u066b"}),
    ParamName);

TEST(ParseNumberOverflow, NumbersBeyondDoubleRangeAreArithmeticOverflow)
{
    for (const std::string& text :
         std::vector<std::string>{"1e400", "-2.5D309", "&H" + std::string(300, 'F'), "1e2147483648",
                                  "1e4294967306", "1e99999999999999999999"}) {
        try {
            ParseNumber(text);
            ADD_FAILURE() << text << " was read without a fault";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.FaultKind(), ArithmeticFault::Kind::Overflow) << text;
            EXPECT_STREQ(fault.what(), "Arithmetic overflow");
        }
    }
}

struct GoesOnCase {
    const char* name;
    std::string text;
    bool goesOn;
    std::string separator = ".";
};

class ReadNumberTells : public testing::TestWithParam<GoesOnCase> {};

// Whether something follows the number read is what a shell's note on a typed text rests on.
TEST_P(ReadNumberTells, WhetherTheTextGoesOnAfterItsNumber)
{
    const NumberReading reading = ReadNumber(GetParam().text, GetParam().separator);
    EXPECT_EQ(reading.value, ParseNumber(GetParam().text, GetParam().separator));
    EXPECT_EQ(reading.textGoesOn, GetParam().goesOn) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTells,
    testing::Values(GoesOnCase{"whole_number", " 2 . 5 ", false},
                    GoesOnCase{"comma_after_point_number", "2,5", true},
                    GoesOnCase{"comma_in_comma_locale", "2,5", false, ","},
                    GoesOnCase{"letters_after", "2abc", true},
                    GoesOnCase{"letters_only", "abc", true}, GoesOnCase{"empty", "", false},
                    GoesOnCase{"blank", " ", false}, GoesOnCase{"exponent_read", "1.5D+2", false},
                    GoesOnCase{"exponent_without_digits", "2E", true},
                    GoesOnCase{"second_point", "1.2.3", true},
                    GoesOnCase{"trailing_point", "5.", false},
                    GoesOnCase{"hex_whole", "&H1F", false},
                    GoesOnCase{"hex_then_more", "&H1FZ", true},
                    GoesOnCase{"unknown_radix", "&Z1", true}, GoesOnCase{"sign_alone", "-", true},
                    GoesOnCase{"underflow_whole", "1e-400", false}),
    ParamName);

} // namespace
