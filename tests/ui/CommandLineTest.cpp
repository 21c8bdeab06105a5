// The program started from a shell without a display: its options, the table of one request, the
// CSV of a batch, and the exit status of each.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <utility>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// `outputFile`, when given, takes stdout in place of the pipe read back.
// `mode` merges stderr into stdout where both are to go to one file; `inChild` runs in the
// program's process before it starts.
Run Start(const QStringList& arguments, const QString& lang, const QByteArray& input,
          const QString& outputFile = {},
          QProcess::ProcessChannelMode mode = QProcess::SeparateChannels,
          const std::function<void()>& inChild = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_NUMERIC", "LANGUAGE"})
        environment.remove(name);
    environment.insert("LANG", lang);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(mode);
    if (inChild)
        process.setChildProcessModifier(inChild);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(OSC_PROGRAM, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString Usage = "Usage: oblique-shock-calculator [--output beta|theta|m1]";

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void Answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // the whole of stdout, or a part of it after "…"
        QTest::addColumn<QString>("err"); // likewise for stderr

        const QString c = "C.UTF-8";
        const QString table = "M1     2\nθ      10\nβ      39.3139\nMn1    1.26714\n"
                              "Mn2    0.80319\nM2     1.64052\np2/p1  1.70658\nT2/T1  1.17015\n";
        // The whole shock after the table, its values computed apart from the program (see
        // tests/reactions/ShockDetailsTest).
        const QString shock =
            "\nMn1        1.26714\nMn2        0.80319\nM2         1.64052\np2/p1      1.70658\n"
            "ρ2/ρ1      1.45843\nT2/T1      1.17015\np02/p01    0.98464\nθmax       22.9735\n"
            "β at θmax  64.669\nβ sonic    61.4854\nθ sonic    22.706\nbranch     weak\n"
            "other β    83.7001\n";
        const QString detachedShock = "\nθmax       22.9735\nleast M1   2.5192\n";

        // What every program answers.
        QTest::newRow("help") << QStringList{"--help"} << c << QByteArray() << 0
                              << "…--output <beta|theta|m1>"
                              << "";
        QTest::newRow("help_names_the_batch")
            << QStringList{"-h"} << c << QByteArray() << 0 << "…--batch"
            << "";
        QTest::newRow("version") << QStringList{"--version"} << c << QByteArray() << 0
                                 << "oblique-shock-calculator " OSC_VERSION "\n"
                                 << "";
        QTest::newRow("version_short") << QStringList{"-v"} << c << QByteArray() << 0
                                       << "oblique-shock-calculator " OSC_VERSION "\n"
                                       << "";

        // A wrong command line: the reason, the usage line, status 2.
        QTest::newRow("unknown_option") << QStringList{"--bogus"} << c << QByteArray() << 2 << ""
                                        << "…Unknown option 'bogus'.\n" + Usage;
        QTest::newRow("bad_output")
            << QStringList{"--output", "gamma", "--m1", "2"} << c << QByteArray() << 2 << ""
            << "…bad value 'gamma' for --output: expected beta, theta or m1\n" + Usage;
        QTest::newRow("missing_value")
            << QStringList{"--output", "beta", "--m1"} << c << QByteArray() << 2 << ""
            << "…Missing value after '--m1'.\n" + Usage;
        QTest::newRow("positional_argument")
            << QStringList{"--output", "beta", "2"} << c << QByteArray() << 2 << ""
            << "…unexpected argument '2'\n" + Usage;
        QTest::newRow("repeated_input")
            << QStringList{"--output", "beta", "--m1", "2", "--m1", "3", "--theta", "10"} << c
            << QByteArray() << 2 << ""
            << "…--m1 is given more than once\n" + Usage;
        QTest::newRow("repeated_output")
            << QStringList{"--output", "beta", "--output", "theta", "--m1", "2", "--beta", "40"}
            << c << QByteArray() << 2 << ""
            << "…--output is given more than once\n" + Usage;
        QTest::newRow("repeated_flag_single_dash")
            << QStringList{"--output", "beta", "--strong", "-strong", "--m1", "2", "--theta", "10"}
            << c << QByteArray() << 2 << ""
            << "…--strong is given more than once\n" + Usage;
        QTest::newRow("repeated_chart") << QStringList{"--output", "beta",
                                                       "--m1",     "2",
                                                       "--theta",  "10",
                                                       "--chart",  "/nonexistent/a.png",
                                                       "--chart",  "/nonexistent/b.png"}
                                        << c << QByteArray() << 2 << ""
                                        << "…--chart is given more than once\n" + Usage;
        QTest::newRow("strong_with_theta_output")
            << QStringList{"--output", "theta", "--strong", "--m1", "2", "--beta", "40"} << c
            << QByteArray() << 2 << ""
            << "…--strong chooses the branch of a computed β and takes --output beta\n" + Usage;
        QTest::newRow("strong_with_m1_output")
            << QStringList{"--output", "m1", "--strong", "--theta", "10", "--beta", "40"} << c
            << QByteArray() << 2 << ""
            << "…--strong chooses the branch of a computed β and takes --output beta\n" + Usage;
        QTest::newRow("strong_without_output")
            << QStringList{"--strong", "--m1", "2", "--theta", "10"} << c << QByteArray() << 2 << ""
            << "…--strong chooses the branch of a computed β and takes --output beta\n" + Usage;
        QTest::newRow("value_for_the_output_theta")
            << QStringList{"--output", "theta", "--m1", "2", "--beta", "40", "--theta", "5"} << c
            << QByteArray() << 2 << ""
            << "…--theta is the output of --output theta, computed and not read\n" + Usage;
        QTest::newRow("value_for_the_output_m1")
            << QStringList{"--output", "m1", "--m1", "2", "--beta", "40", "--theta", "10"} << c
            << QByteArray() << 2 << ""
            << "…--m1 is the output of --output m1, computed and not read\n" + Usage;
        QTest::newRow("value_for_the_output_beta")
            << QStringList{"--output", "beta", "--m1", "2", "--theta", "10", "--beta", "40"} << c
            << QByteArray() << 2 << ""
            << "…--beta is the output of --output beta, computed and not read\n" + Usage;
        QTest::newRow("gamma_not_a_plain_number")
            << QStringList{"--output", "beta", "--m1", "2", "--theta", "10", "--gamma", "1,3"} << c
            << QByteArray() << 2 << ""
            << "…bad value '1,3' for --gamma: expected a plain decimal number above 1 and at most "
               "3, such as 1.3\n" +
                   Usage;
        QTest::newRow("gamma_at_most_3")
            << QStringList{"--output", "beta", "--m1", "2", "--theta", "10", "--gamma", "3.5"} << c
            << QByteArray() << 2 << ""
            << "…bad value '3.5' for --gamma: expected";
        QTest::newRow("repeated_gamma")
            << QStringList{"--output", "beta",    "--m1", "2",       "--theta",
                           "10",       "--gamma", "1.3",  "--gamma", "1.3"}
            << c << QByteArray() << 2 << ""
            << "…--gamma is given more than once\n" + Usage;
        QTest::newRow("batch_with_gamma")
            << QStringList{"--batch", "--gamma", "1.3"} << c << QByteArray() << 2 << ""
            << "…takes no --gamma\n" + Usage;
        QTest::newRow("batch_with_a_request")
            << QStringList{"--batch", "--m1", "2"} << c << QByteArray() << 2 << ""
            << "…takes no --m1\n" + Usage;
        QTest::newRow("toolkit_option_beside_a_request")
            << QStringList{"-platform", "offscreen", "--output", "beta"} << c << QByteArray() << 2
            << ""
            << "…-platform is an option of the window, which opens without the calculator's "
               "options\n" +
                   Usage;
        QTest::newRow("single_dash_word_is_one_option")
            << QStringList{"-bogus"} << c << QByteArray() << 2 << ""
            << "…Unknown option 'bogus'.\n" + Usage;

        // Only the toolkit's options, or none: the window, which has no display here.
        QTest::newRow("no_arguments_is_the_window") << QStringList{} << c << QByteArray() << 1 << ""
                                                    << "…no display found";
        QTest::newRow("toolkit_options_are_the_window")
            << QStringList{"-style", "fusion", "--reverse", "-qwindowtitle=x"} << c << QByteArray()
            << 1 << ""
            << "…no display found";

        // One request: the table on stdout, the messages on stderr, the outcome in the status.
        QTest::newRow("beta_weak_solved")
            << QStringList{"--output", "beta", "--m1", "2", "--theta", "10"} << c << QByteArray()
            << 0 << table + shock << "";
        QTest::newRow("beta_strong_solved")
            << QStringList{"--output", "beta", "--strong", "--m1", "2", "--theta", "10"} << c
            << QByteArray() << 0 << "…β      83.7001\n"
            << "";
        QTest::newRow("theta_solved")
            << QStringList{"--output", "theta", "--m1", "2", "--beta", "40"} << c << QByteArray()
            << 0
            << "M1     2\nθ      10.6229\nβ      40\n\n"
               "Mn1        1.28558\nMn2        0.79338\nM2         1.61732\np2/p1      1.76149\n"
               "ρ2/ρ1      1.49056\nT2/T1      1.18177\np02/p01    0.98179\nθmax       22.9735\n"
               "β at θmax  64.669\nβ sonic    61.4854\nθ sonic    22.706\nbranch     weak\n"
               "other β    83.2619\n"
            << "";
        QTest::newRow("m1_solved")
            << QStringList{"--output", "m1", "--theta", "10", "--beta", "40"} << c << QByteArray()
            << 0
            << "M1     1.9668\nθ      10\nβ      40\n\n"
               "Mn1        1.26423\nMn2        0.80477\nM2         1.60954\np2/p1      1.698\n"
               "ρ2/ρ1      1.45336\nT2/T1      1.16832\np02/p01    0.98507\nθmax       22.3929\n"
               "β at θmax  64.6983\nβ sonic    61.431\nθ sonic    22.113\nbranch     weak\n"
               "other β    83.4927\n"
            << "";
        // Another gas: its values computed apart from the program with python3-mpmath (see
        // tests/reactions/ShockDetailsTest).
        QTest::newRow("beta_weak_gamma_5_3")
            << QStringList{"--output", "beta", "--m1",    "2",
                           "--theta",  "10",   "--gamma", "1.6666666666666667"}
            << c << QByteArray() << 0
            << "M1     2\nθ      10\nβ      40.7301\nMn1    1.30499\nMn2    0.79108\n"
               "M2     1.54813\np2/p1  1.87876\nT2/T1  1.29709\n\n"
               "Mn1        1.30499\nMn2        0.79108\nM2         1.54813\np2/p1      1.87876\n"
               "ρ2/ρ1      1.44844\nT2/T1      1.29709\np02/p01    0.9805\nθmax       19.3449\n"
               "β at θmax  63.2722\nβ sonic    60\nθ sonic    19.1066\nbranch     weak\n"
               "other β    81.6861\n"
            << "";
        QTest::newRow("gamma_1_4_is_the_window")
            << QStringList{"--output", "beta", "--m1", "2", "--theta", "10", "--gamma", "1.4"} << c
            << QByteArray() << 0 << table + shock << "";
        QTest::newRow("detached") << QStringList{"--output", "beta", "--m1", "2", "--theta", "30"}
                                  << c << QByteArray() << 4
                                  << "M1     2\nθ      30\nβ\n" + detachedShock
                                  << "Teta > TetaMax\n";
        QTest::newRow("refused") << QStringList{"--output", "theta", "--beta", "40"} << c
                                 << QByteArray() << 3 << "β      40\n"
                                 << "M1 must be greater then 1\n";
        QTest::newRow("no_output_chosen") << QStringList{"--m1", "2", "--theta", "10"} << c
                                          << QByteArray() << 3 << "M1     2\nθ      10\n"
                                          << "Choose an output option\n";
        QTest::newRow("failed_at_the_chart")
            << QStringList{"--output", "m1", "--theta", "10", "--beta", "-3e78"} << c
            << QByteArray() << 5 << "M1     1.6058\nθ      10\nβ      -3e78\n"
            << "Arithmetic overflow\n";
        QTest::newRow("note_on_a_text_that_goes_on")
            << QStringList{"--output", "beta", "--m1", "2,5", "--theta", "10"} << c << QByteArray()
            << 0 << "…β      39.3139\n"
            << "M1 \"2,5\" read as 2\n";
        QTest::newRow("notes_once_per_field_before_the_messages")
            << QStringList{"--output", "beta", "--m1", "2x", "--theta", "30°"} << c << QByteArray()
            << 4 << "M1     2x\nθ      30°\nβ\n" + detachedShock
            << "M1 \"2x\" read as 2\nTeta \"30°\" read as 30\nTeta > TetaMax\n";
        QTest::newRow("notes_in_the_locale_separator")
            << QStringList{"--output", "theta", "--m1", "2,5x", "--beta", "40"} << "de_DE.UTF-8"
            << QByteArray() << 0 << "…β      40\n"
            << "M1 \"2,5x\" read as 2,5\n";
        QTest::newRow("german_locale_reads_and_writes_comma")
            << QStringList{"--output", "beta", "--m1", "2,5", "--theta", "10"} << "de_DE.UTF-8"
            << QByteArray() << 0
            << "M1     2,5\nθ      10\nβ      31,8506\nMn1    1,31927\nMn2    0,77636\n"
               "M2     2,08593\np2/p1  1,86387\nT2/T1  1,20307\n\n"
               "Mn1        1,31927\nMn2        0,77636\nM2         2,08593\np2/p1      1,86387\n"
               "ρ2/ρ1      1,54927\nT2/T1      1,20307\np02/p01    0,97589\nθmax       29,7974\n"
               "β at θmax  64,7822\nβ sonic    62,6475\nθ sonic    29,6676\nbranch     weak\n"
               "other β    85,5761\n"
            << "";

        // Many requests: CSV in, CSV out, "." whatever the locale.
        QTest::newRow("batch")
            << QStringList{"--batch"} << "de_DE.UTF-8"
            << QByteArray("output,M1,Teta,Beta,branch\r\nBeta,\"2,5\",10,,weak\r\nBeta,2.5,30,,"
                          "strong\r\nM1,,10,-3e78,weak\r\nTeta\r\n")
            << 0
            << "output,M1,Teta,Beta,branch,Mn1,Mn2,M2,p2p1,T2T1,outcome,messages,shock_Mn1,"
               "shock_Mn2,shock_M2,shock_p2p1,shock_rho2rho1,shock_T2T1,shock_p02p01,theta_max,"
               "beta_at_theta_max,beta_sonic,theta_sonic,beta_branch,beta_other_branch,"
               "m1_least_attached\n"
               "Beta,\"2,5\",10,39.3139,weak,1.26714,0.80319,1.64052,1.70658,1.17015,solved,,"
               "1.26714,0.80319,1.64052,1.70658,1.45843,1.17015,0.98464,"
               "22.9735,64.669,61.4854,22.706,weak,83.7001,\n"
               "Beta,2.5,30,,strong,,,,,,detached,Teta > TetaMax,,,,,,,,29.7974,,,,,,2.5192\n"
               "M1,1.6058,10,-3e78,weak,,,,,,failed,Arithmetic overflow,,,,,,,,,,,,,,\n"
               ",,,,,,,,,,refused,\"line 5: 1 field, expected 5\",,,,,,,,,,,,,,\n"
            << "line 2: M1 \"2,5\" read as 2\n"
               "oblique-shock-calculator: 4 records read, 3 requests answered\n";
        QTest::newRow("batch_bad_header")
            << QStringList{"--batch"} << c << QByteArray("M1,Teta\n2,10\n") << 2 << ""
            << "oblique-shock-calculator: line 1: the header is \"M1,Teta\", expected "
               "output,M1,Teta,Beta,branch\n";
    }

    void ChartFiles()
    {
        QTemporaryDir folder;
        const QStringList solved{"--output", "beta", "--m1", "2", "--theta", "10", "--chart"};
        // The format by the extension, in whatever case it is written.
        for (const auto& [name, start] : {std::pair<QString, QByteArray>{"c.png", "\x89PNG"},
                                          {"c.svg", "<?xml"},
                                          {"c.pdf", "%PDF"},
                                          {"upper.PNG", "\x89PNG"},
                                          {"mixed.Svg", "<?xml"},
                                          {"upper.PDF", "%PDF"}}) {
            const Run run = Start(solved + QStringList{folder.filePath(name)}, "C.UTF-8", {});
            QCOMPARE(run.status, 0);
            QCOMPARE(run.err, QString());
            QFile file(folder.filePath(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            QVERIFY2(file.readAll().startsWith(start), qPrintable(name));
        }

        // The sonic line's label stands where the line leaves the chart's top, or, in a gas
        // whose θmax stays below 19.5°, where it ends; the baseline of its text in the drawing.
        const auto sonicLabelAt = [&](const QStringList& gamma) {
            const QString path = folder.filePath("gas.svg");
            Start(solved + QStringList{path} + gamma, "C.UTF-8", {});
            QFile file(path);
            const QString svg = file.open(QIODevice::ReadOnly) ? QString(file.readAll()) : "";
            const QRegularExpression text(R"re( y="([0-9.]+)"[^>]*>M2 = 1</text>)re");
            return text.match(svg).captured(1).toDouble();
        };
        QVERIFY(sonicLabelAt({}) > 5 && sonicLabelAt({}) < 20);
        QVERIFY(sonicLabelAt({"--gamma", "1.3"}) > 5 && sonicLabelAt({"--gamma", "1.3"}) < 20);
        QVERIFY(sonicLabelAt({"--gamma", "3"}) > 100);

        // A request that draws no chart writes none and says so; the status stays its own.
        const Run refused = Start(
            {"--output", "beta", "--m1", "1", "--chart", folder.filePath("r.png")}, "C.UTF-8", {});
        QCOMPARE(refused.status, 3);
        QVERIFY2(refused.err.endsWith(": the request drew none\n"), qPrintable(refused.err));
        QVERIFY(!QFile::exists(folder.filePath("r.png")));

        // A file that cannot be written: the reason, and status 1 whatever the request's outcome
        // (the detached shock's chart is drawn and would otherwise end with 4).
        const QStringList detached{"--output", "beta", "--m1", "2", "--theta", "30", "--chart"};
        for (const QStringList& request : {solved, detached}) {
            const Run failed =
                Start(request + QStringList{folder.filePath("none/c.png")}, "C.UTF-8", {});
            QCOMPARE(failed.status, 1);
            QVERIFY2(failed.err.contains("the chart could not be saved to"),
                     qPrintable(failed.err));
        }

        // Only a regular file is replaced by the figure: a pipe, or a link to one, is refused and
        // stays as it was; a link to a file stays a link, and the file it points to is written,
        // also one yet to be made.
        const QString pipe = folder.filePath("pipe.png");
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(pipe, folder.filePath("to-pipe.png")));
        for (const QString& name : {QString("pipe.png"), QString("to-pipe.png")}) {
            const Run refusedPipe =
                Start(solved + QStringList{folder.filePath(name)}, "C.UTF-8", {});
            QCOMPARE(refusedPipe.status, 1);
            QVERIFY2(refusedPipe.err.endsWith(name + ": not a regular file\n"),
                     qPrintable(refusedPipe.err));
        }
        struct stat kept {};
        QCOMPARE(stat(QFile::encodeName(pipe).constData(), &kept), 0);
        QVERIFY(S_ISFIFO(kept.st_mode));
        QCOMPARE(QFileInfo(folder.filePath("to-pipe.png")).symLinkTarget(), pipe);
        const QString file = folder.filePath("old.png");
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        QVERIFY(QFile::link(file, folder.filePath("to-file.png")));
        QVERIFY(QFile::link(folder.filePath("new.png"), folder.filePath("to-new.png")));
        for (const auto& [link, target] : {std::pair{QString("to-file.png"), file},
                                           {QString("to-new.png"), folder.filePath("new.png")}}) {
            const Run written = Start(solved + QStringList{folder.filePath(link)}, "C.UTF-8", {});
            QCOMPARE(written.status, 0);
            QCOMPARE(QFileInfo(folder.filePath(link)).symLinkTarget(), target);
            QFile figure(target);
            QVERIFY(figure.open(QIODevice::ReadOnly));
            QVERIFY2(figure.readAll().startsWith("\x89PNG"), qPrintable(link));
        }

        const Run unknown = Start(solved + QStringList{"c.gif"}, "C.UTF-8", {});
        QCOMPARE(unknown.status, 2);
        QVERIFY2(unknown.err.contains("the file name must end in .png, .svg or .pdf\n" + Usage),
                 qPrintable(unknown.err));
    }

    void OneFileHoldsTheTableFirst()
    {
        const Run run = Start({"--output", "beta", "--m1", "2,5x", "--theta", "30"}, "C.UTF-8", {},
                              {}, QProcess::MergedChannels);
        QCOMPARE(run.status, 4);
        QCOMPARE(run.out, "M1     2,5x\nθ      30\nβ\n\nθmax       22.9735\nleast M1   2.5192\n"
                          "M1 \"2,5x\" read as 2\nTeta > TetaMax\n");
    }

    void AnswersThatCannotBeWrittenSaySo()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full, the device that is always full");
        const QString lost =
            "oblique-shock-calculator: could not write the answer: No space left on device\n";
        for (const QStringList& arguments :
             {QStringList{"--output", "beta", "--m1", "2", "--theta", "10"},
              {"--help"},
              {"--version"}}) {
            const Run run = Start(arguments, "C.UTF-8", {}, "/dev/full");
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, lost);
        }
        // A closed stdout: the write fails as on a closed stream, whatever the program opened.
        for (const QStringList& arguments :
             {QStringList{"--output", "beta", "--m1", "2", "--theta", "10"}, {"--version"}}) {
            const Run run = Start(arguments, "C.UTF-8", {}, {}, QProcess::SeparateChannels,
                                  [] { close(STDOUT_FILENO); });
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, "oblique-shock-calculator: could not write the answer: Bad file "
                              "descriptor\n");
        }
        // A closed stdin: the batch's read fails as on a closed stream.
        const Run unread = Start({"--batch"}, "C.UTF-8", {}, {}, QProcess::SeparateChannels,
                                 [] { close(STDIN_FILENO); });
        QCOMPARE(unread.status, 1);
        QCOMPARE(unread.err, "oblique-shock-calculator: the requests could not be read: Bad file "
                             "descriptor\n");
        // The messages are said before the loss of the table; the figure is still written.
        QTemporaryDir folder;
        const Run detached = Start(
            {"--output", "beta", "--m1", "2", "--theta", "30", "--chart", folder.filePath("d.svg")},
            "C.UTF-8", {}, "/dev/full");
        QCOMPARE(detached.status, 1);
        QCOMPARE(detached.err, "Teta > TetaMax\n" + lost);
        QVERIFY(QFileInfo(folder.filePath("d.svg")).size() > 0);
    }

    void Answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, lang);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);

        const Run run = Start(arguments, lang, input);
        QCOMPARE(run.status, status);
        const auto matches = [](const QString& actual, const QString& expected) {
            return expected.startsWith("…") ? actual.contains(expected.mid(1)) : actual == expected;
        };
        QVERIFY2(matches(run.out, out), qPrintable("stdout: " + run.out));
        QVERIFY2(matches(run.err, err), qPrintable("stderr: " + run.err));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
