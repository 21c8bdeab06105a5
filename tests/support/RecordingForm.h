#pragma once

#include "form/ControlModel.h"
#include "support/RecordingSurface.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// The main window as a record: it starts as the window does after loading, and every write,
// colour, visibility change, caption and message is appended to `events` in order, as
// "Text_Beta <- 39.3139", "Text_M1 colour 200,200,200", "Frame3 hidden", "Command1 <- …" and
// "message: …".
class RecordingForm : public ControlModel {
public:
    RecordingForm();

    std::map<TextBox, std::string> texts;
    std::map<TextBox, Rgb> colours;
    std::set<OptionButton> selected;
    std::map<Element, bool> visible;
    std::string caption{Command1CaptionAtStart};
    std::string separator = ".";
    std::vector<std::string> events;
    std::vector<std::string> messages;
    RecordingSurface surface{&events};

    // What the user does: choose an option (alone in its group) and type into a box.
    void Choose(OptionButton option);
    void Type(TextBox box, const std::string& text);

    std::string Text(TextBox box) const override;
    void SetText(TextBox box, const std::string& text) override;
    void SetBackColor(TextBox box, Rgb colour) override;
    bool IsSelected(OptionButton option) const override;
    void SetVisible(Element element, bool isVisible) override;
    void SetCommandCaption(const std::string& text) override;
    ChartSurface& Picture1() override;
    void ShowMessage(const std::string& message) override;
    std::string DecimalSeparator() const override;
};
