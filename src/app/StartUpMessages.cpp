#include "app/StartUpMessages.h"

#include "form/ProgramName.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

bool NonEmptyVariable(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;

// The one line for a platform that could not be opened, from the toolkit's warnings and its final
// message (which lists the installed platforms).
QString PlatformFailureLine(const QStringList& warnings, const QString& fatal)
{
    static const QRegularExpression notInstalled(
        R"re(Could not find the Qt platform plugin "([^"]*)")re");
    static const QRegularExpression notOpened(
        R"re(Could not load the Qt platform plugin "([^"]*)")re");
    static const QRegularExpression noServer(R"re(could not connect to display\s*(\S*))re");
    static const QRegularExpression installed(R"re(Available platform plugins are: ([^\n]*)\.)re");

    QStringList reasons;
    QString why; // what the platform said before the toolkit gave it up
    for (const QString& warning : warnings) {
        if (const auto match = noServer.match(warning); match.hasMatch()) {
            const QString display = match.captured(1);
            why = display.isEmpty() ? QString("no X display is named (DISPLAY is not set)")
                                    : QString("no X server answers on display %1").arg(display);
        } else if (const auto match = notInstalled.match(warning); match.hasMatch()) {
            reasons << QString("the platform \"%1\" is not installed").arg(match.captured(1));
        } else if (const auto match = notOpened.match(warning); match.hasMatch()) {
            reasons << QString("the platform \"%1\" could not be opened%2")
                           .arg(match.captured(1), why.isEmpty() ? QString() : ": " + why);
            why.clear();
        }
    }
    if (reasons.isEmpty())
        reasons << "the window platform could not be opened";

    QString line =
        "cannot open a window: " + reasons.join("; ") + ". Start it from a graphical session";
    if (const auto match = installed.match(fatal); match.hasMatch()) {
        QStringList platforms = match.captured(1).split(", ", Qt::SkipEmptyParts);
        platforms.sort();
        line += ", or name an installed platform with -platform: " + platforms.join(", ");
    }
    return line + ".";
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
        return;
    }
    QStringList warnings;
    for (const HeldMessage& message : held)
        warnings << message.text;
    std::fprintf(stderr, "%s: %s\n", ProgramName,
                 PlatformFailureLine(warnings, text).toLocal8Bit().constData());
    std::fflush(stderr);
    // The toolkit would abort next, with a core dump: end here, plainly.
    std::_Exit(EXIT_FAILURE);
}

} // namespace

void HoldStartUpMessages()
{
    held.clear();
    previousHandler = qInstallMessageHandler(HoldMessage);
}

void ReleaseStartUpMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

bool DisplayMissing(int argc, char* argv[], std::string_view defaultPlatforms)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    }
    const char* variable = std::getenv("QT_QPA_PLATFORM");
    std::string_view platforms = variable && *variable ? variable : defaultPlatforms;
    if (platforms.empty())
        return false;
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
