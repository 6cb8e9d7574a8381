#pragma once

#include "gui/error_boundary.h"
#include "model/model.h"
#include "tcl/settings.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace vek {

// "Solid Material": the E and Poisson's ratio of each material tag the solids name, as the
// script's nD materials take them. Modeless; the rows are rebuilt from the model and the
// settings each time the dialog is shown. OK stores every row once all of them are valid;
// Cancel stores nothing.
class SolidMaterialDialog : public QDialog
{
    Q_OBJECT

public:
    SolidMaterialDialog(const Model& model, Settings& settings, QWidget* parent = nullptr);

    // Where a bad value is reported: by default a warning box titled "TAV".
    void SetMessageReporter(ErrorReporter reporter);

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct RowEdits
    {
        std::int32_t Tag;
        QLineEdit* E;
        QLineEdit* Poisson;
    };

    void okClicked();
    void Refill();
    void ClearRows();

    const Model& model_;
    Settings& settings_;
    ErrorReporter reporter_;
    std::vector<RowEdits> rows_;

    QLabel* noSolids_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* grid_ = nullptr;
    QGridLayout* gridLayout_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vek
