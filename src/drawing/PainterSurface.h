#pragma once

#include "drawing/ChartScale.h"
#include "form/ChartSurface.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

// The chart's drawing surface on any painter: an image, an SVG drawing, a PDF page. The chart's
// scale maps onto `area`, in the painter's coordinates, and nothing is drawn outside it. Lines are
// `lineWidth` wide in those coordinates, so that a figure scales like a drawing.
class PainterSurface : public ChartSurface {
public:
    PainterSurface(QPainter& painter, QRectF area, QColor background, qreal lineWidth = 1);

    void Clear() override;
    void SetScale(float left, float top, float right, float bottom) override;
    void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void DrawLineTo(float x, float y, Rgb colour) override;
    void SetPoint(float x, float y, std::optional<Rgb> colour) override;
    void DrawCircle(float x, float y, float radius, Rgb colour) override;

private:
    QPointF ToArea(float x, float y) const;
    QColor ColourOr(std::optional<Rgb> colour) const;
    void Pen(QColor colour);

    QPainter& m_painter;
    QRectF m_area;
    QColor m_background;
    qreal m_lineWidth;
    ChartScale m_scale;
    QPointF m_current;
};
