#pragma once

#include "form/ControlModel.h"

#include <array>
#include <string>
#include <vector>

// A chart area that is not shown: a request from the shell draws its chart here unless it is
// given a surface of its own.
class UnseenChart : public ChartSurface {
public:
    void Clear() override {}
    void SetScale(float, float, float, float) override {}
    void DrawLine(float, float, float, float, std::optional<Rgb>) override {}
    void DrawLineTo(float, float, Rgb) override {}
    void SetPoint(float, float, std::optional<Rgb>) override {}
    void DrawCircle(float, float, float, Rgb) override {}
};

// The main window without a screen: it starts as the window does after loading (the input boxes
// empty, the results "1", the weak branch selected, no output chosen), keeps the boxes' texts and
// which of them were written, and collects the messages the window would show in message boxes.
class ShellForm : public ControlModel {
public:
    // `chart` receives the drawing of Picture1; without one the drawing goes nowhere.
    explicit ShellForm(std::string decimalSeparator, ChartSurface* chart = nullptr);

    // What the user does: choose an option (alone in its group) and type into a box.
    void Choose(OptionButton option);
    void Type(TextBox box, std::string text);

    // Forgets which boxes were written, so that Written tells what came after.
    void ForgetWrites();
    bool Written(TextBox box) const { return m_written[Index(box)]; }
    const std::vector<std::string>& Messages() const { return m_messages; }

    std::string Text(TextBox box) const override { return m_texts[Index(box)]; }
    void SetText(TextBox box, const std::string& text) override;
    bool IsSelected(OptionButton option) const override { return m_selected[Index(option)]; }
    // Colours, visibility and the button's caption are not shown from a shell.
    void SetBackColor(TextBox, Rgb) override {}
    void SetVisible(Element, bool) override {}
    void SetCommandCaption(const std::string&) override {}
    ChartSurface& Picture1() override { return *m_chart; }
    void ShowMessage(const std::string& message) override { m_messages.push_back(message); }
    std::string DecimalSeparator() const override { return m_separator; }

private:
    template <typename Enum>
    static std::size_t Index(Enum value)
    {
        return static_cast<std::size_t>(value);
    }
    // As the window's tables of its controls say it opens.
    static std::array<std::string, std::size(AllTextBoxes)> TextsAtStart();
    static constexpr std::array<bool, std::size(AllOptionButtons)> SelectionAtStart()
    {
        std::array<bool, std::size(AllOptionButtons)> selected{};
        for (OptionButton option : AllOptionButtons)
            selected[Index(option)] = IsSelectedAtStart(option);
        return selected;
    }

    std::string m_separator;
    UnseenChart m_unseen;
    ChartSurface* m_chart = &m_unseen;
    std::array<std::string, std::size(AllTextBoxes)> m_texts = TextsAtStart();
    std::array<bool, std::size(AllTextBoxes)> m_written{};
    std::array<bool, std::size(AllOptionButtons)> m_selected = SelectionAtStart();
    std::vector<std::string> m_messages;
};
