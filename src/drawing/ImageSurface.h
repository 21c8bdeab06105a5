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

#include <functional>
#include <memory>
#include <vector>

class QPainter;

// The chart's drawing surface on an image that keeps what was drawn, so that the picture area
// can repaint itself at any time by copying it. The image has the device pixels of the area at
// the ratio it is given, so that lines stay one device pixel wide and crisp on any screen.
//
// Drawing calls are kept as lines, points and circles in device-independent pixels and drawn
// when the image is read, with one painter, consecutive lines from the current point in one
// colour as one polyline.
class ImageSurface : public ChartSurface {
public:
    // `changed` is called when the drawing first changes after its changed area was last taken,
    // so that whoever shows the image knows to show it anew.
    ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background,
                 std::function<void()> changed = {});
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // Draws the whole drawing anew at another ratio of device pixels to logical ones.
    void SetDevicePixelRatio(qreal ratio);
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
    struct Shape {
        enum class Kind { Line, LineTo, Point, Circle };
        Kind kind;
        QRgb colour;
        qreal x1, y1, x2, y2;
        bool operator==(const Shape&) const = default;
    };
    using Shapes = std::vector<Shape>;

    QPointF ToPixels(float x, float y) const { return m_scale.ToArea(x, y, m_area); }
    QRgb ColourOr(std::optional<Rgb> colour) const;
    void Keep(Shape::Kind kind, QRgb colour, qreal x1, qreal y1, qreal x2, qreal y2);
    QRect Bounds(const Shape& shape) const;
    void Draw(const Shape& shape);
    QPainter& Painter(QColor colour);
    void DrawPendingPolyline();
    void StartDrawing();
    void RestoreStart();
    void ReportChange();

    QImage m_image;
    QColor m_background;
    ChartScale m_scale;
    QSizeF m_area; // the image's size in device-independent pixels
    QPointF m_current;
    Shapes m_shapes;         // since the last Clear
    std::size_t m_drawn = 0; // of m_shapes, on m_image
    bool m_fresh = true;     // m_image is not drawn on since the last Clear or a new ratio
    Shapes m_previous;       // the drawing before the last Clear
    Shapes m_taken;          // the drawing when its changed area was last taken
    bool m_takenAll = true;  // the next changed area is the whole area
    bool m_cut = false;      // m_image holds a polyline drawn in two pieces, read between them

    // The start that a drawing shares with the one before it (the twenty curves, when only
    // the solution moves) is kept drawn: drawing the curves again would be most of what a click
    // costs. The image is made that start again by copying back only where the rest of the
    // drawing before went over it, not the whole image, which would be a third of a click.
    Shapes m_startShapes; // what m_start holds, drawn on the background
    QImage m_start;
    bool m_onStart = false;         // m_image is m_start with m_overStart drawn over it
    std::vector<QRect> m_overStart; // in device pixels

    std::unique_ptr<QPainter> m_painter; // while the kept calls are drawn
    QPolygonF m_polyline;                // points of lines from the current point not drawn yet
    QColor m_polylineColour;
    std::function<void()> m_changed;
    bool m_changeReported = false;
};
