#include "window/FormAbout.h"

#include "drawing/Colours.h"
#include "window/ControlTable.h"
#include "window/FormAboutTable.h"
#include "window/PaletteColour.h"
#include "window/Twips.h"

FormAbout::FormAbout(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form_About");
    setWindowTitle("About");
    setAutoFillBackground(true);
    SetPaletteColour(this, QPalette::Window, LightYellow);
    resize(TwipsToPixels(3600), TwipsToPixels(2430));
    BuildControls(FormAboutTable, this);
}
