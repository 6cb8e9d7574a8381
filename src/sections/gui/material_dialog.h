#pragma once

#include "gui/editor_dialog.h"
#include "model/model.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vek {

// "Material Data": the model's materials one at a time. It only shows them: what is typed
// into it is not stored. The list is refilled from the model each time it is shown.
class MaterialDialog : public EditorDialog
{
    Q_OBJECT

public:
    explicit MaterialDialog(const Model& model, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showMaterial(int index);

    const Model& model_;
    QListWidget* list_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* type_ = nullptr;
    QLineEdit* elasticModulus_ = nullptr;
    QLineEdit* shearModulus_ = nullptr;
    QLineEdit* poisson_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vek
