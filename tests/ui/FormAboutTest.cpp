// The About window: opened from the menu at most once, modeless, without an owner, and outliving
// the main window.
#include "window/FormAbout.h"
#include "MainWindow.h"

#include <QAction>

class FormAboutTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(); }
    void init() { Open(); }
    void cleanup() { Close(); }

    void AboutStaysWhenTheMainWindowCloses()
    {
        Window()->findChild<QAction*>("Mn_About")->trigger();
        Window()->close();
        QVERIFY(Window()->AboutWindow()->isVisible());
    }

    void BothWindowsShowTheProgramsIcon()
    {
        Window()->findChild<QAction*>("Mn_About")->trigger();
        for (QWidget* window :
             {static_cast<QWidget*>(Window()), static_cast<QWidget*>(Window()->AboutWindow())}) {
            // Drawn from the program's own SVG where no icon theme has it, as offscreen.
            const QImage icon = window->windowIcon().pixmap(32).toImage();
            QVERIFY2(!icon.isNull(), qPrintable(window->objectName()));
            QCOMPARE(icon.pixelColor(16, 16).alpha(), 255);
        }
    }

    void AboutOpensOnceModelessAndWithoutOwner()
    {
        auto* about = Window()->findChild<QAction*>("Mn_About");
        about->trigger();
        about->trigger();
        FormAbout* aboutWindow = Window()->AboutWindow();
        QVERIFY(aboutWindow && aboutWindow->isVisible());
        QVERIFY(!aboutWindow->parentWidget());
        QCOMPARE(aboutWindow->windowTitle(), "About");
        // Nothing is appended to the titles by the platform: no application display name.
        QVERIFY(QGuiApplication::applicationDisplayName() != "Oblique Shock Calculator");
        aboutWindow->close();
        about->trigger();
        QCOMPARE(Window()->AboutWindow(), aboutWindow);
        int shown = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            shown += top->objectName() == "Form_About" && top->isVisible();
        QCOMPARE(shown, 1);
        QVERIFY(!Window()->isModal() && !aboutWindow->isModal());
        QCOMPARE(aboutWindow->findChild<QLabel*>("Label8")->text(), "last update: April 2007");
        for (QLabel* label : aboutWindow->findChildren<QLabel*>())
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
    }
};

QTEST_MAIN(FormAboutTest)
#include "FormAboutTest.moc"
