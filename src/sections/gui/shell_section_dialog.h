#pragma once

#include "gui/editor_dialog.h"
#include "model/model.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vek {

// "Shell Section": the model's shell sections one at a time, and the shell element each is
// written with. Modify stores the element choice of the selected section, nothing else. The
// list is refilled from the model each time the dialog is shown.
class ShellSectionDialog : public EditorDialog
{
    Q_OBJECT

public:
    explicit ShellSectionDialog(Model& model, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSection(int index);
    void modifyClicked();

    Model& model_;
    QListWidget* list_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* thickness_ = nullptr;
    QLineEdit* material_ = nullptr;
    QComboBox* elemType_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vek
