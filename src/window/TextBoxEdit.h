#pragma once

#include <QLineEdit>

// A text box of the main window. It holds whatever is typed or pasted, however long, so that
// what the user gave is what is read. A text wider than the box is shown from its first
// character and, since the rest is out of sight, whole in the tooltip and in the description a
// screen reader speaks.
class TextBoxEdit : public QLineEdit {
    Q_OBJECT

public:
    TextBoxEdit(const QString& text, QWidget* parent);

    // Shows `text` as a value written by the program: from its first character.
    void ShowValue(const QString& text);
    // What the box is for, spoken by screen readers.
    void SetDescription(const QString& description);
    bool ShowsWholeText() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateHints();

    QString m_description;
};
