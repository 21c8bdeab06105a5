#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What a figure of the chart adds to the chart area's drawing, whatever paints it: the ticks on
// both axes with their numbers in degrees, and the caption in lines.
struct FigureTick {
    enum class Axis {
        Beta, // below the β axis, the number centred under the tick
        Teta  // left of the θ axis, the number ending before the tick
    };
    Axis axis;
    // The tick's point on its axis in the chart's coordinates: x is β, y is −θ.
    double x;
    double y;
    std::string text; // "10°"
};

// Every 10° of β from 0° to 90°, then every 5° of θ from 5° to 30°.
std::vector<FigureTick> FigureTicks();

// The width of a text (UTF-8) as the front end lays it out.
using TextWidth = std::function<double(std::string_view)>;

// The caption in lines at most `width` wide, broken between words (at blanks); a word wider than
// a line makes a line of its own, for the front end to shorten.
std::vector<std::string> CaptionLines(std::string_view caption, double width,
                                      const TextWidth& textWidth);
