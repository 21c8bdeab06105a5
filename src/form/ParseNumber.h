#pragma once

#include <string_view>

// Reads the leading number of a box's text; text without one reads as 0. Blanks, tabs and line
// feeds are skipped wherever they stand. The decimal point is "." and, where the user's locale
// writes another separator (the "," of 31,8506), that one as well, so that every number the
// program writes reads back as itself. E or D introduce an exponent; &H and &O introduce an
// unsigned hexadecimal or octal integer. Reading stops at the first character that cannot
// continue the number. A number beyond the range of a double throws ArithmeticFault (overflow);
// one too small for it reads as 0.
double ParseNumber(std::string_view text, std::string_view decimalSeparator = ".");

// What ParseNumber makes of a text: the value, and whether anything but blanks follows the number
// it was read as ("2,5" with "." as the only decimal point reads as 2 and goes on with ",5";
// "abc" reads as 0 and goes on with all of it). Throws as ParseNumber does.
struct NumberReading {
    double value = 0.0;
    bool textGoesOn = false;
};
NumberReading ReadNumber(std::string_view text, std::string_view decimalSeparator = ".");
