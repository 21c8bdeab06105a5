#pragma once

#include "layout/ControlRows.h"

#include <QRect>

// Layout values are twips, 1440 to the inch; the screen's logical dpi turns them into pixels
// (15 twips to the pixel at 96 dpi).
int TwipsToPixels(int twips);
QRect TwipsToPixels(TwipsRect twips);
