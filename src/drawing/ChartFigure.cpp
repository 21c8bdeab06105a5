#include "drawing/ChartFigure.h"

#include "chart/ChartRecord.h"
#include "chart/FigureLines.h"
#include "chart/FigureTicks.h"
#include "drawing/Colours.h"
#include "drawing/PainterSurface.h"
#include "form/ProgramName.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QtMath>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

constexpr int CaptionHeight = 20; // the caption's first line below the chart
constexpr int CaptionMargin = 4;  // on either side of the caption
constexpr int PngScale = 2;

constexpr qreal DashedWidth = 0.6; // the θmax and sonic lines, thinner than the curves

// The labels' glyphs reach up to the capitals' height; a unit around them keeps the lines off.
TextMetrics MetricsOf(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return {[metrics](std::string_view text) {
                return metrics.horizontalAdvance(QString::fromUtf8(text.data(), text.size()));
            },
            metrics.capHeight() + 1, 1};
}

// The lines and labels that make the figure explain itself, over the chart area's drawing: the
// θmax and sonic lines thin and dashed, the request's own curve dashed as wide as the curves.
void DrawLinesAndLabels(QPainter& painter, const FigureRequest& request, const FigureLayout& layout)
{
    const FigureArea area{qreal(layout.chart.width()), qreal(layout.chart.height())};
    painter.setClipRect(QRectF(QPointF(), layout.chart));
    for (const FigureLine& line : FigureLines(request)) {
        const bool own = line.kind == FigureLine::Kind::OwnCurve;
        QPen pen(ToQColor(line.colour), own ? 1.0 : DashedWidth);
        pen.setDashPattern(own ? QList<qreal>{6, 3} : QList<qreal>{8, 5});
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        QPolygonF points;
        for (const FigurePoint& point : line.points)
            points << QPointF(area.X(point.x), area.Y(point.y));
        painter.drawPolyline(points);
    }
    painter.setClipping(false);

    // Each label on the background's colour, which breaks the lines where it stands.
    painter.setFont(layout.text);
    const TextMetrics metrics = MetricsOf(layout.text);
    for (const FigureLabel& label : FigureLabels(request, area, metrics)) {
        const LabelBox box = BoxOf(label, area, metrics);
        painter.fillRect(QRectF(QPointF(box.left, box.top), QPointF(box.right, box.bottom)),
                         ToQColor(LightYellow));
        painter.setPen(ToQColor(label.colour));
        painter.drawText(QPointF(area.X(label.at.x), area.Y(label.at.y)),
                         QString::fromStdString(label.text));
    }
}

// The caption in lines as wide as the figure, as the chart's figure layout breaks it; a word too
// wide for a line of its own is shortened with "…".
QStringList CaptionLines(const QString& caption, const FigureLayout& layout)
{
    const QFontMetricsF metrics(layout.text);
    const qreal width = layout.chart.width() - 2 * CaptionMargin;
    QStringList lines;
    for (const std::string& line :
         ::CaptionLines(caption.toStdString(), width, [&metrics](std::string_view text) {
             return metrics.horizontalAdvance(QString::fromUtf8(text.data(), text.size()));
         }))
        lines << metrics.elidedText(QString::fromStdString(line), Qt::ElideRight, width);
    return lines;
}

// Each line after the caption's first adds the font's line spacing below it.
int CaptionLineSpacing(const FigureLayout& layout)
{
    return qCeil(QFontMetricsF(layout.text).lineSpacing());
}

QSize FigureSize(const FigureLayout& layout, const QStringList& captionLines)
{
    const int extraLines = std::max<int>(0, captionLines.size() - 1);
    return {layout.chart.width(),
            layout.chart.height() + CaptionHeight + extraLines * CaptionLineSpacing(layout)};
}

void DrawFigure(QPainter& painter, const ChartRecord& chart, const FigureRequest& request,
                const FigureLayout& layout, const QStringList& captionLines)
{
    const QRectF whole(QPointF(), FigureSize(layout, captionLines));
    painter.fillRect(whole, ToQColor(LightYellow));
    {
        PainterSurface surface(painter, QRectF(QPointF(), layout.chart), ToQColor(LightYellow));
        chart.Replay(surface);
    }
    DrawLinesAndLabels(painter, request, layout);

    const FigureArea map{qreal(layout.chart.width()), qreal(layout.chart.height())};
    painter.setFont(layout.text);
    painter.setPen(QPen(Qt::black, 1));
    const QFontMetricsF metrics(layout.text);
    const qreal tick = 3;
    for (const FigureTick& each : FigureTicks()) {
        const QPointF onAxis(map.X(each.x), map.Y(each.y));
        const QString text = QString::fromStdString(each.text);
        const qreal width = metrics.horizontalAdvance(text);
        switch (each.axis) {
        case FigureTick::Axis::Beta:
            painter.drawLine(onAxis, onAxis + QPointF(0, tick));
            painter.drawText(
                QPointF(onAxis.x() - width / 2, onAxis.y() + tick + metrics.ascent() + 1), text);
            break;
        case FigureTick::Axis::Teta:
            painter.drawLine(onAxis - QPointF(tick, 0), onAxis);
            painter.drawText(QPointF(onAxis.x() - tick - 2 - width,
                                     onAxis.y() + (metrics.ascent() - metrics.descent()) / 2),
                             text);
            break;
        }
    }

    painter.setFont(layout.letters);
    painter.drawText(layout.tetaLetter, Qt::AlignLeft | Qt::AlignVCenter, "θ");
    painter.drawText(layout.betaLetter, Qt::AlignLeft | Qt::AlignVCenter, "β");

    painter.setFont(layout.text);
    for (int i = 0; i < captionLines.size(); ++i) {
        const QRectF line(CaptionMargin, layout.chart.height() + i * CaptionLineSpacing(layout),
                          layout.chart.width() - 2 * CaptionMargin, CaptionHeight);
        painter.drawText(line, Qt::AlignCenter, captionLines[i]);
    }
}

std::optional<QString> Paint(QPaintDevice& device, const ChartRecord& chart,
                             const FigureRequest& request, const FigureLayout& layout,
                             const QStringList& captionLines, qreal scale)
{
    QPainter painter;
    if (!painter.begin(&device))
        return QString("cannot draw the figure");
    painter.scale(scale, scale);
    // From the start in the figure's font, not the application's, which an SVG names in every
    // group it writes: a figure is the same from the window as from the shell.
    painter.setFont(layout.text);
    DrawFigure(painter, chart, request, layout, captionLines);
    painter.end();
    return std::nullopt;
}

std::optional<QString> Write(QBuffer& file, FigureFormat format, const ChartRecord& chart,
                             const FigureRequest& request, const FigureLayout& layout,
                             const QString& caption)
{
    const QStringList captionLines = CaptionLines(caption, layout);
    const QSize size = FigureSize(layout, captionLines);
    switch (format) {
    case FigureFormat::Png: {
        // Painted at the window's 96 dpi and scaled, so that the text grows with the lines; the
        // file then says it holds twice as many pixels per inch.
        QImage image(size * PngScale, QImage::Format_RGB32);
        if (auto failure = Paint(image, chart, request, layout, captionLines, PngScale))
            return failure;
        image.setDotsPerMeterX(qRound(96.0 * PngScale / 0.0254));
        image.setDotsPerMeterY(qRound(96.0 * PngScale / 0.0254));
        if (!image.save(&file, "PNG"))
            return QString("cannot encode the image");
        return std::nullopt;
    }
    case FigureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        svg.setResolution(96);
        svg.setTitle("θ–β chart");
        svg.setDescription(caption);
        return Paint(svg, chart, request, layout, captionLines, 1);
    }
    case FigureFormat::Pdf: {
        QPdfWriter pdf(&file);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point, QString(),
                                  QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(caption);
        pdf.setCreator(ProgramName);
        return Paint(pdf, chart, request, layout, captionLines, 1);
    }
    }
    return QString("unknown format");
}

// The file that `path` names once its symbolic links are followed, whether it exists or not (a link
// may point to a file yet to be made). Still a link after this many: a loop.
QFileInfo Resolved(const QString& path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file;
}

} // namespace

std::optional<FigureFormat> FigureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png")
        return FigureFormat::Png;
    if (suffix == "svg")
        return FigureFormat::Svg;
    if (suffix == "pdf")
        return FigureFormat::Pdf;
    return std::nullopt;
}

std::optional<QString> SaveChartFigure(const ChartRecord& chart, const FigureRequest& request,
                                       const FigureLayout& layout, const QString& caption,
                                       const QString& path)
{
    const std::optional<FigureFormat> format = FigureFormatOf(path);
    if (!format)
        return QString("the file name must end in .png, .svg or .pdf");
    // The figure is made in memory and written in one checked write: the writers of the formats
    // do not all tell when their device fails (a full disk, say).
    QBuffer figure;
    figure.open(QIODevice::WriteOnly);
    if (auto failure = Write(figure, *format, chart, request, layout, caption))
        return failure;
    // The figure is written under a temporary name and renamed over the file: that suits a regular
    // file only. A pipe, a device or a socket would be replaced by the figure and is refused (a
    // folder is refused by the save itself); a symbolic link stays, and the file it points to is
    // written.
    const QFileInfo target = Resolved(path);
    if (target.isSymLink())
        return QString("too many levels of symbolic links");
    if (target.exists() && !target.isFile() && !target.isDir())
        return QString("not a regular file");
    QSaveFile file(target.filePath());
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // A write cut short is tried again for the rest, which then says why it cannot go on.
    const QByteArray& bytes = figure.data();
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 part = file.write(bytes.constData() + written, bytes.size() - written);
        if (part <= 0)
            break;
        written += part;
    }
    if (written < bytes.size() || !file.commit()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    return std::nullopt;
}
