#include "window/Form1.h"

#include "chart/ChartRecord.h"
#include "drawing/ChartFigure.h"
#include "layout/Form1Table.h"
#include "reactions/ChartDescription.h"
#include "reactions/ChartPoint.h"
#include "reactions/Command1Click.h"
#include "reactions/OutputSelection.h"
#include "reactions/ResultsText.h"
#include "reactions/ShockDetails.h"
#include "window/Application.h"
#include "window/ControlTable.h"
#include "window/FormAbout.h"
#include "window/FormShockDetails.h"
#include "window/PaletteColour.h"
#include "window/PictureBox.h"
#include "window/TextBoxEdit.h"
#include "window/Twips.h"
#include "window/WindowFigureLayout.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

namespace {

template <typename Enum>
std::size_t Index(Enum value)
{
    return static_cast<std::size_t>(value);
}

// Said after whatever the chart shows, so that a screen reader's user knows the menu is there.
constexpr const char* ChartMenuNote =
    ". Its context menu (Shift+F10) copies the chart or the results, saves the chart, or shows "
    "the shock's details";

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(ApplicationTitle);
    m_decimalSeparator = locale().decimalPoint().toStdString();

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
    m_chart = std::make_unique<ChartRecord>(m_picture1->Surface());
    m_picture1->installEventFilter(this);
    CreateChartMenu();
    ConnectEvents();

    // The client area below the menu bar; the window's layout gives the menu bar its height for
    // the window's width, which is what is added here.
    const QSize clientSize = TwipsToPixels(Form1ClientTwips).size();
    resize(clientSize.width(), clientSize.height() + menuBar()->heightForWidth(clientSize.width()));
    firstInTabOrder->setFocus();
}

Form1::~Form1() = default;

// The checks beside Form1Table make sure that every name looked up has its row, of a kind that
// is built as `Control`.
template <typename Control>
Control* Form1::Find(std::string_view name) const
{
    return findChild<Control*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
}

void Form1::ConnectEvents()
{
    for (OptionButton output :
         {OptionButton::Option_M1, OptionButton::Option_Teta, OptionButton::Option_Beta}) {
        connect(m_options[Index(output)], &QRadioButton::clicked, this, [this, output] {
            m_picture1->HoldChanges();
            SelectOutput(*this, output);
            m_picture1->ReleaseChanges();
            m_results.Clear();
            SetChartDescription(EmptyChartDescription);
            UpdateChartMenu();
            UpdateShockDetails();
        });
    }
    connect(m_command1, &QPushButton::clicked, this, [this] {
        m_clicking = true;
        m_results.Begin(*this);
        m_picture1->HoldChanges();
        const RequestOutcome outcome = Command1_Click(*this, m_state);
        m_picture1->ReleaseChanges();
        m_clicking = false;
        m_results.End(outcome);
        if (const auto description = ChartDescription(outcome, DecimalSeparator())) {
            SetChartDescription(*description);
            m_figureRequest = ChartFigureRequest(outcome, m_state.gas, DecimalSeparator());
        }
        UpdateChartMenu();
        UpdateShockDetails();
    });
}

void Form1::CreateChartMenu()
{
    const auto action = [this](const char* name, const char* text, const char* description) {
        auto* created = new QAction(text, m_picture1);
        created->setObjectName(name);
        created->setStatusTip(description);
        created->setWhatsThis(description);
        created->setEnabled(false);
        m_picture1->addAction(created);
        return created;
    };
    m_copyChart = action("CopyChart", "&Copy Chart", "Put the chart on the clipboard as an image");
    m_copyChart->setShortcut(QKeySequence::Copy);
    m_copyChart->setShortcutContext(Qt::WidgetShortcut);
    m_saveChart = action("SaveChartAs", "&Save Chart As…",
                         "Save the chart as a PNG image, an SVG drawing or a PDF document");
    m_copyResults = action("CopyResults", "Copy &Results",
                           "Put the values of the boxes on the clipboard, one per line");
    m_showShockDetails =
        action("ShockDetails", "Shock &Details…",
               "Show the whole shock of the chart's request in a window of its own");
    connect(m_copyChart, &QAction::triggered, this, &Form1::CopyChart);
    connect(m_saveChart, &QAction::triggered, this, &Form1::SaveChartAs);
    connect(m_copyResults, &QAction::triggered, this, &Form1::CopyResults);
    connect(m_showShockDetails, &QAction::triggered, this, &Form1::ShowShockDetails);
    SetChartDescription(EmptyChartDescription);
}

void Form1::UpdateChartMenu()
{
    m_copyChart->setEnabled(!m_chart->Empty());
    m_saveChart->setEnabled(!m_chart->Empty());
    m_copyResults->setEnabled(!m_results.Empty());
    m_showShockDetails->setEnabled(m_results.Request().has_value());
}

void Form1::SetChartDescription(const std::string& description)
{
    m_chartDescription = description;
    m_picture1->setAccessibleDescription(QString::fromStdString(description) + ChartMenuNote);
}

void Form1::CopyChart()
{
    if (m_chart->Empty())
        return;
    QGuiApplication::clipboard()->setImage(m_picture1->GrabChart().toImage());
}

void Form1::CopyResults()
{
    if (!m_results.Empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(m_results.Text()));
}

void Form1::SaveChartAs()
{
    struct FileType {
        const char* filter;
        const char* suffix;
    };
    static constexpr FileType FileTypes[] = {{"PNG image (*.png)", "png"},
                                             {"SVG drawing (*.svg)", "svg"},
                                             {"PDF document (*.pdf)", "pdf"}};
    QFileDialog dialog(this, "Save Chart As");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FileType& type : FileTypes)
        filters << type.filter;
    dialog.setNameFilters(filters);
    // A name typed without an extension takes the chosen type's inside the dialog, before it
    // asks whether to replace a file of that name.
    dialog.setDefaultSuffix(FileTypes[0].suffix);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        for (const FileType& type : FileTypes) {
            if (filter == type.filter)
                dialog.setDefaultSuffix(type.suffix);
        }
    });
    dialog.selectFile("theta-beta-chart.png");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    SaveChart(dialog.selectedFiles().first());
}

void Form1::SaveChart(const QString& path)
{
    if (m_chart->Empty())
        return;
    if (const auto failure = SaveChartFigure(*m_chart, m_figureRequest, WindowFigureLayout(),
                                             QString::fromStdString(m_chartDescription), path))
        ShowMessage(
            QString("The chart could not be saved to %1: %2").arg(path, *failure).toStdString());
}

void Form1::ShowAbout()
{
    if (!m_about)
        m_about = std::make_unique<FormAbout>();
    m_about->show();
}

void Form1::ShowShockDetails()
{
    if (!m_shockDetails)
        m_shockDetails = std::make_unique<FormShockDetails>();
    UpdateShockDetails();
    m_shockDetails->show();
    m_shockDetails->raise();
}

// The details follow the request the chart shows, as Copy Results does, in the window's decimal
// separator.
void Form1::UpdateShockDetails()
{
    if (!m_shockDetails)
        return;
    const std::optional<RequestOutcome>& request = m_results.Request();
    m_shockDetails->ShowDetails(ShockRequestText(request, m_decimalSeparator),
                                request ? ShockDetailsOf(*request, m_state.gas, m_decimalSeparator)
                                        : ShockDetails{});
}

// The tooltip's text changes from pixel to pixel: it is shown for the pixel under the pointer and
// hidden as soon as the pointer leaves it, and the next tooltip event, which follows a moment
// later while a tip has just been shown, gives the next pixel's.
bool Form1::ShowChartTip(const QHelpEvent& event)
{
    const QRect area = m_picture1->contentsRect();
    if (!area.contains(event.pos()))
        return false;
    // The middle of the pixel under the pointer.
    const QPointF at = QPointF(event.pos() - area.topLeft()) + QPointF(0.5, 0.5);
    const auto point = ChartPointAt(*m_chart, at.x(), at.y(), area.width(), area.height());
    if (!point)
        return false;
    QToolTip::showText(
        event.globalPos(),
        QString::fromStdString(ChartPointText(*point, m_state.gas, m_decimalSeparator)), m_picture1,
        QRect(event.pos(), QSize(1, 1)));
    return true;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // An axis letter passes the event on to the chart, as a widget without a tooltip does.
    if (watched == m_picture1 && event->type() == QEvent::ToolTip &&
        ShowChartTip(static_cast<const QHelpEvent&>(*event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

std::string Form1::Text(TextBox box) const
{
    return m_textBoxes[Index(box)]->text().toStdString();
}

void Form1::SetText(TextBox box, const std::string& text)
{
    TextBoxEdit* edit = m_textBoxes[Index(box)];
    const QString newText = QString::fromStdString(text);
    if (m_clicking)
        m_results.Wrote(box, text);
    if (edit->text() == newText)
        return; // β is written twice by a solved request: lay the text out once
    edit->ShowValue(newText);
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
    return *m_chart;
}

void Form1::ShowMessage(const std::string& message)
{
    m_picture1->ShowChanges(); // what was drawn before the message shows behind it
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, QString::fromStdString(message),
                    QMessageBox::Ok, this);
    box.exec();
}

std::string Form1::DecimalSeparator() const
{
    return m_decimalSeparator;
}

void Form1::changeEvent(QEvent* event)
{
    // Every change of the window's locale, its own or the application's, comes as this event.
    if (event->type() == QEvent::LocaleChange) {
        m_decimalSeparator = locale().decimalPoint().toStdString();
        UpdateShockDetails();
    }
    QMainWindow::changeEvent(event);
}
