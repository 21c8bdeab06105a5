#pragma once

#include "form/ChartSurface.h"
#include "form/Rgb.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The controls of the main window that the calculation, the chart and the output selection
// read or write.
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

// One row per enumerator, at the index of its value: the control's name in the window and its
// state when the window opens.
struct TextBoxRow {
    TextBox id;
    std::string_view name;
    std::string_view initialText;
};
struct OptionButtonRow {
    OptionButton id;
    std::string_view name;
    bool selectedAtStart;
};
struct ElementRow {
    Element id;
    std::string_view name;
    bool visibleAtStart;
};

inline constexpr TextBoxRow TextBoxes[] = {
    {.id = TextBox::Text_M1, .name = "Text_M1", .initialText = ""},
    {.id = TextBox::Text_Teta, .name = "Text_Teta", .initialText = ""},
    {.id = TextBox::Text_Beta, .name = "Text_Beta", .initialText = ""},
    {.id = TextBox::Text_Mn1, .name = "Text_Mn1", .initialText = "1"},
    {.id = TextBox::Text_Mn2, .name = "Text_Mn2", .initialText = "1"},
    {.id = TextBox::Text_M2, .name = "Text_M2", .initialText = "1"},
    {.id = TextBox::Text_p2p1, .name = "Text_p2p1", .initialText = "1"},
    {.id = TextBox::Text_T2T1, .name = "Text_T2T1", .initialText = "1"},
};
inline constexpr OptionButtonRow OptionButtons[] = {
    {.id = OptionButton::Option_M1, .name = "Option_M1", .selectedAtStart = false},
    {.id = OptionButton::Option_Teta, .name = "Option_Teta", .selectedAtStart = false},
    {.id = OptionButton::Option_Beta, .name = "Option_Beta", .selectedAtStart = false},
    {.id = OptionButton::Option_Weak, .name = "Option_Weak", .selectedAtStart = true},
    {.id = OptionButton::Option_Strong, .name = "Option_Strong", .selectedAtStart = false},
};
inline constexpr ElementRow Elements[] = {
    {.id = Element::Frame3, .name = "Frame3", .visibleAtStart = false},
    {.id = Element::Label_Teta, .name = "Label_Teta", .visibleAtStart = false},
    {.id = Element::Label_Beta, .name = "Label_Beta", .visibleAtStart = false},
};

template <typename Row, std::size_t Count>
constexpr bool InValueOrder(const Row (&table)[Count])
{
    for (std::size_t i = 0; i < Count; ++i) {
        if (static_cast<std::size_t>(table[i].id) != i)
            return false;
    }
    return true;
}
static_assert(InValueOrder(TextBoxes));
static_assert(InValueOrder(OptionButtons));
static_assert(InValueOrder(Elements));

template <typename Row, std::size_t Count>
constexpr auto Enumerators(const Row (&table)[Count])
{
    std::array<decltype(Row::id), Count> all{};
    for (std::size_t i = 0; i < Count; ++i)
        all[i] = table[i].id;
    return all;
}

// Every enumerator, in the order of its value: arrays indexed by a control are sized by these.
inline constexpr auto AllTextBoxes = Enumerators(TextBoxes);
inline constexpr auto AllOptionButtons = Enumerators(OptionButtons);
inline constexpr auto AllElements = Enumerators(Elements);

constexpr std::string_view ControlName(TextBox box)
{
    return TextBoxes[static_cast<std::size_t>(box)].name;
}
constexpr std::string_view ControlName(OptionButton option)
{
    return OptionButtons[static_cast<std::size_t>(option)].name;
}
constexpr std::string_view ControlName(Element element)
{
    return Elements[static_cast<std::size_t>(element)].name;
}

constexpr std::string_view InitialText(TextBox box)
{
    return TextBoxes[static_cast<std::size_t>(box)].initialText;
}
constexpr bool IsSelectedAtStart(OptionButton option)
{
    return OptionButtons[static_cast<std::size_t>(option)].selectedAtStart;
}
constexpr bool IsVisibleAtStart(Element element)
{
    return Elements[static_cast<std::size_t>(element)].visibleAtStart;
}
// The option buttons' groups: the three outputs, and the weak and strong branch of a β. An
// option chosen is the only one selected in its group; the other group stays as it was.
enum class OptionGroup { Output, Branch };
constexpr OptionGroup GroupOf(OptionButton option)
{
    return option == OptionButton::Option_Weak || option == OptionButton::Option_Strong
               ? OptionGroup::Branch
               : OptionGroup::Output;
}

// The calculate button's caption until an output is chosen.
inline constexpr std::string_view Command1CaptionAtStart = "Choose an output option";

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
