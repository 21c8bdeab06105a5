#pragma once

#include "drawing/Colours.h"
#include "form/Rgb.h"

#include <QPalette>
#include <QWidget>

// Gives a widget its own colour for one role of its palette.
inline void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, Rgb colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, ToQColor(colour));
    widget->setPalette(colours);
}
