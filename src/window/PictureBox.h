#pragma once

#include "drawing/ImageSurface.h"

#include <QFrame>
#include <QLabel>

#include <memory>

// The width of the chart area's sunken border, inside which the chart is drawn.
inline constexpr int PictureBorderWidth = 2;

// The chart area: a sunken frame whose inside shows the image that the chart draws on, at the
// pixel ratio of the screen the area is on. Repainting only copies that image, so nothing drawn
// is lost when a window passes over it; a new drawing repaints only where it differs from the
// one shown.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    PictureBox(QRect geometry, QColor background, QWidget* parent);

    // The surface the chart draws on; what is drawn shows at the next repaint after
    // ShowChanges, which is called by itself once control is back in the event loop, unless
    // changes are held.
    ImageSurface& Surface() { return *m_surface; }
    // Marks for repainting where the drawing has changed since it was last shown.
    void ShowChanges();
    // While changes are held no call is queued for the event loop (queuing one wakes the loop,
    // at a system call); releasing them shows what changed meanwhile.
    void HoldChanges() { m_changesHeld = true; }
    void ReleaseChanges()
    {
        m_changesHeld = false;
        ShowChanges();
    }

    // The chart area's pixels as they show, axis letters included, without the focus rectangle.
    QPixmap GrabChart();

protected:
    void paintEvent(QPaintEvent* event) override;
    // The area's actions as a context menu: by the right button, the context-menu key and
    // Shift+F10.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowMenu(QPoint globalPosition);

    QColor m_background;
    std::unique_ptr<ImageSurface> m_surface;
    bool m_changesHeld = false;
    bool m_grabbing = false; // GrabChart is painting it
};

// An axis label inside the chart area. It fills its own box with the chart's background rather
// than declaring itself opaque, which would punch a hole into the chart's clip and turn every
// repaint of the chart from a plain copy into a clipped one.
class AxisLabel : public QLabel {
    Q_OBJECT

public:
    AxisLabel(const QString& caption, QColor background, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
};
