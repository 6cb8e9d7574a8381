#pragma once

#include "gui/editor_dialog.h"
#include "model/model.h"

#include <vector>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vek {

struct MaterialEntry;

// "Material Data": the model's materials one at a time, their type and elastic values, and the
// chosen type's parameters in the group "Nonlinear Material Setting". "Modify" stores what is
// typed as the chosen material, "Add" makes a new material of it after the others. The list
// is refilled from the model each time the dialog is shown.
class MaterialDialog : public EditorDialog
{
    Q_OBJECT

public:
    explicit MaterialDialog(Model& model, QWidget* parent = nullptr);

signals:
    // A material was added: the model's material count changed.
    void materialAdded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showMaterial(int index);
    // Shows the rows of the type the list is at, for the chosen material.
    void showParameterRows();
    MaterialEntry typedEntry() const;
    void modifyClicked();
    void addClicked();

    Model& model_;
    QListWidget* list_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* type_ = nullptr;
    QLineEdit* elasticModulus_ = nullptr;
    QLineEdit* shearModulus_ = nullptr;
    QLineEdit* poisson_ = nullptr;
    QGroupBox* nonlinear_ = nullptr;
    QFormLayout* parameterForm_ = nullptr;
    std::vector<QLineEdit*> parameterEdits_;
    QPushButton* modify_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vek
