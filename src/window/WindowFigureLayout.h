#pragma once

#include "drawing/ChartFigure.h"

// The layout of the main window's chart area at the screen's resolution, in the window's fonts:
// the figure that the window and the command line save.
FigureLayout WindowFigureLayout();
