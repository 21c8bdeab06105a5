// Starts either the calculator's main window or a bare QMainWindow of the same size, and exits
// as soon as it has been shown and exposed.
#include "ui/Application.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QMainWindow>
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
    }
    window->show();
    return QTest::qWaitForWindowExposed(window.get()) ? 0 : 1;
}
