#include "ui/TextBoxEdit.h"

#include "ui/Fonts.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <limits>

namespace {

// The blank the line edit keeps on each side of its text.
constexpr int HorizontalMargin = 2;

// The characters of the numbers the program writes and of the blank of an emptied box.
constexpr QStringView NumberAlphabet = u"0123456789.,+-Ee ";

// The line edit shows a control character, a line or paragraph separator and an object
// replacement character as a blank.
QString DisplayText(QString text)
{
    for (QChar& c : text) {
        if ((c.unicode() < 0x20 && c.unicode() != 0x09) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
            c = QChar(0x20);
    }
    return text;
}

} // namespace

TextBoxEdit::TextBoxEdit(const QString& text, QWidget* parent) : QLineEdit(text, parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    // The classic style's panel fills the inside and draws a two-pixel border, so the box
    // covers every pixel of its rectangle: nothing beneath it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_layout.setCacheEnabled(true);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
        MatchShaper(now);
        LayOut();
        UpdateHints();
    });
    MatchShaper(text);
    LayOut();
}

void TextBoxEdit::ShowValue(const QString& text)
{
    MatchShaper(text); // before the line edit lays the text out, so that it does so once
    setText(text);
    setCursorPosition(0); // show the value from its first character
}

void TextBoxEdit::MatchShaper(const QString& text)
{
    if (!m_numbers) {
        // The same for every box of the window: asked once for its font at its resolution.
        static QHash<QString, std::shared_ptr<const UnshapedLayouts>> known;
        const QFont shaped = Shaped(font());
        auto& numbers = known[shaped.key() + u'@' + QString::number(logicalDpiY())];
        if (!numbers)
            numbers = std::make_shared<const UnshapedLayouts>(shaped, NumberAlphabet);
        m_numbers = numbers;
    }
    const bool unshaped = m_numbers->Alike(text);
    if (unshaped == m_unshaped)
        return;
    m_unshaped = unshaped;
    // Only the strategy is the box's own: everything else of the font is still the window's.
    QFont strategy;
    if (unshaped)
        strategy.setStyleStrategy(QFont::PreferNoShaping);
    m_switchingShaper = true;
    setFont(strategy);
    m_switchingShaper = false;
}

void TextBoxEdit::SetDescription(const QString& description)
{
    m_description = description;
    UpdateHints();
}

QRect TextBoxEdit::TextArea() const
{
    // The area the line edit clips its text to, as it measures it when it paints.
    if (!m_textArea) {
        QStyleOptionFrame option;
        initStyleOption(&option);
        m_textArea = style()
                         ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                         .marginsRemoved(textMargins());
    }
    return *m_textArea;
}

int TextBoxEdit::Room() const
{
    return TextArea().width() - 2 * HorizontalMargin;
}

bool TextBoxEdit::ShowsWholeText() const
{
    // The line edit scrolls exactly when its laid-out text and a pixel for the cursor are wider
    // than the room.
    return m_width + 1 <= Room();
}

void TextBoxEdit::LayOut()
{
    // As the line edit lays out what it shows: in its font and direction, trailing blanks
    // included, on one line.
    if (!m_inkChecked || font() != m_layout.font()) {
        m_inkChecked = true;
        const QFontMetrics metrics = fontMetrics();
        m_numberInkFits =
            metrics.boundingRect(NumberAlphabet.toString()).height() <= metrics.height();
        m_layout.setFont(font());
    }
    const QString shown = text();
    m_number = std::all_of(shown.cbegin(), shown.cend(),
                           [](QChar c) { return NumberAlphabet.contains(c); });
    m_layout.setText(DisplayText(shown));
    QTextOption option = m_layout.textOption();
    option.setTextDirection(layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    m_layout.setTextOption(option);
    m_layout.clearLayout();
    m_layout.beginLayout();
    const QTextLine line = m_layout.createLine();
    m_layout.endLayout();
    m_width = qRound(line.naturalTextWidth());
}

void TextBoxEdit::resizeEvent(QResizeEvent* event)
{
    m_textArea.reset();
    QLineEdit::resizeEvent(event);
    UpdateHints();
}

void TextBoxEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::LayoutDirectionChange)
        m_textArea.reset();
    const bool newFont = event->type() == QEvent::FontChange && !m_switchingShaper;
    if (newFont)
        m_numbers.reset();
    QLineEdit::changeEvent(event);
    if (newFont)
        MatchShaper(text()); // the window's new font may lay numbers out otherwise
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange) {
        LayOut();
        UpdateHints();
    }
}

void TextBoxEdit::dragEnterEvent(QDragEnterEvent* event)
{
    m_dragOver = true;
    QLineEdit::dragEnterEvent(event);
}

void TextBoxEdit::dragLeaveEvent(QDragLeaveEvent* event)
{
    m_dragOver = false;
    QLineEdit::dragLeaveEvent(event);
}

void TextBoxEdit::dropEvent(QDropEvent* event)
{
    m_dragOver = false;
    QLineEdit::dropEvent(event);
}

void TextBoxEdit::UpdateHints()
{
    const bool whole = ShowsWholeText();
    setToolTip(whole ? QString() : text());
    setAccessibleDescription(whole ? m_description
                                   : QString("%1; whole text: %2").arg(m_description, text()));
}

bool TextBoxEdit::DrawsNumber() const
{
    // Only where the line edit would draw nothing but the text, from its start: no cursor, no
    // selection, no placeholder, no buttons, no style sheet, aligned left and centred. And only
    // while the line edit's own scrolling stands where it would have been had it painted.
    return m_number && m_numberInkFits && ShowsWholeText() && m_lineEditAtStart && !m_dragOver &&
           !hasFocus() && !hasSelectedText() && echoMode() == QLineEdit::Normal &&
           alignment() == (Qt::AlignLeft | Qt::AlignVCenter) &&
           layoutDirection() == Qt::LeftToRight && inputMask().isEmpty() &&
           !isClearButtonEnabled() && actions().isEmpty() && styleSheet().isEmpty() &&
           qApp->styleSheet().isEmpty();
}

void TextBoxEdit::paintEvent(QPaintEvent* event)
{
    if (DrawsNumber()) {
        PaintNumber();
        return;
    }
    QLineEdit::paintEvent(event);
    m_lineEditAtStart = m_number && ShowsWholeText();
}

void TextBoxEdit::PaintNumber()
{
    // The line edit's paint for this case, from the kept layout. A number's glyphs stay within
    // the font's height, so the line's height is the font's, and the text fits, so it starts
    // at the left of the room.
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = TextArea();
    painter.setClipRect(area);
    const QFontMetrics metrics = fontMetrics();
    const int top = area.y() + (area.height() - metrics.height() + 1) / 2;
    const int ascent = qRound(m_layout.lineAt(0).ascent());
    const QPoint origin(area.x() + HorizontalMargin, top - (ascent - metrics.ascent()));
    painter.setPen(palette().text().color());
    m_layout.draw(&painter, origin, {}, area);
}
