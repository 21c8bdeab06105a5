#pragma once

#include <QLineEdit>

#include <memory>

class UnshapedLayouts;

// A text box of the main window. It holds whatever is typed or pasted, however long, so that
// what the user gave is what is read. A text wider than the box is shown from its first
// character and, since the rest is out of sight, whole in the tooltip and in the description a
// screen reader speaks.
//
// A number that the font lays out alike without the text shaper is laid out without it, which
// costs a small part of shaping it: the box then has the window's font with the no-shaping
// strategy, and drops the strategy as soon as it holds any other text, shows a placeholder or
// an input method's text being composed. A box given a font of its own keeps that font as it is.
class TextBoxEdit : public QLineEdit {
    Q_OBJECT

public:
    // The characters of the numbers the program writes and of the blank of an emptied box.
    static constexpr QStringView NumberAlphabet = u"0123456789.,+-Ee ";

    TextBoxEdit(const QString& text, QWidget* parent);

    // Shows `text` as a value written by the program: from its first character.
    void ShowValue(const QString& text);
    // What the box is for, spoken by screen readers.
    void SetDescription(const QString& description);
    bool ShowsWholeText() const;
    // The font an input method is told of is the one the box has from the window, without the
    // strategy the box adds, by either way of asking.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int Room() const;
    void UpdateHints();
    void MatchShaper(const QString& text);
    bool StyleSheeted() const;
    QFont InheritedFont() const;
    void SetUnshaped(bool unshaped);
    QFont WindowFont() const;

    QString m_description;
    mutable int m_room = -1; // the text's room, measured again after a resize or a new style
    mutable bool m_roomFramed = true;
    mutable QMargins m_roomMargins;
    std::shared_ptr<const UnshapedLayouts> m_numbers; // in the window's font, asked once
    bool m_unshaped = false;                          // the box's font has the no-shaping strategy
    QFont::StyleStrategy m_inheritedStrategy = QFont::PreferDefault; // what it adds to
    QFont::StyleStrategy m_windowStrategy = QFont::PreferDefault;    // the window's, then
    bool m_switchingShaper = false; // ... and is being given it or having it taken away
    bool m_ownFont = false;         // the box was given a font: the strategy is left alone
    bool m_composing = false;       // an input method's text is being composed in the box
    bool m_showingValue = false;    // a value is being written, its font already matched
    mutable const QMetaObject* m_styleClass = nullptr; // the style's class when last asked
    mutable bool m_styleSheeted = false;               // ... and whether it applies a sheet
};
