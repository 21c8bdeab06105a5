#pragma once

#include "calc/RequestOutcome.h"
#include "form/ControlModel.h"
#include "physics/PerfectGas.h"
#include "reactions/ShockDetails.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One request as a user makes it in a fresh window: the output chosen (none: no output option
// clicked), the branch and the texts typed into the input boxes (none: the box is left as the
// output choice blanked it); and the gas, which the window has as Air and the shell may change.
struct ShellRequest {
    std::optional<OptionButton> output;
    OptionButton branch = OptionButton::Option_Weak;
    std::optional<std::string> M1;
    std::optional<std::string> Teta;
    std::optional<std::string> Beta;
    PerfectGas gas = Air;
};

// What the window shows after the click: every box's text, which of them the click wrote, and the
// messages in the order they were shown; and the whole shock of the request.
struct ShellAnswer {
    RequestOutcome outcome;
    ShockDetails shock;
    std::array<std::string, std::size(AllTextBoxes)> texts;
    std::array<bool, std::size(AllTextBoxes)> written{};
    std::vector<std::string> messages;

    const std::string& Text(TextBox box) const { return texts[static_cast<std::size_t>(box)]; }
    bool Written(TextBox box) const { return written[static_cast<std::size_t>(box)]; }
};

// Makes the request on a fresh shell form, as a user does in a fresh window: the output choice
// (SelectOutput), the branch, the typing and the click on the calculate button (Command1_Click).
// The chart is drawn on `chart` when one is given: outcome.chartRedrawn tells whether it shows
// this request's chart, to be written out by whoever passed it.
ShellAnswer Answer(const ShellRequest& request, const std::string& decimalSeparator,
                   ChartSurface* chart = nullptr);

// What a user of the shell is told of the texts the request reads: for each input box whose typed
// text goes on after the number the box reads it as, `M1 "2,5" read as 2` (the box's name as the
// batch's header has it, the text, the value in the shortest digits that read back as it, with
// `decimalSeparator`), in the order M1, Teta, Beta. Texts the request does not read (the
// output's own, and every text when no output is chosen) and texts beyond a double's range (the
// request itself says "Arithmetic overflow") have no note.
std::vector<std::string> ReadNotes(const ShellRequest& request,
                                   const std::string& decimalSeparator);

// The ratio of specific heats a shell user gives, written as a plain decimal number, digits with
// an optional fraction after `decimalMark` ("1.3", "2", "2."; no sign, blank, exponent or other
// mark), 1 < γ ≤ 3; none for any other text. The window's γ, 1.4, reads as Air.
std::optional<PerfectGas> GasOfRatio(std::string_view text, char decimalMark = '.');

// The exit status of a request from the shell: 0 solved, 3 refused (no output chosen or an input
// out of range), 4 no attached shock, 5 calculation failed.
int ExitStatus(OutcomeKind kind);
