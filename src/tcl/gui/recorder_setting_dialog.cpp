#include "tcl/gui/recorder_setting_dialog.h"

#include "gui/dialog_parts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

RecorderSettingDialog::RecorderSettingDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings)
{
    setWindowTitle(QStringLiteral("Recorder Setting"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto* group = new QGroupBox(QStringLiteral("Output(Recorder Setting)"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setAccessibleName(group->title());
    std::array<QString, RecorderFlagCount> captions;
    for (std::size_t i = 0; i < RecorderFlagCount; ++i)
        captions[i] = QString::fromLatin1(RecorderFlagTable[i].Caption);
    boxes_ = CheckBoxColumn(group, captions);

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("Button1"));
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
