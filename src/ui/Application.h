#pragma once

// The application's name, version and look, set once after the QApplication is constructed:
// by main, and by the tests and benchmarks that build the windows.
void SetUpApplication();
