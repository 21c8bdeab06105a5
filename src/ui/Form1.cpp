#include "ui/Form1.h"

#include "reactions/ChartDescription.h"
#include "reactions/Command1Click.h"
#include "reactions/OutputSelection.h"
#include "ui/Application.h"
#include "ui/Colours.h"
#include "ui/Form1Table.h"
#include "ui/FormAbout.h"
#include "ui/PictureBox.h"
#include "ui/TextBoxEdit.h"
#include "ui/Twips.h"

#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename Enum>
std::size_t Index(Enum value)
{
    return static_cast<std::size_t>(value);
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(ApplicationTitle);

    QAction* about = menuBar()->addAction("About");
    about->setObjectName("Mn_About");
    connect(about, &QAction::triggered, this, &Form1::ShowAbout);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    QWidget* firstInTabOrder = BuildControls(Form1Table, client);
    for (TextBox box : AllTextBoxes)
        m_textBoxes[Index(box)] = Find<TextBoxEdit>(ControlName(box));
    for (OptionButton option : AllOptionButtons)
        m_options[Index(option)] = Find<QRadioButton>(ControlName(option));
    for (Element element : AllElements)
        m_elements[Index(element)] = Find<QWidget>(ControlName(element));
    m_command1 = Find<QPushButton>("Command1");
    m_picture1 = Find<PictureBox>("Picture1");
    ConnectEvents();

    // The load step: the form state has its initial values; the weak/strong choice is hidden.
    SetVisible(Element::Frame3, false);

    // The client area below the menu bar; the window's layout gives the menu bar its height for
    // the window's width, which is what is added here.
    const QSize clientSize(TwipsToPixels(8505), TwipsToPixels(5190));
    resize(clientSize.width(), clientSize.height() + menuBar()->heightForWidth(clientSize.width()));
    firstInTabOrder->setFocus();
}

Form1::~Form1() = default;

template <typename Control>
Control* Form1::Find(std::string_view name) const
{
    auto* control = findChild<Control*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (!control)
        qFatal("Form1 has no control %.*s", int(name.size()), name.data());
    return control;
}

void Form1::ConnectEvents()
{
    for (OptionButton output :
         {OptionButton::Option_M1, OptionButton::Option_Teta, OptionButton::Option_Beta}) {
        connect(m_options[Index(output)], &QRadioButton::clicked, this, [this, output] {
            SelectOutput(*this, output);
            m_picture1->setAccessibleDescription(EmptyChartDescription);
        });
    }
    connect(m_command1, &QPushButton::clicked, this, [this] {
        const RequestOutcome outcome = Command1_Click(*this, m_state);
        if (const auto description = ChartDescription(outcome, DecimalSeparator()))
            m_picture1->setAccessibleDescription(QString::fromStdString(*description));
    });
}

void Form1::ShowAbout()
{
    if (!m_about)
        m_about = std::make_unique<FormAbout>();
    m_about->show();
}

std::string Form1::Text(TextBox box) const
{
    return m_textBoxes[Index(box)]->text().toStdString();
}

void Form1::SetText(TextBox box, const std::string& text)
{
    TextBoxEdit* edit = m_textBoxes[Index(box)];
    const QString newText = QString::fromStdString(text);
    if (edit->text() == newText)
        return; // β is written twice by a solved request: lay the text out once
    edit->setText(newText);
    edit->setCursorPosition(0); // show the value from its first character
}

void Form1::SetBackColor(TextBox box, Rgb colour)
{
    SetPaletteColour(m_textBoxes[Index(box)], QPalette::Base, colour);
}

bool Form1::IsSelected(OptionButton option) const
{
    return m_options[Index(option)]->isChecked();
}

void Form1::SetVisible(Element element, bool visible)
{
    m_elements[Index(element)]->setVisible(visible);
}

void Form1::SetCommandCaption(const std::string& caption)
{
    m_command1->setText(QString::fromStdString(caption));
}

ChartSurface& Form1::Picture1()
{
    return m_picture1->Surface();
}

void Form1::ShowMessage(const std::string& message)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, QString::fromStdString(message),
                    QMessageBox::Ok, this);
    box.exec();
}

std::string Form1::DecimalSeparator() const
{
    return locale().decimalPoint().toStdString();
}
