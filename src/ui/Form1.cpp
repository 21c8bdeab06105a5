#include "ui/Form1.h"

#include "calc/Command1Click.h"
#include "calc/OutputSelection.h"
#include "chart/ChartDescription.h"
#include "ui/Application.h"
#include "ui/Fonts.h"
#include "ui/FormAbout.h"
#include "ui/PictureBox.h"
#include "ui/TextBoxEdit.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>

namespace {

const QColor ChartBackground(255, 255, 192);

template <typename Enum>
std::size_t Index(Enum value)
{
    return static_cast<std::size_t>(value);
}

QString Name(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void SetBackground(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(ApplicationTitle);

    QAction* about = menuBar()->addAction("About");
    about->setObjectName("Mn_About");
    connect(about, &QAction::triggered, this, &Form1::ShowAbout);

    BuildControls();
    SetTabOrder();
    SetAccessibleTexts();

    // The load step: the form state has its initial values; the weak/strong choice is hidden.
    SetVisible(Element::Frame3, false);

    // The client area below the menu bar; the window's layout gives the menu bar its height for
    // the window's width, which is what is added here.
    const QSize client(TwipsToPixels(8505), TwipsToPixels(5190));
    resize(client.width(), client.height() + menuBar()->heightForWidth(client.width()));
    m_textBoxes[Index(TextBox::Text_Mn1)]->setFocus();
}

Form1::~Form1() = default;

TextBoxEdit* Form1::AddTextBox(QWidget* container, TextBox box, QRect twips, const QString& text)
{
    auto* edit = new TextBoxEdit(text, container);
    edit->setObjectName(Name(ControlName(box)));
    edit->setGeometry(TwipsToPixels(twips));
    edit->setCursorPosition(0);
    m_textBoxes[Index(box)] = edit;
    return edit;
}

QRadioButton* Form1::AddOption(QWidget* container, OptionButton option, QRect twips,
                               const QString& caption, bool greek)
{
    auto* button = new QRadioButton(caption, container);
    button->setObjectName(Name(ControlName(option)));
    button->setGeometry(TwipsToPixels(twips));
    if (greek)
        button->setFont(GreekFont());
    m_options[Index(option)] = button;
    return button;
}

QLabel* Form1::AddLabel(QWidget* container, const char* name, QRect twips, const QString& caption)
{
    auto* label = new QLabel(caption, container);
    label->setObjectName(name);
    label->setGeometry(TwipsToPixels(twips));
    return label;
}

void Form1::BuildControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    auto* frame2 = new QGroupBox("Output Options", client);
    frame2->setObjectName("Frame2");
    frame2->setGeometry(TwipsToPixels(QRect(240, 240, 2055, 1935)));
    AddOption(frame2, OptionButton::Option_M1, {240, 240, 735, 255}, "M1 =", false);
    AddTextBox(frame2, TextBox::Text_M1, {1080, 240, 735, 285}, "");
    AddOption(frame2, OptionButton::Option_Teta, {240, 600, 615, 255}, "θ =", true);
    AddTextBox(frame2, TextBox::Text_Teta, {1080, 600, 735, 285}, "");
    AddOption(frame2, OptionButton::Option_Beta, {240, 960, 615, 255}, "β =", true);
    AddTextBox(frame2, TextBox::Text_Beta, {1080, 960, 735, 285}, "");

    m_frame3 = new QGroupBox(frame2);
    m_frame3->setObjectName("Frame3");
    m_frame3->setGeometry(TwipsToPixels(QRect(840, 840, 1095, 735)));
    m_frame3->setAutoFillBackground(true);
    AddOption(m_frame3, OptionButton::Option_Weak, {120, 120, 735, 255}, "weak", false);
    AddOption(m_frame3, OptionButton::Option_Strong, {120, 360, 735, 255}, "strong", false);
    m_frame3->raise();
    m_elements[Index(Element::Frame3)] = m_frame3;

    // One explicit group per frame: a click on the selected option keeps it selected, and the
    // weak/strong pair inside Frame2 is a group of its own.
    auto* outputGroup = new QButtonGroup(this);
    auto* branchGroup = new QButtonGroup(this);
    for (OptionButton output :
         {OptionButton::Option_M1, OptionButton::Option_Teta, OptionButton::Option_Beta}) {
        outputGroup->addButton(m_options[Index(output)]);
        connect(m_options[Index(output)], &QRadioButton::clicked, this, [this, output] {
            SelectOutput(*this, output);
            m_picture1->setAccessibleDescription(EmptyChartDescription);
        });
    }
    branchGroup->addButton(m_options[Index(OptionButton::Option_Weak)]);
    branchGroup->addButton(m_options[Index(OptionButton::Option_Strong)]);
    m_options[Index(OptionButton::Option_Weak)]->setChecked(true);

    m_command1 = new QPushButton("Choose an output option", client);
    m_command1->setObjectName("Command1");
    m_command1->setGeometry(TwipsToPixels(QRect(240, 2280, 2055, 495)));
    connect(m_command1, &QPushButton::clicked, this, [this] {
        const RequestOutcome outcome = Command1_Click(*this, m_state);
        if (const auto description = ChartDescription(outcome, DecimalSeparator()))
            m_picture1->setAccessibleDescription(QString::fromStdString(*description));
    });

    auto* frame1 = new QGroupBox(client);
    frame1->setObjectName("Frame1");
    frame1->setGeometry(TwipsToPixels(QRect(240, 2760, 2055, 2175)));
    AddLabel(frame1, "Label4", {240, 360, 495, 255}, "Mn1 =");
    AddTextBox(frame1, TextBox::Text_Mn1, {1080, 360, 735, 285}, "1");
    AddLabel(frame1, "Label5", {240, 720, 495, 255}, "Mn2 =");
    AddTextBox(frame1, TextBox::Text_Mn2, {1080, 720, 735, 285}, "1");
    AddLabel(frame1, "Label6", {240, 1080, 615, 255}, "M2 =");
    AddTextBox(frame1, TextBox::Text_M2, {1080, 1080, 735, 285}, "1");
    AddLabel(frame1, "Label7", {240, 1440, 615, 255}, "p2/p1 =");
    AddTextBox(frame1, TextBox::Text_p2p1, {1080, 1440, 735, 285}, "1");
    AddLabel(frame1, "Label8", {240, 1800, 615, 255}, "T2/T1 =");
    AddTextBox(frame1, TextBox::Text_T2T1, {1080, 1800, 735, 285}, "1");

    m_picture1 =
        new PictureBox(TwipsToPixels(QRect(2520, 360, 5775, 4575)), ChartBackground, client);
    m_picture1->setObjectName("Picture1");
    // The axis labels sit inside the picture's border, on its background.
    const QPoint inside = m_picture1->contentsRect().topLeft();
    for (auto [element, name, twips, caption] :
         {std::tuple{Element::Label_Teta, "Label_Teta", QRect(240, 720, 135, 255), "θ"},
          std::tuple{Element::Label_Beta, "Label_Beta", QRect(2640, 4200, 375, 255), "β"}}) {
        auto* label = new AxisLabel(QString::fromUtf8(caption), ChartBackground, m_picture1);
        label->setObjectName(name);
        label->setGeometry(TwipsToPixels(twips).translated(inside));
        label->setFont(GreekFont());
        label->hide();
        m_elements[Index(element)] = label;
    }
}

void Form1::SetTabOrder()
{
    // The chart takes focus by the keyboard only, so that a screen reader can reach its
    // description.
    m_picture1->setFocusPolicy(Qt::TabFocus);
    static constexpr const char* order[] = {
        "Text_Mn1",    "Text_Mn2",    "Text_M2",   "Text_p2p1",   "Text_T2T1",
        "Picture1",    "Text_M1",     "Text_Teta", "Text_Beta",   "Option_M1",
        "Option_Teta", "Option_Beta", "Command1",  "Option_Weak", "Option_Strong"};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(findChild<QWidget*>(order[i - 1]), findChild<QWidget*>(order[i]));
}

void Form1::SetAccessibleTexts()
{
    struct Spoken {
        const char* control;
        const char* name;
        const char* description;
    };
    static constexpr Spoken texts[] = {
        {"Text_M1", "Upstream Mach number M1", "Input, or the result when M1 is the output"},
        {"Text_Teta", "Deflection angle θ in degrees", "Input, or the result when θ is the output"},
        {"Text_Beta", "Shock wave angle β in degrees", "Input, or the result when β is the output"},
        {"Text_Mn1", "Upstream normal Mach number Mn1", "Result of the last β calculation"},
        {"Text_Mn2", "Downstream normal Mach number Mn2", "Result of the last β calculation"},
        {"Text_M2", "Downstream Mach number M2", "Result of the last β calculation"},
        {"Text_p2p1", "Pressure ratio p2/p1", "Result of the last β calculation"},
        {"Text_T2T1", "Temperature ratio T2/T1", "Result of the last β calculation"},
        {"Option_M1", "Output: upstream Mach number M1", "Compute M1 from θ and β"},
        {"Option_Teta", "Output: deflection angle θ", "Compute θ from M1 and β"},
        {"Option_Beta", "Output: shock wave angle β", "Compute β from M1 and θ"},
        {"Option_Weak", "Weak shock", "Compute the weak solution for β"},
        {"Option_Strong", "Strong shock", "Compute the strong solution for β"},
        {"Command1", "Calculate", "Compute the chosen output from the two inputs"},
        {"Picture1", "θ–β chart", EmptyChartDescription},
    };
    for (const Spoken& spoken : texts) {
        auto* control = findChild<QWidget*>(spoken.control);
        control->setAccessibleName(QString::fromUtf8(spoken.name));
        if (auto* box = qobject_cast<TextBoxEdit*>(control))
            box->SetDescription(QString::fromUtf8(spoken.description));
        else
            control->setAccessibleDescription(QString::fromUtf8(spoken.description));
    }
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
    SetBackground(m_textBoxes[Index(box)], QPalette::Base,
                  QColor(colour.red, colour.green, colour.blue));
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
    m_picture1->update(); // whatever is drawn now shows at the next repaint
    return m_picture1->surface();
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
