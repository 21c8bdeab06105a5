#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("oblique-shock-calculator");
    QApplication::setApplicationDisplayName("Oblique Shock Calculator");
    QApplication::setApplicationVersion(OSC_VERSION);

    Form1 window;
    window.show();
    return app.exec();
}
