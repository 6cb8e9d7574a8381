#include "tcl/recorder_setting_dialog.h"

#include "view/dialog_parts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

TForm8::TForm8(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings)
{
    setWindowTitle(QStringLiteral("Recorder Setting"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto* group = new QGroupBox(QStringLiteral("Output(Recorder Setting)"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setAccessibleName(group->title());
    auto* groupLayout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < RecorderFlagCount; ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(RecorderFlagTable[i].Caption), group);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setAccessibleName(box->text());
        groupLayout->addWidget(box);
        boxes_[i] = box;
    }

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("Button1"));
    ok_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(ButtonRow({ok_}));

    connect(ok_, &QPushButton::clicked, this, &TForm8::okClicked);
}

void TForm8::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what the user has changed.
    if (!event->spontaneous()) {
        const RecorderFlagValues values = ReadRecorderFlags(settings_);
        for (std::size_t i = 0; i < RecorderFlagCount; ++i)
            boxes_[i]->setChecked(values[i]);
    }
    QDialog::showEvent(event);
}

void TForm8::okClicked()
{
    RecorderFlagValues values{};
    for (std::size_t i = 0; i < RecorderFlagCount; ++i)
        values[i] = boxes_[i]->isChecked();
    WriteRecorderFlags(settings_, values);
    accept();
}

} // namespace vek
