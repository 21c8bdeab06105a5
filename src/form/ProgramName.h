#pragma once

// The program's name, as every front end gives it: the executable's, the one its messages begin
// with, the application's for the toolkit and the desktop.
inline constexpr char ProgramName[] = "oblique-shock-calculator";
