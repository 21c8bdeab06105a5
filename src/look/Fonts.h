#pragma once

#include <QFont>

// The main window's font: narrow enough that every caption and every value fits the controls,
// whose sizes were drawn for a small dialog font.
QFont DialogFont();
// The four Greek captions (β =, θ =, β, θ): 8.25 pt in a family that has the Greek letters.
QFont GreekFont();
// The About window's labels: Verdana where installed, otherwise a similar sans-serif.
QFont AboutFont(qreal pointSize);
