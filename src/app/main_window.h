#pragma once

#include "app/project_session.h"
#include "gui/error_boundary.h"
#include "gui/file_choice.h"
#include "gui/two_band_painting.h"
#include "model/model.h"
#include "s2k/s2k_import.h"
#include "tcl/settings.h"
#include "view/mouse_modes.h"
#include "view/view_settings.h"
#include "view/view_transform.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QToolBar;

namespace vek {

class ModelView;
class FrameSectionDialog;
class MaterialDialog;
class ViewOptionDialog;
class ShellSectionDialog;
class DeformationDialog;
class AnimationDialog;
class PlotWindow;
class ForceDialog;
class V14ConvertDialog;
class TclFileDialog;
class AnalysisSettingDialog;
class RecorderSettingDialog;
class SolidMaterialDialog;
class ShowLoadDialog;
class FramePropertiesDialog;
class RunWindow;

// Asks a question with the buttons given and tells the button chosen.
using QuestionAsker = std::function<QMessageBox::StandardButton(
    const QString& question, QMessageBox::StandardButtons buttons)>;

// The main window of VEK: menus, tool bar, the model view and the status bar. It owns the
// one model, the script settings, the view settings, the view transform and its pixels and the
// mouse state machine, the project session, and the dialogs that show and change them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The number of status bar panels, and the first of the seven count panels (3, 5, ..., 15).
    static constexpr int PanelCount = 17;
    static constexpr int FirstCountPanel = 3;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    const Model& model() const { return model_; }
    const Settings& settings() const { return settings_; }
    const ViewSettings& viewSettings() const { return viewSettings_; }
    const ViewTransform& view() const { return view_; }
    const ProjectedModel& projected() const { return projected_; }
    const Results& results() const { return results_; }
    const AnimationData& animation() const { return animation_; }
    ModelView* modelView() const { return modelView_; }
    QLabel* panel(int i) const { return panels_.at(static_cast<std::size_t>(i)); }
    QTimer& animationTimer() { return animationTimer_; }

    const ProjectSession& session() const { return session_; }

    // Where error messages go: by default a warning box titled "TAV" with an OK button.
    void SetErrorReporter(ErrorReporter reporter);
    // Where questions go: by default a question box titled "TAV".
    void SetQuestionAsker(QuestionAsker asker);
    // Asks for the file Save Project As writes: by default a save-file dialog.
    void SetSaveProjectChooser(OpenFileChooser chooser);
    // Asks for a recorder file of the run the Force dialog draws: by default an open-file
    // dialog.
    void SetForceFileChooser(OpenFileChooser chooser) { forceFileChooser_ = std::move(chooser); }

    // Whether the project differs from the one last saved, opened or imported.
    bool HasUnsavedChanges() const;

    // Opens the project file `path`, once unsaved changes are saved or let go. A project
    // that cannot be opened is reported and leaves the window as it was.
    void OpenProjectFile(const QString& path);
    // Saves the project to `path` (a name without an extension gets ".vek"); true when saved.
    bool SaveProjectTo(const QString& path);

    // Imports an s2k file, once unsaved changes are saved or let go: `path` is the file
    // chosen, empty when none was (the lines of the last file read are imported again). The
    // reading runs on a worker thread while the window stays painted.
    void ImportS2kFile(const QString& path);

    // Starts the solver on the chosen script `path` in the run window ("OpenSees Run"), which
    // follows it; the pre-flight warnings of the last script saved go with it when `path` is
    // that script.
    void RunOpenSees(const QString& path);

    // A result of a finished run, asked for in the run window: the dialog of `result`
    // ("deformation", "animation", "plots", "force") opens on the run's folder, where it reads the
    // recorder files without asking for a file.
    void ShowRunResult(const QString& folder, const QString& result);

public slots:
    // File
    void OpenProjectCommand();
    void SaveProjectCommand();
    void SaveProjectAsCommand();
    void ImportS2kFile();
    void ConvertSap2000V14File();
    // View
    void PanMode();
    void ZoomAllCommand();
    void RotateViewMode();
    void Refresh();
    void XYView();
    void XZView();
    void YZView();
    void ShowViewOption();
    void ShowShowLoad();
    void SelectElemMode();
    void NoActionMode();
    // Define
    void ShowFrameSectionDialog();
    void ShowMaterialDialog();
    void ShowShellSectionDialog();
    void ShowRecorderSettingDialog();
    void ShowAnalysisCaseDialog();
    void ShowSolidMaterialDialog();
    // Gen_tcl
    void GenerateTclFile();
    void RunOpenSees();
    // Post
    void ShowDeformation();
    void ClearResults();
    void ShowAnimation();
    void ShowPlots();
    void ShowForce();
    // The end forces of the Force dialog's run at a step; none when no folder was chosen.
    std::vector<FrameEndForces> EndForcesAt(std::int64_t step);
    // The animation timer: draws the next step of the animation.
    void AnimationTick();
    // Help
    void OpenTutorial();
    void OpenAbout();

    // Paints the model view from the model; asked for by the dialogs and by resizing.
    void RedrawModelView();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateDialogs();
    void CreateRecentProjectsMenu();
    void RestoreWindowGeometry();

    // Runs a command within the error boundary: an error it raises (a VekError, or any other
    // exception) is shown and the program goes on with the state the command left.
    void Guarded(const std::function<void()>& command);
    void ReportError(const QString& message);
    QMessageBox::StandardButton Ask(const QString& question, QMessageBox::StandardButtons buttons);

    // Asks what to do with unsaved changes; true when the command that would drop them may
    // go on (saved, or let go), false when cancelled.
    bool MayLeaveProject();
    // Save Project: to the project's file, or to the file Save Project As asks for.
    bool SaveProjectToItsFile();
    bool SaveProjectToChosenFile();
    // OpenProject on a worker thread; when the s2k file changed, asks whether to open it
    // anyway. None when the engineer said no.
    std::optional<OpenedProject> OpenWithConsent(const std::string& projectPath);
    OpenedProject OpenWhileBusy(const std::string& projectPath, const OpenOptions& options);
    void TakeOpenedProject(OpenedProject& opened, const std::string& projectPath,
                           std::string savedJson);
    void ShowCounts(const ModelCountTexts& counts);
    // The Mat count after the material dialog added one.
    void ShowMaterialCount();
    void RememberRecentProject(const std::string& projectPath);
    void OpenRecentProject(const QString& path);
    void FillRecentProjectsMenu();
    void KeepLastScript(const QString& scriptPath);

    // Paints the model view; raises what RedrawModel raises. Does nothing while an import
    // is rebuilding the model.
    void Redraw();
    void SetMouseMode(MouseMode mode, const QString& status);
    void ApplyPresetView(PresetView preset);
    void ShowDialog(QDialog* dialog);
    // Runs `work` on a worker thread; meanwhile the window is painted but takes no input.
    void RunWhileBusy(const std::function<void()>& work);

    void ModelViewPressed(MouseButton button, QPoint pixel);
    void ModelViewMoved(QPoint pixel);
    void ModelViewReleased(QPoint pixel);
    void ApplyMouseResult(const MouseResult& result);

    QAction* action(const char* objectName) const;

    Model model_;
    Settings settings_;
    ViewSettings viewSettings_;
    // The s2k file and its fingerprint, the sections as imported, the project file, the last
    // script, and the project as last saved.
    ProjectSession session_;
    ViewTransform view_;
    // The model's pixels on the model view.
    ProjectedModel projected_;
    // What the recorder files gave: the deformed shape and section values, the animation.
    Results results_;
    AnimationData animation_;
    MouseController mouse_;
    // The animation's pictures are painted on two threads.
    TwoBandPainting twoBands_;

    ModelView* modelView_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* recentProjectsMenu_ = nullptr;
    std::array<QLabel*, PanelCount> panels_{};
    // Steps the animation; stopped until an animation is shown.
    QTimer animationTimer_;

    FrameSectionDialog* frameSectionDialog_ = nullptr;
    MaterialDialog* materialDialog_ = nullptr;
    ViewOptionDialog* viewOptionDialog_ = nullptr;
    ShowLoadDialog* showLoadDialog_ = nullptr;
    TclFileDialog* tclFileDialog_ = nullptr;
    AnalysisSettingDialog* analysisSettingDialog_ = nullptr;
    RecorderSettingDialog* recorderSettingDialog_ = nullptr;
    FramePropertiesDialog* framePropertiesDialog_ = nullptr;
    DeformationDialog* deformationDialog_ = nullptr;
    V14ConvertDialog* v14ConvertDialog_ = nullptr;
    AnimationDialog* animationDialog_ = nullptr;
    PlotWindow* plotWindow_ = nullptr;
    ForceDialog* forceDialog_ = nullptr;
    // The run folder the Force dialog reads, and how a recorder file of one is chosen.
    std::string forceFolder_;
    OpenFileChooser forceFileChooser_;
    ShellSectionDialog* shellSectionDialog_ = nullptr;
    SolidMaterialDialog* solidMaterialDialog_ = nullptr;
    RunWindow* runWindow_ = nullptr;
    // The last script saved from the OpenSEES tcl File dialog and its pre-flight warnings.
    QString lastScriptPath_;
    std::vector<std::string> lastScriptWarnings_;

    ErrorReporter errorReporter_;
    QuestionAsker questionAsker_;
    OpenFileChooser saveProjectChooser_;
    bool importing_ = false;
    bool shown_ = false;
};

} // namespace vek
