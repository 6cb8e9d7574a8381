#include "view/view_option_dialog.h"

#include "view/dialog_parts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

TForm4::TForm4(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings)
{
    setWindowTitle(QStringLiteral("View Option"));
    setModal(false);

    auto* group = new QGroupBox(QStringLiteral("Object View"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setAccessibleName(group->title());
    auto* groupLayout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < ViewFlagCount; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(ViewFlagTable[i].Caption), group);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setAccessibleName(box->text());
        groupLayout->addWidget(box);
        boxes_[i] = box;
    }

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("Button1"));
    ok_->setDefault(true);
    cancel_ = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("Button2"));
    QHBoxLayout* buttons = ButtonRow({ok_, cancel_});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &TForm4::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm4::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what the user has changed.
    if (!event->spontaneous()) {
        const ViewFlagValues values = ReadViewFlags(settings_);
        for (std::size_t i = 0; i < ViewFlagCount; ++i)
            boxes_[i]->setChecked(values[i]);
    }
    QDialog::showEvent(event);
}

void TForm4::okClicked()
{
    ViewFlagValues values{};
    for (std::size_t i = 0; i < ViewFlagCount; ++i)
        values[i] = boxes_[i]->isChecked();
    WriteViewFlags(settings_, values);
    accept();
    emit redrawRequested();
}

} // namespace vek
