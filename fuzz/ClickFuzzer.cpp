// Feeds arbitrary box texts and option states through ParseNumber and a whole click on the
// recording main window. Every click must end with an outcome, and nothing written, drawn or
// shown may be non-finite.
//
// Input: the first byte selects the options (bits 0–2: M1, θ, β as output; bits 3–4: weak,
// strong); the rest is the text of Text_M1, Text_Teta and Text_Beta, separated by '|'.

#include "calc/Command1Click.h"
#include "form/ArithmeticFault.h"
#include "form/ParseNumber.h"
#include "support/RecordingForm.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool ShowsNonFinite(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t options = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

    std::string texts[3];
    std::size_t field = 0;
    for (char c : rest) {
        if (c == '|' && field < 2)
            ++field;
        else
            texts[field] += c;
    }

    for (const std::string& text : texts) {
        try {
            Require(std::isfinite(ParseNumber(text)));
        } catch (const ArithmeticFault&) {
        }
    }

    RecordingForm form;
    form.selected.clear();
    const OptionButton buttons[] = {OptionButton::Option_M1, OptionButton::Option_Teta,
                                    OptionButton::Option_Beta, OptionButton::Option_Weak,
                                    OptionButton::Option_Strong};
    for (int bit = 0; bit < 5; ++bit) {
        if (options & (1u << bit))
            form.selected.insert(buttons[bit]);
    }
    form.Type(TextBox::Text_M1, texts[0]);
    form.Type(TextBox::Text_Teta, texts[1]);
    form.Type(TextBox::Text_Beta, texts[2]);

    FormState state;
    const RequestOutcome outcome = Command1_Click(form, state);

    switch (outcome.kind) {
    case OutcomeKind::Solved:
        Require(std::isfinite(outcome.M1) && std::isfinite(outcome.Beta) &&
                std::isfinite(outcome.Teta));
        Require(!form.surface.calls.empty() && form.messages.empty());
        break;
    case OutcomeKind::NoAttachedSolution:
        Require(std::isfinite(outcome.M1) && std::isfinite(outcome.Teta));
        Require(!form.surface.calls.empty() && form.messages.back() == "Teta > TetaMax");
        break;
    case OutcomeKind::NoOutputChosen:
    case OutcomeKind::Rejected:
    case OutcomeKind::CalculationFailed:
        Require(form.surface.calls.empty() && form.messages.size() == 1);
        break;
    }
    for (const std::string& event : form.events)
        Require(!ShowsNonFinite(event.substr(event.find(' '))));
    for (const SurfaceCall& call : form.surface.calls) {
        for (float arg : call.args)
            Require(std::isfinite(arg));
    }
    return 0;
}
