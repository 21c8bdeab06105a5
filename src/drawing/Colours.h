#pragma once

#include "form/Rgb.h"

#include <QColor>

// The light yellow of the chart area and of the About window.
inline constexpr Rgb LightYellow{255, 255, 192};

inline QColor ToQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}
