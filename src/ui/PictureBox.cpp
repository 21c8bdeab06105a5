#include "ui/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QRect geometry, QColor background, QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setGeometry(geometry);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    m_surface =
        std::make_unique<ImageSurface>(contentsRect().size(), devicePixelRatioF(), background);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_surface->image());
}
