#pragma once

#include "form/ControlModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class RecordingForm;

// One click as raw bytes, as the click fuzzer and its seeds in fuzz/corpus hold it:
//
//   byte 0     the option buttons, in a state the window can reach:
//                bits 0–1  the output: 0 none (the window as loaded), 1 Option_M1,
//                          2 Option_Teta, 3 Option_Beta
//                bit 2     the branch: 0 Option_Weak, 1 Option_Strong
//                bits 3–7  ignored
//              The digits '0'…'7' (0x30…0x37) give the eight states, so a seed stays
//              readable: '3' is β weak, '7' β strong, '2' θ, '1' M1, '0' no output.
//   the rest   the texts of Text_M1, Text_Teta and Text_Beta, in that order, separated by
//              '|'. A box whose text is missing stays empty; every '|' after the second
//              belongs to Text_Beta.
//
// No bytes at all read as the window just loaded: no output, weak, all boxes empty.
struct ClickInput {
    std::optional<OptionButton> output;              // Option_M1, Option_Teta, Option_Beta or none
    OptionButton branch = OptionButton::Option_Weak; // Option_Weak or Option_Strong
    std::string M1;
    std::string Teta;
    std::string Beta;
};

ClickInput DecodeClickInput(std::string_view bytes);
ClickInput DecodeClickInput(const std::uint8_t* data, std::size_t size);

// Puts the decoded options and texts on a form, as the user would choose and type them.
void Fill(RecordingForm& form, const ClickInput& input);
