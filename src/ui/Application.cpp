#include "ui/Application.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

void SetUpApplication()
{
    QApplication::setApplicationName("oblique-shock-calculator");
    QApplication::setApplicationDisplayName("Oblique Shock Calculator");
    QApplication::setApplicationVersion(OSC_VERSION);
    // The menu bar belongs inside the window; asking the desktop for a global menu only costs
    // start-up time.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The classic look the window's fixed layout was drawn for; it also paints its sunken
    // boxes and frames several times faster than the default style.
    if (QStyle* classic = QStyleFactory::create("Windows"))
        QApplication::setStyle(classic);
}
