#include "form/ShowRounded.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr int MaxSignificantDigits = 15;

std::string ToChars(double value, std::chars_format format, int precision)
{
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

void TrimTrailingZeros(std::string& mantissa)
{
    if (mantissa.find('.') == std::string::npos)
        return;
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.')
        mantissa.pop_back();
}

std::size_t SignificantDigits(const std::string& fixed)
{
    const auto first = fixed.find_first_of("123456789");
    if (first == std::string::npos)
        return 0;
    return static_cast<std::size_t>(
        std::count_if(fixed.begin() + static_cast<std::ptrdiff_t>(first), fixed.end(),
                      [](char c) { return c >= '0' && c <= '9'; }));
}

std::string Exponential(double value)
{
    std::string text = ToChars(value, std::chars_format::scientific, MaxSignificantDigits - 1);
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    TrimTrailingZeros(mantissa);
    return mantissa + 'E' + text.substr(e + 1);
}

} // namespace

std::string FormatRounded(double value, int places, const std::string& decimalSeparator)
{
    if (!std::isfinite(value))
        return {};

    // Rounded once from the exact binary value, to the places asked for or to the 15th
    // significant digit, whichever comes first; to_chars breaks exact ties to even.
    std::string text;
    for (int decimals = places; decimals >= 0; --decimals) {
        text = ToChars(value, std::chars_format::fixed, decimals);
        if (SignificantDigits(text) <= MaxSignificantDigits)
            break;
    }
    const auto integerDigits = text.find('.') == std::string::npos
                                   ? text.size() - (text[0] == '-' ? 1 : 0)
                                   : text.find('.') - (text[0] == '-' ? 1 : 0);
    if (integerDigits > MaxSignificantDigits)
        text = Exponential(value);
    else
        TrimTrailingZeros(text);

    if (text.find_first_of("123456789") == std::string::npos)
        return "0"; // no "-0" for a value that rounds to zero
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

void ShowRounded(ControlModel& form, TextBox box, double value, int places)
{
    form.SetText(box, FormatRounded(value, places, form.DecimalSeparator()));
}
