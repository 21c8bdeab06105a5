#include "ui/CommandLine.h"

#include "shell/Batch.h"
#include "shell/RequestTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cstdio>
#include <string_view>

namespace {

// The toolkit's options that take a value, as the next argument or after "=", and those that
// take none (QGuiApplication's and QApplication's, the X11 platform's included).
constexpr std::array<std::string_view, 15> ToolkitOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "name",          "title",   "qmljsdebugger"};
constexpr std::array<std::string_view, 6> ToolkitFlags = {"reverse", "widgetcount", "testability",
                                                          "nograb",  "dograb",      "sync"};

template <std::size_t Size>
bool Among(const std::array<std::string_view, Size>& names, std::string_view name)
{
    for (std::string_view known : names) {
        if (known == name)
            return true;
    }
    return false;
}

enum class Toolkit {
    Not,           // not an option of the toolkit
    Whole,         // a toolkit option, its value (if any) after "="
    WithValueNext, // a toolkit option whose value is the next argument
};

Toolkit ToolkitOption(std::string_view argument)
{
    if (!argument.starts_with('-'))
        return Toolkit::Not;
    // The toolkit takes "-platform" and "--platform" alike.
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    if (Among(ToolkitOptionsWithValue, name))
        return equals == std::string_view::npos ? Toolkit::WithValueNext : Toolkit::Whole;
    return Among(ToolkitFlags, name) && equals == std::string_view::npos ? Toolkit::Whole
                                                                         : Toolkit::Not;
}

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int UsageError(const QString& reason)
{
    Print(stderr, "oblique-shock-calculator: " + reason + "\n" +
                      "Usage: oblique-shock-calculator [--output beta|theta|m1] [--m1 TEXT] "
                      "[--theta TEXT] [--beta TEXT] [--strong] | --batch < requests.csv\n"
                      "Try 'oblique-shock-calculator --help' for more information.\n");
    return 2;
}

} // namespace

bool WantsShell(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        switch (ToolkitOption(argv[i])) {
        case Toolkit::Not:
            return true;
        case Toolkit::WithValueNext:
            ++i;
            break;
        case Toolkit::Whole:
            break;
        }
    }
    return false;
}

int RunFromShell(int argc, char* argv[])
{
    // No window: the core application needs no display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("oblique-shock-calculator");
    QCoreApplication::setApplicationVersion(OSC_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Calculator for oblique shock waves in a perfect gas (γ = 1.4).\n"
        "Without options it opens its window. With them it answers from the shell, without a "
        "display:\none request is printed as a table, its messages on stderr; --batch answers "
        "CSV requests\nfrom stdin as CSV on stdout.\n"
        "Exit status: 0 solved (or the batch was read), 2 a wrong command line or batch header,\n"
        "3 refused, 4 no attached shock, 5 the calculation failed.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption output("output", "The output to compute: beta, theta or m1.",
                                    "beta|theta|m1");
    const QCommandLineOption m1("m1", "The text typed into the M1 box.", "TEXT");
    const QCommandLineOption theta("theta", "The text typed into the θ box.", "TEXT");
    const QCommandLineOption beta("beta", "The text typed into the β box.", "TEXT");
    const QCommandLineOption strong("strong",
                                    "The strong shock when β is computed (default: weak).");
    const QCommandLineOption batch(
        "batch", "Read requests as CSV (output,M1,Teta,Beta,branch) from stdin and write the "
                 "answers as CSV on stdout.");
    parser.addOptions({output, m1, theta, beta, strong, batch});

    for (int i = 1; i < argc; ++i) {
        if (ToolkitOption(argv[i]) != Toolkit::Not)
            return UsageError(QString("%1 is an option of the window, which opens without the "
                                      "calculator's options")
                                  .arg(argv[i]));
    }
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText());
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, "oblique-shock-calculator " + QCoreApplication::applicationVersion() + "\n");
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return UsageError("unexpected argument '" + parser.positionalArguments().first() + "'");

    if (parser.isSet(batch)) {
        for (const QCommandLineOption& option : {output, m1, theta, beta, strong}) {
            if (parser.isSet(option))
                return UsageError("--batch reads its requests from stdin and takes no --" +
                                  option.names().first());
        }
        return RunBatch(stdin, stdout, stderr);
    }

    ShellRequest request;
    if (parser.isSet(output)) {
        const QString name = parser.value(output);
        if (name == "beta")
            request.output = OptionButton::Option_Beta;
        else if (name == "theta")
            request.output = OptionButton::Option_Teta;
        else if (name == "m1")
            request.output = OptionButton::Option_M1;
        else
            return UsageError("bad value '" + name + "' for --output: expected beta, theta or m1");
    }
    if (parser.isSet(strong))
        request.branch = OptionButton::Option_Strong;
    if (parser.isSet(m1))
        request.M1 = parser.value(m1).toStdString();
    if (parser.isSet(theta))
        request.Teta = parser.value(theta).toStdString();
    if (parser.isSet(beta))
        request.Beta = parser.value(beta).toStdString();
    // The window writes numbers in the separator of the user's locale; so does its table here.
    return RunOneRequest(request, QLocale::system().decimalPoint().toStdString(), stdout, stderr);
}
