#include "ui/ClassicStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

void Edges(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

} // namespace

void DrawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    Edges(painter, rect, palette.color(QPalette::Dark), palette.color(QPalette::Light));
    Edges(painter, rect.adjusted(1, 1, -1, -1), palette.color(QPalette::Shadow),
          palette.color(QPalette::Midlight));
}

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create("Windows")) {}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_PanelLineEdit:
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
            if (frame->lineWidth > 0) {
                painter->fillRect(option->rect.adjusted(2, 2, -2, -2),
                                  option->palette.brush(QPalette::Base));
                DrawSunkenBorder(*painter, option->rect, option->palette);
                return;
            }
        }
        break;
    case PE_FrameLineEdit:
        DrawSunkenBorder(*painter, option->rect, option->palette);
        return;
    case PE_FrameGroupBox: {
        // Etched: a dark rectangle with a light one a pixel below and to the right.
        const QRect r = option->rect.adjusted(0, 0, -1, -1);
        const QColor dark = option->palette.color(QPalette::Dark);
        const QColor light = option->palette.color(QPalette::Light);
        Edges(*painter, r.translated(1, 1), light, light);
        Edges(*painter, r, dark, dark);
        return;
    }
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}
