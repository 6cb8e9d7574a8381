#pragma once

#include "gui/error_boundary.h"
#include "model/model.h"
#include "model/results.h"
#include "tcl/settings.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vek {

// Where the Force dialog gets the end forces of the frames at a step, numbered as the model's
// frames (the recorder files of a run); an error it raises is shown by the dialog, and an empty
// list (no run chosen) leaves the diagrams as they are.
using EndForcesSource = std::function<std::vector<FrameEndForces>(std::int64_t step)>;

// "Force": draws the diagram of one internal force (N, Vy, Vz, T, My or Mz) along every frame
// at a step, from the frames' end forces and, between the ends, the distributed loads of the
// chosen load case; with a scale of its own or one fitted to the model, the end values written
// or not. The sign convention is written in the dialog. Draw puts the diagrams into the
// results and asks for a redraw. Modeless; the fields keep their contents between showings.
class ForceDialog : public QDialog
{
    Q_OBJECT

public:
    ForceDialog(const Model& model, Results& results, const Settings& settings,
                EndForcesSource source = {}, QWidget* parent = nullptr);

    void SetEndForcesSource(EndForcesSource source) { source_ = std::move(source); }
    void SetMessageReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

signals:
    void redrawRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The model's load cases, the analysis's own chosen at first.
    void FillLoadCases();
    void DrawClicked();

    const Model& model_;
    Results& results_;
    const Settings& settings_;
    EndForcesSource source_;
    ErrorReporter reporter_;

    QComboBox* quantityCombo_ = nullptr;
    QLineEdit* stepEdit_ = nullptr;
    QComboBox* loadCaseCombo_ = nullptr;
    QCheckBox* autoScaleCheck_ = nullptr;
    QLineEdit* scaleEdit_ = nullptr;
    QCheckBox* valuesCheck_ = nullptr;
};

} // namespace vek
