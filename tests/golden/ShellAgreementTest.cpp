// Every golden request with a branch, made in the main window and in the shell form: the boxes
// show the same texts and the same messages are shown, in the same order.
#include "GoldenRun.h"
#include "shell/ShellRequest.h"
#include "window/Application.h"
#include "window/Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <vector>

namespace {

// The main window with its message boxes read instead of waiting for a user to close them.
class WindowReadingMessages : public Form1 {
public:
    std::vector<std::string> messages;
    void ShowMessage(const std::string& message) override { messages.push_back(message); }
};

QString Name(auto control)
{
    const auto name = ControlName(control);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

struct Shown {
    std::vector<std::string> texts;
    std::vector<std::string> messages;
};

Shown InWindow(const golden::Request& request)
{
    WindowReadingMessages window;
    window.setLocale(request.separator == "," ? QLocale(QLocale::German) : QLocale::c());
    if (request.output)
        window.findChild<QRadioButton*>(Name(*request.output))->click();
    window.findChild<QRadioButton*>(Name(*request.branch))->setChecked(true);
    const auto type = [&window](TextBox box, const std::optional<std::string>& text) {
        if (text)
            window.findChild<QLineEdit*>(Name(box))->setText(QString::fromStdString(*text));
    };
    type(TextBox::Text_M1, request.M1);
    type(TextBox::Text_Teta, request.Teta);
    type(TextBox::Text_Beta, request.Beta);
    window.findChild<QPushButton*>("Command1")->click();

    Shown shown{{}, window.messages};
    for (TextBox box : AllTextBoxes)
        shown.texts.push_back(window.Text(box));
    return shown;
}

Shown InShell(const golden::Request& request)
{
    const ShellAnswer answer =
        Answer({request.output, *request.branch, request.M1, request.Teta, request.Beta},
               request.separator);
    return {{answer.texts.begin(), answer.texts.end()}, answer.messages};
}

} // namespace

class ShellAgreementTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(); }

    void ShellShowsWhatTheWindowShows()
    {
        std::vector<golden::Request> requests = golden::ListedRequests();
        for (const golden::Request& request : golden::RandomRequests())
            requests.push_back(request);
        int compared = 0;
        for (const golden::Request& request : requests) {
            if (!request.branch)
                continue; // a shell request always names its branch
            const Shown window = InWindow(request);
            const Shown shell = InShell(request);
            const QByteArray what = golden::Header(++compared, request).c_str();
            QVERIFY2(shell.texts == window.texts, what);
            QVERIFY2(shell.messages == window.messages, what);
        }
        QVERIFY(compared > 9000);
    }
};

QTEST_MAIN(ShellAgreementTest)
#include "ShellAgreementTest.moc"
