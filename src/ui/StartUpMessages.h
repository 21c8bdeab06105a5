#pragma once

#include <QString>
#include <QStringList>

// Opening the window platform. A platform that the toolkit cannot open (no X server answers, a
// plugin that is not installed) is reported by the toolkit in warnings and then ends in an abort
// with advice to reinstall. While the application object is made, the toolkit's messages are held
// back: if it cannot open a platform, the program says why in one line and exits with status 1;
// otherwise the held messages are passed on as usual.
void HoldStartUpMessages();
void ReleaseStartUpMessages();

// The one line for a platform that could not be opened, from the toolkit's warnings and its final
// message (which lists the installed platforms).
QString PlatformFailureLine(const QStringList& warnings, const QString& fatal);
