#include "view/gui/view_option_dialog.h"

#include "gui/form_rows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

namespace {

// The check boxes' object names, in the order of ViewFlagTable.
constexpr std::array<const char*, ViewFlagCount> BoxNames{
    "nodeCheckBox",         "nodeLabelsCheckBox",  "frameCheckBox",         "frameLabelsCheckBox",
    "frameAxisCheckBox",    "nodeSupportCheckBox", "diaphragmsCheckBox",    "hingeCircleCheckBox",
    "shellElementCheckBox", "shellLabelsCheckBox", "momentReleaseCheckBox", "solidElementCheckBox",
    "solidLabelCheckBox"};

} // namespace

ViewOptionDialog::ViewOptionDialog(ViewSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings)
{
    setWindowTitle(QStringLiteral("View Option"));
    setModal(false);

    QGroupBox* group =
        MakeGroup(this, QStringLiteral("Object View"), QStringLiteral("objectViewGroup"));
    std::array<QString, ViewFlagCount> captions;
    for (std::size_t i = 0; i < ViewFlagCount; ++i)
        captions[i] = QString::fromUtf8(ViewFlagTable[i].Caption);
    boxes_ = CheckBoxColumn(group, captions, BoxNames);

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("okButton"));
    ok_->setDefault(true);
    cancel_ = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
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
