#include "chart/FigureTicks.h"

#include <algorithm>
#include <utility>

std::vector<FigureTick> FigureTicks()
{
    std::vector<FigureTick> ticks;
    for (int beta = 0; beta <= 90; beta += 10)
        ticks.push_back({FigureTick::Axis::Beta, double(beta), 0, std::to_string(beta) + "°"});
    for (int teta = 5; teta <= 30; teta += 5)
        ticks.push_back({FigureTick::Axis::Teta, 0, double(-teta), std::to_string(teta) + "°"});
    return ticks;
}

std::vector<std::string> CaptionLines(std::string_view caption, double width,
                                      const TextWidth& textWidth)
{
    std::vector<std::string> lines;
    std::string line;
    while (!caption.empty()) {
        const std::size_t end = std::min(caption.find(' '), caption.size());
        const std::string_view word = caption.substr(0, end);
        caption.remove_prefix(std::min(end + 1, caption.size()));
        if (word.empty())
            continue;
        std::string longer = line + ' ' + std::string(word);
        if (line.empty())
            line = word;
        else if (textWidth(longer) <= width)
            line = std::move(longer);
        else
            lines.push_back(std::exchange(line, std::string(word)));
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}
