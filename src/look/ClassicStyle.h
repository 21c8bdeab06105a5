#pragma once

#include <QImage>
#include <QProxyStyle>

#include <vector>

class QPainter;
class QStyleOptionFrame;
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

private:
    // A text box's panel, its inside filled and its sunken border drawn, is one picture for every
    // box of its size and colours: drawn once into an image of the screen's format and copied
    // from then on, where the painter draws straight onto such an image pixel for pixel.
    struct Panel {
        QSize size;
        QRgb colours[5]; // base, dark, light, shadow, midlight
        QImage image;
    };
    bool DrawKeptPanel(const QStyleOptionFrame& option, QPainter& painter) const;
    mutable std::vector<Panel> m_panels; // the most recently drawn last
};

// A two-pixel sunken border just inside `rect`, as around text boxes and the chart.
void DrawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette);
