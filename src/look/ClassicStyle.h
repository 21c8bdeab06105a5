#pragma once

#include <QProxyStyle>

class QPainter;
class QPalette;
class QRect;

// The classic look, with the sunken boxes and etched frames drawn as filled one-pixel strips:
// the base style strokes them as lines, which costs more than the rest of a repaint.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT

public:
    ClassicStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // The menu bar's overflow button shows only when the menu bar is too narrow for its menus.
    // Its icon, read from image files through the image plugins (a twentieth of the window's
    // start-up), is made the first time it is drawn or asked about, not when the window is built.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// A two-pixel sunken border just inside `rect`, as around text boxes and the chart.
void DrawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette);
