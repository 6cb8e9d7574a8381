#pragma once

#include "gui/error_boundary.h"
#include "model/model.h"
#include "tcl/analysis_form.h"
#include "tcl/settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vek {

// "Analysis Setting": the analysis type, its load cases, steps and control, and the settings
// of the nonlinear elements, modes and plate fibres. Modeless; the controls take the settings
// (and the model's load cases) each time the dialog is shown, and OK stores them in order.
class AnalysisSettingDialog : public QDialog
{
    Q_OBJECT

public:
    AnalysisSettingDialog(const Model& model, Settings& settings, QWidget* parent = nullptr);

    // Where a bad number is reported: by default a warning box titled "TAV".
    void SetMessageReporter(ErrorReporter reporter);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();
    void LoadControls();
    AnalysisForm ReadControls() const;

    const Model& model_;
    Settings& settings_;
    ErrorReporter reporter_;

    QComboBox* analysisType_ = nullptr;
    QComboBox* loadControlCase_ = nullptr;
    QComboBox* dispControlCase_ = nullptr;
    QLineEdit* loadSteps_ = nullptr;
    QLineEdit* loadFactor_ = nullptr;
    QLineEdit* controlNode_ = nullptr;
    QLineEdit* controlDisp_ = nullptr;
    QLineEdit* controlDof_ = nullptr;
    QLineEdit* analysisSteps_ = nullptr;
    QLineEdit* numIntegrationPoints_ = nullptr;
    QLineEdit* rebarMaterialTag_ = nullptr;
    QLineEdit* modeCount_ = nullptr;
    QCheckBox* sectionAggregator_ = nullptr;
    QCheckBox* plateFiber_ = nullptr;
    QCheckBox* nodeMass_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace vek
