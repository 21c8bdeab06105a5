#pragma once

// The main window. It owns the controls and the form state and presents the controls to the
// program's logic through the control model; it holds no logic of its own. A click on the
// calculate button flows: control model → request (reads and validates the boxes) → wave-angle
// iteration or closed form → result boxes → outcome → chart on Picture1 → final message.

#include "form/ControlModel.h"
#include "form/FormState.h"

#include <QMainWindow>

#include <array>
#include <memory>

class FormAbout;
class PictureBox;
class QAbstractButton;
class QGroupBox;
class QLabel;
class TextBoxEdit;
class QPushButton;
class QRadioButton;

class Form1 : public QMainWindow, public ControlModel {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const FormState& state() const { return m_state; }
    // The About window, once the menu has created it.
    FormAbout* aboutWindow() const { return m_about.get(); }

    std::string Text(TextBox box) const override;
    void SetText(TextBox box, const std::string& text) override;
    void SetBackColor(TextBox box, Rgb colour) override;
    bool IsSelected(OptionButton option) const override;
    void SetVisible(Element element, bool visible) override;
    void SetCommandCaption(const std::string& caption) override;
    ChartSurface& Picture1() override;
    void ShowMessage(const std::string& message) override;
    std::string DecimalSeparator() const override;

private:
    void BuildControls();
    void SetTabOrder();
    void SetAccessibleTexts();
    void ShowAbout();

    FormState m_state;

    TextBoxEdit* AddTextBox(QWidget* container, TextBox box, QRect twips, const QString& text);
    QRadioButton* AddOption(QWidget* container, OptionButton option, QRect twips,
                            const QString& caption, bool greek);
    QLabel* AddLabel(QWidget* container, const char* name, QRect twips, const QString& caption);

    std::array<TextBoxEdit*, 8> m_textBoxes{};
    std::array<QRadioButton*, 5> m_options{};
    std::array<QWidget*, 3> m_elements{};
    QGroupBox* m_frame3 = nullptr;
    QPushButton* m_command1 = nullptr;
    PictureBox* m_picture1 = nullptr;
    std::unique_ptr<FormAbout> m_about;
};
