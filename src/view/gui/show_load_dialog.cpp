#include "view/gui/show_load_dialog.h"

#include "gui/form_rows.h"
#include "view/view_options.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

ShowLoadDialog::ShowLoadDialog(const Model& model, ViewSettings& settings, QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings)
{
    setWindowTitle(QStringLiteral("Show Load"));
    setModal(false);

    auto* form = new QFormLayout;
    loadType_ = AddLabelledCombo(this, form, QStringLiteral("Load Type"),
                                 QStringLiteral("loadTypeCombo"), QStringLiteral("loadTypeLabel"));
    AddItems(loadType_, ShownLoadTypeCaptions);
    loadType_->setCurrentIndex(0);
    loadCase_ = AddLabelledCombo(this, form, QStringLiteral("Load Case"),
                                 QStringLiteral("loadCaseCombo"), QStringLiteral("loadCaseLabel"));

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("okButton"));
    ok_->setDefault(true);
    cancel_ = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
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
