#pragma once

#include "model/model.h"
#include "tcl/analysis_form.h"
#include "tcl/settings.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
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
    using MessageReporter = std::function<void(const QString& message)>;
    void SetMessageReporter(MessageReporter reporter);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();
    void LoadControls();
    AnalysisForm ReadControls() const;
    QLineEdit* AddEdit(QFormLayout* form, const QString& caption, int number);
    QComboBox* AddCombo(QFormLayout* form, const QString& caption, int number);
    QCheckBox* AddCheckBox(QWidget* group, const QString& caption, int number);

    const Model& model_;
    Settings& settings_;
    MessageReporter reporter_;

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
