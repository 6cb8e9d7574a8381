#include "tcl/gui/recorder_setting_dialog.h"

#include "gui/form_rows.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

namespace {

// The check boxes' object names, in the order of RecorderFlagTable.
constexpr std::array<const char*, RecorderFlagCount> BoxNames{
    "nodeDispCheckBox", "frameForceCheckBox", "sectionDeformCheckBox",
    "sectionStressStrainCheckBox", "modeShapesCheckBox"};

} // namespace

RecorderSettingDialog::RecorderSettingDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings)
{
    setWindowTitle(QStringLiteral("Recorder Setting"));
    setAccessibleName(windowTitle());
    setModal(false);

    QGroupBox* group = MakeGroup(this, QStringLiteral("Output(Recorder Setting)"),
                                 QStringLiteral("recorderGroup"));
    std::array<QString, RecorderFlagCount> captions;
    for (std::size_t i = 0; i < RecorderFlagCount; ++i)
        captions[i] = QString::fromLatin1(RecorderFlagTable[i].Caption);
    boxes_ = CheckBoxColumn(group, captions, BoxNames);

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("okButton"));
    ok_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(ButtonRow({ok_}));

    connect(ok_, &QPushButton::clicked, this, &RecorderSettingDialog::okClicked);
}

void RecorderSettingDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what the user has changed.
    if (!event->spontaneous()) {
        SetChecked(boxes_, ReadRecorderFlags(settings_));
    }
    QDialog::showEvent(event);
}

void RecorderSettingDialog::okClicked()
{
    WriteRecorderFlags(settings_, CheckedValues(boxes_));
    accept();
}

} // namespace vek
