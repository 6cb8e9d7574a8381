#include "sections/gui/shell_section_dialog.h"

#include "sections/shell_section_form.h"
#include "gui/dialog_parts.h"

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
    list_ =
        addRecordList(QStringLiteral("Shell sections"), [this](int index) { showSection(index); });

    auto* properties = new QGroupBox(QStringLiteral("Shell Section Properties"), this);
    properties->setObjectName(QStringLiteral("GroupBox1"));
    properties->setAccessibleName(properties->title());
    auto* grid = new QGridLayout(properties);
    name_ = addEdit(properties, grid, 0, QStringLiteral("Shell Sec Name"), QStringLiteral("Edit1"));
    thickness_ =
        addEdit(properties, grid, 1, QStringLiteral("Shell Thickness"), QStringLiteral("Edit2"));
    material_ =
        addEdit(properties, grid, 2, QStringLiteral("Sec Material"), QStringLiteral("Edit3"));
    elemType_ = addCombo(properties, grid, 3, QStringLiteral("Shell Nonlinear Type"),
                         QStringLiteral("ComboBox1"));
    for (const char* item : ShellElemTypeItems)
        elemType_->addItem(QString::fromLatin1(item));
    elemType_->setCurrentIndex(0);

    modify_ = MakeButton(this, QStringLiteral("Modify"), QStringLiteral("Button1"));
    close_ = MakeButton(this, QStringLiteral("Close"), QStringLiteral("Button2"));
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
