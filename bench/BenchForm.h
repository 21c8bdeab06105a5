#pragma once

#include "form/ChartSurface.h"
#include "form/ControlModel.h"

#include <array>
#include <string>

// A main window without recording overhead: texts are kept, drawing and messages are counted,
// so that a benchmark measures the calculation and the chart rather than the test double.
class NullSurface : public ChartSurface {
public:
    int calls = 0;
    void Clear() override { ++calls; }
    void SetScale(float, float, float, float) override { ++calls; }
    void DrawLine(float, float, float, float, std::optional<Rgb>) override { ++calls; }
    void DrawLineTo(float, float, Rgb) override { ++calls; }
    void SetPoint(float, float, std::optional<Rgb>) override { ++calls; }
    void DrawCircle(float, float, float, Rgb) override { ++calls; }
};

class BenchForm : public ControlModel {
public:
    BenchForm(OptionButton output, bool strong, std::string M1, std::string teta, std::string beta)
        : m_output(output), m_strong(strong)
    {
        m_texts[static_cast<std::size_t>(TextBox::Text_M1)] = std::move(M1);
        m_texts[static_cast<std::size_t>(TextBox::Text_Teta)] = std::move(teta);
        m_texts[static_cast<std::size_t>(TextBox::Text_Beta)] = std::move(beta);
    }

    NullSurface surface;
    int messages = 0;

    std::string Text(TextBox box) const override { return m_texts[static_cast<std::size_t>(box)]; }
    void SetText(TextBox box, const std::string& text) override
    {
        m_written[static_cast<std::size_t>(box)] = text;
    }
    void SetBackColor(TextBox, Rgb) override {}
    bool IsSelected(OptionButton option) const override
    {
        if (option == OptionButton::Option_Weak)
            return !m_strong;
        if (option == OptionButton::Option_Strong)
            return m_strong;
        return option == m_output;
    }
    void SetVisible(Element, bool) override {}
    void SetCommandCaption(const std::string&) override {}
    ChartSurface& Picture1() override { return surface; }
    void ShowMessage(const std::string&) override { ++messages; }
    std::string DecimalSeparator() const override { return "."; }

private:
    OptionButton m_output;
    bool m_strong;
    std::array<std::string, std::size(AllTextBoxes)> m_texts;
    std::array<std::string, std::size(AllTextBoxes)> m_written;
};
