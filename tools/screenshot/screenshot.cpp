// Starts the main window, makes the request of a typical user (β as output, M1 = 2, θ = 10)
// with real clicks and keys, and saves what the screen shows of the window.
#include "window/Application.h"
#include "window/Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetUpApplication();
    const QString output = argc > 1 ? argv[1] : "screenshot.png";

    Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::mouseClick(window.findChild<QRadioButton*>("Option_Beta"), Qt::LeftButton);
    QTest::keyClicks(window.findChild<QLineEdit*>("Text_M1"), "2");
    QTest::keyClicks(window.findChild<QLineEdit*>("Text_Teta"), "10");
    QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QTest::qWait(300);

    const QPixmap shot = window.screen()->grabWindow(window.winId());
    return shot.save(output) ? 0 : 1;
}
