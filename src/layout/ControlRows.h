#pragma once

// A window described as a table, one row per control, in the order the controls are created
// (later rows lie in front of earlier ones in the same container). The front ends build their
// controls, their tab order and their accessible texts from the tables, so a control is added,
// moved or renamed in one row.

#include "form/Rgb.h"

#include <optional>
#include <string_view>

// A place and size in twips, 1440 to the inch (15 to a pixel at 96 dpi).
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

enum class ControlKind {
    Frame,         // a group box; with a caption, or none
    OptionButton,  // option buttons of one container form one selection group
    TextBox,       // a single-line editable box
    ValueBox,      // a single-line box that shows a value, read-only and out of the tab order
    CommandButton, // a push button
    Label,
    Picture,   // the chart area
    AxisLabel, // a label inside the chart area, on its background
};

enum class ControlFont {
    Dialog,     // the application's dialog font
    Greek,      // the four captions showing β and θ
    AboutTitle, // the About window's title lines, 9.75 pt
    AboutText,  // the About window's other lines, 8.25 pt
};

// Settings beyond the common columns.
enum ControlSetting : unsigned {
    NoSetting = 0,
    HiddenAtStart = 1u << 0,
    SelectedAtStart = 1u << 1,
    InFront = 1u << 2, // opaque, in front of every other control of its container
};

struct ControlRow {
    std::string_view name; // the control's name: the window's objectName, the page's id
    ControlKind kind;
    // The name of the frame or picture it sits in; empty: the window.
    std::string_view container = {};
    std::string_view caption = {}; // the caption, or the initial text of a text box
    TwipsRect twips; // relative to the container's top-left corner (inside its border)
    int tabIndex;    // ascending keyboard order among the controls that take focus
    ControlFont font = ControlFont::Dialog;
    std::string_view accessibleName = {};
    std::string_view accessibleDescription = {};
    unsigned settings = NoSetting;
    std::optional<Rgb> textColour = std::nullopt; // the default text colour when none
};
