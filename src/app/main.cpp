#include "app/CommandLine.h"
#include "app/StartUpMessages.h"
#include "form/ProgramName.h"
#include "window/Application.h"
#include "window/Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (WantsShell(argc, argv))
        return RunFromShell(argc, argv);

    // Without a display the toolkit would abort with advice about reinstalling; say what is
    // missing instead.
    if (DisplayMissing(argc, argv)) {
        std::fprintf(stderr,
                     "%s: no display found (DISPLAY or WAYLAND_DISPLAY must name one); start it "
                     "from a graphical session.\n",
                     ProgramName);
        return EXIT_FAILURE;
    }

    HoldStartUpMessages();
    QApplication app(argc, argv);
    ReleaseStartUpMessages();
    SetUpApplication();

    Form1 window;
    window.show();
    return app.exec();
}
