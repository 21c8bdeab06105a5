#include "drawing/ImageSurface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// How many shapes `a` and `b` begin with in common.
template <typename Shapes>
std::size_t SameStart(const Shapes& a, const Shapes& b)
{
    return std::size_t(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

// Whether the shape at `index` goes on with the polyline of the one before it, so that the two
// must be drawn together to look as they do drawn at once.
template <typename Shapes>
bool ContinuesPolyline(const Shapes& shapes, std::size_t index)
{
    using Kind = typename Shapes::value_type::Kind;
    return index > 0 && index < shapes.size() && shapes[index].kind == Kind::LineTo &&
           shapes[index - 1].kind == Kind::LineTo &&
           shapes[index].colour == shapes[index - 1].colour;
}

} // namespace

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background,
                           std::function<void()> changed)
    : m_image(logicalSize * devicePixelRatio, QImage::Format_RGB32), m_background(background),
      m_changed(std::move(changed))
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(m_background);
    m_area = m_image.deviceIndependentSize();
}

ImageSurface::~ImageSurface() = default;

void ImageSurface::SetDevicePixelRatio(qreal ratio)
{
    if (ratio == m_image.devicePixelRatio())
        return;
    m_image = QImage(m_area.toSize() * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_start = QImage();
    m_startShapes.clear();
    m_onStart = false;
    m_fresh = true;
    m_takenAll = true;
    ReportChange();
}

const QImage& ImageSurface::Image()
{
    if (m_fresh)
        StartDrawing();
    for (; m_drawn < m_shapes.size(); ++m_drawn)
        Draw(m_shapes[m_drawn]);
    if (m_polyline.size() > 1)
        m_cut = true; // lines that go on from here start a polyline of their own
    DrawPendingPolyline();
    m_painter.reset();
    return m_image;
}

void ImageSurface::StartDrawing()
{
    m_fresh = false;
    std::size_t from = 0;
    const std::size_t kept = m_startShapes.size();
    if (kept > 0 && SameStart(m_startShapes, m_shapes) == kept &&
        !ContinuesPolyline(m_shapes, kept)) {
        RestoreStart();
        from = kept;
    } else {
        m_image.fill(m_background);
        m_onStart = false;
    }
    // What this drawing shares with the one before is likely to begin the next one too: the
    // image after it is kept, ending where a polyline ends anyway.
    std::size_t shared = SameStart(m_shapes, m_previous);
    while (shared > from && ContinuesPolyline(m_shapes, shared))
        --shared;
    if (shared > from) {
        for (std::size_t i = from; i < shared; ++i)
            Draw(m_shapes[i]);
        DrawPendingPolyline();
        m_painter.reset();
        m_start = m_image.copy();
        m_startShapes.assign(m_shapes.begin(), m_shapes.begin() + std::ptrdiff_t(shared));
        m_onStart = true;
        m_overStart.clear();
        from = shared;
    }
    m_drawn = from;
}

void ImageSurface::RestoreStart()
{
    if (!m_onStart) {
        m_image = m_start.copy();
    } else {
        // The two images have the same size and layout: the rectangles are copied row by row.
        const qsizetype row = m_image.bytesPerLine();
        for (const QRect& rect : m_overStart) {
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                const qsizetype at = y * row + rect.left() * 4;
                std::memcpy(m_image.bits() + at, m_start.constBits() + at,
                            std::size_t(rect.width()) * 4);
            }
        }
    }
    m_onStart = true;
    m_overStart.clear();
}

QRect ImageSurface::Bounds(const Shape& shape) const
{
    // A line or a circle stays within a pixel of its ends or its square; two pixels of margin.
    const QRectF box =
        shape.kind == Shape::Kind::Circle
            ? QRectF(shape.x2 - shape.x1, shape.y2 - shape.x1, 2 * shape.x1, 2 * shape.x1)
        : shape.kind == Shape::Kind::Point
            ? QRectF(shape.x2, shape.y2, 0, 0)
            : QRectF(QPointF(shape.x1, shape.y1), QPointF(shape.x2, shape.y2)).normalized();
    const QRect area(QPoint(0, 0), m_area.toSize());
    return QRect(QPoint(int(std::floor(box.left())) - 2, int(std::floor(box.top())) - 2),
                 QPoint(int(std::ceil(box.right())) + 2, int(std::ceil(box.bottom())) + 2))
        .intersected(area);
}

QRegion ImageSurface::TakeChangedArea()
{
    if (!m_changeReported)
        return {};
    QRegion area;
    if (m_takenAll || m_cut) {
        // A polyline drawn in two pieces may differ from the same drawn whole: what was shown
        // with one, and what is shown after it, is shown whole.
        area = QRect(QPoint(0, 0), m_area.toSize());
    } else {
        const std::size_t same = SameStart(m_shapes, m_taken);
        QRect bounds;
        for (std::size_t i = same; i < m_shapes.size(); ++i)
            bounds |= Bounds(m_shapes[i]);
        for (std::size_t i = same; i < m_taken.size(); ++i)
            bounds |= Bounds(m_taken[i]);
        area = bounds;
    }
    m_taken = m_shapes;
    m_takenAll = m_cut;
    m_changeReported = false;
    return area;
}

QPainter& ImageSurface::Painter(QColor colour)
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setPen(Qt::NoPen);
        // The whole image as an explicit rectangular clip: it clips nothing more, but with it
        // the cosmetic line rasteriser writes pixels directly instead of as clipped spans.
        m_painter->setClipRect(QRectF(QPointF(0, 0), m_area));
    }
    if (m_painter->pen().color() != colour || m_painter->pen().style() == Qt::NoPen) {
        // A cosmetic pen: one device pixel wide.
        QPen pen(colour, 0);
        pen.setCosmetic(true);
        m_painter->setPen(pen);
    }
    return *m_painter;
}

void ImageSurface::DrawPendingPolyline()
{
    if (m_polyline.size() > 1)
        Painter(m_polylineColour).drawPolyline(m_polyline);
    m_polyline.clear();
}

void ImageSurface::Draw(const Shape& shape)
{
    if (m_onStart) {
        const qreal ratio = m_image.devicePixelRatio();
        const QRect bounds = Bounds(shape);
        m_overStart.push_back(QRectF(bounds.topLeft() * ratio, bounds.size() * ratio)
                                  .toAlignedRect()
                                  .intersected(m_image.rect()));
    }
    const QColor colour(shape.colour);
    switch (shape.kind) {
    case Shape::Kind::Line:
        DrawPendingPolyline();
        Painter(colour).drawLine(QPointF(shape.x1, shape.y1), QPointF(shape.x2, shape.y2));
        break;
    case Shape::Kind::LineTo:
        if (m_polyline.isEmpty() || colour != m_polylineColour) {
            DrawPendingPolyline();
            m_polyline << QPointF(shape.x1, shape.y1);
            m_polylineColour = colour;
        }
        m_polyline << QPointF(shape.x2, shape.y2);
        break;
    case Shape::Kind::Point:
        DrawPendingPolyline();
        Painter(colour).fillRect(QRectF(std::floor(shape.x2), std::floor(shape.y2), 1, 1), colour);
        break;
    case Shape::Kind::Circle:
        DrawPendingPolyline();
        Painter(colour).drawEllipse(QPointF(shape.x2, shape.y2), shape.x1, shape.x1);
        break;
    }
}

void ImageSurface::Keep(Shape::Kind kind, QRgb colour, qreal x1, qreal y1, qreal x2, qreal y2)
{
    ReportChange();
    m_shapes.push_back({kind, colour, x1, y1, x2, y2});
}

void ImageSurface::ReportChange()
{
    if (m_changeReported)
        return;
    m_changeReported = true;
    if (m_changed)
        m_changed();
}

QRgb ImageSurface::ColourOr(std::optional<Rgb> colour) const
{
    return colour ? qRgb(colour->red, colour->green, colour->blue) : qRgb(0, 0, 0);
}

void ImageSurface::Clear()
{
    ReportChange();
    m_polyline.clear();
    m_painter.reset();
    // A clear after a clear keeps the drawing before both as the one to compare with.
    if (!m_shapes.empty())
        m_previous.swap(m_shapes);
    m_shapes.clear();
    m_drawn = 0;
    m_fresh = true;
    m_cut = false;
}

void ImageSurface::SetScale(float left, float top, float right, float bottom)
{
    m_scale = {left, top, right, bottom};
}

void ImageSurface::DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    const QPointF from = ToPixels(x1, y1);
    m_current = ToPixels(x2, y2);
    Keep(Shape::Kind::Line, ColourOr(colour), from.x(), from.y(), m_current.x(), m_current.y());
}

void ImageSurface::DrawLineTo(float x, float y, Rgb colour)
{
    const QPointF from = m_current;
    m_current = ToPixels(x, y);
    Keep(Shape::Kind::LineTo, ColourOr(colour), from.x(), from.y(), m_current.x(), m_current.y());
}

void ImageSurface::SetPoint(float x, float y, std::optional<Rgb> colour)
{
    m_current = ToPixels(x, y);
    Keep(Shape::Kind::Point, ColourOr(colour), 0, 0, m_current.x(), m_current.y());
}

void ImageSurface::DrawCircle(float x, float y, float radius, Rgb colour)
{
    // Round on screen: the radius is measured on the horizontal scale for both directions.
    const qreal pixels = m_scale.Across(radius, m_area.width());
    const QPointF centre = ToPixels(x, y);
    Keep(Shape::Kind::Circle, ColourOr(colour), std::abs(pixels), 0, centre.x(), centre.y());
}
