#pragma once

// The floating-point from_chars and to_chars that libc++ before 14 lacks (emscripten's own),
// force-included in the web build. They give what the native builds' standard library gives:
// correctly rounded readings, out of range only when the reading would be infinite or a zero
// from digits that are not all zero; fixed and scientific digits rounded once from the exact
// binary value; and the shortest digits that read back as the same double, in fixed notation
// unless scientific is shorter.

#include <charconv>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace std {

inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format format = chars_format::general)
{
    // The C library's reading, in the C locale the module always runs in; hex digits come
    // without their prefix here, as from_chars has them.
    string text = format == chars_format::hex ? "0x" : "";
    const size_t prefix = text.size();
    text.append(first, last);
    errno = 0;
    char* end = nullptr;
    const double read = strtod(text.c_str(), &end);
    const auto length = static_cast<size_t>(end - text.c_str());
    if (length <= prefix)
        return {first, errc::invalid_argument};
    const char* ptr = first + (length - prefix);
    // The C library leaves errno alone for some hex readings past the largest double.
    if (isinf(read) || (errno == ERANGE && read == 0.0))
        return {ptr, errc::result_out_of_range};
    value = read;
    return {ptr, errc()};
}

inline to_chars_result PrintedChars(char* first, char* last, const char* format, int precision,
                                    double value)
{
    char text[400];
    const int length = snprintf(text, sizeof text, format, precision, value);
    if (length < 0 || length >= static_cast<int>(sizeof text) || length > last - first)
        return {last, errc::value_too_large};
    memcpy(first, text, static_cast<size_t>(length));
    return {first + length, errc()};
}

inline to_chars_result to_chars(char* first, char* last, double value, chars_format format,
                                int precision)
{
    return PrintedChars(first, last, format == chars_format::fixed ? "%.*f" : "%.*e", precision,
                        value);
}

inline to_chars_result to_chars(char* first, char* last, double value)
{
    if (!isfinite(value))
        return PrintedChars(first, last, "%.*g", 1, value);
    // The fewest significant digits that read back as the value: the correctly rounded ones,
    // which are the nearest of that many.
    char scientific[40];
    for (int digits = 1; digits <= 17; ++digits) {
        snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
        if (strtod(scientific, nullptr) == value)
            break;
    }
    const char* e = strchr(scientific, 'e');
    const int exponent = atoi(e + 1);
    string mantissa;
    for (const char* c = scientific; c != e; ++c) {
        if (*c >= '0' && *c <= '9')
            mantissa += *c;
    }
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    const string sign = signbit(value) ? "-" : "";

    string exponential = sign + mantissa.substr(0, 1);
    if (mantissa.size() > 1)
        exponential += "." + mantissa.substr(1);
    char power[8];
    snprintf(power, sizeof power, "e%c%02d", exponent < 0 ? '-' : '+', abs(exponent));
    exponential += power;

    string fixed = sign;
    const int count = static_cast<int>(mantissa.size());
    if (exponent < 0) {
        fixed += "0." + string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
    } else if (exponent + 1 >= count) {
        fixed += mantissa + string(static_cast<size_t>(exponent + 1 - count), '0');
    } else {
        fixed += mantissa.substr(0, static_cast<size_t>(exponent + 1)) + "." +
                 mantissa.substr(static_cast<size_t>(exponent + 1));
    }
    if (value == 0.0)
        fixed = sign + "0";

    const string& shortest = exponential.size() < fixed.size() ? exponential : fixed;
    if (static_cast<ptrdiff_t>(shortest.size()) > last - first)
        return {last, errc::value_too_large};
    memcpy(first, shortest.data(), shortest.size());
    return {first + shortest.size(), errc()};
}

} // namespace std

#endif
