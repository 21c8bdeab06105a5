#pragma once

#include <QPointF>
#include <QSizeF>

#include <algorithm>
#include <cmath>

// The chart's user scale on an area of pixels, as SetScale gives it: (left, top) at the area's
// top-left corner, (right, bottom) at its bottom-right. A point far outside the area is held at a
// bound that every paint engine's fixed-point rasteriser takes.
struct ChartScale {
    float left = 0;
    float top = 0;
    float right = 1;
    float bottom = 1;

    // Where (x, y) lies from the area's top-left corner. Inline: the chart maps hundreds of
    // points a drawing.
    QPointF ToArea(float x, float y, QSizeF area) const
    {
        return {Bounded((qreal(x) - left) * area.width() / (qreal(right) - left)),
                Bounded((qreal(y) - top) * area.height() / (qreal(bottom) - top))};
    }
    // A length on the horizontal scale, as a circle's radius is measured.
    qreal Across(float length, qreal areaWidth) const
    {
        return Bounded(qreal(length) * areaWidth / (qreal(right) - left));
    }

private:
    // Far outside any picture area or figure, yet small enough for the fixed-point rasteriser.
    static constexpr qreal PixelLimit = 1e5;

    static qreal Bounded(qreal pixels)
    {
        if (std::isnan(pixels))
            return -PixelLimit;
        return std::clamp(pixels, -PixelLimit, PixelLimit);
    }
};
