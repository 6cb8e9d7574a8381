#include "sections/gui/shell_section_dialog.h"

#include "gui/form_rows.h"
#include "sections/shell_section_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

ShellSectionDialog::ShellSectionDialog(Model& model, QWidget* parent)
    : EditorDialog(QStringLiteral("Shell Section"), parent), model_(model)
{
    list_ = addRecordList(QStringLiteral("shellSectionList"), QStringLiteral("Shell sections"),
                          [this](int index) { showSection(index); });

    QGroupBox* properties = MakeGroup(this, QStringLiteral("Shell Section Properties"),
                                      QStringLiteral("propertiesGroup"));
    auto* grid = new QGridLayout(properties);
    name_ = AddGridEdit(properties, grid, 0, QStringLiteral("Shell Sec Name"),
                        QStringLiteral("nameEdit"));
    thickness_ = AddGridEdit(properties, grid, 1, QStringLiteral("Shell Thickness"),
                             QStringLiteral("thicknessEdit"));
    material_ = AddGridEdit(properties, grid, 2, QStringLiteral("Sec Material"),
                            QStringLiteral("materialEdit"));
    elemType_ = AddGridCombo(properties, grid, 3, QStringLiteral("Shell Nonlinear Type"),
                             QStringLiteral("elemTypeCombo"));
    AddItems(elemType_, ShellElemTypeItems);
    elemType_->setCurrentIndex(0);

    modify_ = MakeButton(this, QStringLiteral("Modify"), QStringLiteral("modifyButton"));
    close_ = MakeButton(this, QStringLiteral("Close"), QStringLiteral("closeButton"));
    connect(modify_, &QPushButton::clicked, this, &ShellSectionDialog::modifyClicked);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    auto* top = new QHBoxLayout;
    top->addWidget(list_);
    top->addWidget(properties);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(ButtonRow({modify_, close_}));
}

void ShellSectionDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what it shows.
    if (!event->spontaneous())
        guarded([this] { fillRecordList(list_, ShellSectionNames(model_)); });
    EditorDialog::showEvent(event);
}

void ShellSectionDialog::showSection(int index)
{
    const ShellSectionForm form = ShellSectionFormOf(model_, index);
    name_->setText(DecodeName(form.Name));
    thickness_->setText(QString::fromStdString(form.Thickness));
    material_->setText(DecodeName(form.Material));
    elemType_->setCurrentIndex(form.ElemType);
}

// With no section selected there is nothing to apply the choice to.
void ShellSectionDialog::modifyClicked()
{
    guarded(
        [this] { ModifyShellSection(model_, list_->currentRow() + 1, elemType_->currentIndex()); });
}

} // namespace vek
