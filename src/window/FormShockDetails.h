#pragma once

#include "reactions/ShockDetails.h"

#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;

// The Shock Details window: the whole shock of the request the main window's chart shows, a
// value to a row, and a button and Ctrl+C that copy the values as name<TAB>value lines. The main
// window gives it what to show after every click; it has no handling of its own beyond copying.
class FormShockDetails : public QWidget {
    Q_OBJECT

public:
    explicit FormShockDetails(QWidget* parent = nullptr);

    // Shows `details` under `request`, the text that says which request they are of. A value
    // that does not apply leaves its box empty and its row greyed.
    void ShowDetails(const std::string& request, const ShockDetails& details);
    // Puts ShockDetailsText of the details shown on the clipboard; nothing when none is shown.
    void CopyDetails();

private:
    QLabel* m_request = nullptr;
    std::array<QLabel*, std::size(AllShockValues)> m_labels{};
    std::array<QLineEdit*, std::size(AllShockValues)> m_boxes{};
    QPushButton* m_copy = nullptr;
    QShortcut* m_copyShortcut = nullptr;
    std::string m_text; // ShockDetailsText of what is shown
};
