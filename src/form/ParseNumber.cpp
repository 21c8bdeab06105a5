#include "form/ParseNumber.h"

#include "physics/ArithmeticFault.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>

namespace {

bool IsSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

double Converted(const std::string& text, std::chars_format format, bool* outOfRange)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, format);
    *outOfRange = result.ec == std::errc::result_out_of_range;
    return value;
}

// &H and &O: the digits are turned into bits, so that even a long integer is rounded once.
double ParseRadix(std::string_view digits, int bitsPerDigit)
{
    std::string bits;
    for (char c : digits) {
        const int value = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            bits += ((value >> bit) & 1) ? '1' : '0';
    }
    bits.erase(0, std::min(bits.find('1'), bits.size()));
    if (bits.empty())
        return 0.0;
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');

    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                           (bits[i + 3] - '0');
        hex += "0123456789abcdef"[nibble];
    }
    bool outOfRange = false;
    const double value = Converted(hex, std::chars_format::hex, &outOfRange);
    if (outOfRange)
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    return value;
}

// Reads the &H or &O integer at the start of `text`; `*length` is the number of its characters.
double ParseRadixPrefixed(std::string_view text, std::size_t* length)
{
    const char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    const auto isDigit = [radix](char c) {
        return radix == 'H' ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                            : (c >= '0' && c <= '7');
    };
    const std::string_view rest = text.substr(2);
    const auto end = std::find_if_not(rest.begin(), rest.end(), isDigit);
    const auto digits = static_cast<std::size_t>(end - rest.begin());
    *length = 2 + digits;
    return ParseRadix(rest.substr(0, digits), radix == 'H' ? 4 : 3);
}

} // namespace

double ParseNumber(std::string_view text, std::string_view decimalSeparator)
{
    return ReadNumber(text, decimalSeparator).value;
}

NumberReading ReadNumber(std::string_view text, std::string_view decimalSeparator)
{
    std::string compact;
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return !IsSkipped(c); });
    const auto read = [&compact](double value, std::size_t length) {
        return NumberReading{value, length < compact.size()};
    };

    if (compact.size() >= 2 && compact[0] == '&') {
        const char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
        std::size_t length = 0;
        if (radix == 'H' || radix == 'O') {
            const double value = ParseRadixPrefixed(compact, &length);
            return read(value, length);
        }
        return read(0.0, 0);
    }

    std::size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        if (compact[i] == '-')
            number += '-';
        ++i;
    }
    // Decimal order of the first significant digit, to tell overflow from underflow. Both it and
    // the exponent are 64-bit, whatever the width of long on the platform.
    std::int64_t order = 0;
    bool significant = false;
    bool anyDigit = false;
    for (; i < compact.size() && IsDigit(compact[i]); ++i) {
        number += compact[i];
        anyDigit = true;
        significant = significant || compact[i] != '0';
        if (significant)
            ++order;
    }
    const std::string_view rest = std::string_view(compact).substr(i);
    const std::size_t point = rest.starts_with('.')                ? 1
                              : rest.starts_with(decimalSeparator) ? decimalSeparator.size()
                                                                   : 0;
    if (point > 0) {
        number += '.';
        for (i += point; i < compact.size() && IsDigit(compact[i]); ++i) {
            number += compact[i];
            anyDigit = true;
            if (!significant && compact[i] != '0')
                significant = true;
            else if (!significant)
                --order;
        }
    }
    if (!anyDigit)
        return read(0.0, 0);

    std::int64_t exponent = 0;
    if (i < compact.size() && std::string_view("EeDd").find(compact[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-'))
            negative = compact[j++] == '-';
        if (j < compact.size() && IsDigit(compact[j])) {
            // Beyond 10^9 every exponent overflows or underflows alike: the cap is applied
            // before the next digit, so the sum never leaves 64 bits.
            constexpr std::int64_t Cap = 1'000'000'000;
            for (; j < compact.size() && IsDigit(compact[j]); ++j)
                exponent = std::min(exponent * 10 + (compact[j] - '0'), Cap);
            if (negative)
                exponent = -exponent;
            number += 'e' + std::to_string(exponent);
            i = j;
        }
    }

    bool outOfRange = false;
    const double value = Converted(number, std::chars_format::general, &outOfRange);
    if (outOfRange) {
        if (order + exponent > 0)
            throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
        return read(0.0, i);
    }
    return read(value, i);
}
