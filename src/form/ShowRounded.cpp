#include "form/ShowRounded.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr int MaxSignificantDigits = 15;

// Room for any double in fixed notation with the places asked for.
using Digits = std::array<char, 400>;

std::string_view ToChars(Digits& buffer, double value, std::chars_format format, int precision)
{
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

std::string_view TrimTrailingZeros(std::string_view mantissa)
{
    if (mantissa.find('.') == std::string_view::npos)
        return mantissa;
    mantissa = mantissa.substr(0, mantissa.find_last_not_of('0') + 1);
    if (mantissa.back() == '.')
        mantissa.remove_suffix(1);
    return mantissa;
}

std::size_t SignificantDigits(std::string_view fixed)
{
    const auto first = fixed.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    return static_cast<std::size_t>(
        std::count_if(fixed.begin() + static_cast<std::ptrdiff_t>(first), fixed.end(),
                      [](char c) { return c >= '0' && c <= '9'; }));
}

std::string Exponential(double value)
{
    Digits buffer{};
    const std::string_view text =
        ToChars(buffer, value, std::chars_format::scientific, MaxSignificantDigits - 1);
    const auto e = text.find('e');
    std::string written(TrimTrailingZeros(text.substr(0, e)));
    written += 'E';
    written += text.substr(e + 1);
    return written;
}

} // namespace

std::string FormatRounded(double value, int places, const std::string& decimalSeparator)
{
    if (!std::isfinite(value))
        return {};

    // Rounded once from the exact binary value, to the places asked for or to the 15th
    // significant digit, whichever comes first; to_chars breaks exact ties to even. The digits
    // are looked at where to_chars wrote them: a box is written seven times a click.
    Digits buffer{};
    std::string_view text;
    for (int decimals = places; decimals >= 0; --decimals) {
        text = ToChars(buffer, value, std::chars_format::fixed, decimals);
        if (SignificantDigits(text) <= MaxSignificantDigits)
            break;
    }
    if (text.empty())
        return "0"; // no places at all were asked for
    const std::size_t sign = text[0] == '-' ? 1 : 0;
    const auto integerDigits = std::min(text.find('.'), text.size()) - sign;
    std::string exponential;
    if (integerDigits > MaxSignificantDigits) {
        exponential = Exponential(value);
        text = exponential;
    } else {
        text = TrimTrailingZeros(text);
    }

    if (text.find_first_of("123456789") == std::string_view::npos)
        return "0"; // no "-0" for a value that rounds to zero
    const auto point = text.find('.');
    if (point == std::string_view::npos)
        return std::string(text);
    std::string written;
    written.reserve(text.size() - 1 + decimalSeparator.size());
    written.append(text.substr(0, point)).append(decimalSeparator).append(text.substr(point + 1));
    return written;
}

void ShowRounded(ControlModel& form, TextBox box, double value, int places)
{
    form.SetText(box, FormatRounded(value, places, form.DecimalSeparator()));
}
