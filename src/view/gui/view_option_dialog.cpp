#include "view/gui/view_option_dialog.h"

#include "gui/dialog_parts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

ViewOptionDialog::ViewOptionDialog(ViewSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings)
{
    setWindowTitle(QStringLiteral("View Option"));
    setModal(false);

    auto* group = new QGroupBox(QStringLiteral("Object View"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setAccessibleName(group->title());
    std::array<QString, ViewFlagCount> captions;
    for (std::size_t i = 0; i < ViewFlagCount; ++i)
        captions[i] = QString::fromUtf8(ViewFlagTable[i].Caption);
    boxes_ = CheckBoxColumn(group, captions);

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("Button1"));
    ok_->setDefault(true);
    cancel_ = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("Button2"));
    QHBoxLayout* buttons = ButtonRow({ok_, cancel_});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &ViewOptionDialog::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void ViewOptionDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what the user has changed.
    if (!event->spontaneous()) {
        SetChecked(boxes_, ReadViewFlags(settings_));
    }
    QDialog::showEvent(event);
}

void ViewOptionDialog::okClicked()
{
    WriteViewFlags(settings_, CheckedValues(boxes_));
    accept();
    emit redrawRequested();
}

} // namespace vek
