#pragma once

#include <QtGlobal>

#include <string_view>

// Opening the window platform. A platform that the toolkit cannot open (no X server answers, a
// plugin that is not installed) is reported by the toolkit in warnings and then ends in an abort
// with advice to reinstall. While the application object is made, the toolkit's messages are held
// back: if it cannot open a platform, the program says why in one line and exits with status 1;
// otherwise the held messages are passed on as usual.
void HoldStartUpMessages();
void ReleaseStartUpMessages();

// The platforms the toolkit chooses by itself where none is named, ";" between them: an X or a
// Wayland display on the free Unix systems; elsewhere (Windows, macOS, a web browser) one that no
// display variable names.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID) && !defined(Q_OS_WASM)
inline constexpr std::string_view DefaultPlatforms = "xcb;wayland";
#else
inline constexpr std::string_view DefaultPlatforms = "";
#endif

// Whether the platforms the toolkit may use all need a display that is not there: xcb an X
// display (DISPLAY), wayland a Wayland display (WAYLAND_DISPLAY). QT_QPA_PLATFORM may list
// several, separated by ";"; without it the toolkit takes `defaultPlatforms`. A platform given on
// the command line, or any other one (offscreen, windows, cocoa), needs none that can be checked
// here.
bool DisplayMissing(int argc, char* argv[], std::string_view defaultPlatforms = DefaultPlatforms);
