#pragma once

#include "model/model.h"
#include "view/view_settings.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace vek {

// "Show Load": the load case and kind of load the model view draws. Modeless; the case list
// is refilled from the model each time the dialog is shown, the load type keeps its choice.
class ShowLoadDialog : public QDialog
{
    Q_OBJECT

public:
    ShowLoadDialog(const Model& model, ViewSettings& settings, QWidget* parent = nullptr);

signals:
    void redrawRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();

    const Model& model_;
    ViewSettings& settings_;
    QComboBox* loadType_ = nullptr;
    QComboBox* loadCase_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vek
