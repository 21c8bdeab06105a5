#pragma once

#include "chart/ChartRecord.h"
#include "form/ControlModel.h"
#include "form/FormState.h"
#include "reactions/ResultsText.h"
#include "web/RasterSurface.h"

#include <array>
#include <string>

// The main window on the page: the controls are the page's elements, built from the window's
// table, and each operation of the control model is handed to the page's script, which presents
// it on them. The texts and the selection are read from the elements when the user acts, and
// kept here while the reaction runs: the script shows a message box and the writes after it once
// the one before is closed, so the elements may lag behind while a box is open.
class PageForm : public ControlModel {
public:
    // Builds the page's elements; `decimalSeparator` is the browser's language's, as the page
    // reads it.
    PageForm(std::string decimalSeparator, double devicePixelRatio);

    // What the user does on the page.
    void ChooseOption(OptionButton option);
    void Click();
    void ShowAbout();
    // The canvas takes a device pixel ratio: the kept chart is drawn again at it.
    void SetDevicePixelRatio(double ratio);
    const std::string& ResultsText() const { return m_results.Text(); }
    const ChartRecord& Chart() const { return m_chart; }
    const std::string& ChartDescriptionText() const { return m_chartDescription; }
    // Whether every drawing call on Picture1 is told to the page's script as well, for the tests
    // that compare them with the golden log's.
    void TellChart(bool tell) { m_teller.telling = tell; }

    std::string Text(TextBox box) const override { return m_texts[Index(box)]; }
    void SetText(TextBox box, const std::string& text) override;
    void SetBackColor(TextBox box, Rgb colour) override;
    bool IsSelected(OptionButton option) const override { return m_selected[Index(option)]; }
    void SetVisible(Element element, bool visible) override;
    void SetCommandCaption(const std::string& caption) override;
    ChartSurface& Picture1() override { return m_teller; }
    void ShowMessage(const std::string& message) override;
    std::string DecimalSeparator() const override { return m_separator; }

private:
    // Passes every call on to the kept chart, and tells it to the script while `telling`.
    struct ChartTeller : ChartSurface {
        explicit ChartTeller(ChartSurface& kept) : kept(kept) {}
        void Clear() override;
        void SetScale(float left, float top, float right, float bottom) override;
        void DrawLine(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
        void DrawLineTo(float x, float y, Rgb colour) override;
        void SetPoint(float x, float y, std::optional<Rgb> colour) override;
        void DrawCircle(float x, float y, float radius, Rgb colour) override;
        ChartSurface& kept;
        bool telling = false;
    };

    template <typename Enum>
    static std::size_t Index(Enum value)
    {
        return static_cast<std::size_t>(value);
    }
    void ReadElements();
    void ShowChart();
    void SetChartDescription(const std::string& description);
    void UpdateChartMenu();

    std::string m_separator;
    FormState m_state;
    RasterSurface m_raster;
    ChartRecord m_chart{m_raster};
    ChartTeller m_teller{m_chart};
    ClickResults m_results;
    bool m_clicking = false;
    bool m_aboutBuilt = false;
    std::string m_chartDescription;
    std::array<std::string, std::size(AllTextBoxes)> m_texts;
    std::array<bool, std::size(AllOptionButtons)> m_selected{};
};
