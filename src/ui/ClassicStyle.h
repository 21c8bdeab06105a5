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
};

// A two-pixel sunken border just inside `rect`, as around text boxes and the chart.
void DrawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette);
