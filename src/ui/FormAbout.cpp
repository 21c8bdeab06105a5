#include "ui/FormAbout.h"

#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QLabel>

FormAbout::FormAbout(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form_About");
    setWindowTitle("About");
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(colours);
    resize(TwipsToPixels(3600), TwipsToPixels(2430));

    struct AboutLabel {
        const char* name;
        const char* text;
        qreal pointSize;
        QColor colour;
        QRect twips;
    };
    const QColor defaultText = palette().color(QPalette::WindowText);
    const QColor darkGreen(0, 128, 0);
    const AboutLabel labels[] = {
        {"Label2", "Program for solving", 9.75, darkGreen, {720, 120, 2055, 255}},
        {"Label3", "Oblique Shock Equations", 9.75, darkGreen, {480, 360, 2535, 255}},
        {"Label7", "by the Oblique Shock team", 8.25, defaultText, {480, 960, 2775, 255}},
        {"Label8", "last update: April 2007", 8.25, defaultText, {480, 1320, 2415, 255}},
        {"Label4",
         "For comments and questions e-mail to",
         8.25,
         defaultText,
         {120, 1680, 3375, 255}},
        {"Label5", "shock@example.org", 8.25, QColor(0, 0, 255), {840, 1920, 1935, 255}},
    };
    for (const AboutLabel& item : labels) {
        auto* label = new QLabel(item.text, this);
        label->setObjectName(item.name);
        label->setFont(AboutFont(item.pointSize));
        label->setGeometry(TwipsToPixels(item.twips));
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, item.colour);
        label->setPalette(text);
    }
}
