#pragma once

#include "drawing/ChartScale.h"
#include "form/ChartSurface.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRegion>
#include <QSize>
#include <QSizeF>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

class QPainter;

// The chart's drawing surface on an image that keeps what was drawn, so that the picture area
// can repaint itself at any time by copying it. The image has the device pixels of the area,
// so that lines stay one pixel wide and crisp on a high-dpi screen.
//
// Drawing calls are kept as lines, points and circles in device pixels and drawn when the
// image is read, with one painter, consecutive lines from the current point in one colour as
// one polyline. A drawing that begins with the same calls as the one before it (the same
// curves, a new solution marked) starts from a copy of the image as it was after those calls.
class ImageSurface : public ChartSurface {
public:
    // `changed` is called when the drawing first changes after its changed area was last taken,
    // so that whoever shows the image knows to show it anew.
    ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background,
                 std::function<void()> changed = {});
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // What has been drawn, with every kept call drawn first.
    const QImage& Image();
    // The area, in device-independent pixels, where the image may differ from the one at the
    // previous call: where the drawing differs from the one then, call for call.
    QRegion TakeChangedArea();

    void Clear() override;
    void SetScale(float left, float top, float right, float bottom) override;
    void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void DrawLineTo(float x, float y, Rgb colour) override;
    void SetPoint(float x, float y, std::optional<Rgb> colour) override;
    void DrawCircle(float x, float y, float radius, Rgb colour) override;

private:
    // One drawing call in device-independent pixels. A line from the current point keeps that
    // point as its start; a circle keeps its centre as its end and its radius in `x1`.
    // Two drawings are compared shape for shape, byte for byte (every byte is a member's), and
    // hundreds of shapes a drawing.
    struct Shape {
        enum class Kind : unsigned char { Line, LineTo, Point, Circle };
        Kind kind;
        unsigned char unused[3] = {};
        QRgb colour;
        qreal x1, y1, x2, y2;
    };
    using Shapes = std::vector<Shape>;
    static bool Same(const Shape& a, const Shape& b)
    {
        static_assert(sizeof(Shape) == 5 * sizeof(std::uint64_t), "a shape has no padding");
        std::uint64_t x[5];
        std::uint64_t y[5];
        std::memcpy(x, &a, sizeof x);
        std::memcpy(y, &b, sizeof y);
        return ((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3]) | (x[4] ^ y[4])) == 0;
    }
    // How many shapes `a` and `b` begin with in common, of which the first `from` are known.
    static std::size_t SameStart(const Shapes& a, const Shapes& b, std::size_t from = 0);
    // SameStart(m_shapes, m_previous), counted on from where it was last counted: the drawing
    // only grows between two Clears. The start kept and the drawing last taken are compared
    // through it where they are known to begin m_previous or to be it, so that a drawing of
    // hundreds of shapes is compared with another once, not three times.
    std::size_t SameAsPrevious();

    // Inline, as Keep: a drawing makes hundreds of calls.
    QPointF ToPixels(float x, float y) const { return m_scale.ToArea(x, y, m_area); }
    QRect Bounds(const Shape& shape) const;
    void RestoreStart();
    QRgb ColourOr(std::optional<Rgb> colour) const
    {
        return colour ? qRgb(colour->red, colour->green, colour->blue) : m_foreground;
    }
    // Written member by member where the shape is kept: a drawing keeps hundreds of shapes.
    void Keep(Shape::Kind kind, QRgb colour, qreal x1, qreal y1, qreal x2, qreal y2)
    {
        if (!m_changeReported)
            Changed();
        m_takenIsShapes = false;
        Shape& shape = m_shapes.emplace_back();
        shape.kind = kind;
        shape.colour = colour;
        shape.x1 = x1;
        shape.y1 = y1;
        shape.x2 = x2;
        shape.y2 = y2;
    }
    static bool ContinuesPolyline(const Shapes& shapes, std::size_t index);
    void DrawKept();
    void Draw(const Shape& shape);
    QPainter& Painter();
    QPainter& Painter(QColor colour);
    void DrawPendingPolyline();
    void FinishPainting();
    void Changed();

    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    QColor m_background;
    QRgb m_foreground = qRgb(0, 0, 0);
    ChartScale m_scale;
    QSizeF m_area; // the image's size in device-independent pixels
    QPointF m_current;
    Shapes m_shapes;                       // since the last Clear
    std::size_t m_drawn = 0;               // of m_shapes, on m_image
    bool m_fresh = false;                  // m_image is not yet drawn on since the last Clear
    Shapes m_previous;                     // the drawing before the last Clear
    std::size_t m_samePrevious = 0;        // how many shapes m_shapes begins m_previous with
    std::size_t m_samePreviousCounted = 0; // ... counted over this many of m_shapes
    Shapes m_startShapes;                  // what m_start holds, drawn on the background
    bool m_startBeginsShapes = false;      // m_startShapes is where m_shapes begins
    bool m_startBeginsPrevious = false;    // ... where m_previous begins
    QImage m_start;
    bool m_onStart = false;         // m_image is m_start with m_overStart drawn on it
    std::vector<QRect> m_overStart; // device pixels
    Shapes m_taken;                 // the drawing when its changed area was last taken
    bool m_takenIsShapes = false;   // m_taken is m_shapes, shape for shape
    bool m_takenIsPrevious = false; // ... is m_previous
    bool m_takenWhole = false;      // ... and it was read with a polyline cut short
    bool m_everTaken = false;
    bool m_polylineCut = false; // the image was read with a polyline not ended
    bool m_readBeforeTaken = false;
    QPolygonF m_polyline; // points of lines from the current point not drawn yet
    QColor m_polylineColour;
    std::function<void()> m_changed;
    bool m_changeReported = false;
};
