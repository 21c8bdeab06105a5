#include "look/ClassicStyle.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <functional>

namespace {

void Edges(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

// A text box's panel: its inside filled with the base colour, within a two-pixel sunken border.
void DrawPanel(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    painter.fillRect(rect.adjusted(2, 2, -2, -2), palette.brush(QPalette::Base));
    DrawSunkenBorder(painter, rect, palette);
}

// An icon made the first time anything is asked of it. It answers as the made icon does: a
// style draws an icon from QIcon::pixmap, which asks for a pixmap of its size times the pixel
// ratio, so that size divided by the ratio and rounded is the size asked for, and the made
// icon, asked for that at the same ratio, is asked what this one was.
class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        // As an icon of pixmaps paints itself: one for the device's pixel ratio, over `rect`.
        const QPaintDevice* device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Made().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        if (!(scale > 1.0))
            return pixmap(size, mode, state);
        return Made().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        // An icon of pixmaps gives the best pixmap's size, scaled down to fit `size`.
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Made().availableSizes(mode, state);
    }
    QString iconName() override { return Made().name(); }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override
    {
        Made().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override
    {
        Made().addFile(fileName, size, mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    QIcon& Made()
    {
        if (m_make) {
            m_icon = m_make();
            m_make = nullptr;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

} // namespace

void DrawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    Edges(painter, rect, palette.color(QPalette::Dark), palette.color(QPalette::Light));
    Edges(painter, rect.adjusted(1, 1, -1, -1), palette.color(QPalette::Shadow),
          palette.color(QPalette::Midlight));
}

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create("Windows")) {}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton || option ||
        !qobject_cast<const QMenuBar*>(widget))
        return QProxyStyle::standardIcon(icon, option, widget);
    // Made as it would be now: in the application's direction of now.
    QStyleOption now;
    now.direction = QGuiApplication::layoutDirection();
    return QIcon(new DeferredIconEngine([this, now] {
        return QProxyStyle::standardIcon(SP_ToolBarHorizontalExtensionButton, &now, nullptr);
    }));
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const
{
    switch (element) {
    case PE_PanelLineEdit:
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
            if (frame->lineWidth > 0) {
                DrawPanel(*painter, option->rect, option->palette);
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
