#include "web/PageForm.h"

#include <emscripten.h>

#include <memory>

// The page's entry points: what the user does, as the script passes it on.
namespace {

std::unique_ptr<PageForm> page;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void PageStart(const char* decimalSeparator, double devicePixelRatio)
{
    page = std::make_unique<PageForm>(decimalSeparator, devicePixelRatio);
}

// An option button clicked, by its name.
EMSCRIPTEN_KEEPALIVE void PageChooseOption(const char* name)
{
    for (OptionButton option : AllOptionButtons) {
        if (ControlName(option) == name)
            page->ChooseOption(option);
    }
}

EMSCRIPTEN_KEEPALIVE void PageClick()
{
    page->Click();
}

EMSCRIPTEN_KEEPALIVE void PageShowAbout()
{
    page->ShowAbout();
}

EMSCRIPTEN_KEEPALIVE void PageSetDevicePixelRatio(double ratio)
{
    page->SetDevicePixelRatio(ratio);
}

EMSCRIPTEN_KEEPALIVE void PageTellChart(int tell)
{
    page->TellChart(tell != 0);
}

EMSCRIPTEN_KEEPALIVE const char* PageResultsText()
{
    return page->ResultsText().c_str();
}

} // extern "C"
