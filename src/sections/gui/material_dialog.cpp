#include "sections/gui/material_dialog.h"

#include "gui/form_rows.h"
#include "sections/material_form.h"

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
    list_ = addRecordList(QStringLiteral("materialList"), QStringLiteral("Materials"),
                          [this](int index) { showMaterial(index); });

    QGroupBox* properties = MakeGroup(this, QStringLiteral("Material Properties(Elastic)"),
                                      QStringLiteral("propertiesGroup"));
    auto* grid = new QGridLayout(properties);
    name_ = AddGridEdit(properties, grid, 0, QStringLiteral("Name"), QStringLiteral("nameEdit"));
    name_->setReadOnly(true);
    type_ = AddGridCombo(properties, grid, 1, QStringLiteral("Type"), QStringLiteral("typeCombo"));
    AddItems(type_, MaterialTypeItems);
    type_->setCurrentIndex(0);
    elasticModulus_ = AddGridEdit(properties, grid, 2, QStringLiteral("Elastic Modulus"),
                                  QStringLiteral("elasticModulusEdit"));
    shearModulus_ = AddGridEdit(properties, grid, 3, QStringLiteral("Shear Modulus"),
                                QStringLiteral("shearModulusEdit"));
    poisson_ = AddGridEdit(properties, grid, 4, QStringLiteral("Posson's Ratio"),
                           QStringLiteral("poissonEdit"));

    QGroupBox* nonlinear = MakeGroup(this, QStringLiteral("Nonlinear Material Setting"),
                                     QStringLiteral("nonlinearGroup"));
    nonlinear->setMinimumHeight(60);

    close_ = MakeButton(this, QStringLiteral("Close"), QStringLiteral("closeButton"));
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
