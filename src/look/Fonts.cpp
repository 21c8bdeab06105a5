#include "look/Fonts.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>

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

// `text` laid out on one line, as a line edit lays it out.
QList<QGlyphRun> GlyphRuns(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}

// Big-endian numbers of a font table; 0 past its end.
quint32 Read(const QByteArray& table, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i) {
        if (at + i < 0 || at + i >= table.size())
            return 0;
        value = value << 8 | quint8(table[at + i]);
    }
    return value;
}

// Whether every lookup of the font's OpenType substitutions and positionings is one whose effect
// a comparison of pairs side by side shows: no substitutions at all; single and pair
// adjustments of positions, and marks attached (which numbers do not have). Contextual lookups,
// and the tables of Apple's shaping, act on longer runs, which pairs cannot show.
bool OnlyPairwiseShaping(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid() || !raw.fontTable("morx").isEmpty() || !raw.fontTable("mort").isEmpty() ||
        !raw.fontTable("kerx").isEmpty())
        return false;
    const auto lookupTypes = [](const QByteArray& table, int extension) {
        std::vector<quint32> types;
        if (table.isEmpty())
            return types;
        const qsizetype list = Read(table, 8, 2);
        const quint32 count = Read(table, list, 2);
        for (quint32 i = 0; i < count; ++i) {
            const qsizetype lookup = list + Read(table, list + 2 + 2 * i, 2);
            const quint32 type = Read(table, lookup, 2);
            if (type != quint32(extension)) {
                types.push_back(type);
                continue;
            }
            const quint32 subtables = Read(table, lookup + 4, 2);
            for (quint32 j = 0; j < subtables; ++j)
                types.push_back(Read(table, lookup + Read(table, lookup + 6 + 2 * j, 2) + 2, 2));
        }
        return types;
    };
    const QByteArray substitutions = raw.fontTable("GSUB");
    if (!lookupTypes(substitutions, 7).empty() ||
        (!substitutions.isEmpty() && Read(substitutions, 0, 2) != 1))
        return false;
    const QByteArray positions = raw.fontTable("GPOS");
    if (!positions.isEmpty() && Read(positions, 0, 2) != 1)
        return false;
    const std::vector<quint32> types = lookupTypes(positions, 9);
    if (std::any_of(types.begin(), types.end(),
                    [](quint32 type) { return type < 1 || type > 6 || type == 3; }))
        return false;
    // The older kerning table: only its lists of pairs.
    const QByteArray kerning = raw.fontTable("kern");
    if (!kerning.isEmpty()) {
        if (Read(kerning, 0, 2) != 0)
            return false; // Apple's, which may hold state tables
        qsizetype at = 4;
        for (quint32 i = Read(kerning, 2, 2); i > 0; --i) {
            if (Read(kerning, at + 4, 2) >> 8 != 0)
                return false;
            at += Read(kerning, at + 2, 2);
        }
    }
    return true;
}

} // namespace

QFont Shaped(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() & ~QFont::PreferNoShaping));
    return font;
}

QFont Unshaped(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

UnshapedLayouts::UnshapedLayouts(const QFont& font, QStringView alphabet)
    : m_alphabet(alphabet.toString()), m_moved(std::size_t(alphabet.size() * alphabet.size()))
{
    m_places.fill(-1);
    for (qsizetype i = alphabet.size() - 1; i >= 0; --i) {
        if (alphabet[i].unicode() < m_places.size())
            m_places[alphabet[i].unicode()] = qint16(i);
    }
    if (!OnlyPairwiseShaping(font))
        return; // shape everything
    // Every ordered pair of the alphabet side by side, laid out both ways; where the step from
    // one glyph to the next differs, the shaper moved that pair. The text walks from pair to
    // pair, each character the second of one pair and the first of the next, so that it is
    // hardly longer than the pairs are many.
    const qsizetype size = alphabet.size();
    std::vector<bool> walked(std::size_t(size * size));
    QString pairs(alphabet.first(1).toString());
    for (qsizetype last = 0;;) {
        qsizetype next = size - 1;
        while (next >= 0 && walked[std::size_t(last * size + next)])
            --next;
        if (next < 0)
            break;
        walked[std::size_t(last * size + next)] = true;
        pairs.append(alphabet[next]);
        last = next;
    }
    for (qsizetype pair = 0; pair < size * size; ++pair) {
        if (!walked[std::size_t(pair)])
            pairs.append(alphabet[pair / size]).append(alphabet[pair % size]);
    }
    const QList<QGlyphRun> shaped = GlyphRuns(pairs, Shaped(font));
    const QList<QGlyphRun> unshaped = GlyphRuns(pairs, Unshaped(font));
    if (shaped.size() != 1 || unshaped.size() != 1 ||
        shaped[0].glyphIndexes() != unshaped[0].glyphIndexes() ||
        shaped[0].glyphIndexes().size() != pairs.size() ||
        shaped[0].rawFont().familyName() != unshaped[0].rawFont().familyName())
        return; // a ligature, a glyph from another font: compare nothing, shape everything
    // Exactly: a point's own comparison forgives small differences.
    const auto differ = [](QPointF a, QPointF b) {
        return a.x() != b.x() || a.y() != b.y();
    };
    const QList<QPointF> with = shaped[0].positions();
    const QList<QPointF> without = unshaped[0].positions();
    if (differ(with.front(), without.front()))
        return;
    for (qsizetype i = 0; i + 1 < pairs.size(); ++i) {
        const bool moved = differ(with[i + 1] - with[i], without[i + 1] - without[i]);
        const qsizetype at =
            alphabet.indexOf(pairs[i]) * alphabet.size() + alphabet.indexOf(pairs[i + 1]);
        // Each pair stands side by side once or more; moved in any place, it is moved.
        if (moved)
            m_moved[std::size_t(at)] = true;
    }
    m_comparable = true;

    // Laid out without the shaper, the step from a character to the next, the same whatever
    // the next is, is its advance; the steps must add up to the text's whole width. Texts alike
    // both ways are as wide both ways.
    std::vector<qreal> advances(std::size_t(size), -1);
    qreal width = 0;
    for (qsizetype i = 0; i + 1 < pairs.size(); ++i) {
        const QPointF step = without[i + 1] - without[i];
        qreal& advance = advances[std::size_t(alphabet.indexOf(pairs[i]))];
        if (step.y() != 0 || (advance >= 0 && advance != step.x()))
            return;
        advance = step.x();
        width += advance;
    }
    const qreal last = advances[std::size_t(alphabet.indexOf(pairs.back()))];
    if (last < 0 || std::find(advances.begin(), advances.end(), -1) != advances.end() ||
        width + last != QFontMetricsF(Unshaped(font)).horizontalAdvance(pairs))
        return;
    m_advances = std::move(advances);
}

std::optional<qreal> UnshapedLayouts::Width(QStringView text) const
{
    if (m_advances.empty() || !Alike(text))
        return std::nullopt;
    qreal width = 0;
    for (QChar c : text)
        width += m_advances[std::size_t(Place(c))];
    return width;
}

bool UnshapedLayouts::Alike(QStringView text) const
{
    if (!m_comparable)
        return false;
    qsizetype previous = -1;
    for (QChar c : text) {
        const qsizetype at = Place(c);
        if (at < 0)
            return false;
        if (previous >= 0 && m_moved[std::size_t(previous * m_alphabet.size() + at)])
            return false;
        previous = at;
    }
    return true;
}

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
