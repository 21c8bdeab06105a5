// The chart and the results out of the window: the chart's context menu, the clipboard and the
// figure files.
#include "MainWindow.h"

#include "chart/ChartRecord.h"
#include "drawing/ChartFigure.h"
#include "reactions/ChartDescription.h"
#include "shell/ShellRequest.h"
#include "window/FormShockDetails.h"
#include "window/FormShockDetailsTable.h"
#include "window/WindowFigureLayout.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLineF>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

// What a saved SVG figure draws, read from its elements as any SVG reader takes them: the line
// segments of its polylines, its circles and its texts, in the order they are drawn.
struct SvgFigure {
    struct Circle {
        QPointF centre;
        qreal radius;
    };
    struct Text {
        QPointF at; // the start of the baseline
        QString text;
        QFont font;

        qreal Width() const { return QFontMetricsF(font).horizontalAdvance(text); }
        // Halfway up the digits, where a tick beside them points.
        qreal Middle() const
        {
            const QFontMetricsF metrics(font);
            return at.y() - (metrics.ascent() - metrics.descent()) / 2;
        }
    };
    QSizeF size;
    QList<QLineF> segments;
    QList<Circle> circles;
    QList<Text> texts;
};

SvgFigure ReadSvg(const QString& path)
{
    SvgFigure figure;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return figure;
    QXmlStreamReader svg(&file);
    const auto number = [&](const char* name) {
        return svg.attributes().value(name).toDouble();
    };
    while (svg.readNextStartElement() || !svg.atEnd()) {
        if (!svg.isStartElement())
            continue;
        if (svg.name() == u"svg") {
            const QStringList box = svg.attributes().value("viewBox").toString().split(' ');
            if (box.size() == 4)
                figure.size = QSizeF(box[2].toDouble(), box[3].toDouble());
        } else if (svg.name() == u"polyline") {
            QList<QPointF> points;
            for (const QString& pair :
                 svg.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts)) {
                const QStringList xy = pair.split(',');
                points << QPointF(xy.value(0).toDouble(), xy.value(1).toDouble());
            }
            for (qsizetype i = 1; i < points.size(); ++i)
                figure.segments << QLineF(points[i - 1], points[i]);
        } else if (svg.name() == u"circle") {
            figure.circles.push_back({QPointF(number("cx"), number("cy")), number("r")});
        } else if (svg.name() == u"text") {
            QFont font(svg.attributes().value("font-family").toString());
            font.setPixelSize(qRound(number("font-size")));
            const QPointF at(number("x"), number("y"));
            figure.texts.push_back({at, svg.readElementText(), font});
        }
    }
    return figure;
}

// The caption's lines as a reader sees them: the texts below the chart, by their baseline, each
// line's runs joined.
QStringList CaptionLines(const SvgFigure& figure, qreal chartHeight)
{
    std::map<qreal, QString> lines;
    for (const SvgFigure::Text& text : figure.texts) {
        if (text.at.y() > chartHeight)
            lines[text.at.y()] += text.text;
    }
    QStringList joined;
    for (const auto& [baseline, line] : lines)
        joined << line.trimmed();
    return joined;
}

// What a chart's calls draw, in a figure's coordinates: the scale maps (left, top) to the chart
// area's top-left corner and (right, bottom) to its bottom-right; a line to a point starts where
// the last call left off; a circle's radius is measured on the horizontal scale.
class CallsInFigure : public ChartSurface {
public:
    explicit CallsInFigure(QSizeF area) : m_area(area) {}

    QList<QLineF> segments;
    QList<SvgFigure::Circle> circles;

    QPointF At(qreal x, qreal y) const
    {
        return {(x - m_left) * m_area.width() / (m_right - m_left),
                (y - m_top) * m_area.height() / (m_bottom - m_top)};
    }

    void Clear() override {}
    void SetScale(float left, float top, float right, float bottom) override
    {
        m_left = left;
        m_top = top;
        m_right = right;
        m_bottom = bottom;
    }
    void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb>) override
    {
        m_current = At(x2, y2);
        Segment(At(x1, y1), m_current);
    }
    void DrawLineTo(float x, float y, Rgb) override
    {
        Segment(m_current, At(x, y));
        m_current = At(x, y);
    }
    void SetPoint(float x, float y, std::optional<Rgb>) override { m_current = At(x, y); }
    void DrawCircle(float x, float y, float radius, Rgb) override
    {
        circles.push_back({At(x, y), std::abs(radius * m_area.width() / (m_right - m_left))});
    }

private:
    // A line of no length draws nothing (a curve's first line, to the point it starts at).
    void Segment(QPointF from, QPointF to)
    {
        if (from != to)
            segments << QLineF(from, to);
    }

    QSizeF m_area;
    qreal m_left = 0, m_top = 0, m_right = 1, m_bottom = 1;
    QPointF m_current;
};

// Within what the SVG's six significant digits keep.
bool Near(QPointF a, QPointF b)
{
    return QLineF(a, b).length() < 0.01;
}

constexpr auto Beta = OptionButton::Option_Beta;
constexpr auto Mach = OptionButton::Option_M1;
constexpr auto Weak = OptionButton::Option_Weak;

} // namespace

#include <sys/resource.h>

#include <csignal>

class ChartExportTest : public MainWindowTest {
    Q_OBJECT

    QAction* Action(const char* name) { return Control<QAction>(name); }
    QStringList EnabledActions()
    {
        QStringList enabled;
        for (const char* name : {"CopyChart", "SaveChartAs", "CopyResults", "ShockDetails"}) {
            if (Action(name)->isEnabled())
                enabled << name;
        }
        return enabled;
    }
    void SolveBeta()
    {
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
    }
    FormShockDetails* OpenShockDetails()
    {
        Action("ShockDetails")->trigger();
        FormShockDetails* details = Window()->ShockDetailsWindow();
        if (!details)
            qFatal("no Shock Details window");
        return details;
    }
    // What the Shock Details window shows, as name<TAB>value lines of the rows enabled; a row is
    // greyed where its value does not apply.
    static QString Shown(FormShockDetails* details)
    {
        QString shown;
        for (const ShockDetailsRow& row : ShockDetailsRows) {
            const auto* label = details->findChild<QLabel*>(QString::fromUtf8(row.label));
            const auto* box = details->findChild<QLineEdit*>(QString::fromUtf8(row.box));
            if (label->isEnabled() || box->isEnabled() || !box->text().isEmpty())
                shown += label->text() + '\t' + box->text() + '\n';
        }
        return shown;
    }
    static QString DetailsText(const ShellRequest& request, const std::string& separator)
    {
        return QString::fromStdString(ShockDetailsText(Answer(request, separator).shock));
    }
    // Makes a request in the window as a user does: its output chosen when `choose` says so, its
    // branch, its texts typed and a click on Command1.
    void Make(const ShellRequest& request, bool choose)
    {
        if (choose)
            Click(ControlName(*request.output).data());
        if (request.output == Beta)
            Click(ControlName(request.branch).data());
        for (const auto& [box, text] : {std::pair{"Text_M1", &request.M1},
                                        {"Text_Teta", &request.Teta},
                                        {"Text_Beta", &request.Beta}}) {
            if (*text)
                Type(box, QString::fromStdString(**text));
        }
        Click("Command1");
    }

    // The menu that opens on the chart, and what a screen reader hears of its items.
    QStringList MenuOpenedBy(const std::function<void()>& open)
    {
        QStringList items;
        QTimer::singleShot(50, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; i < accessible->childCount(); ++i)
                items << accessible->child(i)->text(QAccessible::Name);
            menu->close();
        });
        open();
        return items;
    }

    // Save Chart As… as a user goes through it: the file type chosen `typeDowns` rows below the
    // first in its list, `typed` written as the name in `folder` and Return pressed; a question
    // whether to replace a file is answered `replace`, and a No leaves the dialog to be
    // cancelled. Returns the questions asked.
    QStringList SaveAs(const QString& folder, int typeDowns, const QString& typed, bool replace)
    {
        QStringList questions;
        bool named = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* question = qobject_cast<QMessageBox*>(modal)) {
                questions << question->text();
                question->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && named) {
                dialog->reject();
            } else if (dialog) {
                named = true;
                dialog->setDirectory(folder);
                auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
                for (int i = 0; i < typeDowns; ++i)
                    QTest::keyClick(types, Qt::Key_Down);
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                name->clear();
                QTest::keyClicks(name, typed);
                // Pressed once this poll has returned: the question it may raise is answered by
                // the poll's next round.
                QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
            }
        });
        poll.start(10);
        Action("SaveChartAs")->trigger();
        return questions;
    }

private slots:
    void initTestCase() { SetUpApplication(); }
    void init() { Open(); }
    void cleanup() { Close(); }

    void ActionsWaitForSomethingToActOn()
    {
        QCOMPARE(EnabledActions(), QStringList());
        Click("Option_Beta");
        Type("Text_M1", "1");
        Click("Command1"); // refused: nothing written, nothing drawn
        QCOMPARE(EnabledActions(), QStringList());
        Type("Text_M1", "2");
        Type("Text_Teta", "30");
        Click("Command1"); // detached: a chart, and M1 and θ without a shock
        const QStringList all{"CopyChart", "SaveChartAs", "CopyResults", "ShockDetails"};
        QCOMPARE(EnabledActions(), all);
        Type("Text_Teta", "10");
        Click("Command1");
        QCOMPARE(EnabledActions(), all);
        // The chart is cleared; the results stay in their boxes but belong to no request now.
        Click("Option_M1");
        QCOMPARE(EnabledActions(), QStringList());
    }

    void TheMenuOpensByMouseKeyAndShiftF10()
    {
        SolveBeta();
        const QStringList expected{"Copy Chart", "Save Chart As…", "Copy Results",
                                   "Shock Details…"};
        Picture()->setFocus();
        QCOMPARE(MenuOpenedBy([&] {
                     QTest::keyClick(Window()->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
                 }),
                 expected);
        // The context-menu key and the right button reach the chart as a context-menu event
        // from the platform.
        for (const auto reason : {QContextMenuEvent::Keyboard, QContextMenuEvent::Mouse}) {
            QCOMPARE(MenuOpenedBy([&] {
                         QContextMenuEvent event(reason, QPoint(100, 100),
                                                 Picture()->mapToGlobal(QPoint(100, 100)));
                         QApplication::sendEvent(Picture(), &event);
                     }),
                     expected);
        }
    }

    // A click on the chart gives it the keyboard focus, which it shows; Ctrl+C then copies the
    // pixels it shows, without the focus rectangle.
    void CopyChartPutsTheShownPixelsOnTheClipboard()
    {
        SolveBeta();
        Window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Window()));
        const QRect contents =
            Picture()->contentsRect().translated(Picture()->mapTo(Window(), QPoint()));
        const QImage shown = OnScreen(Window()).copy(contents);
        Box("Text_M1")->setFocus();
        QTest::mouseClick(Picture(), Qt::LeftButton, {}, QPoint(150, 100));
        QVERIFY(Picture()->hasFocus());
        QVERIFY(OnScreen(Window()).copy(contents) != shown);

        QGuiApplication::clipboard()->clear();
        QTest::keyClick(Window()->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        const QImage copied =
            QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied.size(), shown.size());
        QVERIFY(copied == shown);

        // Focus elsewhere: the chart shows as before.
        Box("Text_M1")->setFocus();
        QVERIFY(OnScreen(Window()).copy(contents) == shown);
    }

    void CopyResultsGivesTwoColumnsInWindowOrder()
    {
        SolveBeta();
        Action("CopyResults")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), "M1\t2\n"
                                                       "θ\t10\n"
                                                       "β\t39.3139\n"
                                                       "Mn1\t1.26714\n"
                                                       "Mn2\t0.80319\n"
                                                       "M2\t1.64052\n"
                                                       "p2/p1\t1.70658\n"
                                                       "T2/T1\t1.17015\n");
        // A θ request after a strong β one: its own values, not the β request's results that
        // its boxes still show; a typed text as its box shows it.
        Click("Option_Strong");
        Type("Text_Teta", "20");
        Click("Command1");
        Click("Option_Teta");
        Type("Text_M1", "2abc");
        Type("Text_Beta", "40");
        Click("Command1");
        QVERIFY(Control<QLineEdit>("Text_p2p1")->text() != "1"); // the strong shock's, still shown
        Action("CopyResults")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), "M1\t2abc\nθ\t10.6229\nβ\t40\n");
    }

    void ShockDetailsOpensOnceModelessAndWithoutOwner()
    {
        SolveBeta();
        FormShockDetails* details = OpenShockDetails();
        details->close();
        QCOMPARE(OpenShockDetails(), details);
        QVERIFY(details->isVisible() && !details->isModal() && !details->parentWidget());
        QCOMPARE(details->windowTitle(), "Shock Details");
        int shown = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            shown += top->objectName() == "Form_ShockDetails" && top->isVisible();
        QCOMPARE(shown, 1);
        // Each value's caption fits; its box and the button have a name and a description for a
        // screen reader.
        for (const ShockDetailsRow& row : ShockDetailsRows) {
            auto* label = details->findChild<QLabel*>(QString::fromUtf8(row.label));
            QVERIFY2(label->sizeHint().width() <= label->width(), row.label.data());
            auto* box = details->findChild<QLineEdit*>(QString::fromUtf8(row.box));
            QVERIFY2(!box->accessibleName().isEmpty() && !box->accessibleDescription().isEmpty(),
                     row.box.data());
        }
        auto* copy = details->findChild<QPushButton*>("Command_CopyDetails");
        QVERIFY(!copy->accessibleName().isEmpty() && !copy->accessibleDescription().isEmpty());
        auto* request = details->findChild<QLabel*>("Label_Request");
        QVERIFY(request->heightForWidth(request->width()) <= request->height());
    }

    // The window shows the whole shock of the request the chart shows, as Copy Results copies
    // it, each value as the shell gives it for that request: each click that draws a chart gives
    // it its request, a refusal leaves it, an output choice empties it.
    void ShockDetailsFollowEveryClick()
    {
        struct Step {
            ShellRequest request;
            bool choose; // the output is chosen before typing
            int shows;   // the step whose request the window shows after this one
            QString title;
        };
        const Step steps[] = {
            {{Beta, Weak, "2", "10", {}}, true, 0, "M1 = 2, θ = 10°, β = 39.3139°"},
            {{OptionButton::Option_Teta, Weak, "2", {}, "40"},
             true,
             1,
             "M1 = 2, θ = 10.6229°, β = 40°"},
            {{Mach, Weak, {}, "10", "40"}, true, 2, "M1 = 1.9668, θ = 10°, β = 40°"},
            {{Beta, OptionButton::Option_Strong, "2", "10", {}},
             true,
             3,
             "M1 = 2, θ = 10°, β = 83.7001°"},
            {{Beta, Weak, "2", "30", {}}, true, 4, "M1 = 2, θ = 30°: no attached shock"},
            {{Beta, Weak, "1", "10", {}}, false, 4, "M1 = 2, θ = 30°: no attached shock"},
        };
        FormShockDetails* details = nullptr;
        for (const Step& step : steps) {
            Make(step.request, step.choose);
            if (!details)
                details = OpenShockDetails();
            QCOMPARE(details->findChild<QLabel*>("Label_Request")->text(), step.title);
            QCOMPARE(Shown(details), DetailsText(steps[step.shows].request, "."));
        }
        QCOMPARE(details->findChild<QLineEdit*>("Text_LeastAttaching")->text(), "2.5192");
        Click("Option_M1");
        QCOMPARE(details->findChild<QLabel*>("Label_Request")->text(),
                 "No request: the chart shows none");
        QCOMPARE(Shown(details), "");
        QVERIFY(!Action("ShockDetails")->isEnabled());
    }

    void ShockDetailsAreCopiedByTheButtonAndCtrlC()
    {
        SolveBeta();
        FormShockDetails* details = OpenShockDetails();
        const QString copied = DetailsText({Beta, Weak, "2", "10", {}}, ".");
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(details->findChild<QPushButton*>("Command_CopyDetails"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);

        for (const QString& expected : {copied, QString("kept")}) {
            details->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(details));
            QGuiApplication::clipboard()->setText("kept");
            QTest::keyClick(details->windowHandle(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
            // Nothing shown, nothing copied: the clipboard keeps what it had.
            Click("Option_Beta");
        }
        QVERIFY(!details->findChild<QPushButton*>("Command_CopyDetails")->isEnabled());
    }

    void ShockDetailsAreInTheWindowsDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Reopen();
        QLocale::setDefault(QLocale::c());
        SolveBeta();
        FormShockDetails* details = OpenShockDetails();
        QCOMPARE(details->findChild<QLabel*>("Label_Request")->text(),
                 "M1 = 2, θ = 10°, β = 39,3139°");
        QCOMPARE(details->findChild<QLineEdit*>("Text_Mn1")->text(), "1,26714");
        QCOMPARE(Shown(details), DetailsText({Beta, Weak, "2", "10", {}}, ","));
        // A locale the window is given later is the one its details are written in.
        Window()->setLocale(QLocale::c());
        QCOMPARE(Shown(details), DetailsText({Beta, Weak, "2", "10", {}}, "."));
    }

    void SavedFiguresAreWholeFilesOfTheirFormat()
    {
        SolveBeta();
        QTemporaryDir folder;
        struct Format {
            const char* name;
            QByteArray start;
        };
        for (const Format& format : {Format{"chart.png", "\x89PNG"}, Format{"chart.svg", "<?xml"},
                                     Format{"chart.pdf", "%PDF"}}) {
            const QString path = folder.filePath(format.name);
            Window()->SaveChart(path);
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), format.name);
            QVERIFY2(file.readAll().startsWith(format.start), format.name);
        }
        QVERIFY(Messages()->texts.isEmpty());

        // The PNG has twice the window's pixels: the chart's area and a caption line below.
        const QImage png(folder.filePath("chart.png"));
        const QSize chart = Picture()->contentsRect().size();
        QCOMPARE(png.width(), 2 * chart.width());
        QVERIFY(png.height() > 2 * chart.height());
        // The solution's guide down to the β axis, at twice the scale, in the chart's red.
        const int x = int((39.3139 + 10) * chart.width() / 110 * 2);
        const int y = int((35 - 5) * chart.height() / 40.0 * 2);
        bool red = false;
        for (int dx = -2; dx <= 2; ++dx)
            red = red || png.pixelColor(x + dx, y) == QColor(Qt::red);
        QVERIFY(red);

        // The SVG says what it shows, and the vector drawing holds the curves and the ticks.
        QFile svg(folder.filePath("chart.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QString drawing = QString::fromUtf8(svg.readAll());
        QVERIFY(drawing.contains("θ–β chart for M1 = 2; solution β = 39.3139°, θ = 10°"));
        QVERIFY(drawing.contains("90°"));
        QVERIFY(drawing.count("<path") + drawing.count("<polyline") + drawing.count("<line") > 400);
    }

    // Save Chart As… and the command line's --chart give the same file for the same request,
    // which names the lines and, for an M1 that is none of the chart's twenty, draws its curve.
    void TheWindowAndTheShellSaveTheSameFigure()
    {
        QTemporaryDir folder;
        for (const auto& [m1, teta, own] :
             {std::tuple{"2.345", "10", true}, {"2", "10", false}, {"1.05", "30", true}}) {
            Click("Option_Beta");
            Type("Text_M1", m1);
            Type("Text_Teta", teta);
            Click("Command1");
            for (const char* suffix : {"svg", "png"}) {
                const QString window = folder.filePath(QString("window.") + suffix);
                const QString shell = folder.filePath(QString("shell.") + suffix);
                Window()->SaveChart(window);
                QProcess program;
                program.start(OSC_PROGRAM,
                              {"--output", "beta", "--m1", m1, "--theta", teta, "--chart", shell});
                QVERIFY(program.waitForFinished(20000));
                QFile a(window), b(shell);
                QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
                const QByteArray bytes = a.readAll();
                QVERIFY2(bytes == b.readAll(), qPrintable(QString(m1) + " " + suffix));
                if (QString(suffix) == "svg") {
                    // The SVG writes "θ" and "max" as two runs of text.
                    QStringList texts;
                    for (const SvgFigure::Text& text : ReadSvg(window).texts)
                        texts << text.text;
                    QVERIFY(texts.join('|').contains("θ|max|M2 = 1"));
                    QVERIFY(texts.contains("1.5"));
                    QCOMPARE(texts.contains(m1), own);
                }
            }
        }
    }

    void SaveChartAsGivesTheChosenTypeAndAsksBeforeReplacing()
    {
        SolveBeta();
        StopAnsweringMessages();
        QTemporaryDir folder;
        const auto contents = [&](const char* name) {
            QFile file(folder.filePath(name));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QFile kept(folder.filePath("keep.png"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("kept") == 4);
        kept.close();

        // The name without its extension is the file keep.png all the same: asked, and kept.
        QCOMPARE(SaveAs(folder.path(), 0, "keep", false).size(), 1);
        QCOMPARE(contents("keep.png"), QByteArray("kept"));
        QCOMPARE(SaveAs(folder.path(), 0, "keep.png", false).size(), 1);
        QCOMPARE(contents("keep.png"), QByteArray("kept"));
        // Replaced when the user says yes.
        QCOMPARE(SaveAs(folder.path(), 0, "keep", true).size(), 1);
        QVERIFY(contents("keep.png").startsWith("\x89PNG"));

        // Each file type gives its own extension and its own format; nothing is asked.
        QVERIFY(SaveAs(folder.path(), 1, "drawing", false).isEmpty());
        QVERIFY(contents("drawing.svg").startsWith("<?xml"));
        QVERIFY(SaveAs(folder.path(), 2, "document", false).isEmpty());
        QVERIFY(contents("document.pdf").startsWith("%PDF"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList({"document.pdf", "drawing.svg", "keep.png"}));
    }

    // A disk that fills up while the figure is written: a file may grow to a few hundred bytes.
    void ADiskFullDuringTheSaveIsSaid()
    {
        SolveBeta();
        QTemporaryDir folder;
        rlimit before{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails
        rlimit small = before;
        small.rlim_cur = 300;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        for (const char* name : {"full.png", "full.svg", "full.pdf"})
            Window()->SaveChart(folder.filePath(name));
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(Messages()->texts.size(), 3);
        for (const QString& text : Messages()->texts)
            QVERIFY2(text.startsWith("The chart could not be saved to ") &&
                         text.endsWith(": File too large"),
                     qPrintable(text));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void ASavedFigureDrawsWhatTheChartsCallsSay()
    {
        ChartRecord chart;
        const ShellAnswer answer = Answer({Beta, Weak, "2", "10", {}}, ".", &chart);
        QTemporaryDir folder;
        const QString path = folder.filePath("solved.svg");
        const FigureLayout layout = WindowFigureLayout();
        QCOMPARE(SaveChartFigure(chart, ChartFigureRequest(answer.outcome, Air, "."), layout,
                                 "caption", path),
                 std::nullopt);
        const SvgFigure figure = ReadSvg(path);
        CallsInFigure calls(layout.chart);
        chart.Replay(calls);

        // The chart first, segment for segment: the axes, each curve from point to point, the
        // solution's guides; then the figure's ticks.
        QVERIFY(calls.segments.size() > 400);
        QVERIFY(figure.segments.size() > calls.segments.size());
        for (qsizetype i = 0; i < calls.segments.size(); ++i) {
            const QLineF& drawn = figure.segments[i];
            const QLineF& called = calls.segments[i];
            QVERIFY2(Near(drawn.p1(), called.p1()) && Near(drawn.p2(), called.p2()),
                     qPrintable(QString("segment %1").arg(i)));
        }
        QCOMPARE(figure.circles.size(), 1);
        QCOMPARE(calls.circles.size(), 1);
        QVERIFY(Near(figure.circles[0].centre, calls.circles[0].centre));
        QVERIFY(qAbs(figure.circles[0].radius - calls.circles[0].radius) < 0.01);

        // Each tick on its degree of the chart's scale, its number beside it.
        const QList<QLineF> ticks = figure.segments.mid(calls.segments.size());
        const auto tickAt = [&](QPointF onAxis) {
            return std::ranges::any_of(ticks, [&](const QLineF& tick) {
                return Near(tick.p1(), onAxis) || Near(tick.p2(), onAxis);
            });
        };
        const auto numbered = [&](int degrees, const auto& where) {
            return std::ranges::count_if(figure.texts, [&](const SvgFigure::Text& text) {
                return text.text == QString("%1°").arg(degrees) && where(text);
            });
        };
        const QPointF origin = calls.At(0, 0);
        for (int beta = 0; beta <= 90; beta += 10) {
            const QPointF onAxis = calls.At(beta, 0);
            QVERIFY2(tickAt(onAxis), qPrintable(QString("β %1").arg(beta)));
            // Below the axis, centred under its tick.
            QCOMPARE(numbered(beta,
                              [&](const SvgFigure::Text& text) {
                                  return text.at.y() > onAxis.y() &&
                                         text.at.y() < onAxis.y() + 20 &&
                                         qAbs(text.at.x() + text.Width() / 2 - onAxis.x()) < 1.5;
                              }),
                     1);
        }
        for (int teta = 5; teta <= 30; teta += 5) {
            const QPointF onAxis = calls.At(0, -teta);
            QVERIFY2(tickAt(onAxis), qPrintable(QString("θ %1").arg(teta)));
            // Left of the axis, ending just before it, level with its tick.
            QCOMPARE(numbered(teta,
                              [&](const SvgFigure::Text& text) {
                                  const qreal end = text.at.x() + text.Width();
                                  return end < origin.x() && end > origin.x() - 10 &&
                                         qAbs(text.Middle() - onAxis.y()) < 1.5;
                              }),
                     1);
        }
    }

    void ALongCaptionIsWrappedBetweenWords()
    {
        // The solution lies beyond the chart: the caption says so in more than a line's width.
        ChartRecord chart;
        const ShellAnswer answer = Answer({Mach, Weak, {}, "10", "-3e78"}, ".", &chart);
        const QString caption =
            QString::fromStdString(ChartDescription(answer.outcome, ".").value());
        QTemporaryDir folder;
        const QString path = folder.filePath("failed.svg");
        const FigureLayout layout = WindowFigureLayout();
        QCOMPARE(SaveChartFigure(chart, ChartFigureRequest(answer.outcome, Air, "."), layout,
                                 caption, path),
                 std::nullopt);

        const SvgFigure figure = ReadSvg(path);
        const QStringList lines = CaptionLines(figure, layout.chart.height());
        QVERIFY2(lines.size() > 1, qPrintable(lines.join('|')));
        QCOMPARE(lines.join(' '), caption);
        // Every line lies within the figure, the last one above its bottom edge.
        for (const SvgFigure::Text& text : figure.texts) {
            QVERIFY2(text.at.x() >= 0 && text.at.x() + text.Width() <= figure.size.width(),
                     qPrintable(text.text));
            QVERIFY2(text.at.y() < figure.size.height(), qPrintable(text.text));
        }
    }

    void AFailedSaveSaysWhyAndLeavesNoFile()
    {
        SolveBeta();
        QTemporaryDir folder;
        // A folder in the way: the file cannot take its name.
        QVERIFY(QDir(folder.path()).mkdir("taken.png"));
        Window()->SaveChart(folder.filePath("taken.png"));
        Window()->SaveChart(folder.filePath("missing/chart.pdf"));
        Window()->SaveChart(folder.filePath("chart.gif"));
        QCOMPARE(Messages()->texts.size(), 3);
        for (const QString& text : Messages()->texts)
            QVERIFY2(text.startsWith("The chart could not be saved to "), qPrintable(text));
        QVERIFY(Messages()->texts[2].endsWith("the file name must end in .png, .svg or .pdf"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"taken.png"});
    }
};

QTEST_MAIN(ChartExportTest)
#include "ChartExportTest.moc"
