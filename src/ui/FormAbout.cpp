#include "ui/FormAbout.h"

#include "drawing/Colours.h"
#include "ui/ControlTable.h"
#include "ui/FormAboutTable.h"
#include "ui/PaletteColour.h"
#include "ui/Twips.h"

FormAbout::FormAbout(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form_About");
    setWindowTitle("About");
    setAutoFillBackground(true);
    SetPaletteColour(this, QPalette::Window, LightYellow);
    resize(TwipsToPixels(3600), TwipsToPixels(2430));
    BuildControls(FormAboutTable, this);
}
