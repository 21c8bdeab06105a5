#include "web/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The chart area's light yellow and the default colour of its lines, as in the window.
constexpr Rgb LightYellow{255, 255, 192};
constexpr Rgb Black{0, 0, 0};
// Far outside the area, yet small enough that a line's steps stay few: a point beyond is held
// there, as the window's rasteriser holds it.
constexpr double PixelLimit = 1e5;

double Bounded(double pixels)
{
    return std::isnan(pixels) ? -PixelLimit : std::clamp(pixels, -PixelLimit, PixelLimit);
}

} // namespace

void RasterSurface::Resize(int width, int height, double devicePixelRatio)
{
    m_width = static_cast<int>(std::lround(width * devicePixelRatio));
    m_height = static_cast<int>(std::lround(height * devicePixelRatio));
    m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height) * 4, 0);
    Clear();
}

void RasterSurface::Clear()
{
    for (std::size_t i = 0; i < m_pixels.size(); i += 4) {
        m_pixels[i] = LightYellow.red;
        m_pixels[i + 1] = LightYellow.green;
        m_pixels[i + 2] = LightYellow.blue;
        m_pixels[i + 3] = 255;
    }
}

void RasterSurface::SetScale(float left, float top, float right, float bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
}

RasterSurface::Point RasterSurface::ToPixels(float x, float y) const
{
    return {Bounded((double(x) - m_left) * m_width / (double(m_right) - m_left)),
            Bounded((double(y) - m_top) * m_height / (double(m_bottom) - m_top))};
}

void RasterSurface::Plot(long long x, long long y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    std::uint8_t* pixel = &m_pixels[(static_cast<std::size_t>(y) * m_width + x) * 4];
    pixel[0] = colour.red;
    pixel[1] = colour.green;
    pixel[2] = colour.blue;
}

// Bresenham's line between the pixels that hold the two ends, both drawn, clipped to the area
// by walking only its part inside.
void RasterSurface::Line(Point from, Point to, Rgb colour)
{
    long long x0 = std::llround(std::floor(from.x)), y0 = std::llround(std::floor(from.y));
    const long long x1 = std::llround(std::floor(to.x)), y1 = std::llround(std::floor(to.y));
    const long long dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
    const long long sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    long long error = dx + dy;
    for (;;) {
        Plot(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const long long twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void RasterSurface::DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    const Point from = ToPixels(x1, y1);
    m_current = ToPixels(x2, y2);
    Line(from, m_current, colour.value_or(Black));
}

void RasterSurface::DrawLineTo(float x, float y, Rgb colour)
{
    const Point from = m_current;
    m_current = ToPixels(x, y);
    Line(from, m_current, colour);
}

void RasterSurface::SetPoint(float x, float y, std::optional<Rgb> colour)
{
    m_current = ToPixels(x, y);
    Plot(std::llround(std::floor(m_current.x)), std::llround(std::floor(m_current.y)),
         colour.value_or(Black));
}

// A circle of the radius on the horizontal scale, one device pixel wide, by the midpoint rule.
void RasterSurface::DrawCircle(float x, float y, float radius, Rgb colour)
{
    const Point centre = ToPixels(x, y);
    const double pixels = std::fabs(Bounded(double(radius) * m_width / (double(m_right) - m_left)));
    const long long cx = std::llround(std::floor(centre.x)),
                    cy = std::llround(std::floor(centre.y));
    long long dx = std::llround(pixels), dy = 0, error = 1 - dx;
    while (dx >= dy) {
        for (const auto& [px, py] : {std::pair{dx, dy}, std::pair{dy, dx}}) {
            Plot(cx + px, cy + py, colour);
            Plot(cx - px, cy + py, colour);
            Plot(cx + px, cy - py, colour);
            Plot(cx - px, cy - py, colour);
        }
        ++dy;
        if (error < 0) {
            error += 2 * dy + 1;
        } else {
            --dx;
            error += 2 * (dy - dx) + 1;
        }
    }
}
