#include "window/TextBoxEdit.h"

#include "look/Fonts.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QPaintEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// What a font lays out alike without the shaper: the same for every box of the window, asked
// once for each font at each resolution.
std::shared_ptr<const UnshapedLayouts> NumbersFor(const QFont& shaped, int dpi)
{
    struct Known {
        QFont font;
        int dpi;
        std::shared_ptr<const UnshapedLayouts> numbers;
    };
    static std::vector<Known> known;
    const auto found = std::find_if(known.begin(), known.end(), [&](const Known& entry) {
        return entry.font == shaped && entry.dpi == dpi;
    });
    if (found != known.end())
        return found->numbers;
    known.push_back({shaped, dpi,
                     std::make_shared<const UnshapedLayouts>(shaped, TextBoxEdit::NumberAlphabet)});
    return known.back().numbers;
}

// The blank the line edit keeps on each side of its text.
constexpr int HorizontalMargin = 2;

} // namespace

TextBoxEdit::TextBoxEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    // The classic style's panel fills the inside and draws a two-pixel border, so the box
    // covers every pixel of its rectangle: nothing beneath it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
        if (!m_showingValue)
            MatchShaper(now);
        UpdateHints();
    });
    // The box opens in the shaped font; the first text it is given decides, so that the font
    // is asked about its numbers when a number is first shown, not while the window opens.
}

void TextBoxEdit::ShowValue(const QString& text)
{
    MatchShaper(text); // before the line edit lays the text out, so that it does so once
    // The line edit asks for the box to be repainted at each step; it is asked once, after.
    // Where a parent holds updates back, the box is left as the parent set it.
    const bool gather = updatesEnabled();
    if (gather)
        setUpdatesEnabled(false);
    m_showingValue = true;
    setText(text);
    m_showingValue = false;
    setCursorPosition(0); // show the value from its first character
    if (gather)
        setUpdatesEnabled(true);
}

void TextBoxEdit::MatchShaper(const QString& text)
{
    if (m_ownFont)
        return;
    if (m_unshaped && WindowFont().styleStrategy() != m_windowStrategy) {
        // The window's strategy changed, which the box's own strategy hides from it: the box
        // takes the window's font up again before adding no shaping to it anew.
        SetUnshaped(false);
    }
    bool unshaped = false;
    // A style sheet may set the font itself: it is left to do so.
    if (!m_composing && placeholderText().isEmpty() && !StyleSheeted()) {
        if (!m_numbers)
            m_numbers = NumbersFor(Shaped(font()), logicalDpiY());
        unshaped = m_numbers->Alike(text);
    }
    if (unshaped != m_unshaped)
        SetUnshaped(unshaped);
}

bool TextBoxEdit::StyleSheeted() const
{
    // Asked by the style's class, which says it, once for each class the box meets.
    const QMetaObject* styleClass = style()->metaObject();
    if (styleClass != m_styleClass) {
        m_styleClass = styleClass;
        m_styleSheeted = style()->inherits("QStyleSheetStyle");
    }
    return m_styleSheeted;
}

void TextBoxEdit::SetUnshaped(bool unshaped)
{
    // Only the strategy is the box's own: everything else of the font is still the window's,
    // and so is the rest of the strategy, as it is now.
    QFont strategy;
    if (unshaped) {
        m_inheritedStrategy = font().styleStrategy();
        m_windowStrategy = WindowFont().styleStrategy();
        strategy.setStyleStrategy(
            QFont::StyleStrategy(m_inheritedStrategy | QFont::PreferNoShaping));
    }
    m_unshaped = unshaped;
    m_switchingShaper = true;
    setFont(strategy);
    m_switchingShaper = false;
}

QFont TextBoxEdit::WindowFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font(this);
}

QFont TextBoxEdit::InheritedFont() const
{
    QFont inherited = font();
    if (m_unshaped)
        inherited.setStyleStrategy(m_inheritedStrategy);
    return inherited;
}

QVariant TextBoxEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return inputMethodQuery(query, QVariant());
}

QVariant TextBoxEdit::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const
{
    if (query == Qt::ImFont)
        return InheritedFont();
    return QLineEdit::inputMethodQuery(query, argument);
}

void TextBoxEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Text being composed is laid out with the rest, in whatever script: it is shaped.
    m_composing = !event->preeditString().isEmpty();
    if (m_composing)
        MatchShaper(text());
    QLineEdit::inputMethodEvent(event);
    if (!m_composing)
        MatchShaper(text());
}

void TextBoxEdit::paintEvent(QPaintEvent* event)
{
    // A placeholder, which is set without an event, is drawn in the shaped font.
    if (m_unshaped && ((text().isEmpty() && !placeholderText().isEmpty()) ||
                       WindowFont().styleStrategy() != m_windowStrategy))
        MatchShaper(text());
    QLineEdit::paintEvent(event);
}

void TextBoxEdit::SetDescription(const QString& description)
{
    m_description = description;
    UpdateHints();
}

int TextBoxEdit::Room() const
{
    // The frame and the text margins change without an event: they are compared.
    if (m_room < 0 || m_roomFramed != hasFrame() || m_roomMargins != textMargins()) {
        // The room the line edit lays its text out in, as it measures it when it paints.
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                                   .marginsRemoved(textMargins());
        m_room = contents.width() - 2 * HorizontalMargin;
        m_roomFramed = hasFrame();
        m_roomMargins = textMargins();
    }
    return m_room;
}

bool TextBoxEdit::ShowsWholeText() const
{
    const QString shown = text();
    // A number laid out without the shaper is measured from its characters' advances.
    const std::optional<qreal> width =
        m_unshaped && m_numbers ? m_numbers->Width(shown) : std::nullopt;
    return qRound(width ? *width : QFontMetricsF(font()).horizontalAdvance(shown)) + 1 <= Room();
}

void TextBoxEdit::resizeEvent(QResizeEvent* event)
{
    m_room = -1;
    QLineEdit::resizeEvent(event);
    UpdateHints();
}

void TextBoxEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::LayoutDirectionChange)
        m_room = -1;
    const bool newFont = event->type() == QEvent::FontChange && !m_switchingShaper;
    if (newFont) {
        // Either the window's font changed, under the box's strategy if it has one, or the box
        // was given a font of its own.
        if (m_unshaped) {
            QFont ours = WindowFont();
            ours.setStyleStrategy(
                QFont::StyleStrategy(m_inheritedStrategy | QFont::PreferNoShaping));
            if (font() != ours) {
                m_ownFont = true; // kept as it was given
                m_unshaped = false;
            }
        } else if (testAttribute(Qt::WA_SetFont)) {
            m_ownFont = true;
        }
        m_numbers.reset();
    }
    QLineEdit::changeEvent(event);
    if (newFont || event->type() == QEvent::StyleChange)
        MatchShaper(text()); // the window's new font or style may lay numbers out otherwise
}

void TextBoxEdit::UpdateHints()
{
    const bool whole = ShowsWholeText();
    // Set only when they change: each setting is announced to the screen reader's side.
    const QString tip = whole ? QString() : text();
    if (tip != toolTip())
        setToolTip(tip);
    const QString description =
        whole ? m_description : QString("%1; whole text: %2").arg(m_description, text());
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}
