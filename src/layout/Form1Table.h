#pragma once

#include "form/ControlModel.h"
#include "layout/ControlRows.h"
#include "reactions/ChartDescription.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>

// The start states of the enumerated controls as table settings.
constexpr unsigned StartSetting(OptionButton option)
{
    return IsSelectedAtStart(option) ? SelectedAtStart : NoSetting;
}
constexpr unsigned StartSetting(Element element)
{
    return IsVisibleAtStart(element) ? NoSetting : HiddenAtStart;
}

// The main window's client area below its menu bar, in twips.
inline constexpr TwipsRect Form1ClientTwips{0, 0, 8505, 5190};

// The controls of the main window, in twips, with their keyboard order and what a screen reader
// says of them. The captions are the letters shown: β and θ in a font that has them.
inline constexpr ControlRow Form1Table[] = {
    {.name = "Frame2",
     .kind = ControlKind::Frame,
     .caption = "Output Options",
     .twips = {240, 240, 2055, 1935},
     .tabIndex = 14},
    {.name = "Option_M1",
     .kind = ControlKind::OptionButton,
     .container = "Frame2",
     .caption = "M1 =",
     .twips = {240, 240, 735, 255},
     .tabIndex = 18,
     .accessibleName = "Output: upstream Mach number M1",
     .accessibleDescription = "Compute M1 from θ and β",
     .settings = StartSetting(OptionButton::Option_M1)},
    {.name = "Text_M1",
     .kind = ControlKind::TextBox,
     .container = "Frame2",
     .caption = InitialText(TextBox::Text_M1),
     .twips = {1080, 240, 735, 285},
     .tabIndex = 15,
     .accessibleName = "Upstream Mach number M1",
     .accessibleDescription = "Input, or the result when M1 is the output"},
    {.name = "Option_Teta",
     .kind = ControlKind::OptionButton,
     .container = "Frame2",
     .caption = "θ =",
     .twips = {240, 600, 615, 255},
     .tabIndex = 19,
     .font = ControlFont::Greek,
     .accessibleName = "Output: deflection angle θ",
     .accessibleDescription = "Compute θ from M1 and β",
     .settings = StartSetting(OptionButton::Option_Teta)},
    {.name = "Text_Teta",
     .kind = ControlKind::TextBox,
     .container = "Frame2",
     .caption = InitialText(TextBox::Text_Teta),
     .twips = {1080, 600, 735, 285},
     .tabIndex = 16,
     .accessibleName = "Deflection angle θ in degrees",
     .accessibleDescription = "Input, or the result when θ is the output"},
    {.name = "Option_Beta",
     .kind = ControlKind::OptionButton,
     .container = "Frame2",
     .caption = "β =",
     .twips = {240, 960, 615, 255},
     .tabIndex = 20,
     .font = ControlFont::Greek,
     .accessibleName = "Output: shock wave angle β",
     .accessibleDescription = "Compute β from M1 and θ",
     .settings = StartSetting(OptionButton::Option_Beta)},
    {.name = "Text_Beta",
     .kind = ControlKind::TextBox,
     .container = "Frame2",
     .caption = InitialText(TextBox::Text_Beta),
     .twips = {1080, 960, 735, 285},
     .tabIndex = 17,
     .accessibleName = "Shock wave angle β in degrees",
     .accessibleDescription = "Input, or the result when β is the output"},
    {.name = "Frame3",
     .kind = ControlKind::Frame,
     .container = "Frame2",
     .twips = {840, 840, 1095, 735},
     .tabIndex = 22,
     .settings = InFront | StartSetting(Element::Frame3)},
    {.name = "Option_Weak",
     .kind = ControlKind::OptionButton,
     .container = "Frame3",
     .caption = "weak",
     .twips = {120, 120, 735, 255},
     .tabIndex = 23,
     .accessibleName = "Weak shock",
     .accessibleDescription = "Compute the weak solution for β",
     .settings = StartSetting(OptionButton::Option_Weak)},
    {.name = "Option_Strong",
     .kind = ControlKind::OptionButton,
     .container = "Frame3",
     .caption = "strong",
     .twips = {120, 360, 735, 255},
     .tabIndex = 24,
     .accessibleName = "Strong shock",
     .accessibleDescription = "Compute the strong solution for β",
     .settings = StartSetting(OptionButton::Option_Strong)},
    {.name = "Command1",
     .kind = ControlKind::CommandButton,
     .caption = Command1CaptionAtStart,
     .twips = {240, 2280, 2055, 495},
     .tabIndex = 21,
     .accessibleName = "Calculate",
     .accessibleDescription = "Compute the chosen output from the two inputs"},
    {.name = "Frame1", .kind = ControlKind::Frame, .twips = {240, 2760, 2055, 2175}, .tabIndex = 0},
    {.name = "Label4",
     .kind = ControlKind::Label,
     .container = "Frame1",
     .caption = "Mn1 =",
     .twips = {240, 360, 495, 255},
     .tabIndex = 1},
    {.name = "Text_Mn1",
     .kind = ControlKind::TextBox,
     .container = "Frame1",
     .caption = InitialText(TextBox::Text_Mn1),
     .twips = {1080, 360, 735, 285},
     .tabIndex = 3,
     .accessibleName = "Upstream normal Mach number Mn1",
     .accessibleDescription = "Result of the last β calculation"},
    {.name = "Label5",
     .kind = ControlKind::Label,
     .container = "Frame1",
     .caption = "Mn2 =",
     .twips = {240, 720, 495, 255},
     .tabIndex = 2},
    {.name = "Text_Mn2",
     .kind = ControlKind::TextBox,
     .container = "Frame1",
     .caption = InitialText(TextBox::Text_Mn2),
     .twips = {1080, 720, 735, 285},
     .tabIndex = 4,
     .accessibleName = "Downstream normal Mach number Mn2",
     .accessibleDescription = "Result of the last β calculation"},
    {.name = "Label6",
     .kind = ControlKind::Label,
     .container = "Frame1",
     .caption = "M2 =",
     .twips = {240, 1080, 615, 255},
     .tabIndex = 5},
    {.name = "Text_M2",
     .kind = ControlKind::TextBox,
     .container = "Frame1",
     .caption = InitialText(TextBox::Text_M2),
     .twips = {1080, 1080, 735, 285},
     .tabIndex = 8,
     .accessibleName = "Downstream Mach number M2",
     .accessibleDescription = "Result of the last β calculation"},
    {.name = "Label7",
     .kind = ControlKind::Label,
     .container = "Frame1",
     .caption = "p2/p1 =",
     .twips = {240, 1440, 615, 255},
     .tabIndex = 6},
    {.name = "Text_p2p1",
     .kind = ControlKind::TextBox,
     .container = "Frame1",
     .caption = InitialText(TextBox::Text_p2p1),
     .twips = {1080, 1440, 735, 285},
     .tabIndex = 9,
     .accessibleName = "Pressure ratio p2/p1",
     .accessibleDescription = "Result of the last β calculation"},
    {.name = "Label8",
     .kind = ControlKind::Label,
     .container = "Frame1",
     .caption = "T2/T1 =",
     .twips = {240, 1800, 615, 255},
     .tabIndex = 7},
    {.name = "Text_T2T1",
     .kind = ControlKind::TextBox,
     .container = "Frame1",
     .caption = InitialText(TextBox::Text_T2T1),
     .twips = {1080, 1800, 735, 285},
     .tabIndex = 10,
     .accessibleName = "Temperature ratio T2/T1",
     .accessibleDescription = "Result of the last β calculation"},
    {.name = "Picture1",
     .kind = ControlKind::Picture,
     .twips = {2520, 360, 5775, 4575},
     .tabIndex = 11,
     .accessibleName = "θ–β chart",
     .accessibleDescription = EmptyChartDescription},
    {.name = "Label_Teta",
     .kind = ControlKind::AxisLabel,
     .container = "Picture1",
     .caption = "θ",
     .twips = {240, 720, 135, 255},
     .tabIndex = 13,
     .font = ControlFont::Greek,
     .settings = StartSetting(Element::Label_Teta)},
    {.name = "Label_Beta",
     .kind = ControlKind::AxisLabel,
     .container = "Picture1",
     .caption = "β",
     .twips = {2640, 4200, 375, 255},
     .tabIndex = 12,
     .font = ControlFont::Greek,
     .settings = StartSetting(Element::Label_Beta)},
};

// Whether a row starts as its enumerated control does.
constexpr bool StartsAs(const TextBoxRow& box, const ControlRow& row)
{
    return row.caption == box.initialText;
}
constexpr bool StartsAs(const OptionButtonRow& option, const ControlRow& row)
{
    return static_cast<bool>(row.settings & SelectedAtStart) == option.selectedAtStart;
}
constexpr bool StartsAs(const ElementRow& element, const ControlRow& row)
{
    return !(row.settings & HiddenAtStart) == element.visibleAtStart;
}

// Every text box and option button of the table is one of the enumerated controls, in the order
// of the enumerators, and each enumerated control has exactly one row, of the kind the window
// looks it up as and in its start state: looking a control up by its name cannot fail.
template <typename Row, std::size_t Count>
constexpr bool RowsFollowEnumerators(const Row (&controls)[Count],
                                     std::optional<ControlKind> kind = std::nullopt)
{
    std::size_t next = 0;
    for (const ControlRow& row : Form1Table) {
        const bool named =
            std::any_of(std::begin(controls), std::end(controls),
                        [&row](const Row& control) { return control.name == row.name; });
        if (!named && !(kind && row.kind == *kind))
            continue;
        if (next == Count || row.name != controls[next].name || (kind && row.kind != *kind) ||
            !StartsAs(controls[next], row))
            return false;
        ++next;
    }
    return next == Count;
}
static_assert(RowsFollowEnumerators(TextBoxes, ControlKind::TextBox));
static_assert(RowsFollowEnumerators(OptionButtons, ControlKind::OptionButton));
static_assert(RowsFollowEnumerators(Elements));

// The two controls the window looks up by name alone.
constexpr bool HasOneRow(std::string_view name, ControlKind kind)
{
    const auto named = [name](const ControlRow& row) {
        return row.name == name;
    };
    return std::count_if(std::begin(Form1Table), std::end(Form1Table), named) == 1 &&
           std::find_if(std::begin(Form1Table), std::end(Form1Table), named)->kind == kind;
}
static_assert(HasOneRow("Command1", ControlKind::CommandButton));
static_assert(HasOneRow("Picture1", ControlKind::Picture));
