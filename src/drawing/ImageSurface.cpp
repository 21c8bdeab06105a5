#include "drawing/ImageSurface.h"

#include "drawing/Colours.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background,
                           std::function<void()> changed)
    : m_image(logicalSize * devicePixelRatio, QImage::Format_RGB32), m_background(background),
      m_changed(std::move(changed))
{
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(m_background);
    m_area = m_image.deviceIndependentSize();
}

std::size_t ImageSurface::SameStart(const Shapes& a, const Shapes& b, std::size_t from)
{
    // Runs of shapes by the library's block compare, then shape by shape in the run that differs.
    constexpr std::size_t Run = 32;
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t same = std::min(from, common);
    while (same + Run <= common &&
           std::memcmp(a.data() + same, b.data() + same, Run * sizeof(Shape)) == 0)
        same += Run;
    while (same < common && Same(a[same], b[same]))
        ++same;
    return same;
}

std::size_t ImageSurface::SameAsPrevious()
{
    if (m_samePreviousCounted != m_shapes.size()) {
        // Shapes added since: counted on only if every shape counted so far was alike.
        if (m_samePrevious == m_samePreviousCounted)
            m_samePrevious = SameStart(m_shapes, m_previous, m_samePrevious);
        m_samePreviousCounted = m_shapes.size();
    }
    return m_samePrevious;
}

ImageSurface::~ImageSurface() = default;

const QImage& ImageSurface::Image()
{
    DrawKept();
    if (m_polyline.size() > 1)
        m_polylineCut = true; // lines that go on from here would start a polyline of their own
    DrawPendingPolyline();
    FinishPainting();
    if (m_changeReported)
        m_readBeforeTaken = true;
    return m_image;
}

QRect ImageSurface::Bounds(const Shape& shape) const
{
    // A line or a circle stays within a pixel of its ends or its square; two pixels of margin.
    QRectF box =
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
    if (!m_changeReported && !m_readBeforeTaken)
        return {};
    const std::size_t same = m_takenIsPrevious ? SameAsPrevious() : SameStart(m_shapes, m_taken);
    QRegion area;
    if (!m_everTaken || m_takenWhole || m_polylineCut || m_readBeforeTaken) {
        area = QRect(QPoint(0, 0), m_area.toSize());
    } else {
        QRect bounds;
        for (std::size_t i = same; i < m_shapes.size(); ++i)
            bounds |= Bounds(m_shapes[i]);
        for (std::size_t i = same; i < m_taken.size(); ++i)
            bounds |= Bounds(m_taken[i]);
        area = bounds;
    }
    m_taken.resize(same);
    m_taken.insert(m_taken.end(), m_shapes.begin() + std::ptrdiff_t(same), m_shapes.end());
    m_takenIsShapes = true;
    m_takenIsPrevious = false;
    m_takenWhole = m_polylineCut;
    m_everTaken = true;
    m_readBeforeTaken = false;
    m_changeReported = false;
    return area;
}

void ImageSurface::Changed()
{
    if (m_changeReported)
        return;
    m_changeReported = true;
    if (m_changed)
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
        m_painter->setClipRect(QRectF(QPointF(0, 0), m_area));
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

bool ImageSurface::ContinuesPolyline(const Shapes& shapes, std::size_t index)
{
    return index > 0 && index < shapes.size() && shapes[index].kind == Shape::Kind::LineTo &&
           shapes[index - 1].kind == Shape::Kind::LineTo &&
           shapes[index].colour == shapes[index - 1].colour;
}

void ImageSurface::DrawKept()
{
    if (m_fresh) {
        m_fresh = false;
        FinishPainting();
        std::size_t from = 0;
        const std::size_t kept = m_startShapes.size();
        m_startBeginsShapes = kept > 0 && kept <= m_shapes.size() &&
                              (m_startBeginsPrevious ? SameAsPrevious() >= kept
                                                     : SameStart(m_startShapes, m_shapes) == kept);
        if (m_startBeginsShapes && !ContinuesPolyline(m_shapes, kept)) {
            RestoreStart();
            from = kept;
        } else {
            m_image.fill(m_background);
            m_onStart = false;
        }
        // What this drawing shares with the one before is likely to begin the next one too:
        // the image after it is kept, ending where a polyline ends anyway.
        std::size_t shared = SameAsPrevious();
        while (shared > from && ContinuesPolyline(m_shapes, shared))
            --shared;
        if (shared > from) {
            for (std::size_t i = from; i < shared; ++i)
                Draw(m_shapes[i]);
            DrawPendingPolyline();
            FinishPainting();
            if (m_start.size() != m_image.size())
                m_start = QImage(m_image.size(), m_image.format());
            std::memcpy(m_start.bits(), m_image.constBits(), m_image.sizeInBytes());
            m_onStart = true;
            m_overStart.clear();
            m_startShapes.assign(m_shapes.begin(), m_shapes.begin() + std::ptrdiff_t(shared));
            m_startBeginsShapes = true;
            m_startBeginsPrevious = true; // shared counts shapes the two drawings have alike
            from = shared;
        }
        m_drawn = from;
    }
    for (; m_drawn < m_shapes.size(); ++m_drawn)
        Draw(m_shapes[m_drawn]);
}

void ImageSurface::RestoreStart()
{
    if (!m_onStart || m_overStart.size() > 64) {
        std::memcpy(m_image.bits(), m_start.constBits(), m_image.sizeInBytes());
    } else {
        // Only what was drawn over the kept image is copied back from it, row by row of the
        // two images' pixels, which have the same size and layout.
        uchar* const to = m_image.bits();
        const uchar* const from = m_start.constBits();
        const qsizetype row = m_image.bytesPerLine();
        for (const QRect& rect : m_overStart) {
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                const qsizetype at = y * row + rect.left() * 4;
                std::memcpy(to + at, from + at, std::size_t(rect.width()) * 4);
            }
        }
    }
    m_onStart = true;
    m_overStart.clear();
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
        Painter().fillRect(QRectF(std::floor(shape.x2), std::floor(shape.y2), 1, 1), colour);
        break;
    case Shape::Kind::Circle:
        DrawPendingPolyline();
        Painter(colour).drawEllipse(QPointF(shape.x2, shape.y2), shape.x1, shape.x1);
        break;
    }
}

void ImageSurface::Clear()
{
    Changed();
    m_polyline.clear();
    FinishPainting();
    // A clear after a clear keeps the drawing before both as the one to compare with.
    if (!m_shapes.empty()) {
        m_previous.swap(m_shapes);
        m_startBeginsPrevious = m_startBeginsShapes;
        m_takenIsPrevious = m_takenIsShapes;
    }
    m_shapes.clear();
    m_startBeginsShapes = false;
    m_takenIsShapes = false;
    m_samePrevious = 0;
    m_samePreviousCounted = 0;
    m_drawn = 0;
    m_fresh = true;
    m_polylineCut = false;
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
