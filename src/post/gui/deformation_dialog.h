#pragma once

#include "gui/error_boundary.h"
#include "gui/file_choice.h"
#include "model/model.h"
#include "tcl/settings.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <QDialog>

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vek {

// "Deformation Shape": reads the joint displacements of a load step, the section deformations
// of the frames' end sections, or a mode shape from the solver's recorder files in the folder
// of a file the user picks, and sets the displacement and colour scales. The files are read
// with the settings and element types of the script record in that folder, when there is one
// (ReadAsRecorded). Modeless; the fields keep their contents between showings.
class DeformationDialog : public QDialog
{
    Q_OBJECT

public:
    DeformationDialog(const Model& model, Results& results, const Settings& settings,
                      ViewSettings& viewSettings, ViewTransform& view, QWidget* parent = nullptr);

    void SetMessageReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
    void SetFileChooser(OpenFileChooser chooser) { chooser_ = std::move(chooser); }

    // The last load step entered (LoadStep).
    std::int32_t LoadStep() const { return loadStep_; }

signals:
    void redrawRequested();

private:
    // Load Node Deform Data, Load Sec Deform Data, Load Model Shape: read files into the
    // model; they do not redraw.
    void LoadNodeDeformData();
    void LoadSecDeformData();
    void LoadModeShape();
    // OK.
    void OkClicked();

    // The folder of the file the user picks; empty when cancelled.
    std::string ChooseFolder();
    void Run(const std::function<void()>& command);

    const Model& model_;
    Results& results_;
    const Settings& settings_;
    ViewSettings& viewSettings_;
    ViewTransform& view_;
    ErrorReporter reporter_;
    OpenFileChooser chooser_;
    std::int32_t loadStep_ = 1;

    QLineEdit* scaleEdit_ = nullptr;
    QLineEdit* loadStepEdit_ = nullptr;
    QLineEdit* scaleMaxEdit_ = nullptr;
    QLineEdit* scaleMinEdit_ = nullptr;
    QLineEdit* modeEdit_ = nullptr;
    QComboBox* sectionValueCombo_ = nullptr;
    QLabel* legend_ = nullptr;
};

} // namespace vek
