#pragma once

#include <QFont>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The main window's font: narrow enough that every caption and every value fits the controls,
// whose sizes were drawn for a small dialog font.
QFont DialogFont();
// The four Greek captions (β =, θ =, β, θ): 8.25 pt in a family that has the Greek letters.
QFont GreekFont();
// The About window's labels: Verdana where installed, otherwise a similar sans-serif.
QFont AboutFont(qreal pointSize);

// Which texts made of the characters of an alphabet a font lays out alike without the text
// shaper: the same glyphs at the same places as with it. The shaper is what applies a font's
// kerning of a pair when the font keeps it only in its OpenType tables, as Liberation Sans
// Narrow does for "11"; laying a text out by character-map look-up alone costs a small part of
// shaping it.
class UnshapedLayouts {
public:
    UnshapedLayouts(const QFont& font, QStringView alphabet);

    // Whether `text` is made of the alphabet's characters, none of its neighbouring pairs moved
    // by the shaper.
    bool Alike(QStringView text) const;
    // The width of such a text, as the font measures it, from the advances of its characters:
    // where every character steps the same whatever follows it.
    std::optional<qreal> Width(QStringView text) const;

private:
    // The character's place in the alphabet, -1 for any other; by table for the first 128.
    qsizetype Place(QChar c) const
    {
        return c.unicode() < m_places.size() ? m_places[c.unicode()] : m_alphabet.indexOf(c);
    }

    QString m_alphabet;
    std::array<qint16, 128> m_places;
    std::vector<bool> m_moved;     // by the first character's place, then the second's
    bool m_comparable = false;     // one glyph a character, in one font, both ways
    std::vector<qreal> m_advances; // by the character's place; empty where steps differ
};

// The font as it is, and with the no-shaping strategy.
QFont Shaped(QFont font);
QFont Unshaped(QFont font);
