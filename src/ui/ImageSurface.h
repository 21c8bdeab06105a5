#pragma once

#include "form/ChartSurface.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QSize>

#include <functional>
#include <memory>

class QPainter;

// The chart's drawing surface on an image that keeps what was drawn, so that the picture area
// can repaint itself at any time by copying it. The image has the device pixels of the area,
// so that lines stay one pixel wide and crisp on a high-dpi screen. One painter serves a whole
// run of drawing calls, and consecutive lines from the current point in one colour are drawn
// as one polyline; reading the image finishes both.
class ImageSurface : public ChartSurface {
public:
    // `changed` is called when the drawing first changes after the image was last read, so that
    // whoever shows the image knows to show it anew.
    ImageSurface(QSize logicalSize, qreal devicePixelRatio, QColor background,
                 std::function<void()> changed = {});
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // What has been drawn, with every pending line drawn first.
    const QImage& Image();

    void Clear() override;
    void SetScale(float left, float top, float right, float bottom) override;
    void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void DrawLineTo(float x, float y, Rgb colour) override;
    void SetPoint(float x, float y, std::optional<Rgb> colour) override;
    void DrawCircle(float x, float y, float radius, Rgb colour) override;

private:
    QPointF ToPixels(float x, float y) const;
    QColor ColourOr(std::optional<Rgb> colour) const;
    QPainter& Painter();
    QPainter& Painter(QColor colour);
    void DrawPendingPolyline();
    void FinishPainting();
    void Changed();

    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    QColor m_background;
    QColor m_foreground = Qt::black;
    float m_left = 0;
    float m_top = 0;
    float m_right = 1;
    float m_bottom = 1;
    QPointF m_current;
    QPolygonF m_polyline; // points of DrawLineTo calls not drawn yet
    QColor m_polylineColour;
    std::function<void()> m_changed;
    bool m_changeReported = false;
};
