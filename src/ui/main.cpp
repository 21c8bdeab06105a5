#include "ui/Application.h"
#include "ui/Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool Set(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

bool PlatformNamed(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return Set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    // Without a display the toolkit would abort with advice about reinstalling; say what is
    // missing instead. A platform named explicitly (offscreen, say) needs no display.
    if (!PlatformNamed(argc, argv) && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) {
        std::fputs("oblique-shock-calculator: no display found (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set); start it from a graphical session.\n",
                   stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    SetUpApplication();

    Form1 window;
    window.show();
    return app.exec();
}
