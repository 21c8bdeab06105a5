#include "ui/ChartScale.h"

#include <algorithm>
#include <cmath>

namespace {

// Far outside any picture area or figure, yet small enough for the fixed-point rasteriser.
constexpr qreal PixelLimit = 1e5;

qreal Bounded(qreal pixels)
{
    if (std::isnan(pixels))
        return -PixelLimit;
    return std::clamp(pixels, -PixelLimit, PixelLimit);
}

} // namespace

QPointF ChartScale::ToArea(float x, float y, QSizeF area) const
{
    return {Bounded((qreal(x) - left) * area.width() / (qreal(right) - left)),
            Bounded((qreal(y) - top) * area.height() / (qreal(bottom) - top))};
}

qreal ChartScale::Across(float length, qreal areaWidth) const
{
    return Bounded(qreal(length) * areaWidth / (qreal(right) - left));
}
