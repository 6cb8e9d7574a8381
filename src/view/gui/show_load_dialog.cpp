#include "view/gui/show_load_dialog.h"

#include "gui/dialog_parts.h"
#include "view/view_options.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

namespace {

QComboBox* AddLabelledCombo(QWidget* parent, QFormLayout* form, const QString& caption,
                            const QString& comboName, const QString& labelName)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(comboName);
    combo->setEditable(false);
    combo->setAccessibleName(caption);
    auto* label = new QLabel(caption, parent);
    label->setObjectName(labelName);
    label->setAccessibleName(caption);
    label->setBuddy(combo);
    form->addRow(label, combo);
    return combo;
}

} // namespace

ShowLoadDialog::ShowLoadDialog(const Model& model, ViewSettings& settings, QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings)
{
    setWindowTitle(QStringLiteral("Show Load"));
    setModal(false);

    auto* form = new QFormLayout;
    loadType_ = AddLabelledCombo(this, form, QStringLiteral("Load Type"),
                                 QStringLiteral("ComboBox1"), QStringLiteral("Label1"));
    for (const char* caption : ShownLoadTypeCaptions)
        loadType_->addItem(QString::fromUtf8(caption));
    loadType_->setCurrentIndex(0);
    loadCase_ = AddLabelledCombo(this, form, QStringLiteral("Load Case"),
                                 QStringLiteral("ComboBox2"), QStringLiteral("Label2"));

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("Button2"));
    ok_->setDefault(true);
    cancel_ = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("Button1"));
    QHBoxLayout* buttons = ButtonRow({ok_, cancel_});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &ShowLoadDialog::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void ShowLoadDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what the user has chosen.
    if (!event->spontaneous()) {
        loadCase_->clear();
        for (const std::string& name : LoadCaseList(model_))
            loadCase_->addItem(QString::fromStdString(name));
        loadCase_->setCurrentIndex(loadCase_->count() > 0 ? 0 : -1);
    }
    QDialog::showEvent(event);
}

void ShowLoadDialog::okClicked()
{
    accept();
    ApplyShowLoadChoice(settings_, loadCase_->currentIndex(), loadType_->currentIndex());
    emit redrawRequested();
}

} // namespace vek
