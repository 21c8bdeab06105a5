#pragma once

// The title of the main window and of every message box.
inline constexpr const char* ApplicationTitle = "Oblique Shock Calculator";

// The application's name, version, look and font, set once after the QApplication is
// constructed: by main, and by the tests and benchmarks that build the windows.
void SetUpApplication();
