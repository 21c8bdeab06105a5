// The main window as it opens: its controls, places, fonts, captions, keyboard order and what
// a screen reader hears; and how a box shows a text longer than itself.
#include "MainWindow.h"

#include "look/ClassicStyle.h"
#include "look/Fonts.h"
#include "window/TextBoxEdit.h"

#include <QAction>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputMethod>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

class Form1LayoutTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(); }
    void init() { Open(); }
    void cleanup() { Close(); }

    void StartsAsLoaded()
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
        QCOMPARE(Window()->focusWidget(), Box("Text_Mn1"));
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
        QCOMPARE(Window()->windowTitle(), "Oblique Shock Calculator");
        QVERIFY(Window()->findChild<QAction*>("Mn_About"));
    }

    void ControlsStandWhereTheyWereDrawn()
    {
        if (Window()->logicalDpiX() != 96)
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
        QCOMPARE(Window()->centralWidget()->size(), QSize(567, 346));
        // Enlarging the window moves nothing.
        Window()->resize(Window()->size() + QSize(200, 100));
        QCOMPARE(Control<QWidget>("Picture1")->geometry(), QRect(168, 24, 385, 305));
    }

    void EveryCaptionAndValueFits()
    {
        for (QWidget* widget : Window()->findChildren<QWidget*>()) {
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

    void MessagesAreInTheDialogFontWhateverTheMachinesDefault()
    {
        Click("Command1"); // no output chosen yet
        QCOMPARE(Messages()->texts, QStringList{"Choose an output option"});
        QCOMPARE(Messages()->fonts.size(), std::size_t(1));
        const auto& [family, fixedPitch] = Messages()->fonts.front();
        QVERIFY2(!fixedPitch, qPrintable(family));
        QCOMPARE(family, QFontInfo(Box("Text_M1")->font()).family());
        QCOMPARE(family, QFontInfo(Control<QPushButton>("Command1")->font()).family());
    }

    void ABoxShowsWhatDoesNotFitInItsTooltip()
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

    // A box shows a value from its first character; in every state it must look and answer as a
    // plain line edit given the same steps.
    void ABoxLooksAsALineEditInEveryState()
    {
        auto* box = qobject_cast<TextBoxEdit*>(Box("Text_T2T1"));
        auto* plain = new QLineEdit(box->parentWidget());
        plain->setGeometry(box->geometry().translated(0, 40));
        plain->setMaxLength(box->maxLength());
        plain->setAttribute(Qt::WA_OpaquePaintEvent);
        plain->show();
        const QString wide = "123456789012345678901234567890";
        const auto show = [](const QString& text) {
            return [text](QLineEdit* edit) {
                edit->setText(text);
                edit->setCursorPosition(0);
            };
        };
        const auto compose = [](const QString& preedit) {
            return [preedit](QLineEdit* edit) {
                QInputMethodEvent event(preedit, {});
                QApplication::sendEvent(edit, &event);
            };
        };
        struct Step {
            const char* what;
            std::function<void(QLineEdit*)> apply;
            bool focused = false;
        };
        const std::vector<Step> steps = {
            {"a number", show("31.8506")},
            {"a pair kerned by the shaper", show("11.2117")},
            {"no pair kerned", show("31.2117")},
            {"decimal comma", show("-0,5")},
            {"exponent", show("1E+300")},
            {"blank", show(" ")},
            {"empty", show("")},
            {"placeholder",
             [](QLineEdit* edit) {
                 edit->setPlaceholderText("11 AVATAR To");
             }},
            {"placeholder, focused", [](QLineEdit*) {}, true},
            {"no placeholder",
             [](QLineEdit* edit) {
                 edit->setPlaceholderText({});
             }},
            {"red",
             [](QLineEdit* edit) {
                 edit->setPalette(QPalette(Qt::black, Qt::red));
             }},
            {"white",
             [](QLineEdit* edit) {
                 edit->setPalette({});
             }},
            {"disabled",
             [](QLineEdit* edit) {
                 edit->setEnabled(false);
             }},
            {"enabled",
             [](QLineEdit* edit) {
                 edit->setEnabled(true);
             }},
            {"focused", show("2.5"), true},
            {"composing over a number", compose("11 AVATAR ffi"), true},
            {"composed", compose(""), true},
            {"selected",
             [](QLineEdit* edit) {
                 edit->setSelection(0, 2);
             }},
            {"deselected",
             [](QLineEdit* edit) {
                 edit->deselect();
             }},
            {"letters", show("Mach")},
            {"wide, its end shown",
             [&](QLineEdit* edit) {
                 edit->setText(wide);
             }},
            {"a number after", show("4.75")},
            {"wide from its start", show(wide)},
            {"wide, focused", [](QLineEdit* edit) { edit->end(false); }, true},
            {"a number, focused", show("0.125"), true},
        };
        for (const Step& step : steps) {
            QImage shown[2];
            QVariant cursor[2];
            QVariant font[2];
            QVariant asked[2]; // the font an input method asks the focused box for
            int side = 0;
            for (QLineEdit* edit : {static_cast<QLineEdit*>(box), plain}) {
                if (step.focused)
                    edit->setFocus();
                step.apply(edit);
                shown[side] = edit->grab().toImage();
                cursor[side] = edit->inputMethodQuery(Qt::ImCursorRectangle);
                if (step.focused)
                    asked[side] = QInputMethod::queryFocusObject(Qt::ImFont, QVariant());
                font[side++] = edit->inputMethodQuery(Qt::ImFont);
                edit->clearFocus();
            }
            QVERIFY2(shown[0] == shown[1], step.what);
            QVERIFY2(cursor[0] == cursor[1], step.what);
            QVERIFY2(font[0] == font[1], step.what);
            QVERIFY2(asked[0] == asked[1], step.what);
        }

        // Numbers as the program writes them, wide and narrow, in both decimal separators.
        QRandomGenerator random(20261209);
        for (int i = 0; i < 400; ++i) {
            const double value = std::pow(10.0, random.bounded(13.0) - 4) * (i % 3 ? 1 : -1);
            QString number = QString::number(value, 'f', random.bounded(0, 9));
            if (i % 2)
                number.replace('.', ',');
            box->ShowValue(number);
            show(number)(plain);
            QVERIFY2(box->grab().toImage() == plain->grab().toImage(), qPrintable(number));
            QCOMPARE(box->toolTip(), box->ShowsWholeText() ? QString() : number);
        }
    }

    // The menu bar's overflow button gets its icon when first drawn: the same pixels at every
    // size, ratio and mode as the style's own, in the direction of when the button was built.
    void TheMenuBarsOverflowIconIsTheStylesOwn()
    {
        ClassicStyle style;
        QMenuBar bar;
        constexpr auto icon = QStyle::SP_ToolBarHorizontalExtensionButton;
        for (const Qt::LayoutDirection direction : {Qt::RightToLeft, Qt::LeftToRight}) {
            QGuiApplication::setLayoutDirection(direction);
            const QIcon made = style.QProxyStyle::standardIcon(icon, nullptr, &bar);
            const QIcon deferred = style.standardIcon(icon, nullptr, &bar);
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
            QVERIFY(!deferred.isNull());
            QCOMPARE(deferred.availableSizes(), made.availableSizes());
            for (const int side : {7, 12, 16, 20, 32, 48}) {
                QCOMPARE(deferred.actualSize(QSize(side, side)),
                         made.actualSize(QSize(side, side)));
                for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 2.75})
                    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                        const QPixmap want = made.pixmap(QSize(side, side), ratio, mode);
                        const QPixmap got = deferred.pixmap(QSize(side, side), ratio, mode);
                        QCOMPARE(got.devicePixelRatio(), want.devicePixelRatio());
                        QCOMPARE(got.toImage(), want.toImage());
                    }
            }
        }
    }

    // Moved to a screen of another pixel ratio, the window shows what a window opened there
    // shows: the chart drawn anew at that ratio, its lines one device pixel wide, and so are the
    // boxes; moved back, it shows what it showed at first.
    void MovedToAScreenOfAnotherRatioLooksAsOpenedThere()
    {
        QScreen* const home = Window()->screen();
        const QList<QScreen*> screens = QGuiApplication::screens();
        const auto other = std::find_if(screens.begin(), screens.end(), [home](QScreen* screen) {
            return screen->devicePixelRatio() != home->devicePixelRatio();
        });
        if (other == screens.end())
            QSKIP("needs two screens of different pixel ratios");
        const auto moveTo = [this](QScreen* screen) {
            Window()->move(screen->geometry().topLeft() + QPoint(20, 20));
            QCoreApplication::processEvents();
            Window()->windowHandle()->setScreen(screen);
            QCoreApplication::processEvents();
            QTRY_COMPARE(Window()->devicePixelRatioF(), screen->devicePixelRatio());
        };
        // The window as it paints itself now (the offscreen platform's screen grab keeps the
        // size of the screen it was first shown on).
        const auto shown = [this] {
            return Window()->grab().toImage();
        };
        const auto solve = [this] {
            Click("Option_Beta");
            Type("Text_M1", "2");
            Type("Text_Teta", "10");
            Click("Command1");
        };
        solve();
        const QImage first = shown();
        moveTo(*other);
        const QImage moved = shown();
        QCOMPARE(moved.devicePixelRatio(), (*other)->devicePixelRatio());
        QCOMPARE(Picture()->Surface().Image().devicePixelRatio(), (*other)->devicePixelRatio());
        moveTo(home);
        QCOMPARE(shown(), first);

        Close();
        Reopen();
        Window()->winId();
        Window()->windowHandle()->setScreen(*other);
        Window()->move((*other)->geometry().topLeft() + QPoint(20, 20));
        Window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Window()));
        solve();
        QCOMPARE(shown(), moved);
    }

    void ALongPastedTextIsReadWhole()
    {
        Click("Option_Beta");
        // 40,000 characters, far beyond a line edit's default limit of 32,767: cut there, it
        // would read 0.
        Box("Text_M1")->setText(QString(39999, '0') + "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QVERIFY(Messages()->texts.isEmpty());
        QCOMPARE(Box("Text_Beta")->text(), "39.3139");
    }

    void ScreenReadersHearNamesAndTheChart()
    {
        QCOMPARE(Box("Text_M1")->accessibleName(), "Upstream Mach number M1");
        QCOMPARE(Box("Text_M2")->accessibleName(), "Downstream Mach number M2");
        for (QWidget* control : Window()->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.startsWith("Text_") || name.startsWith("Option_") || name == "Command1") {
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
                QVERIFY2(!control->accessibleDescription().isEmpty(),
                         qPrintable(control->objectName()));
            }
        }
        QCOMPARE(Control<QRadioButton>("Option_Teta")->text(), "θ =");

        // Every description ends by saying that the chart has a context menu.
        const QString menu =
            ". Its context menu (Shift+F10) copies the chart or the results, saves "
            "the chart, or shows the shock's details";
        QCOMPARE(Picture()->accessibleDescription(), "θ–β chart, empty" + menu);
        Click("Option_Beta");
        Type("Text_M1", "2");
        Type("Text_Teta", "10");
        Click("Command1");
        QCOMPARE(Picture()->accessibleDescription(),
                 "θ–β chart for M1 = 2; solution β = 39.3139°, θ = 10°" + menu);
        Type("Text_M1", "0.5");
        Click("Command1");
        QCOMPARE(Picture()->accessibleDescription(),
                 "θ–β chart for M1 = 2; solution β = 39.3139°, θ = 10°" + menu);
        Click("Option_Teta");
        QCOMPARE(Picture()->accessibleDescription(), "θ–β chart, empty" + menu);

        // A fault at the drawing step: the curves are new, the mark is missing.
        Click("Option_M1");
        Type("Text_Teta", "10");
        Type("Text_Beta", "-3e78");
        Click("Command1");
        QCOMPARE(Messages()->texts.last(), "Arithmetic overflow");
        QCOMPARE(Picture()->accessibleDescription(),
                 "θ–β chart for M1 = 1.6058; the solution lies beyond what the chart can draw "
                 "and is not marked" +
                     menu);
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "Form1LayoutTest.moc"
