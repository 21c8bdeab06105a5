#pragma once

// The requests that go through the click: what is typed into each box and chosen, the listed
// ones (grids of chosen texts, odd texts and faults) and the pseudo-random sweep.

#include "support/RecordingForm.h"

#include <optional>
#include <string>
#include <vector>

namespace golden {

struct Request {
    std::optional<OptionButton> output; // none: no output option chosen
    std::optional<OptionButton> branch; // Option_Weak or Option_Strong; none: neither selected
    std::string separator = ".";
    std::optional<std::string> M1; // none: the box is not typed into
    std::optional<std::string> Teta;
    std::optional<std::string> Beta;
};

// Texts every box is tried with: blanks, odd forms and faults.
const std::vector<std::string>& OddTexts();

// The requests from fixed lists of texts, on every output choice, branch and separator.
std::vector<Request> ListedRequests();

// The pseudo-random sweep, the same with every standard library (GoldenRandom.cpp).
std::vector<Request> RandomRequests();

} // namespace golden
