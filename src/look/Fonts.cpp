#include "look/Fonts.h"

#include <QStringList>

namespace {

// The first installed family of the list is used; the font matcher walks the list itself,
// which is much cheaper at start-up than asking the font database about each family. The
// Debian package depends on fonts-liberation and fonts-dejavu-core, so there the first family of
// the main window's lists is always installed, and DejaVu Sans stands in for Verdana.
QFont Font(const QStringList& families, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont DialogFont()
{
    return Font({"Liberation Sans Narrow", "Arial Narrow", "DejaVu Sans Condensed", "DejaVu Sans"},
                8);
}

QFont GreekFont()
{
    return Font({"Liberation Sans", "Arimo", "DejaVu Sans"}, 8.25);
}

QFont AboutFont(qreal pointSize)
{
    return Font({"Verdana", "DejaVu Sans", "Liberation Sans"}, pointSize);
}
