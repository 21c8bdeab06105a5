#include "app/CommandLine.h"

#include "chart/ChartRecord.h"
#include "drawing/ChartFigure.h"
#include "form/ProgramName.h"
#include "reactions/ChartDescription.h"
#include "shell/Batch.h"
#include "shell/RequestTable.h"
#include "window/WindowFigureLayout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

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

// Whether the arguments ask for a chart file, which is drawn with fonts and so needs the GUI
// application, on the offscreen platform.
bool WantsChartFile(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--chart", 7) == 0 || std::strncmp(argv[i], "-chart", 6) == 0)
            return true;
    }
    return false;
}

// A standard input, output or error that was closed before the start is held by a descriptor
// that takes no reads or no writes, so that the files the toolkit opens (its event notifier)
// cannot take its number and be read or written instead: a read or a write then fails as on a
// closed stream, and is said so.
void HoldClosedStreams()
{
    struct Stream {
        int descriptor;
        int heldAs; // the one way the stream is never used
    };
    for (const Stream stream : {Stream{STDIN_FILENO, O_WRONLY}, Stream{STDOUT_FILENO, O_RDONLY},
                                Stream{STDERR_FILENO, O_RDONLY}}) {
        if (fcntl(stream.descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int held = open("/dev/null", stream.heldAs | O_CLOEXEC);
        if (held != -1 && held != stream.descriptor) {
            dup2(held, stream.descriptor);
            close(held);
        }
    }
}

// Writes an answer that is all the program has to say on stdout; exits with 0 only once it is
// written.
int Answered(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    if (const int error = WriteAll(stdout, std::string_view(bytes.constData(), bytes.size())))
        return AnswerLost(stderr, error);
    return 0;
}

int UsageError(const QString& reason)
{
    const QString program(ProgramName);
    Print(stderr, program + ": " + reason + "\n" + "Usage: " + program +
                      " [--output beta|theta|m1] [--m1 TEXT] "
                      "[--theta TEXT] [--beta TEXT] [--strong] [--gamma G] [--chart FILE] | "
                      "--batch < requests.csv\n"
                      "Try '" +
                      program + " --help' for more information.\n");
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
    // No window: the core application needs no display. A chart file needs fonts, which the GUI
    // application finds on the offscreen platform, also without a display.
    // The shell's stderr carries the calculator's messages alone: the toolkit's notes (about a
    // runtime folder, say) are not for a script to read.
    HoldClosedStreams();
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg)
            Print(stderr, QString(ProgramName) + ": " + text + "\n");
    });
    std::unique_ptr<QCoreApplication> app;
    if (WantsChartFile(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(ProgramName);
    QCoreApplication::setApplicationVersion(OSC_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Calculator for oblique shock waves in a perfect gas (γ = 1.4 unless --gamma says).\n"
        "Without options it opens its window. With them it answers from the shell, without a "
        "display:\none request is printed as a table, its notes and messages on stderr; --batch "
        "answers CSV\nrequests from stdin as CSV on stdout.\n"
        "Exit status: 0 solved (or the batch was read), 1 the answer or the figure could not be\n"
        "written, 2 a wrong command line or batch header, 3 refused, 4 no attached shock,\n"
        "5 the calculation failed.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption output("output", "The output to compute: beta, theta or m1.",
                                    "beta|theta|m1");
    const QCommandLineOption m1("m1", "The text typed into the M1 box.", "TEXT");
    const QCommandLineOption theta("theta", "The text typed into the θ box.", "TEXT");
    const QCommandLineOption beta("beta", "The text typed into the β box.", "TEXT");
    const QCommandLineOption strong("strong",
                                    "The strong shock when β is computed (default: weak).");
    const QCommandLineOption gamma(
        "gamma",
        "The gas's ratio of specific heats, 1 < G <= 3, a plain decimal number with \".\" "
        "(default: 1.4, the window's air).",
        "G");
    const QCommandLineOption batch(
        "batch", "Read requests as CSV (output,M1,Teta,Beta,branch) from stdin and write the "
                 "answers as CSV on stdout.");
    const QCommandLineOption chartFile(
        "chart", "Also write the chart as a figure: PNG, SVG or PDF by the file's extension.",
        "FILE");
    parser.addOptions({output, m1, theta, beta, strong, gamma, chartFile, batch});

    for (int i = 1; i < argc; ++i) {
        if (ToolkitOption(argv[i]) != Toolkit::Not)
            return UsageError(QString("%1 is an option of the window, which opens without the "
                                      "calculator's options")
                                  .arg(argv[i]));
    }
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText());
    if (parser.isSet(help))
        return Answered(parser.helpText());
    if (parser.isSet(version))
        return Answered(QString(ProgramName) + " " + QCoreApplication::applicationVersion() + "\n");
    if (!parser.positionalArguments().isEmpty())
        return UsageError("unexpected argument '" + parser.positionalArguments().first() + "'");

    // Each option once: a second value would silently take the place of the first.
    for (const QCommandLineOption& option :
         {output, m1, theta, beta, strong, gamma, chartFile, batch}) {
        const QString name = option.names().first();
        if (parser.optionNames().count(name) > 1)
            return UsageError("--" + name + " is given more than once");
    }

    if (parser.isSet(batch)) {
        for (const QCommandLineOption& option :
             {output, m1, theta, beta, strong, gamma, chartFile}) {
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
    // The window offers the branch only with β as the output, and never reads the output's own
    // box: what either would give here is refused rather than ignored.
    if (parser.isSet(strong) && request.output != OptionButton::Option_Beta)
        return UsageError("--strong chooses the branch of a computed β and takes --output beta");
    for (const auto& [box, option] : {std::pair{OptionButton::Option_M1, &m1},
                                      {OptionButton::Option_Teta, &theta},
                                      {OptionButton::Option_Beta, &beta}}) {
        if (request.output == box && parser.isSet(*option))
            return UsageError("--" + option->names().first() + " is the output of --output " +
                              parser.value(output) + ", computed and not read");
    }
    if (parser.isSet(gamma)) {
        const auto gas = GasOfRatio(parser.value(gamma).toStdString());
        if (!gas)
            return UsageError("bad value '" + parser.value(gamma) +
                              "' for --gamma: expected a plain decimal number above 1 and at most "
                              "3, such as 1.3");
        request.gas = *gas;
    }
    if (parser.isSet(strong))
        request.branch = OptionButton::Option_Strong;
    if (parser.isSet(m1))
        request.M1 = parser.value(m1).toStdString();
    if (parser.isSet(theta))
        request.Teta = parser.value(theta).toStdString();
    if (parser.isSet(beta))
        request.Beta = parser.value(beta).toStdString();
    if (parser.isSet(chartFile) && !FigureFormatOf(parser.value(chartFile)))
        return UsageError("bad value '" + parser.value(chartFile) +
                          "' for --chart: the file name must end in .png, .svg or .pdf");

    // The window writes numbers in the separator of the user's locale; so does its table here.
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    if (!parser.isSet(chartFile))
        return RunOneRequest(request, separator, stdout, stderr);

    ChartRecord chart;
    const ShellAnswer answer = Answer(request, separator, &chart);
    const int status = PrintAnswer(request, answer, separator, stdout, stderr);
    const QString path = parser.value(chartFile);
    if (!answer.outcome.chartRedrawn || chart.Empty()) {
        Print(stderr,
              QString(ProgramName) + ": no chart written to " + path + ": the request drew none\n");
        return status;
    }
    const std::string caption = ChartDescription(answer.outcome, separator).value_or("θ–β chart");
    if (const auto failure =
            SaveChartFigure(chart, ChartFigureRequest(answer.outcome, request.gas, separator),
                            WindowFigureLayout(), QString::fromStdString(caption), path)) {
        Print(stderr, QString(ProgramName) + ": the chart could not be saved to " + path + ": " +
                          *failure + "\n");
        return WriteFailedStatus;
    }
    return status;
}
