#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace
{

QString FirstInstalled(const QStringList& families)
{
    for (const QString& family : families) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    return families.back();
}

QFont Font(const QStringList& families, qreal pointSize)
{
    QFont font(FirstInstalled(families));
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
