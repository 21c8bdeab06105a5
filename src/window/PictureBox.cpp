#include "window/PictureBox.h"

#include "look/ClassicStyle.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

PictureBox::PictureBox(QRect geometry, QColor background, QWidget* parent)
    : QFrame(parent), m_background(background)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(PictureBorderWidth);
    setGeometry(geometry);
    // The frame and the image cover every pixel: nothing beneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface = std::make_unique<ImageSurface>(
        contentsRect().size(), devicePixelRatioF(), background, [this] {
            if (!m_changesHeld)
                QMetaObject::invokeMethod(this, &PictureBox::ShowChanges, Qt::QueuedConnection);
        });
}

void PictureBox::ShowChanges()
{
    const QRegion changed = m_surface->TakeChangedArea();
    if (!changed.isEmpty())
        update(changed.translated(contentsRect().topLeft()));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!contentsRect().contains(event->region().boundingRect()))
        DrawSunkenBorder(painter, rect(), palette());
    painter.setCompositionMode(QPainter::CompositionMode_Source); // the chart is opaque: copy it
    // At the ratio of the screen the window is on now: moved to a screen of another ratio, the
    // window is repainted whole, and the chart drawn anew at that ratio.
    m_surface->SetDevicePixelRatio(devicePixelRatioF());
    const QImage& image = m_surface->Image();
    const QPoint origin = contentsRect().topLeft();
    const qreal ratio = image.devicePixelRatio();
    // Every rectangle asked for is copied whole from the image: an area uncovered by another
    // window is repainted as surely as one the drawing changed.
    for (const QRect& rect : event->region()) {
        const QRect inside = rect.intersected(contentsRect());
        if (inside.isEmpty())
            continue;
        const QRectF source(QPointF(inside.topLeft() - origin) * ratio,
                            QSizeF(inside.size()) * ratio);
        painter.drawImage(QRectF(inside), image, source);
    }
    // With the keyboard focus, the dotted rectangle of the classic look just inside the border.
    if (hasFocus() && !m_grabbing) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(1, 1, -1, -1);
        focus.backgroundColor = m_background;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

QPixmap PictureBox::GrabChart()
{
    m_grabbing = true;
    const QPixmap pixels = grab(contentsRect());
    m_grabbing = false;
    return pixels;
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event)
{
    ShowMenu(event->globalPos());
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        ShowMenu(mapToGlobal(contentsRect().topLeft() + QPoint(8, 8)));
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureBox::ShowMenu(QPoint globalPosition)
{
    if (actions().isEmpty())
        return;
    QMenu menu(this);
    menu.setObjectName("Picture1Menu");
    menu.addActions(actions());
    menu.exec(globalPosition);
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
