#include "ui/ImageSurface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{

// Far outside any picture area, yet small enough for the painter's fixed-point rasteriser.
constexpr qreal PixelLimit = 1e5;

qreal Bounded(qreal pixels)
{
    if (std::isnan(pixels))
        return -PixelLimit;
    return std::clamp(pixels, -PixelLimit, PixelLimit);
}

} // namespace

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background)
    : m_image(logicalSize * devicePixelRatio, QImage::Format_RGB32), m_background(background)
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(m_background);
}

void ImageSurface::Clear()
{
    m_image.fill(m_background);
}

void ImageSurface::SetScale(float left, float top, float right, float bottom)
{
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
}

QPointF ImageSurface::ToPixels(float x, float y) const
{
    const QSizeF area = m_image.deviceIndependentSize();
    return {Bounded((qreal(x) - m_left) * area.width() / (qreal(m_right) - m_left)),
            Bounded((qreal(y) - m_top) * area.height() / (qreal(m_bottom) - m_top))};
}

QColor ImageSurface::ColourOr(std::optional<Rgb> colour) const
{
    return colour ? QColor(colour->red, colour->green, colour->blue) : m_foreground;
}

void ImageSurface::Line(QPointF from, QPointF to, QColor colour)
{
    QPainter painter(&m_image);
    painter.setPen(QPen(colour, 1));
    painter.drawLine(from, to);
    m_current = to;
}

void ImageSurface::DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    Line(ToPixels(x1, y1), ToPixels(x2, y2), ColourOr(colour));
}

void ImageSurface::DrawLineTo(float x, float y, Rgb colour)
{
    Line(m_current, ToPixels(x, y), ColourOr(colour));
}

void ImageSurface::SetPoint(float x, float y, std::optional<Rgb> colour)
{
    m_current = ToPixels(x, y);
    QPainter painter(&m_image);
    painter.fillRect(QRectF(std::floor(m_current.x()), std::floor(m_current.y()), 1, 1),
                     ColourOr(colour));
}

void ImageSurface::DrawCircle(float x, float y, float radius, Rgb colour)
{
    // Round on screen: the radius is measured on the horizontal scale for both directions.
    const qreal pixels = Bounded(qreal(radius) * m_image.deviceIndependentSize().width() /
                                 (qreal(m_right) - m_left));
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ColourOr(colour), 1));
    painter.drawEllipse(ToPixels(x, y), std::abs(pixels), std::abs(pixels));
}
