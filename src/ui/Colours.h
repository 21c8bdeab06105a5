#pragma once

#include "form/Rgb.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

// The light yellow of the chart area and of the About window.
inline constexpr Rgb LightYellow{255, 255, 192};

inline QColor ToQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// Gives a widget its own colour for one role of its palette.
inline void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, Rgb colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, ToQColor(colour));
    widget->setPalette(colours);
}
