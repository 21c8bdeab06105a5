#pragma once

#include "form/ChartSurface.h"

#include <cstdint>
#include <vector>

// The chart area as the page shows it: its drawing rasterised here, pixel by pixel, on the
// canvas's device pixels, so that every line is one device pixel wide, as the window's are, at
// any device pixel ratio. The page copies the pixels to its canvas.
class RasterSurface : public ChartSurface {
public:
    // The drawable area in CSS pixels, and how many device pixels a CSS pixel has.
    void Resize(int width, int height, double devicePixelRatio);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // RGBA, row by row from the top.
    const std::uint8_t* Pixels() const { return m_pixels.data(); }

    void Clear() override;
    void SetScale(float left, float top, float right, float bottom) override;
    void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void DrawLineTo(float x, float y, Rgb colour) override;
    void SetPoint(float x, float y, std::optional<Rgb> colour) override;
    void DrawCircle(float x, float y, float radius, Rgb colour) override;

private:
    struct Point {
        double x;
        double y;
    };
    Point ToPixels(float x, float y) const;
    void Plot(long long x, long long y, Rgb colour);
    void Line(Point from, Point to, Rgb colour);

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_pixels;
    float m_left = 0, m_top = 0, m_right = 1, m_bottom = 1;
    Point m_current{0, 0};
};
