#include "ui/TextBoxEdit.h"

#include <QEvent>
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

void TextBoxEdit::SetDescription(const QString& description)
{
    m_description = description;
    UpdateHints();
}

int TextBoxEdit::Room() const
{
    if (m_room < 0) {
        // The room the line edit lays its text out in, as it measures it when it paints.
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                                   .marginsRemoved(textMargins());
        m_room = contents.width() - 2 * HorizontalMargin;
    }
    return m_room;
}

bool TextBoxEdit::ShowsWholeText() const
{
    return qRound(QFontMetricsF(font()).horizontalAdvance(text())) + 1 <= Room();
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
    QLineEdit::changeEvent(event);
}

void TextBoxEdit::UpdateHints()
{
    const bool whole = ShowsWholeText();
    setToolTip(whole ? QString() : text());
    setAccessibleDescription(whole ? m_description
                                   : QString("%1; whole text: %2").arg(m_description, text()));
}
