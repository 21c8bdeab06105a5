#pragma once

#include "calc/RequestOutcome.h"
#include "form/ControlModel.h"

#include <array>
#include <optional>
#include <string>

// The values of one click on the calculate button, as Copy Results puts them on the clipboard:
// the two input boxes of the chosen output as the click read them and every box the click wrote,
// never what an earlier click left in a box. The set kept is that of the request the chart
// shows: a click that draws its chart replaces it, one that leaves the chart as it was (a
// refusal, a fault before the drawing) leaves it, and an output choice, which clears the chart,
// empties it.
class ClickResults {
public:
    // Before the click: the output chosen on `form` and the texts of its input boxes.
    void Begin(const ControlModel& form);
    // During the click: a box it wrote and the text written.
    void Wrote(TextBox box, const std::string& text);
    // After the click, with its outcome.
    void End(const RequestOutcome& outcome);
    void Clear();

    bool Empty() const { return m_kept.empty(); }
    // One line per value, "name<TAB>value" in the window's order (M1, θ, β, Mn1, Mn2, M2, p2/p1,
    // T2/T1), each value as its box showed it, without blanks at its ends; a tab or line break
    // inside a box would split the row, so it becomes a blank. A detached shock says so in β's
    // row.
    const std::string& Text() const { return m_kept; }
    // The request of the set kept, whose whole shock the window's shock details show; none
    // where the set is empty.
    const std::optional<RequestOutcome>& Request() const { return m_request; }

private:
    // What the click under way read and wrote, box by box.
    std::array<std::optional<std::string>, std::size(AllTextBoxes)> m_click;
    std::string m_kept; // the text of the set kept
    std::optional<RequestOutcome> m_request;
};

// Whether a box's text is a value: anything but blanks (the output choice leaves a box " ").
bool HoldsValue(const std::string& text);
