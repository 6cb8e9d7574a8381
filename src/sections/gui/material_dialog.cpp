#include "sections/gui/material_dialog.h"

#include "sections/material_form.h"
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

MaterialDialog::MaterialDialog(const Model& model, QWidget* parent)
    : EditorDialog(QStringLiteral("Material Data"), parent), model_(model)
{
    setWindowFlag(Qt::Tool);
    list_ = addRecordList(QStringLiteral("Materials"), [this](int index) { showMaterial(index); });

    auto* properties = new QGroupBox(QStringLiteral("Material Properties(Elastic)"), this);
    properties->setObjectName(QStringLiteral("GroupBox1"));
    properties->setAccessibleName(properties->title());
    auto* grid = new QGridLayout(properties);
    name_ = addEdit(properties, grid, 0, QStringLiteral("Name"), QStringLiteral("Edit1"));
    name_->setReadOnly(true);
    type_ = addCombo(properties, grid, 1, QStringLiteral("Type"), QStringLiteral("ComboBox1"));
    for (const char* item : MaterialTypeItems)
        type_->addItem(QString::fromLatin1(item));
    type_->setCurrentIndex(0);
    elasticModulus_ =
        addEdit(properties, grid, 2, QStringLiteral("Elastic Modulus"), QStringLiteral("Edit2"));
    shearModulus_ =
        addEdit(properties, grid, 3, QStringLiteral("Shear Modulus"), QStringLiteral("Edit3"));
    poisson_ =
        addEdit(properties, grid, 4, QStringLiteral("Posson's Ratio"), QStringLiteral("Edit4"));

    auto* nonlinear = new QGroupBox(QStringLiteral("Nonlinear Material Setting"), this);
    nonlinear->setObjectName(QStringLiteral("GroupBox2"));
    nonlinear->setAccessibleName(nonlinear->title());
    nonlinear->setMinimumHeight(60);

    close_ = MakeButton(this, QStringLiteral("Close"), QStringLiteral("Button1"));
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    auto* fields = new QVBoxLayout;
    fields->addWidget(properties);
    fields->addWidget(nonlinear);
    auto* top = new QHBoxLayout;
    top->addWidget(list_);
    top->addLayout(fields);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(ButtonRow({close_}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MaterialDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what it shows.
    if (!event->spontaneous())
        guarded([this] { fillRecordList(list_, MaterialNames(model_)); });
    EditorDialog::showEvent(event);
}

void MaterialDialog::showMaterial(int index)
{
    const MaterialForm form = MaterialFormOf(model_, index);
    name_->setText(DecodeName(form.Name));
    type_->setCurrentIndex(form.Type);
    elasticModulus_->setText(QString::fromStdString(form.E));
    shearModulus_->setText(QString::fromStdString(form.G));
    poisson_->setText(QString::fromStdString(form.Poisson));
}

} // namespace vek
