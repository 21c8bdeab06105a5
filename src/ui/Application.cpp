#include "ui/Application.h"

#include "ui/ClassicStyle.h"

#include <QApplication>

void SetUpApplication()
{
    QApplication::setApplicationName("oblique-shock-calculator");
    QApplication::setApplicationDisplayName("Oblique Shock Calculator");
    QApplication::setApplicationVersion(OSC_VERSION);
    QApplication::setDesktopFileName("oblique-shock-calculator");
    // The menu bar belongs inside the window; asking the desktop for a global menu only costs
    // start-up time.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The classic look the window's fixed layout was drawn for.
    QApplication::setStyle(new ClassicStyle);
}
