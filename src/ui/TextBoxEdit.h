#pragma once

#include <QLineEdit>
#include <QTextLayout>

#include <memory>
#include <optional>

class UnshapedLayouts;

// A text box of the main window. It holds whatever is typed or pasted, however long, so that
// what the user gave is what is read. A text wider than the box is shown from its first
// character and, since the rest is out of sight, whole in the tooltip and in the description a
// screen reader speaks.
//
// The box keeps the text laid out as the line edit lays it out, which measures it for the
// tooltip. A number that fits, in a box the user is not working in, is drawn from that layout
// the way the line edit draws it, without the line edit laying the text out again to measure
// its height.
//
// A number that the font lays out alike without the text shaper is laid out without it: the box
// then has the window's font with the no-shaping strategy, and drops the strategy as soon as it
// holds any other text.
class TextBoxEdit : public QLineEdit {
    Q_OBJECT

public:
    TextBoxEdit(const QString& text, QWidget* parent);

    // Shows `text` as a value written by the program: from its first character.
    void ShowValue(const QString& text);
    // What the box is for, spoken by screen readers.
    void SetDescription(const QString& description);
    bool ShowsWholeText() const;
    // Whether the box draws its text itself at its next paint, rather than the line edit.
    bool DrawsNumber() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QRect TextArea() const;
    int Room() const;
    void LayOut();
    void UpdateHints();
    void PaintNumber();
    void MatchShaper(const QString& text);

    QString m_description;
    QTextLayout m_layout;          // the text as the line edit shows it, on one line
    int m_width = 0;               // of the laid-out text, rounded as the line edit rounds it
    bool m_number = false;         // the text has only characters of numbers
    bool m_numberInkFits = false;  // such characters stay within the font's line height
    bool m_inkChecked = false;     // ... as measured in the layout's font
    bool m_lineEditAtStart = true; // the line edit, when it last painted, showed a number whole
    bool m_dragOver = false;       // a drag shows the line edit's drop cursor
    std::shared_ptr<const UnshapedLayouts> m_numbers; // in the window's font, asked once
    bool m_unshaped = false;                          // the box's font has the no-shaping strategy
    bool m_switchingShaper = false; // ... and is being given it or having it taken away
    // Measured again after a resize or a new style.
    mutable std::optional<QRect> m_textArea;
};
