#pragma once

// Opening the window platform. A platform that the toolkit cannot open (no X server answers, a
// plugin that is not installed) is reported by the toolkit in warnings and then ends in an abort
// with advice to reinstall. While the application object is made, the toolkit's messages are held
// back: if it cannot open a platform, the program says why in one line and exits with status 1;
// otherwise the held messages are passed on as usual.
void HoldStartUpMessages();
void ReleaseStartUpMessages();
