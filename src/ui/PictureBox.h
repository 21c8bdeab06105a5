#pragma once

#include "ui/ImageSurface.h"

#include <QFrame>

#include <memory>

// The chart area: a sunken frame whose inside shows the image that the chart draws on.
// Repainting only copies that image, so nothing drawn is lost when a window passes over it.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    PictureBox(QRect geometry, QColor background, QWidget* parent);

    ImageSurface& surface() { return *m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<ImageSurface> m_surface;
};
