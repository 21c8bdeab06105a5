#include "ui/FormAbout.h"

#include "ui/Colours.h"
#include "ui/ControlTable.h"
#include "ui/Twips.h"

namespace {

constexpr Rgb DarkGreen{0, 128, 0};
constexpr Rgb Blue{0, 0, 255};

// The About window's labels, from top to bottom, on the window's light yellow.
constexpr ControlRow FormAboutTable[] = {
    {"Label2",
     ControlKind::Label,
     "",
     "Program for solving",
     {720, 120, 2055, 255},
     0,
     ControlFont::AboutTitle,
     {},
     {},
     NoSetting,
     DarkGreen},
    {"Label3",
     ControlKind::Label,
     "",
     "Oblique Shock Equations",
     {480, 360, 2535, 255},
     1,
     ControlFont::AboutTitle,
     {},
     {},
     NoSetting,
     DarkGreen},
    {"Label7",
     ControlKind::Label,
     "",
     "by the Oblique Shock team",
     {480, 960, 2775, 255},
     4,
     ControlFont::AboutText},
    {"Label8",
     ControlKind::Label,
     "",
     "last update: April 2007",
     {480, 1320, 2415, 255},
     5,
     ControlFont::AboutText},
    {"Label4",
     ControlKind::Label,
     "",
     "For comments and questions e-mail to",
     {120, 1680, 3375, 255},
     2,
     ControlFont::AboutText},
    {"Label5",
     ControlKind::Label,
     "",
     "shock@example.org",
     {840, 1920, 1935, 255},
     3,
     ControlFont::AboutText,
     {},
     {},
     NoSetting,
     Blue},
};

} // namespace

FormAbout::FormAbout(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form_About");
    setWindowTitle("About");
    setAutoFillBackground(true);
    SetPaletteColour(this, QPalette::Window, LightYellow);
    resize(TwipsToPixels(3600), TwipsToPixels(2430));
    BuildControls(FormAboutTable, this);
}
