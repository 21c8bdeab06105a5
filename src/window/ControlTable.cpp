#include "window/ControlTable.h"

#include "drawing/Colours.h"
#include "look/Fonts.h"
#include "window/PaletteColour.h"
#include "window/PictureBox.h"
#include "window/TextBoxEdit.h"
#include "window/Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <map>
#include <vector>

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont FontOf(ControlFont font)
{
    switch (font) {
    case ControlFont::Greek:
        return GreekFont();
    case ControlFont::AboutTitle:
        return AboutFont(9.75);
    case ControlFont::AboutText:
        return AboutFont(8.25);
    case ControlFont::Dialog:
        break;
    }
    return DialogFont();
}

bool TakesFocus(ControlKind kind)
{
    switch (kind) {
    case ControlKind::OptionButton:
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::Picture:
        return true;
    case ControlKind::Frame:
    case ControlKind::ValueBox:
    case ControlKind::Label:
    case ControlKind::AxisLabel:
        break;
    }
    return false;
}

QWidget* Create(const ControlRow& row, QWidget* container)
{
    const QString caption = Text(row.caption);
    QRect place = TwipsToPixels(row.twips);
    switch (row.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(caption, container);
        // A frame in front covers what lies beneath it.
        frame->setAutoFillBackground(row.settings & InFront);
        frame->setGeometry(place);
        return frame;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, container);
        option->setChecked(row.settings & SelectedAtStart);
        option->setGeometry(place);
        return option;
    }
    case ControlKind::TextBox: {
        auto* box = new TextBoxEdit(caption, container);
        box->setGeometry(place);
        box->setCursorPosition(0);
        return box;
    }
    case ControlKind::ValueBox: {
        // Its text is selected and copied by the mouse; Ctrl+C is left to the window.
        auto* box = new QLineEdit(caption, container);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setGeometry(place);
        return box;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, container);
        button->setGeometry(place);
        return button;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, container);
        label->setGeometry(place);
        return label;
    }
    case ControlKind::Picture: {
        auto* picture = new PictureBox(place, ToQColor(LightYellow), container);
        // The chart takes focus by the keyboard, so that a screen reader can reach its
        // description, and by a click, as a control with keyboard commands of its own (Ctrl+C,
        // Shift+F10) does.
        picture->setFocusPolicy(Qt::StrongFocus);
        return picture;
    }
    case ControlKind::AxisLabel: {
        // Placed inside the picture's border, on its background.
        auto* label = new AxisLabel(caption, ToQColor(LightYellow), container);
        label->setGeometry(place.translated(container->contentsRect().topLeft()));
        return label;
    }
    }
    return nullptr;
}

} // namespace

QWidget* BuildControls(std::span<const ControlRow> table, QWidget* client)
{
    std::map<std::string_view, QWidget*> created;
    std::map<std::string_view, QButtonGroup*> groups;
    std::vector<const ControlRow*> focusOrder;
    for (const ControlRow& row : table) {
        QWidget* container = row.container.empty() ? client : created.at(row.container);
        QWidget* control = Create(row, container);
        control->setObjectName(Text(row.name));
        if (row.font != ControlFont::Dialog)
            control->setFont(FontOf(row.font));
        if (row.textColour)
            SetPaletteColour(control, QPalette::WindowText, *row.textColour);
        if (!row.accessibleName.empty())
            control->setAccessibleName(Text(row.accessibleName));
        if (auto* box = qobject_cast<TextBoxEdit*>(control))
            box->SetDescription(Text(row.accessibleDescription));
        else if (!row.accessibleDescription.empty())
            control->setAccessibleDescription(Text(row.accessibleDescription));
        if (row.settings & HiddenAtStart)
            control->hide();
        if (row.settings & InFront)
            control->raise();
        if (row.kind == ControlKind::OptionButton) {
            // One explicit group per container: a click on the selected option keeps it
            // selected, and a frame inside a frame is a group of its own.
            QButtonGroup*& group = groups[row.container];
            if (!group)
                group = new QButtonGroup(client);
            group->addButton(static_cast<QRadioButton*>(control));
        }
        if (TakesFocus(row.kind))
            focusOrder.push_back(&row);
        created[row.name] = control;
    }

    std::stable_sort(
        focusOrder.begin(), focusOrder.end(),
        [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(created.at(focusOrder[i - 1]->name), created.at(focusOrder[i]->name));
    return focusOrder.empty() ? nullptr : created.at(focusOrder.front()->name);
}
