#pragma once

#include "reactions/ShockDetails.h"
#include "window/ControlTable.h"

#include <array>
#include <string_view>

// The Shock Details window's rows of values, one per value in the order of AllShockValues: a
// label with the value's name and a box with its text, each row 330 twips below the one before.
struct ShockDetailsRow {
    ShockValue value;
    std::string_view label; // the objectName of the name's label
    std::string_view box;   // the objectName of the value's box
    std::string_view accessibleName;
};

inline constexpr ShockDetailsRow ShockDetailsRows[] = {
    {ShockValue::Mn1, "Label_Mn1", "Text_Mn1", "Upstream normal Mach number Mn1"},
    {ShockValue::Mn2, "Label_Mn2", "Text_Mn2", "Downstream normal Mach number Mn2"},
    {ShockValue::M2, "Label_M2", "Text_M2", "Downstream Mach number M2"},
    {ShockValue::p2p1, "Label_p2p1", "Text_p2p1", "Pressure ratio p2/p1"},
    {ShockValue::rho2rho1, "Label_rho2rho1", "Text_rho2rho1", "Density ratio ρ2/ρ1"},
    {ShockValue::T2T1, "Label_T2T1", "Text_T2T1", "Temperature ratio T2/T1"},
    {ShockValue::p02p01, "Label_p02p01", "Text_p02p01", "Total pressure ratio p02/p01"},
    {ShockValue::TetaMax, "Label_TetaMax", "Text_TetaMax",
     "Largest deflection θmax of an attached shock at M1, in degrees"},
    {ShockValue::BetaAtTetaMax, "Label_BetaAtTetaMax", "Text_BetaAtTetaMax",
     "Shock wave angle β at θmax, in degrees"},
    {ShockValue::BetaSonic, "Label_BetaSonic", "Text_BetaSonic",
     "Shock wave angle β of the sonic point, in degrees"},
    {ShockValue::TetaSonic, "Label_TetaSonic", "Text_TetaSonic",
     "Deflection angle θ of the sonic point, in degrees"},
    {ShockValue::Branch, "Label_Branch", "Text_Branch", "Branch of β, weak or strong"},
    {ShockValue::OtherBranch, "Label_OtherBranch", "Text_OtherBranch",
     "Shock wave angle β of the other branch, in degrees"},
    {ShockValue::LeastAttaching, "Label_LeastAttaching", "Text_LeastAttaching",
     "Least M1 that attaches the shock of this θ"},
};

constexpr bool RowsFollowShockValues()
{
    if (std::size(ShockDetailsRows) != std::size(AllShockValues))
        return false;
    for (std::size_t i = 0; i < std::size(AllShockValues); ++i) {
        if (ShockDetailsRows[i].value != AllShockValues[i])
            return false;
    }
    return true;
}
static_assert(RowsFollowShockValues());

// The window's client area.
inline constexpr QSize ShockDetailsTwips{3360, 5970};

// The window's controls: the request the values are of, a label and a box for each value, and
// the copy button. The labels' captions are the values' names (ShockValueName); a label reads its
// caption to a screen reader, the boxes their names.
constexpr auto MakeShockDetailsTable()
{
    constexpr int firstRow = 600;
    constexpr int rowPitch = 330;
    std::array<ControlRow, 2 + 2 * std::size(ShockDetailsRows)> table{};
    std::size_t next = 0;
    table[next++] = {.name = "Label_Request",
                     .kind = ControlKind::Label,
                     .twips = {240, 120, 2880, 435},
                     .tabIndex = 0};
    int top = firstRow;
    for (const ShockDetailsRow& row : ShockDetailsRows) {
        table[next++] = {.name = row.label,
                         .kind = ControlKind::Label,
                         .twips = {240, top, 1215, 255},
                         .tabIndex = 0};
        table[next++] = {.name = row.box,
                         .kind = ControlKind::ValueBox,
                         .twips = {1560, top, 1560, 285},
                         .tabIndex = 0,
                         .accessibleName = row.accessibleName,
                         .accessibleDescription = "Of the request the chart shows"};
        top += rowPitch;
    }
    table[next++] = {.name = "Command_CopyDetails",
                     .kind = ControlKind::CommandButton,
                     .caption = "&Copy",
                     .twips = {240, 5355, 1215, 375},
                     .tabIndex = 1,
                     .accessibleName = "Copy the shock details",
                     .accessibleDescription =
                         "Put the values on the clipboard, one name and value per line"};
    return table;
}
inline constexpr auto FormShockDetailsTable = MakeShockDetailsTable();
