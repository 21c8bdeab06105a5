#pragma once

#include "form/ChartSurface.h"
#include "form/Rgb.h"

#include <string>
#include <string_view>

// The controls of the main window that the calculation, the chart and the output selection
// read or write. Each enumerator carries the control's name in the window.
enum class TextBox {
    Text_M1,
    Text_Teta,
    Text_Beta,
    Text_Mn1,
    Text_Mn2,
    Text_M2,
    Text_p2p1,
    Text_T2T1
};
enum class OptionButton { Option_M1, Option_Teta, Option_Beta, Option_Weak, Option_Strong };
// Controls whose visibility the logic changes.
enum class Element { Frame3, Label_Teta, Label_Beta };

// Every enumerator, in the order of its value: arrays indexed by a control are sized by these.
inline constexpr TextBox AllTextBoxes[] = {
    TextBox::Text_M1,  TextBox::Text_Teta, TextBox::Text_Beta, TextBox::Text_Mn1,
    TextBox::Text_Mn2, TextBox::Text_M2,   TextBox::Text_p2p1, TextBox::Text_T2T1};
inline constexpr OptionButton AllOptionButtons[] = {
    OptionButton::Option_M1, OptionButton::Option_Teta, OptionButton::Option_Beta,
    OptionButton::Option_Weak, OptionButton::Option_Strong};
inline constexpr Element AllElements[] = {Element::Frame3, Element::Label_Teta,
                                          Element::Label_Beta};

std::string_view ControlName(TextBox box);
std::string_view ControlName(OptionButton option);
std::string_view ControlName(Element element);

// The main window as the logic sees it: the window layer presents these operations on real
// controls, tests on a record. Texts are UTF-8.
class ControlModel {
public:
    virtual ~ControlModel() = default;

    virtual std::string Text(TextBox box) const = 0;
    virtual void SetText(TextBox box, const std::string& text) = 0;
    virtual void SetBackColor(TextBox box, Rgb colour) = 0;
    virtual bool IsSelected(OptionButton option) const = 0;
    virtual void SetVisible(Element element, bool visible) = 0;
    // The caption of Command1, the calculate button.
    virtual void SetCommandCaption(const std::string& caption) = 0;
    // The drawing surface of Picture1.
    virtual ChartSurface& Picture1() = 0;
    // A modal message box; returns when the user has closed it.
    virtual void ShowMessage(const std::string& message) = 0;
    // The decimal separator of the user's locale, used for every number the program writes.
    virtual std::string DecimalSeparator() const = 0;
};
