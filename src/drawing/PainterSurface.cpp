#include "drawing/PainterSurface.h"

#include "drawing/Colours.h"

#include <QPainter>

#include <cmath>

PainterSurface::PainterSurface(QPainter& painter, QRectF area, QColor background, qreal lineWidth)
    : m_painter(painter), m_area(area), m_background(background), m_lineWidth(lineWidth)
{
    m_painter.setClipRect(m_area);
}

QPointF PainterSurface::ToArea(float x, float y) const
{
    return m_area.topLeft() + m_scale.ToArea(x, y, m_area.size());
}

QColor PainterSurface::ColourOr(std::optional<Rgb> colour) const
{
    return colour ? ToQColor(*colour) : QColor(Qt::black);
}

void PainterSurface::Pen(QColor colour)
{
    QPen pen(colour, m_lineWidth);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
}

void PainterSurface::Clear()
{
    m_painter.fillRect(m_area, m_background);
}

void PainterSurface::SetScale(float left, float top, float right, float bottom)
{
    m_scale = {left, top, right, bottom};
}

void PainterSurface::DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    Pen(ColourOr(colour));
    m_current = ToArea(x2, y2);
    m_painter.drawLine(ToArea(x1, y1), m_current);
}

void PainterSurface::DrawLineTo(float x, float y, Rgb colour)
{
    Pen(ToQColor(colour));
    const QPointF from = m_current;
    m_current = ToArea(x, y);
    m_painter.drawLine(from, m_current);
}

void PainterSurface::SetPoint(float x, float y, std::optional<Rgb> colour)
{
    m_current = ToArea(x, y);
    m_painter.fillRect(QRectF(m_current.x() - m_lineWidth / 2, m_current.y() - m_lineWidth / 2,
                              m_lineWidth, m_lineWidth),
                       ColourOr(colour));
}

void PainterSurface::DrawCircle(float x, float y, float radius, Rgb colour)
{
    Pen(ToQColor(colour));
    // Round: the radius is measured on the horizontal scale for both directions.
    const qreal r = std::abs(m_scale.Across(radius, m_area.width()));
    m_painter.drawEllipse(ToArea(x, y), r, r);
}
