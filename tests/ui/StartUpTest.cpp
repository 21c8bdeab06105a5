// Before the window opens: whether a display is missing, and the toolkit's messages held back
// while the application is made.
#include "app/StartUpMessages.h"

#include <QTest>

#include <string>
#include <vector>

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void DisplayMissingWhereThePlatformNeedsOne_data()
    {
        QTest::addColumn<QString>("defaults");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, empty for none
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("missing");
        const QString unix = "xcb;wayland";
        QTest::newRow("unix_nothing_set") << unix << ""
                                          << ""
                                          << ""
                                          << "" << true;
        QTest::newRow("unix_x_display") << unix << ""
                                        << ":0"
                                        << ""
                                        << "" << false;
        QTest::newRow("unix_wayland_display") << unix << ""
                                              << ""
                                              << "wayland-0"
                                              << "" << false;
        QTest::newRow("xcb_named_wayland_there") << unix << "xcb"
                                                 << ""
                                                 << "wayland-0"
                                                 << "" << true;
        QTest::newRow("list_with_one_there") << unix << "wayland;xcb"
                                             << ":0"
                                             << ""
                                             << "" << false;
        QTest::newRow("offscreen_needs_none") << unix << "offscreen"
                                              << ""
                                              << ""
                                              << "" << false;
        QTest::newRow("platform_argument_needs_none") << unix << "xcb"
                                                      << ""
                                                      << ""
                                                      << "-platform" << false;
        // Windows, macOS and a browser have no display variable: nothing is missing there.
        QTest::newRow("other_system_nothing_set") << ""
                                                  << ""
                                                  << ""
                                                  << ""
                                                  << "" << false;
        QTest::newRow("other_system_xcb_named") << ""
                                                << "xcb"
                                                << ""
                                                << ""
                                                << "" << true;
    }

    void DisplayMissingWhereThePlatformNeedsOne()
    {
        QFETCH(QString, defaults);
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, argument);
        QFETCH(bool, missing);
        const auto set = [](const char* variable, const QString& value) {
            if (value.isEmpty())
                qunsetenv(variable);
            else
                qputenv(variable, value.toUtf8());
        };
        set("QT_QPA_PLATFORM", platform);
        set("DISPLAY", display);
        set("WAYLAND_DISPLAY", wayland);
        std::vector<std::string> arguments{"oblique-shock-calculator"};
        if (!argument.isEmpty())
            arguments.insert(arguments.end(), {argument.toStdString(), "offscreen"});
        std::vector<char*> argv;
        for (std::string& text : arguments)
            argv.push_back(text.data());
        const std::string defaultPlatforms = defaults.toStdString();
        QCOMPARE(DisplayMissing(int(argv.size()), argv.data(), defaultPlatforms), missing);
    }

    // What the toolkit says while the application is made reaches the user after it, in order.
    void HeldMessagesArePassedOn()
    {
        static QStringList seen;
        const QtMessageHandler before = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& text) { seen << text; });
        HoldStartUpMessages();
        qWarning("the first");
        qInfo("the second");
        const QStringList whileHeld = seen;
        ReleaseStartUpMessages();
        qInstallMessageHandler(before);
        QCOMPARE(whileHeld, QStringList());
        QCOMPARE(seen, QStringList({"the first", "the second"}));
    }
};

QTEST_APPLESS_MAIN(StartUpTest)
#include "StartUpTest.moc"
