#include "ui/Form1.h"
#include "ui/Application.h"
#include "ui/FormAbout.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Answers every message box as a user would: reads it, then clicks OK. `whileShown` runs while
// the box is still open, to look at the window behind it.
class MessageBoxes : public QObject {
public:
    MessageBoxes()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            titles << box->windowTitle();
            const QFontInfo font(box->findChild<QLabel*>("qt_msgbox_label")->font());
            fonts.push_back({font.family(), font.fixedPitch()});
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            if (whileShown)
                whileShown();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        m_timer.start(5);
    }

    QStringList texts;
    QStringList titles;
    std::vector<std::pair<QString, bool>> fonts; // the face of each text, and if fixed-pitch
    std::function<void()> whileShown;

private:
    QTimer m_timer;
};

// The chart's pixels: either the image the chart draws on, or what the picture area shows on
// screen, where the image sits inside the sunken border.
struct ChartPixels {
    QImage image;
    QPoint origin; // device pixels of the image's (or contents') top-left corner
    QSizeF area;   // logical size of the chart's drawable area

    static ChartPixels Drawn(PictureBox* picture)
    {
        const QImage& image = picture->Surface().Image();
        return {image, {}, image.deviceIndependentSize()};
    }
    static ChartPixels OnScreen(PictureBox* picture)
    {
        const QImage shown = picture->grab().toImage();
        const QRect contents = picture->contentsRect();
        return {shown, contents.topLeft() * shown.devicePixelRatio(), contents.size()};
    }

    // Whether `colour` is at (β, θ), give or take a pixel of rasterisation.
    bool ColourNear(double beta, double teta, QColor colour) const
    {
        // The chart maps β from −10 to 100 across and θ from 35 down to −5.
        const int x = origin.x() + int((beta + 10) * area.width() / 110 * image.devicePixelRatio());
        const int y = origin.y() + int((35 - teta) * area.height() / 40 * image.devicePixelRatio());
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (image.valid(x + dx, y + dy) && image.pixelColor(x + dx, y + dy) == colour)
                    return true;
            }
        }
        return false;
    }

    bool HasRedInRow(double teta) const
    {
        for (double beta = 0.5; beta < 95; beta += 0.25) {
            if (ColourNear(beta, teta, Qt::red))
                return true;
        }
        return false;
    }
};

bool ColourNear(PictureBox* picture, double beta, double teta, QColor colour)
{
    return ChartPixels::Drawn(picture).ColourNear(beta, teta, colour);
}

bool HasRedInRow(PictureBox* picture, double teta)
{
    return ChartPixels::Drawn(picture).HasRedInRow(teta);
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> window;
    std::unique_ptr<MessageBoxes> messages;

    template <typename T>
    T* Control(const char* name)
    {
        T* control = window->findChild<T*>(name);
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QLineEdit* Box(const char* name) { return Control<QLineEdit>(name); }
    void Click(const char* name)
    {
        QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
    }
    void Type(const char* box, const QString& text)
    {
        Box(box)->clear();
        QTest::keyClicks(Box(box), text);
    }
    PictureBox* Picture() { return Control<PictureBox>("Picture1"); }

private slots:
    void initTestCase() { SetUpApplication(); }

    void init()
    {
        window = std::make_unique<Form1>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        messages = std::make_unique<MessageBoxes>();
    }

    void cleanup()
    {
        messages.reset();
        window.reset();
    }

    void startsAsLoaded()
    {
        QVERIFY(!Control<QGroupBox>("Frame3")->isVisible());
        QVERIFY(!Control<QLabel>("Label_Teta")->isVisible());
        QVERIFY(!Control<QLabel>("Label_Beta")->isVisible());
        QCOMPARE(Control<QPushButton>("Command1")->text(), "Choose an output option");
        for (const char* option : {"Option_M1", "Option_Teta", "Option_Beta"})
            QVERIFY(!Control<QRadioButton>(option)->isChecked());
        QVERIFY(Control<QRadioButton>("Option_Weak")->isChecked());
        for (const char* box : {"Text_Mn1", "Text_Mn2", "Text_M2", "Text_p2p1", "Text_T2T1"})
            QCOMPARE(Box(box)->text(), "1");
        QCOMPARE(window->focusWidget(), Box("Text_Mn1"));
        // The keyboard walks the controls in the window's tab order.
        QStringList order;
        for (QWidget* at = Box("Text_Mn1"); order.size() < 15; at = at->nextInFocusChain()) {
            if (at->focusPolicy() & Qt::TabFocus)
                order << at->objectName();
        }
        QCOMPARE(order, QStringList({"Text_Mn1", "Text_Mn2", "Text_M2", "Text_p2p1", "Text_T2T1",
                                     "Picture1", "Text_M1", "Text_Teta", "Text_Beta", "Option_M1",
                                     "Option_Teta", "Option_Beta", "Command1", "Option_Weak",
                                     "Option_Strong"}));
        QCOMPARE(window->windowTitle(), "Oblique Shock Calculator");
        QVERIFY(window->findChild<QAction*>("Mn_About"));
    }

    void controlsStandWhereTheyWereDrawn()
    {
        if (window->logicalDpiX() != 96)
            QSKIP("positions are checked at 96 dpi");
        const std::pair<const char*, QRect> places[] = {
            {"Frame2", {16, 16, 137, 129}},     {"Text_M1", {72, 16, 49, 19}},
            {"Option_Beta", {16, 64, 41, 17}},  {"Frame3", {56, 56, 73, 49}},
            {"Option_Strong", {8, 24, 49, 17}}, {"Command1", {16, 152, 137, 33}},
            {"Text_T2T1", {72, 120, 49, 19}},   {"Picture1", {168, 24, 385, 305}},
        };
        for (const auto& [name, pixels] : places)
            QCOMPARE(Control<QWidget>(name)->geometry(), pixels);
        // The client area below the menu bar, once shown: 8505 × 5190 twips.
        QCOMPARE(window->centralWidget()->size(), QSize(567, 346));
        // Enlarging the window moves nothing.
        window->resize(window->size() + QSize(200, 100));
        QCOMPARE(Control<QWidget>("Picture1")->geometry(), QRect(168, 24, 385, 305));
    }

    void everyCaptionAndValueFits()
    {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (auto* option = qobject_cast<QRadioButton*>(widget)) {
                // The caption's room is what the round indicator leaves of the button.
                QStyleOptionButton style;
                style.initFrom(option);
                style.text = option->text();
                const QRect room =
                    option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
                QVERIFY2(option->fontMetrics().horizontalAdvance(option->text()) <= room.width(),
                         qPrintable(name));
            } else if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)) {
                QVERIFY2(widget->sizeHint().width() <= widget->width(), qPrintable(name));
            }
        }
        auto* command = Control<QPushButton>("Command1");
        command->setText("SET input values then CLICK");
        QVERIFY(command->sizeHint().width() <= command->width());
        for (const char* name : {"Text_M1", "Text_Beta", "Text_Mn1", "Text_p2p1"}) {
            QLineEdit* box = Box(name);
            for (const QString value : {"39.3139", "1.26714", "10.33333", "-83.7001"}) {
                // With the cursor after the last character the box scrolls only if the text
                // is wider than the box.
                box->setText(value);
                box->setCursorPosition(0);
                box->grab();
                const int start =
                    box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                box->setCursorPosition(value.size());
                box->grab();
                const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                QVERIFY2(end - start >= box->fontMetrics().horizontalAdvance(value) - 1,
                         qPrintable(QString("%1 in %2").arg(value, name)));
            }
        }
    }

    void oneRequestFromChoiceToChart()
    {
        Click("Option_Beta");
        QVERIFY(Control<QGroupBox>("Frame3")->isVisible());
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");

        QVERIFY(messages->texts.isEmpty());
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

    void outputChoicePreparesTheBoxes()
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
        QVERIFY(messages->texts.isEmpty());
        QCOMPARE(Box("Text_Beta")->text(), "39.3139");
    }

    void detachedRequestShowsChartAndLineBeforeTheMessage()
    {
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "30");
        bool chartShown = false;
        messages->whileShown = [&] {
            chartShown =
                HasRedInRow(Picture(), 30) && ColourNear(Picture(), 66, 22.9233, Qt::red) &&
                Box("Text_Beta")->text().isEmpty() && Control<QGroupBox>("Frame3")->isVisible();
        };
        Click("Command1");
        QCOMPARE(messages->texts, QStringList{"Teta > TetaMax"});
        QCOMPARE(messages->titles, QStringList{"Oblique Shock Calculator"});
        QVERIFY(chartShown);
    }

    void refusedRequestKeepsTheChart()
    {
        Click("Option_Teta");
        Type("Text_M1", "2");
        Type("Text_Beta", "40");
        Click("Command1");
        QCOMPARE(Box("Text_Teta")->text(), "10.6229");
        const QImage chart = Picture()->Surface().Image();
        Type("Text_M1", "1");
        Click("Command1");
        QCOMPARE(messages->texts, QStringList{"M1 must be greater then 1"});
        QCOMPARE(Picture()->Surface().Image(), chart);
    }

    void arithmeticFaultIsReportedAndTheWindowGoesOn()
    {
        Click("Option_Beta");
        Type("Text_M1", "1e308");
        Type("Text_Teta", "5");
        Click("Command1");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QCOMPARE(messages->texts, QStringList{"Arithmetic overflow"});
        QCOMPARE(Box("Text_Beta")->text(), "39.3139");
    }

    void aDecimalCommaLocaleWritesAndReadsItsOwnSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window = std::make_unique<Form1>();
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
        QCOMPARE(messages->texts, QStringList{"Beta must be between 19,471 and 90 degrees"});
    }

    void messagesAreInTheDialogFontWhateverTheMachinesDefault()
    {
        Click("Command1"); // no output chosen yet
        QCOMPARE(messages->texts, QStringList{"Choose an output option"});
        QCOMPARE(messages->fonts.size(), std::size_t(1));
        const auto& [family, fixedPitch] = messages->fonts.front();
        QVERIFY2(!fixedPitch, qPrintable(family));
        QCOMPARE(family, QFontInfo(Box("Text_M1")->font()).family());
        QCOMPARE(family, QFontInfo(Control<QPushButton>("Command1")->font()).family());
    }

    void theScreenShowsTheChartAndItsMarks()
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
        messages->whileShown = [&] {
            behindMessage = ChartPixels::OnScreen(Picture());
        };
        Click("Command1");
        QVERIFY(behindMessage);
        QVERIFY(behindMessage->HasRedInRow(30)); // the no-solution line
        QVERIFY(behindMessage->ColourNear(65.3149, 34.0733, Qt::blue));
        QVERIFY(!behindMessage->ColourNear(20, 10, Qt::red)); // the old mark's guide is gone
    }

    void aRequestThatNeverConvergesSaysSoThenDrawsThenSaysTetaMax()
    {
        Click("Option_Beta");
        Click("Option_Strong");
        Type("Text_M1", "1.5");
        Type("Text_Teta", "33.3");
        QList<bool> lineShown;
        messages->whileShown = [&] {
            lineShown << ChartPixels::OnScreen(Picture()).HasRedInRow(33.3);
        };
        Click("Command1");
        QCOMPARE(messages->texts,
                 QStringList(
                     {QString::fromUtf8(" iterasyon 1000 adımda yakınsamadı"), "Teta > TetaMax"}));
        QCOMPARE(lineShown, QList<bool>({false, true}));
        QCOMPARE(Box("Text_Beta")->text(), "");
        QVERIFY(Control<QGroupBox>("Frame3")->isVisible());
    }

    void aBoxShowsWhatDoesNotFitInItsTooltip()
    {
        Click("Option_Beta");
        Type("Text_M1", "1000");
        Type("Text_Teta", "10");
        Click("Command1");
        QLineEdit* pressure = Box("Text_p2p1");
        QCOMPARE(pressure->text(), "50724.34209");
        QCOMPARE(pressure->toolTip(), "50724.34209");
        QVERIFY(pressure->accessibleDescription().contains("50724.34209"));
        QVERIFY(Box("Text_Mn2")->toolTip().isEmpty());

        // The tooltip appears exactly when the box has to scroll to show the text's end.
        QLineEdit* box = Box("Text_M1");
        for (int length = 1; length <= 16; ++length) {
            const QString value = QString("1234567890123456").left(length);
            box->setText(value);
            box->setCursorPosition(0);
            box->grab();
            const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            box->setCursorPosition(value.size());
            box->grab();
            const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
            const bool scrolls = end - start < box->fontMetrics().horizontalAdvance(value) - 1;
            QVERIFY2(!box->toolTip().isEmpty() == scrolls,
                     qPrintable(QString("%1: %2 from %3 to %4")
                                    .arg(value)
                                    .arg(box->fontMetrics().horizontalAdvance(value))
                                    .arg(start)
                                    .arg(end)));
        }
    }

    void aLongPastedTextIsReadWhole()
    {
        Click("Option_Beta");
        // 40,000 characters, far beyond a line edit's default limit of 32,767: cut there, it
        // would read 0.
        Box("Text_M1")->setText(QString(39999, '0') + "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QVERIFY(messages->texts.isEmpty());
        QCOMPARE(Box("Text_Beta")->text(), "39.3139");
    }

    void aboutStaysWhenTheMainWindowCloses()
    {
        window->findChild<QAction*>("Mn_About")->trigger();
        window->close();
        QVERIFY(window->AboutWindow()->isVisible());
    }

    void screenReadersHearNamesAndTheChart()
    {
        QCOMPARE(Box("Text_M1")->accessibleName(), "Upstream Mach number M1");
        QCOMPARE(Box("Text_M2")->accessibleName(), "Downstream Mach number M2");
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.startsWith("Text_") || name.startsWith("Option_") || name == "Command1") {
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
                QVERIFY2(!control->accessibleDescription().isEmpty(),
                         qPrintable(control->objectName()));
            }
        }
        QCOMPARE(Control<QRadioButton>("Option_Teta")->text(), "θ =");

        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QCOMPARE(Picture()->accessibleDescription(),
                 "θ–β chart for M1 = 2; solution β = 39.3139°, θ = 10°");
        Type("Text_M1", "0.5");
        Click("Command1");
        QCOMPARE(Picture()->accessibleDescription(),
                 "θ–β chart for M1 = 2; solution β = 39.3139°, θ = 10°");
        Click("Option_Teta");
        QCOMPARE(Picture()->accessibleDescription(), "θ–β chart, empty");
    }

    void aboutOpensOnceModelessAndWithoutOwner()
    {
        auto* about = window->findChild<QAction*>("Mn_About");
        about->trigger();
        about->trigger();
        FormAbout* aboutWindow = window->AboutWindow();
        QVERIFY(aboutWindow && aboutWindow->isVisible());
        QVERIFY(!aboutWindow->parentWidget());
        QCOMPARE(aboutWindow->windowTitle(), "About");
        // Nothing is appended to the titles by the platform: no application display name.
        QVERIFY(QGuiApplication::applicationDisplayName() != "Oblique Shock Calculator");
        aboutWindow->close();
        about->trigger();
        QCOMPARE(window->AboutWindow(), aboutWindow);
        int shown = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            shown += top->objectName() == "Form_About" && top->isVisible();
        QCOMPARE(shown, 1);
        QVERIFY(!window->isModal() && !aboutWindow->isModal());
        QCOMPARE(aboutWindow->findChild<QLabel*>("Label8")->text(), "last update: April 2007");
        for (QLabel* label : aboutWindow->findChildren<QLabel*>())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
