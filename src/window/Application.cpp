#include "window/Application.h"

#include "form/ProgramName.h"
#include "look/ClassicStyle.h"
#include "look/Fonts.h"

#include <QApplication>
#include <QIcon>

void SetUpApplication()
{
    // No display name: the platform would append it to every window title that does not end
    // with it, and the About window's title bar must read "About" alone.
    QApplication::setApplicationName(ProgramName);
    QApplication::setApplicationVersion(OSC_VERSION);
    QApplication::setDesktopFileName(ProgramName);
    // The menu bar belongs inside the window; asking the desktop for a global menu only costs
    // start-up time.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // The classic look the window's fixed layout was drawn for.
    QApplication::setStyle(new ClassicStyle);
    // The dialog font for every window and message box, whatever face the machine's default
    // happens to be (a bare system may resolve it to a typewriter face).
    QApplication::setFont(DialogFont());
    // The program's icon in both windows' title bars and task switchers: from the installed icon
    // theme, or else the drawing built into the program.
    QApplication::setWindowIcon(
        QIcon::fromTheme(ProgramName, QIcon(":/icons/oblique-shock-calculator.svg")));
}
