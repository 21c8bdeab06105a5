#include "ui/Application.h"
#include "ui/CommandLine.h"
#include "ui/Form1.h"
#include "ui/StartUpMessages.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

bool NonEmptyVariable(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

// Whether the platforms the toolkit may use all need a display that is not there: by default
// an X or a Wayland display, xcb an X display, wayland a Wayland display (QT_QPA_PLATFORM may list
// several, separated by ";"). A platform given on the command line, or any other one (offscreen,
// say), needs none that can be checked here.
bool DisplayMissing(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    }
    const char* variable = std::getenv("QT_QPA_PLATFORM");
    std::string_view platforms = variable ? variable : "";
    if (platforms.empty())
        return !NonEmptyVariable("DISPLAY") && !NonEmptyVariable("WAYLAND_DISPLAY");
    while (!platforms.empty()) {
        const std::string_view platform = platforms.substr(0, platforms.find(';'));
        platforms.remove_prefix(std::min(platforms.size(), platform.size() + 1));
        if (platform.starts_with("xcb")       ? NonEmptyVariable("DISPLAY")
            : platform.starts_with("wayland") ? NonEmptyVariable("WAYLAND_DISPLAY")
                                              : !platform.empty())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (WantsShell(argc, argv))
        return RunFromShell(argc, argv);

    // Without a display the toolkit would abort with advice about reinstalling; say what is
    // missing instead.
    if (DisplayMissing(argc, argv)) {
        std::fputs("oblique-shock-calculator: no display found (DISPLAY or WAYLAND_DISPLAY must "
                   "name one); start it from a graphical session.\n",
                   stderr);
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
