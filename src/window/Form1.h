#pragma once

// The main window. It owns the controls and the form state and presents the controls to the
// program's logic through the control model; it holds no logic of its own. Its controls are
// built from its table (layout/Form1Table.h).

#include "chart/FigureLines.h"
#include "form/ControlModel.h"
#include "form/FormState.h"
#include "reactions/ResultsText.h"

#include <QMainWindow>

#include <array>
#include <memory>

class ChartRecord;
class FormAbout;
class FormShockDetails;
class PictureBox;
class QAction;
class QHelpEvent;
class QPushButton;
class QRadioButton;
class TextBoxEdit;

class Form1 : public QMainWindow, public ControlModel {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The About window, once the menu has created it.
    FormAbout* AboutWindow() const { return m_about.get(); }
    // The Shock Details window, once the chart's menu has created it.
    FormShockDetails* ShockDetailsWindow() const { return m_shockDetails.get(); }

    // What the chart's context menu does. Copy Chart puts the pixels the chart area shows on the
    // clipboard, Copy Results the values of the request the chart shows as tab-separated lines;
    // SaveChart writes the chart as a figure (PNG, SVG or PDF by the file's extension) and says why
    // if it cannot.
    void CopyChart();
    void CopyResults();
    void SaveChart(const QString& path);

    std::string Text(TextBox box) const override;
    void SetText(TextBox box, const std::string& text) override;
    void SetBackColor(TextBox box, Rgb colour) override;
    bool IsSelected(OptionButton option) const override;
    void SetVisible(Element element, bool visible) override;
    void SetCommandCaption(const std::string& caption) override;
    ChartSurface& Picture1() override;
    void ShowMessage(const std::string& message) override;
    std::string DecimalSeparator() const override;

protected:
    void changeEvent(QEvent* event) override;
    // The chart's tooltip: the shock through the point under the pointer.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Control>
    Control* Find(std::string_view name) const;
    void ConnectEvents();
    void CreateChartMenu();
    void UpdateChartMenu();
    void SetChartDescription(const std::string& description);
    void SaveChartAs();
    void ShowAbout();
    void ShowShockDetails();
    void UpdateShockDetails();
    bool ShowChartTip(const QHelpEvent& event);

    FormState m_state;
    std::array<TextBoxEdit*, std::size(AllTextBoxes)> m_textBoxes{};
    std::array<QRadioButton*, std::size(AllOptionButtons)> m_options{};
    std::array<QWidget*, std::size(AllElements)> m_elements{};
    QPushButton* m_command1 = nullptr;
    PictureBox* m_picture1 = nullptr;
    std::unique_ptr<ChartRecord> m_chart; // what Picture1 shows, kept for a figure
    std::string m_chartDescription;       // also the caption of a saved figure
    FigureRequest m_figureRequest;        // the request whose chart a saved figure shows
    QAction* m_copyChart = nullptr;
    QAction* m_saveChart = nullptr;
    QAction* m_copyResults = nullptr;
    QAction* m_showShockDetails = nullptr;
    std::string m_decimalSeparator; // the window's locale's, renewed when the locale changes
    bool m_clicking = false;        // a click on Command1 is being handled
    ClickResults m_results;         // what Copy Results copies, of the request Shock Details shows
    std::unique_ptr<FormAbout> m_about;
    std::unique_ptr<FormShockDetails> m_shockDetails;
};
