#include "ui/ImageSurface.h"

#include "ui/Colours.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Far outside any picture area, yet small enough for the painter's fixed-point rasteriser.
constexpr qreal PixelLimit = 1e5;

qreal Bounded(qreal pixels)
{
    if (std::isnan(pixels))
        return -PixelLimit;
    return std::clamp(pixels, -PixelLimit, PixelLimit);
}

} // namespace

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background,
                           std::function<void()> changed)
    : m_image(logicalSize * devicePixelRatio, QImage::Format_RGB32), m_background(background),
      m_changed(std::move(changed))
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(m_background);
}

ImageSurface::~ImageSurface() = default;

const QImage& ImageSurface::Image()
{
    DrawPendingPolyline();
    FinishPainting();
    m_changeReported = false;
    return m_image;
}

void ImageSurface::Changed()
{
    if (m_changeReported || !m_changed)
        return;
    m_changeReported = true;
    m_changed();
}

QPainter& ImageSurface::Painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setPen(Qt::NoPen);
        // The whole image as an explicit rectangular clip: it clips nothing more, but with it
        // the cosmetic line rasteriser writes pixels directly instead of as clipped spans.
        m_painter->setClipRect(QRectF(QPointF(0, 0), m_image.deviceIndependentSize()));
    }
    return *m_painter;
}

QPainter& ImageSurface::Painter(QColor colour)
{
    QPainter& painter = Painter();
    if (painter.pen().style() == Qt::NoPen || painter.pen().color() != colour) {
        // A cosmetic pen: one device pixel wide, drawn by the rasteriser's fast line path.
        QPen pen(colour, 0);
        pen.setCosmetic(true);
        painter.setPen(pen);
    }
    return painter;
}

void ImageSurface::FinishPainting()
{
    m_painter.reset();
}

void ImageSurface::DrawPendingPolyline()
{
    if (m_polyline.size() > 1)
        Painter(m_polylineColour).drawPolyline(m_polyline);
    m_polyline.clear();
}

void ImageSurface::Clear()
{
    Changed();
    m_polyline.clear();
    FinishPainting();
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
    return colour ? ToQColor(*colour) : m_foreground;
}

void ImageSurface::DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    Changed();
    DrawPendingPolyline();
    m_current = ToPixels(x2, y2);
    Painter(ColourOr(colour)).drawLine(ToPixels(x1, y1), m_current);
}

void ImageSurface::DrawLineTo(float x, float y, Rgb colour)
{
    Changed();
    const QColor qcolour = ColourOr(colour);
    if (m_polyline.isEmpty() || qcolour != m_polylineColour) {
        DrawPendingPolyline();
        m_polyline << m_current;
        m_polylineColour = qcolour;
    }
    m_current = ToPixels(x, y);
    m_polyline << m_current;
}

void ImageSurface::SetPoint(float x, float y, std::optional<Rgb> colour)
{
    Changed();
    DrawPendingPolyline();
    m_current = ToPixels(x, y);
    Painter().fillRect(QRectF(std::floor(m_current.x()), std::floor(m_current.y()), 1, 1),
                       ColourOr(colour));
}

void ImageSurface::DrawCircle(float x, float y, float radius, Rgb colour)
{
    Changed();
    DrawPendingPolyline();
    // Round on screen: the radius is measured on the horizontal scale for both directions.
    const qreal pixels = Bounded(qreal(radius) * m_image.deviceIndependentSize().width() /
                                 (qreal(m_right) - m_left));
    Painter(ColourOr(colour)).drawEllipse(ToPixels(x, y), std::abs(pixels), std::abs(pixels));
}
