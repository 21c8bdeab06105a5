#pragma once

#include "layout/ControlRows.h"

inline constexpr Rgb DarkGreen{0, 128, 0};
inline constexpr Rgb Blue{0, 0, 255};

// The About window's client area, in twips.
inline constexpr TwipsRect FormAboutClientTwips{0, 0, 3600, 2430};

// The About window's labels, from top to bottom, on the window's light yellow.
inline constexpr ControlRow FormAboutTable[] = {
    {.name = "Label2",
     .kind = ControlKind::Label,
     .caption = "Program for solving",
     .twips = {720, 120, 2055, 255},
     .tabIndex = 0,
     .font = ControlFont::AboutTitle,
     .textColour = DarkGreen},
    {.name = "Label3",
     .kind = ControlKind::Label,
     .caption = "Oblique Shock Equations",
     .twips = {480, 360, 2535, 255},
     .tabIndex = 1,
     .font = ControlFont::AboutTitle,
     .textColour = DarkGreen},
    {.name = "Label7",
     .kind = ControlKind::Label,
     .caption = "by the Oblique Shock team",
     .twips = {480, 960, 2775, 255},
     .tabIndex = 4,
     .font = ControlFont::AboutText},
    {.name = "Label8",
     .kind = ControlKind::Label,
     .caption = "last update: April 2007",
     .twips = {480, 1320, 2415, 255},
     .tabIndex = 5,
     .font = ControlFont::AboutText},
    {.name = "Label4",
     .kind = ControlKind::Label,
     .caption = "For comments and questions e-mail to",
     .twips = {120, 1680, 3375, 255},
     .tabIndex = 2,
     .font = ControlFont::AboutText},
    {.name = "Label5",
     .kind = ControlKind::Label,
     .caption = "shock@example.org",
     .twips = {840, 1920, 1935, 255},
     .tabIndex = 3,
     .font = ControlFont::AboutText,
     .textColour = Blue},
};
