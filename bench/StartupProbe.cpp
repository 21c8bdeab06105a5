// Starts either the calculator's main window or a bare QMainWindow of the same size with one
// captioned button, and exits as soon as it has been shown and exposed.
#include "window/Application.h"
#include "window/Form1.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window;
    if (argc > 1 && QByteArray(argv[1]) == "form1") {
        SetUpApplication();
        window = std::make_unique<Form1>();
    } else {
        window = std::make_unique<QMainWindow>();
        window->resize(567, 346);
        // A caption, as any window that shows text has, makes the toolkit set up its fonts.
        auto* button = new QPushButton("SET input values then CLICK", window.get());
        button->setGeometry(16, 160, 136, 33);
    }
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? 0 : 1;
}
