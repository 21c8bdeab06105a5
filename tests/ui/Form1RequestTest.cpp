// Requests from the output choice to the chart on screen: solved, detached, refused, faulted
// and never converging, in a decimal-point and a decimal-comma locale.
#include "MainWindow.h"

#include <QGroupBox>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

#include <optional>

class Form1RequestTest : public MainWindowTest {
    Q_OBJECT

    // The chart's tooltip at the pixel where the chart maps (β, θ), as a pointer resting there
    // asks for it; empty when none shows.
    QString TipAt(double beta, double teta)
    {
        // The chart maps β from −10 to 100 across and θ from 35 down to −5.
        const QRect area = Picture()->contentsRect();
        const QPoint at = area.topLeft() + QPoint(int((beta + 10) * area.width() / 110),
                                                  int((35 - teta) * area.height() / 40));
        QHelpEvent event(QEvent::ToolTip, at, Picture()->mapToGlobal(at));
        QApplication::sendEvent(Picture(), &event);
        const QString tip = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText();
        return tip;
    }
    // The M1 a tip gives, in `separator`.
    static double MachOf(QString tip, QChar separator)
    {
        const qsizetype at = tip.indexOf("M1 = ");
        return at < 0 ? 0 : tip.mid(at + 5).section(',', 0, 0).replace(separator, '.').toDouble();
    }

private slots:
    void initTestCase() { SetUpApplication(); }
    void init() { Open(); }
    void cleanup() { Close(); }

    void OneRequestFromChoiceToChart()
    {
        Click("Option_Beta");
        QVERIFY(Control<QGroupBox>("Frame3")->isVisible());
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");

        QVERIFY(Messages()->texts.isEmpty());
        QCOMPARE(Box("Text_Beta")->text(), "39.3139");
        const QStringList flow{"1.26714", "0.80319", "1.64052", "1.70658", "1.17015"};
        const char* boxes[] = {"Text_Mn1", "Text_Mn2", "Text_M2", "Text_p2p1", "Text_T2T1"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(Box(boxes[i])->text(), flow[i]);
        QVERIFY(!Control<QGroupBox>("Frame3")->isVisible());
        QVERIFY(Control<QLabel>("Label_Beta")->isVisible());

        PictureBox* picture = Picture();
        QVERIFY(ColourNear(picture, 66, 22.9233, Qt::red));       // top of the M = 2.0 curve
        QVERIFY(ColourNear(picture, 65.3149, 34.0733, Qt::blue)); // top of M = 3.0
        QVERIFY(ColourNear(picture, 39.3139, 5, Qt::red));        // guide down to the β axis
        QVERIFY(ColourNear(picture, 20, 10, Qt::red));            // guide across to the θ axis
    }

    void OutputChoicePreparesTheBoxes()
    {
        struct Row {
            const char* option;
            bool frame3;
            const char* greyBox;
        };
        for (const Row& row :
             {Row{"Option_M1", false, "Text_M1"}, Row{"Option_Teta", false, "Text_Teta"},
              Row{"Option_Beta", true, "Text_Beta"}}) {
            for (int click = 0; click < 2; ++click) {
                for (const char* box : {"Text_M1", "Text_Teta", "Text_Beta"})
                    Box(box)->setText("7");
                Click(row.option);
                QVERIFY2(Control<QRadioButton>(row.option)->isChecked(), row.option);
                QCOMPARE(Control<QGroupBox>("Frame3")->isVisible(), row.frame3);
                for (const char* box : {"Text_M1", "Text_Teta", "Text_Beta"}) {
                    QCOMPARE(Box(box)->text(), " ");
                    const QColor expected =
                        QString(box) == row.greyBox ? QColor(200, 200, 200) : QColor(Qt::white);
                    QCOMPARE(Box(box)->palette().color(QPalette::Base), expected);
                }
                QCOMPARE(Control<QPushButton>("Command1")->text(), "SET input values then CLICK");
            }
        }
        // The selection survives a click on Command1 with a fresh output choice.
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QVERIFY(Messages()->texts.isEmpty());
        QCOMPARE(Box("Text_Beta")->text(), "39.3139");
    }

    void DetachedRequestShowsChartAndLineBeforeTheMessage()
    {
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "30");
        bool chartShown = false;
        Messages()->whileShown = [&] {
            chartShown =
                HasRedInRow(Picture(), 30) && ColourNear(Picture(), 66, 22.9233, Qt::red) &&
                Box("Text_Beta")->text().isEmpty() && Control<QGroupBox>("Frame3")->isVisible();
        };
        Click("Command1");
        QCOMPARE(Messages()->texts, QStringList{"Teta > TetaMax"});
        QCOMPARE(Messages()->titles, QStringList{"Oblique Shock Calculator"});
        QVERIFY(chartShown);
    }

    void RefusedRequestKeepsTheChart()
    {
        Click("Option_Teta");
        Type("Text_M1", "2");
        Type("Text_Beta", "40");
        Click("Command1");
        QCOMPARE(Box("Text_Teta")->text(), "10.6229");
        const QImage chart = Picture()->Surface().Image();
        Type("Text_M1", "1");
        Click("Command1");
        QCOMPARE(Messages()->texts, QStringList{"M1 must be greater then 1"});
        QCOMPARE(Picture()->Surface().Image(), chart);
    }

    // Values written while the window holds its repaints back are painted once it lets them go.
    void ValuesWrittenWhileTheWindowHoldsRepaintsBackAreShownAfter()
    {
        Window()->setUpdatesEnabled(false);
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        Window()->setUpdatesEnabled(true);
        for (const char* box : {"Text_Beta", "Text_Mn1", "Text_T2T1"})
            QVERIFY2(Box(box)->updatesEnabled(), box);
    }

    void ArithmeticFaultIsReportedAndTheWindowGoesOn()
    {
        Click("Option_Beta");
        Type("Text_M1", "1e308");
        Type("Text_Teta", "5");
        Click("Command1");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QCOMPARE(Messages()->texts, QStringList{"Arithmetic overflow"});
        QCOMPARE(Box("Text_Beta")->text(), "39.3139");
    }

    void ADecimalCommaLocaleWritesAndReadsItsOwnSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Reopen();
        QLocale::setDefault(QLocale::c());
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QCOMPARE(Box("Text_Beta")->text(), "39,3139");
        QCOMPARE(Box("Text_Mn1")->text(), "1,26714");

        // What the user types in the locale's own way is read as such.
        Click("Option_Beta");
        Type("Text_M1", "2,5");
        Type("Text_Teta", "10");
        Click("Command1");
        QCOMPARE(Box("Text_Beta")->text(), "31,8506");
        Click("Option_M1");
        Type("Text_Teta", "10,5");
        Type("Text_Beta", "40");
        Click("Command1");
        const QString shownM1 = Box("Text_M1")->text();
        QCOMPARE(shownM1, "1,9933");
        // The program's own result typed back computes as the same number written with ".".
        Click("Option_Teta");
        Type("Text_M1", shownM1);
        Type("Text_Beta", "40");
        Click("Command1");
        const QString fromComma = Box("Text_Teta")->text();
        Type("Text_M1", QString(shownM1).replace(',', '.'));
        Click("Command1");
        QCOMPARE(fromComma, Box("Text_Teta")->text());
        QVERIFY2(fromComma.startsWith("10,4"), qPrintable(fromComma));
        Type("Text_M1", "3");
        Type("Text_Beta", "10");
        Click("Command1");
        QCOMPARE(Messages()->texts, QStringList{"Beta must be between 19,471 and 90 degrees"});

        // A locale the window is given later is the one it writes and reads in from then on.
        Window()->setLocale(QLocale::c());
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QCOMPARE(Box("Text_Beta")->text(), "39.3139");
    }

    void TheScreenShowsTheChartAndItsMarks()
    {
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        const ChartPixels solved = ChartPixels::OnScreen(Picture());
        QVERIFY(solved.ColourNear(39.3139, 10, Qt::red));       // the ring of the mark
        QVERIFY(solved.ColourNear(39.3139, 5, Qt::red));        // its guide to the β axis
        QVERIFY(solved.ColourNear(66, 22.9233, Qt::red));       // the M = 2.0 curve
        QVERIFY(solved.ColourNear(65.3149, 34.0733, Qt::blue)); // the M = 3.0 curve

        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "30");
        std::optional<ChartPixels> behindMessage;
        Messages()->whileShown = [&] {
            behindMessage = ChartPixels::OnScreen(Picture());
        };
        Click("Command1");
        QVERIFY(behindMessage);
        QVERIFY(behindMessage->HasRedInRow(30)); // the no-solution line
        QVERIFY(behindMessage->ColourNear(65.3149, 34.0733, Qt::blue));
        QVERIFY(!behindMessage->ColourNear(20, 10, Qt::red)); // the old mark's guide is gone
    }

    // The chart area repaints only where a drawing changed: after every click what reaches the
    // screen is still the whole drawing, whatever changed (a mark, the red curves, a line).
    void TheScreenShowsTheWholeDrawingAfterEveryClick()
    {
        Click("Option_Beta");
        const char* const requests[][2] = {{"2", "10"},   {"2", "12"},   {"2", "10"}, {"2", "30"},
                                           {"1.5", "10"}, {"1.5", "10"}, {"3", "20"}, {"3", "5"},
                                           {"2", "30"},   {"2", "12"}};
        for (const auto& request : requests) {
            Type("Text_M1", request[0]);
            Type("Text_Teta", request[1]);
            Click("Command1");
            const ChartPixels shown = ChartPixels::OnScreen(Picture());
            QImage onScreen =
                shown.image.copy(QRect(shown.origin, Picture()->contentsRect().size()));
            QImage drawn = Picture()->Surface().Image();
            // The axis letters are labels of their own over the drawing.
            for (const char* label : {"Label_Beta", "Label_Teta"}) {
                const QRect place = Control<QWidget>(label)->geometry().translated(
                    -Picture()->contentsRect().topLeft());
                for (QImage* image : {&onScreen, &drawn})
                    QPainter(image).fillRect(place, Qt::black);
            }
            QCOMPARE(onScreen, drawn);
        }
    }

    // The shock through the point under the pointer, on either branch, or why none passes there;
    // within what a pixel resolves, the curve of the request's M1 at its solutions.
    void TheChartsTooltipGivesTheShockUnderThePointer()
    {
        QCOMPARE(TipAt(39.3139, 10), QString()); // nothing drawn
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        const QString weak = TipAt(39.3139, 10);
        QVERIFY2(weak.startsWith("β 39.") && weak.endsWith(", weak"), qPrintable(weak));
        QVERIFY2(qAbs(MachOf(weak, '.') - 2) < 0.05, qPrintable(weak));
        const QString strong = TipAt(83.7001, 10);
        QVERIFY2(strong.startsWith("β 83.") && strong.endsWith(", strong"), qPrintable(strong));
        QVERIFY2(qAbs(MachOf(strong, '.') - 2) < 0.05, qPrintable(strong));
        QVERIFY2(TipAt(20, 30).endsWith("°: no shock, θ too large for any M1"), "above the curves");
        QVERIFY2(TipAt(50, -2).endsWith("°: no shock, θ ≤ 0"), "below the β axis");
        // In the window's decimal separator.
        Window()->setLocale(QLocale(QLocale::German, QLocale::Germany));
        const QString comma = TipAt(39.3139, 10);
        QVERIFY2(comma.startsWith("β 39,") && qAbs(MachOf(comma, ',') - 2) < 0.05,
                 qPrintable(comma));
    }

    void ARequestThatNeverConvergesSaysSoThenDrawsThenSaysTetaMax()
    {
        Click("Option_Beta");
        Click("Option_Strong");
        Type("Text_M1", "1.5");
        Type("Text_Teta", "33.3");
        QList<bool> lineShown;
        Messages()->whileShown = [&] {
            lineShown << ChartPixels::OnScreen(Picture()).HasRedInRow(33.3);
        };
        Click("Command1");
        QCOMPARE(Messages()->texts,
                 QStringList(
                     {QString::fromUtf8(" iterasyon 1000 adımda yakınsamadı"), "Teta > TetaMax"}));
        QCOMPARE(lineShown, QList<bool>({false, true}));
        QCOMPARE(Box("Text_Beta")->text(), "");
        QVERIFY(Control<QGroupBox>("Frame3")->isVisible());
    }
};

QTEST_MAIN(Form1RequestTest)
#include "Form1RequestTest.moc"
