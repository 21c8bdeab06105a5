#include "window/TextBoxEdit.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include <limits>

namespace {

// The blank the line edit keeps on each side of its text.
constexpr int HorizontalMargin = 2;

} // namespace

TextBoxEdit::TextBoxEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    // The classic style's panel fills the inside and draws a two-pixel border, so the box
    // covers every pixel of its rectangle: nothing beneath it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QLineEdit::textChanged, this, &TextBoxEdit::UpdateHints);
}

void TextBoxEdit::ShowValue(const QString& text)
{
    setText(text);
    setCursorPosition(0);
}

void TextBoxEdit::SetDescription(const QString& description)
{
    m_description = description;
    UpdateHints();
}

bool TextBoxEdit::ShowsWholeText() const
{
    // The room the line edit lays its text out in, as it measures it when it paints.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    const int room = contents.width() - 2 * HorizontalMargin;
    return qRound(QFontMetricsF(font()).horizontalAdvance(text())) + 1 <= room;
}

void TextBoxEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    UpdateHints();
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
