#include "window/FormShockDetails.h"

#include "window/ControlTable.h"
#include "window/FormShockDetailsTable.h"
#include "window/Twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

FormShockDetails::FormShockDetails(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form_ShockDetails");
    setWindowTitle("Shock Details");
    resize(TwipsToPixels(ShockDetailsTwips.width()), TwipsToPixels(ShockDetailsTwips.height()));
    BuildControls(FormShockDetailsTable, this);

    m_request = findChild<QLabel*>("Label_Request");
    m_request->setWordWrap(true);
    for (std::size_t i = 0; i < std::size(ShockDetailsRows); ++i) {
        const ShockDetailsRow& row = ShockDetailsRows[i];
        m_labels[i] = findChild<QLabel*>(Text(row.label));
        m_labels[i]->setText(Text(ShockValueName(row.value)));
        m_boxes[i] = findChild<QLineEdit*>(Text(row.box));
    }
    m_copy = findChild<QPushButton*>("Command_CopyDetails");
    connect(m_copy, &QPushButton::clicked, this, &FormShockDetails::CopyDetails);
    m_copyShortcut = new QShortcut(QKeySequence::Copy, this);
    connect(m_copyShortcut, &QShortcut::activated, this, &FormShockDetails::CopyDetails);
    ShowDetails(ShockRequestText(std::nullopt, "."), {});
}

void FormShockDetails::ShowDetails(const std::string& request, const ShockDetails& details)
{
    m_request->setText(QString::fromStdString(request));
    for (std::size_t i = 0; i < std::size(ShockDetailsRows); ++i) {
        const std::string& text = details.Text(ShockDetailsRows[i].value);
        m_boxes[i]->setText(QString::fromStdString(text));
        m_boxes[i]->setCursorPosition(0);
        m_boxes[i]->setEnabled(!text.empty());
        m_labels[i]->setEnabled(!text.empty());
    }
    m_text = ShockDetailsText(details);
    m_copy->setEnabled(!m_text.empty());
    m_copyShortcut->setEnabled(!m_text.empty());
}

void FormShockDetails::CopyDetails()
{
    if (!m_text.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(m_text));
}
