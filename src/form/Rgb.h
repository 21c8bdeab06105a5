#pragma once

#include <cstdint>

// A 24-bit colour, as the window's controls and the chart use them.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(Rgb, Rgb) = default;
};
