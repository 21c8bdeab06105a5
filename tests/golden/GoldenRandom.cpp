#include "GoldenRequests.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace golden {

namespace {

constexpr int RandomRequestCount = 6000;

// Texts for the pseudo-random sweep, from std::mt19937_64 raw outputs and integer arithmetic.
class RandomTexts {
public:
    std::uint64_t Below(std::uint64_t bound) { return m_engine() % bound; }
    bool Percent(std::uint64_t percent) { return Below(100) < percent; }

    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[Below(items.size())];
    }

    // A number between low and high, both in ten-thousandths, with 0 to 8 decimals, in one of
    // the forms a user might type.
    std::string Number(std::int64_t low, std::int64_t high, const std::string& separator)
    {
        const int decimals = static_cast<int>(Below(9));
        std::int64_t units = 0;
        if (decimals >= 4) {
            const auto scale = Power10(decimals - 4);
            units = low * scale +
                    static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low) *
                                                        static_cast<std::uint64_t>(scale) +
                                                    1));
        } else {
            const auto scale = Power10(4 - decimals);
            const std::int64_t lowUnits = Ceiling(low, scale);
            const std::int64_t highUnits = std::max(Floor(high, scale), lowUnits);
            units = lowUnits + static_cast<std::int64_t>(
                                   Below(static_cast<std::uint64_t>(highUnits - lowUnits) + 1));
        }

        if (Percent(3))
            return Pick(OddTexts());
        if (Percent(3) && units >= 0) {
            std::string digits = Digits(static_cast<std::uint64_t>(units) /
                                            static_cast<std::uint64_t>(Power10(decimals)),
                                        Percent(50) ? 16 : 8);
            if (Percent(50))
                for (char& c : digits)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return (digits.size() % 2 ? "&h" : "&H") + digits;
        }

        std::string text;
        if (Percent(6)) {
            // The integer of the digits with a negative exponent: 12.345 as 12345E-3.
            text = std::to_string(units) + Pick(std::vector<std::string>{"E", "e", "D", "d"}) +
                   "-" + std::to_string(decimals);
        } else {
            const char point = separator == "," && Percent(30) ? ',' : Percent(3) ? ',' : '.';
            text = Decimal(units, decimals, point);
        }
        if (Percent(3) && units >= 0)
            text.insert(text.begin(), '+');
        if (Percent(5))
            text.insert(Below(text.size() + 1), 1, ' ');
        if (Percent(3))
            text = Pick(std::vector<std::string>{" ", "\t", "  "}) + text;
        if (Percent(3))
            text += Pick(std::vector<std::string>{" ", "\t", "\n"});
        if (Percent(4))
            text += Pick(std::vector<std::string>{"abc", "x", "\xc2\xb0", ".5", ",5", " 7", "e",
                                                  "E+", "D", "E2", "-1"});
        return text;
    }

    // A number from one of the ranges, each given as {weight in percent, low, high} with the
    // bounds in ten-thousandths.
    struct Range {
        std::uint64_t weight;
        std::int64_t low;
        std::int64_t high;
    };

    std::string FromRanges(const std::vector<Range>& ranges, const std::string& separator)
    {
        std::uint64_t roll = Below(100);
        for (const Range& range : ranges) {
            if (roll < range.weight)
                return Number(range.low, range.high, separator);
            roll -= range.weight;
        }
        return Number(ranges.back().low, ranges.back().high, separator);
    }

private:
    static std::int64_t Power10(int exponent)
    {
        std::int64_t value = 1;
        for (int i = 0; i < exponent; ++i)
            value *= 10;
        return value;
    }

    static std::int64_t Floor(std::int64_t value, std::int64_t divisor)
    {
        const std::int64_t quotient = value / divisor;
        return quotient * divisor > value ? quotient - 1 : quotient;
    }

    static std::int64_t Ceiling(std::int64_t value, std::int64_t divisor)
    {
        const std::int64_t quotient = value / divisor;
        return quotient * divisor < value ? quotient + 1 : quotient;
    }

    static std::string Digits(std::uint64_t value, int base)
    {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, base);
        return std::string(buffer, result.ptr);
    }

    // units / 10^decimals written out with the given decimal point.
    static std::string Decimal(std::int64_t units, int decimals, char point)
    {
        const bool negative = units < 0;
        std::string digits = std::to_string(negative ? -static_cast<std::uint64_t>(units)
                                                     : static_cast<std::uint64_t>(units));
        if (decimals > 0) {
            const auto places = static_cast<std::size_t>(decimals);
            if (digits.size() <= places)
                digits.insert(0, places + 1 - digits.size(), '0');
            digits.insert(digits.size() - places, 1, point);
        }
        return negative ? '-' + digits : digits;
    }

    std::mt19937_64 m_engine{20240611};
};

} // namespace

std::vector<Request> RandomRequests()
{
    using Range = RandomTexts::Range;
    const std::vector<Range> mach = {{25, 10000, 13000},
                                     {50, 10000, 50000},
                                     {10, 0, 11000},
                                     {10, 50000, 500000},
                                     {5, -30000, 10000}};
    const std::vector<Range> betaModeTeta = {{20, 0, 100000},
                                             {50, 0, 450000},
                                             {10, -20000, 20000},
                                             {15, 300000, 600000},
                                             {5, 850000, 950000}};
    const std::vector<Range> tetaModeBeta = {
        {60, 0, 950000}, {25, 150000, 450000}, {10, 850000, 950000}, {5, -100000, 0}};
    const std::vector<Range> machModeTeta = {
        {50, -20000, 950000}, {40, 0, 300000}, {10, 850000, 950000}};
    const std::vector<Range> machModeBeta = {
        {50, -1000000, 1000000}, {30, 0, 900000}, {10, 600000, 950000}, {10, -950000, -600000}};
    const std::vector<Range> anything = {{100, -1000000, 1000000}};

    RandomTexts random;
    std::vector<Request> requests;
    for (int i = 0; i < RandomRequestCount; ++i) {
        Request request;
        const std::uint64_t mode = random.Below(100);
        request.separator.assign(1, random.Percent(30) ? ',' : '.');
        request.branch = random.Percent(8)    ? std::nullopt
                         : random.Percent(50) ? std::optional{OptionButton::Option_Weak}
                                              : std::optional{OptionButton::Option_Strong};
        const std::string& sep = request.separator;
        if (mode < 45) {
            request.output = OptionButton::Option_Beta;
            request.M1 = random.FromRanges(mach, sep);
            request.Teta = random.FromRanges(betaModeTeta, sep);
            if (random.Percent(20))
                request.Beta = random.FromRanges(anything, sep);
        } else if (mode < 65) {
            request.output = OptionButton::Option_Teta;
            request.M1 = random.FromRanges(mach, sep);
            request.Beta = random.FromRanges(tetaModeBeta, sep);
            if (random.Percent(20))
                request.Teta = random.FromRanges(anything, sep);
        } else if (mode < 92) {
            request.output = OptionButton::Option_M1;
            request.Teta = random.FromRanges(machModeTeta, sep);
            request.Beta = random.FromRanges(machModeBeta, sep);
            if (random.Percent(20))
                request.M1 = random.FromRanges(anything, sep);
        } else {
            request.M1 = random.FromRanges(mach, sep);
            request.Teta = random.FromRanges(anything, sep);
            request.Beta = random.FromRanges(anything, sep);
        }
        // Now and then a box keeps the blank the output choice left in it.
        for (auto box : {&Request::M1, &Request::Teta, &Request::Beta}) {
            if (random.Percent(3))
                request.*box = std::nullopt;
        }
        requests.push_back(request);
    }
    return requests;
}

} // namespace golden
