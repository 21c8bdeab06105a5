#include "ui/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QRect geometry, QColor background, QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setGeometry(geometry);
    // The frame and the image cover every pixel: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    m_surface =
        std::make_unique<ImageSurface>(contentsRect().size(), devicePixelRatioF(), background);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    // The sunken two-pixel border as filled strips: the style's line drawing would cost more
    // than copying the whole chart.
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto edges = [&painter](QRect r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
        painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
    };
    edges(outer, palette().color(QPalette::Dark), palette().color(QPalette::Light));
    edges(inner, palette().color(QPalette::Shadow), palette().color(QPalette::Midlight));
    painter.setCompositionMode(QPainter::CompositionMode_Source); // the chart is opaque: copy it
    painter.drawImage(contentsRect().topLeft(), m_surface->image());
}

AxisLabel::AxisLabel(const QString& caption, QColor background, QWidget* parent)
    : QLabel(caption, parent), m_background(background)
{
}

void AxisLabel::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(rect(), m_background);
    QLabel::paintEvent(event);
}
