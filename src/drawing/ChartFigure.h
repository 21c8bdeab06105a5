#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class ChartRecord;
struct FigureRequest;

// The chart as a figure for a report: the chart area's drawing calls replayed, in the same
// colours and with the axis letters where the window shows them, plus what a printed figure needs
// and the window lacks: the θmax and sonic lines, the request's own curve where its M1 is none of
// the twenty, the labels that name them and the curves, tick numbers in degrees on both axes and
// a caption line below.
struct FigureLayout {
    QSize chart;      // the chart's drawable area, in the window's pixels
    QRect tetaLetter; // the axis letters within it
    QRect betaLetter;
    QFont text;    // the tick numbers and the caption
    QFont letters; // the axis letters
};

enum class FigureFormat { Png, Svg, Pdf };

// The format that a file name asks for by its extension (.png, .svg, .pdf), if any.
std::optional<FigureFormat> FigureFormatOf(const QString& path);

// Writes the figure of the chart drawn for `request` to `path`: a PNG at twice the window's
// pixels, an SVG drawing or a PDF page. The file appears whole or not at all. Returns why it
// could not be written.
std::optional<QString> SaveChartFigure(const ChartRecord& chart, const FigureRequest& request,
                                       const FigureLayout& layout, const QString& caption,
                                       const QString& path);
