#pragma once

#include "form/Rgb.h"

#include <optional>

// A drawing area with a user coordinate system and a current point. Coordinates and the radius
// are single precision; without a colour, lines and points take the foreground colour (black).
// Whatever falls outside the drawable area is clipped.
class ChartSurface {
public:
    virtual ~ChartSurface() = default;

    // Erases the drawing to the background colour; the scale stays.
    virtual void Clear() = 0;
    // Maps the drawable area's top-left corner to (left, top), its bottom-right to (right, bottom).
    virtual void SetScale(float left, float top, float right, float bottom) = 0;
    virtual void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) = 0;
    // A line from the current point; the current point becomes (x, y).
    virtual void DrawLineTo(float x, float y, Rgb colour) = 0;
    virtual void SetPoint(float x, float y, std::optional<Rgb> colour) = 0;
    // A circle that stays round on screen, its radius in units of the horizontal scale.
    virtual void DrawCircle(float x, float y, float radius, Rgb colour) = 0;
};
