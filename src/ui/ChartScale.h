#pragma once

#include <QPointF>
#include <QSizeF>

// The chart's user scale on an area of pixels, as SetScale gives it: (left, top) at the area's
// top-left corner, (right, bottom) at its bottom-right. A point far outside the area is held at a
// bound that every paint engine's fixed-point rasteriser takes.
struct ChartScale {
    float left = 0;
    float top = 0;
    float right = 1;
    float bottom = 1;

    // Where (x, y) lies from the area's top-left corner.
    QPointF ToArea(float x, float y, QSizeF area) const;
    // A length on the horizontal scale, as a circle's radius is measured.
    qreal Across(float length, qreal areaWidth) const;
};
