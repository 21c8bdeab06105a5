#pragma once

#include <string>

enum class OutcomeKind {
    NoOutputChosen,     // no output option selected; its message has been shown
    Rejected,           // an input failed a range test; its message has been shown
    Solved,             // the output was computed and written; the chart marks the solution
    NoAttachedSolution, // β asked for but the shock would be detached; chart, line, then message
    CalculationFailed,  // an arithmetic fault abandoned the request; its report has been shown
};

// How one click on the calculate button ended and what the main window draws for it. The
// values are unrounded; angles are in degrees.
struct RequestOutcome {
    OutcomeKind kind = OutcomeKind::NoOutputChosen;
    double M1 = 0.0;          // set for Solved and NoAttachedSolution
    double Beta = 0.0;        // set for Solved
    double Teta = 0.0;        // set for Solved and NoAttachedSolution
    std::string finalMessage; // shown after the chart; only NoAttachedSolution has one
    // The chart was drawn anew: for Solved and NoAttachedSolution, and for a CalculationFailed
    // whose fault came at the drawing step, after the curves.
    bool chartRedrawn = false;
};
