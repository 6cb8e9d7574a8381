#include "sections/gui/material_dialog.h"

#include "gui/form_rows.h"
#include "sections/material_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

MaterialDialog::MaterialDialog(Model& model, QWidget* parent)
    : EditorDialog(QStringLiteral("Material Data"), parent), model_(model)
{
    setWindowFlag(Qt::Tool);
    list_ = addRecordList(QStringLiteral("materialList"), QStringLiteral("Materials"),
                          [this](int index) { showMaterial(index); });

    QGroupBox* properties = MakeGroup(this, QStringLiteral("Material Properties(Elastic)"),
                                      QStringLiteral("propertiesGroup"));
    auto* grid = new QGridLayout(properties);
    name_ = AddGridEdit(properties, grid, 0, QStringLiteral("Name"), QStringLiteral("nameEdit"));
    type_ = AddGridCombo(properties, grid, 1, QStringLiteral("Type"), QStringLiteral("typeCombo"));
    AddItems(type_, MaterialTypeItems);
    type_->setCurrentIndex(0);
    elasticModulus_ = AddGridEdit(properties, grid, 2, QStringLiteral("Elastic Modulus"),
                                  QStringLiteral("elasticModulusEdit"));
    shearModulus_ = AddGridEdit(properties, grid, 3, QStringLiteral("Shear Modulus"),
                                QStringLiteral("shearModulusEdit"));
    poisson_ = AddGridEdit(properties, grid, 4, QStringLiteral("Posson's Ratio"),
                           QStringLiteral("poissonEdit"));
    connect(type_, &QComboBox::currentIndexChanged, this, &MaterialDialog::showParameterRows);

    nonlinear_ = MakeGroup(this, QStringLiteral("Nonlinear Material Setting"),
                           QStringLiteral("nonlinearGroup"));
    nonlinear_->setMinimumHeight(60);
    parameterForm_ = new QFormLayout(nonlinear_);

    modify_ = MakeButton(this, QStringLiteral("Modify"), QStringLiteral("modifyButton"));
    add_ = MakeButton(this, QStringLiteral("Add"), QStringLiteral("addButton"));
    close_ = MakeButton(this, QStringLiteral("Close"), QStringLiteral("closeButton"));
    connect(modify_, &QPushButton::clicked, this, &MaterialDialog::modifyClicked);
    connect(add_, &QPushButton::clicked, this, &MaterialDialog::addClicked);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    auto* fields = new QVBoxLayout;
    fields->addWidget(properties);
    fields->addWidget(nonlinear_);
    auto* top = new QHBoxLayout;
    top->addWidget(list_);
    top->addLayout(fields);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(ButtonRow({modify_, add_, close_}));
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
    elasticModulus_->setText(QString::fromStdString(form.E));
    shearModulus_->setText(QString::fromStdString(form.G));
    poisson_->setText(QString::fromStdString(form.Poisson));
    // The rows follow the type: set it last, and show them even when it did not change.
    const QSignalBlocker quiet(type_);
    type_->setCurrentIndex(form.Type);
    showParameterRows();
}

void MaterialDialog::showParameterRows()
{
    while (parameterForm_->rowCount() > 0)
        parameterForm_->removeRow(0);
    parameterEdits_.clear();
    const std::vector<MaterialParameterRow> rows =
        ParameterRowsOf(model_, list_->currentRow() + 1, type_->currentIndex());
    for (const MaterialParameterRow& row : rows) {
        const QString name = QString::fromStdString(row.Name);
        QLineEdit* edit =
            AddLabelledEdit(nonlinear_, parameterForm_, name, name + QStringLiteral("Edit"),
                            QString(), QString::fromStdString(row.Text));
        edit->setPlaceholderText(QString::fromStdString(row.Hint));
        parameterEdits_.push_back(edit);
    }
}

MaterialEntry MaterialDialog::typedEntry() const
{
    MaterialEntry entry;
    // A name of 8-bit text reads back as the stored bytes while it is not changed.
    const std::string& stored = model_.Materials[list_->currentRow() + 1].Name;
    entry.Name = name_->text() == DecodeName(stored) ? stored : Text(name_);
    entry.Type = type_->currentIndex();
    entry.E = Text(elasticModulus_);
    entry.G = Text(shearModulus_);
    entry.Poisson = Text(poisson_);
    for (const QLineEdit* edit : parameterEdits_)
        entry.Parameters[edit->accessibleName().toStdString()] = Text(edit);
    return entry;
}

void MaterialDialog::modifyClicked()
{
    guarded([this] {
        const int index = list_->currentRow() + 1;
        ModifyMaterial(model_, index, typedEntry());
        showMaterial(index);
    });
}

void MaterialDialog::addClicked()
{
    guarded([this] {
        const std::int32_t index = AddMaterial(model_, typedEntry());
        fillRecordList(list_, MaterialNames(model_));
        list_->setCurrentRow(index - 1);
        emit materialAdded();
    });
}

} // namespace vek
