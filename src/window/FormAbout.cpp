#include "window/FormAbout.h"

#include "drawing/Colours.h"
#include "layout/FormAboutTable.h"
#include "window/ControlTable.h"
#include "window/PaletteColour.h"
#include "window/Twips.h"

FormAbout::FormAbout(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form_About");
    setWindowTitle("About");
    setAutoFillBackground(true);
    SetPaletteColour(this, QPalette::Window, LightYellow);
    resize(TwipsToPixels(FormAboutClientTwips).size());
    BuildControls(FormAboutTable, this);
}
