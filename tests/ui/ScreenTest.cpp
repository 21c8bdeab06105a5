// What reaches the screen, pixel for pixel: the real windows in their telling states, taken from
// what the platform holds of each window (its backing store, as last repainted and flushed) and
// compared with reference images kept beside this file. A deliberate change of the picture
// rewrites them: OSC_SCREEN_UPDATE=1 ctest --preset dev -R ScreenTest
#include "MainWindow.h"
#include "look/Fonts.h"
#include "window/FormAbout.h"

#include <QAction>
#include <QDir>
#include <QFontInfo>

#include <functional>

namespace {

// The families the references were drawn with, as the package's font dependencies provide them.
struct FontNeed {
    const char* role;
    QFont font;
    const char* family;
};

// Where two images differ, as a line for the test's log.
QString Difference(const QImage& shown, const QImage& reference)
{
    if (shown.size() != reference.size()) {
        return QString("size %1×%2, reference %3×%4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(reference.width())
            .arg(reference.height());
    }
    int count = 0;
    QRect where;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != reference.pixel(x, y)) {
                ++count;
                where |= QRect(x, y, 1, 1);
            }
        }
    }
    if (count == 0)
        return {};
    return QString("%1 pixels differ within x %2–%3, y %4–%5")
        .arg(count)
        .arg(where.left())
        .arg(where.right())
        .arg(where.top())
        .arg(where.bottom());
}

} // namespace

class ScreenTest : public MainWindowTest {
    Q_OBJECT

    // What the user does before the picture is taken, and which window it is taken of.
    struct State {
        const char* name;
        std::function<void(ScreenTest&)> actions;
        bool aboutWindow = false;
    };

    void Request(const char* output, const char* boxA, const char* a, const char* boxB,
                 const char* b)
    {
        Click(output);
        Type(boxA, a);
        Type(boxB, b);
        Click("Command1");
    }

    const std::vector<State>& States()
    {
        static const std::vector<State> states = {
            {"start",
             [](ScreenTest&) {
             }},
            {"m1-solved",
             [](ScreenTest& t) {
                 t.Request("Option_M1", "Text_Teta", "10", "Text_Beta", "40");
             }},
            {"teta-solved",
             [](ScreenTest& t) {
                 t.Request("Option_Teta", "Text_M1", "2", "Text_Beta", "40");
             }},
            {"beta-solved",
             [](ScreenTest& t) {
                 t.Request("Option_Beta", "Text_M1", "2", "Text_Teta", "10");
             }},
            // The no-solution line, with the weak/strong choice still over the emptied β box.
            {"detached",
             [](ScreenTest& t) {
                 t.Request("Option_Beta", "Text_M1", "2", "Text_Teta", "30");
             }},
            // p2/p1 = 50724.34209 is wider than its box: it shows from its first digit.
            {"long-result",
             [](ScreenTest& t) {
                 t.Request("Option_Beta", "Text_M1", "1000", "Text_Teta", "10");
             }},
            // After a chart, the weak/strong choice offered again over a box that holds a value.
            {"weak-strong-over-beta",
             [](ScreenTest& t) {
                 t.Request("Option_Teta", "Text_M1", "2", "Text_Beta", "40");
                 t.Click("Option_Beta");
                 t.Box("Text_Beta")->setText("88888888");
             }},
            // A click on the chart gives it the keyboard focus, shown by the dotted rectangle
            // inside its border; the window is active, as a user's is.
            {"chart-focused",
             [](ScreenTest& t) {
                 t.Request("Option_Beta", "Text_M1", "2", "Text_Teta", "10");
                 t.Window()->activateWindow();
                 QVERIFY(QTest::qWaitForWindowActive(t.Window()));
                 QTest::mouseClick(t.Picture(), Qt::LeftButton, {}, QPoint(150, 100));
             }},
            {"about", [](ScreenTest& t) { t.Window()->findChild<QAction*>("Mn_About")->trigger(); },
             true},
        };
        return states;
    }

private slots:
    void initTestCase()
    {
        SetUpApplication();
        // A steady text cursor, so that a picture does not depend on when it was taken.
        QApplication::setCursorFlashTime(0);
    }
    void init() { Open(); }
    void cleanup() { Close(); }

    void WindowsLookAsDrawn_data()
    {
        QTest::addColumn<int>("state");
        for (int i = 0; i < int(States().size()); ++i)
            QTest::newRow(States()[i].name) << i;
    }

    void WindowsLookAsDrawn()
    {
        QFETCH(int, state);
        if (Window()->logicalDpiX() != 96 || Window()->devicePixelRatioF() != 1)
            QSKIP("the references are drawn at 96 dpi and one device pixel per pixel");
        const FontNeed needs[] = {
            {"dialog", DialogFont(), "Liberation Sans Narrow"},
            {"Greek letters", GreekFont(), "Liberation Sans"},
            {"About window", AboutFont(8.25), "DejaVu Sans"},
        };
        QStringList missing;
        for (const FontNeed& need : needs) {
            const QString family = QFontInfo(need.font).family();
            if (family != need.family)
                missing << QString("%1 font %2 (found %3)").arg(need.role, need.family, family);
        }
        if (!missing.isEmpty()) {
            QSKIP(qPrintable("the references need the package's font dependencies "
                             "(fonts-liberation, fonts-dejavu-core) and no Verdana; missing: " +
                             missing.join("; ")));
        }

        const State& row = States()[std::size_t(state)];
        row.actions(*this);
        QWidget* shown = row.aboutWindow ? static_cast<QWidget*>(Window()->AboutWindow())
                                         : static_cast<QWidget*>(Window());
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QImage picture = OnScreen(shown);
        QVERIFY(!picture.isNull());

        const QString reference =
            QString(OSC_SCREEN_REFERENCES "/%1.png").arg(QString::fromUtf8(row.name));
        if (qEnvironmentVariableIsSet("OSC_SCREEN_UPDATE")) {
            QVERIFY2(picture.save(reference), qPrintable(reference));
            return;
        }
        const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!expected.isNull(), qPrintable("no reference " + reference));
        const QString difference = Difference(picture, expected);
        if (!difference.isEmpty()) {
            QDir().mkpath("screen-shown");
            const QString file = QString("screen-shown/%1.png").arg(QString::fromUtf8(row.name));
            picture.save(file);
            QFAIL(qPrintable(QString("%1: %2; shown in %3")
                                 .arg(row.name, difference, QDir().absoluteFilePath(file))));
        }
    }
};

QTEST_MAIN(ScreenTest)
#include "ScreenTest.moc"
