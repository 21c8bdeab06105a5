#include "form/ParseNumber.h"

#include "physics/ArithmeticFault.h"

#include <algorithm>
#include <cctype>
#include <charconv>
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

double ParseRadixPrefixed(std::string_view text)
{
    const char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    const auto isDigit = [radix](char c) {
        return radix == 'H' ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                            : (c >= '0' && c <= '7');
    };
    const std::string_view rest = text.substr(2);
    const auto end = std::find_if_not(rest.begin(), rest.end(), isDigit);
    return ParseRadix(rest.substr(0, static_cast<std::size_t>(end - rest.begin())),
                      radix == 'H' ? 4 : 3);
}

} // namespace

double ParseNumber(std::string_view text, std::string_view decimalSeparator)
{
    std::string compact;
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return !IsSkipped(c); });

    if (compact.size() >= 2 && compact[0] == '&') {
        const char radix = static_cast<char>(std::toupper(static_cast<unsigned char>(compact[1])));
        if (radix == 'H' || radix == 'O')
            return ParseRadixPrefixed(compact);
        return 0.0;
    }

    std::size_t i = 0;
    std::string number;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        if (compact[i] == '-')
            number += '-';
        ++i;
    }
    // Decimal order of the first significant digit, to tell overflow from underflow.
    long order = 0;
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
        return 0.0;

    long exponent = 0;
    if (i < compact.size() && std::string_view("EeDd").find(compact[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-'))
            negative = compact[j++] == '-';
        if (j < compact.size() && IsDigit(compact[j])) {
            for (; j < compact.size() && IsDigit(compact[j]); ++j)
                exponent = std::min(exponent * 10 + (compact[j] - '0'), 1'000'000'000L);
            if (negative)
                exponent = -exponent;
            number += 'e' + std::to_string(exponent);
        }
    }

    bool outOfRange = false;
    const double value = Converted(number, std::chars_format::general, &outOfRange);
    if (outOfRange) {
        if (order + exponent > 0)
            throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
        return 0.0;
    }
    return value;
}
