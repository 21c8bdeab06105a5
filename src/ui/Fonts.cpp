#include "ui/Fonts.h"

#include <QStringList>

namespace {

// The first installed family of the list is used; the font matcher walks the list itself,
// which is much cheaper at start-up than asking the font database about each family. On
// Debian the families come from fonts-liberation and fonts-dejavu-core, which the package
// depends on.
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
    return Font({"Liberation Sans Narrow", "Arial Narrow", "DejaVu Sans"}, 8);
}

QFont GreekFont()
{
    return Font({"Liberation Sans", "DejaVu Sans"}, 8.25);
}

QFont AboutFont(qreal pointSize)
{
    return Font({"Verdana", "DejaVu Sans", "Liberation Sans"}, pointSize);
}
