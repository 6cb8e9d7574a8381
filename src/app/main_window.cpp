#include "app/main_window.h"

#include "app/recent_projects.h"
#include "app/solver_start.h"
#include "convert/gui/v14_convert_dialog.h"
#include "gui/model_view.h"
#include "post/frame_forces.h"
#include "post/gui/animation_dialog.h"
#include "post/gui/deformation_dialog.h"
#include "post/gui/force_dialog.h"
#include "post/gui/plot_window.h"
#include "post/gui/recorded_run.h"
#include "run/gui/run_window.h"
#include "sections/gui/frame_section_dialog.h"
#include "sections/gui/material_dialog.h"
#include "sections/gui/shell_section_dialog.h"
#include "tcl/gui/analysis_setting_dialog.h"
#include "tcl/gui/recorder_setting_dialog.h"
#include "tcl/gui/solid_material_dialog.h"
#include "tcl/gui/tcl_file_dialog.h"
#include "tcl/solid_materials.h"
#include "util/error.h"
#include "util/file_fingerprint.h"
#include "view/gui/frame_properties_dialog.h"
#include "view/gui/show_load_dialog.h"
#include "view/gui/view_option_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QSettings>
#include <QShowEvent>
#include <QStatusBar>
#include <QThread>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

// The icons are compiled into the vek_ui library; its resources are registered by hand,
// since nothing else would pull them out of the static library.
static void InitIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace vek {

namespace {

constexpr char Caption[] = "VEK (Ver 20190701)";
constexpr char TutorialUrl[] = "https://github.com/vek-opensees/vek/wiki";
constexpr char HomeUrl[] = "https://github.com/vek-opensees/vek";

// An import shorter than this shows only the busy cursor.
constexpr int ProgressDelayMs = 500;

using Slot = void (MainWindow::*)();

// One command: a menu entry, a tool button, or both sharing the one action.
struct CommandEntry
{
    // The action's object name, "...Action"; its tool button, if it has one, is named with
    // "Button" for "Action".
    const char* Name;
    const char* Caption;
    // The icon in :/icons, for the tool bar's commands.
    const char* Icon;
    Slot Run;
};

constexpr CommandEntry Commands[] = {
    {"openProjectAction", "Open Project", nullptr, &MainWindow::OpenProjectCommand},
    {"saveProjectAction", "Save Project", nullptr, &MainWindow::SaveProjectCommand},
    {"saveProjectAsAction", "Save Project As", nullptr, &MainWindow::SaveProjectAsCommand},
    {"importAction", "Import Sap2000 txt file", "import", qOverload<>(&MainWindow::ImportS2kFile)},
    {"convertV14Action", "Sap2000V14 to Sap2000 v6 (s2k)", nullptr,
     &MainWindow::ConvertSap2000V14File},
    {"panAction", "Pan", "pan", &MainWindow::PanMode},
    {"zoomAllAction", "Zoom All", "zoom_all", &MainWindow::ZoomAllCommand},
    {"rotateViewAction", "Rotate View", "rotate_view", &MainWindow::RotateViewMode},
    {"refreshAction", "Refresh", "refresh", &MainWindow::Refresh},
    {"xyViewAction", "XY View", "xy_view", &MainWindow::XYView},
    {"xzViewAction", "XZ View", "xz_view", &MainWindow::XZView},
    {"yzViewAction", "YZ View", "yz_view", &MainWindow::YZView},
    {"viewOptionAction", "View Option", "view_option", &MainWindow::ShowViewOption},
    {"showLoadAction", "Show Load", "show_load", &MainWindow::ShowShowLoad},
    {"selectElemAction", "Select Elem", "select_elem", &MainWindow::SelectElemMode},
    {"noMouseModeAction", "No Mouse Action", "no_action", &MainWindow::NoActionMode},
    {"frameSectionAction", "Frame Section", "frame_section", &MainWindow::ShowFrameSectionDialog},
    {"materialAction", "Material", "material", &MainWindow::ShowMaterialDialog},
    {"shellSectionAction", "Shell Section", "shell_section", &MainWindow::ShowShellSectionDialog},
    {"recorderSettingAction", "Recorder Setting", "recorder_setting",
     &MainWindow::ShowRecorderSettingDialog},
    {"analysisCaseAction", "Analysis Case", "analysis_case", &MainWindow::ShowAnalysisCaseDialog},
    {"solidMaterialAction", "Solid Material", nullptr, &MainWindow::ShowSolidMaterialDialog},
    {"tclFileAction", "OpenSEES tcl File", "tcl_file", &MainWindow::GenerateTclFile},
    {"runOpenSeesAction", "Run OpenSEES", "run_opensees", qOverload<>(&MainWindow::RunOpenSees)},
    {"clearResultsAction", "Clear Results", "clear_results", &MainWindow::ClearResults},
    {"deformationAction", "Deformation", "deformation", &MainWindow::ShowDeformation},
    {"animationAction", "Animation", "animation", &MainWindow::ShowAnimation},
    {"plotsAction", "Plots", nullptr, &MainWindow::ShowPlots},
    // Force results are not drawn: the entry is there and does nothing.
    {"forceAction", "Force", nullptr, &MainWindow::ShowForce},
    {"tutorialAction", "VEK Tutorial", nullptr, &MainWindow::OpenTutorial},
    {"aboutAction", "About", nullptr, &MainWindow::OpenAbout},
};

// The File menu's submenu of the projects opened or saved last, among the command names.
constexpr std::string_view RecentProjectsItem = "recentProjectsMenu";

// A menu or the tool bar: command names in order, nullptr for a separator.
struct MenuEntry
{
    const char* Name;
    const char* Title;
    std::initializer_list<const char*> Items;
};

const MenuEntry Menus[] = {
    {"fileMenu",
     "File",
     {"openProjectAction", "saveProjectAction", "saveProjectAsAction", RecentProjectsItem.data(),
      nullptr, "importAction", nullptr, "convertV14Action"}},
    {"viewMenu",
     "View",
     {"panAction", "zoomAllAction", "rotateViewAction", "refreshAction", nullptr, "xyViewAction",
      "xzViewAction", "yzViewAction", nullptr, "viewOptionAction", "showLoadAction"}},
    {"defineMenu",
     "Define",
     {"frameSectionAction", "materialAction", "shellSectionAction", nullptr,
      "recorderSettingAction", "analysisCaseAction", "solidMaterialAction"}},
    {"genTclMenu", "Gen_tcl", {"tclFileAction", nullptr, "runOpenSeesAction"}},
    {"postMenu",
     "Post",
     {"deformationAction", "forceAction", nullptr, "animationAction", nullptr, "plotsAction"}},
    {"helpMenu", "Help", {"tutorialAction", nullptr, "aboutAction"}},
};

constexpr const char* ToolBarItems[] = {
    "importAction",
    nullptr,
    "frameSectionAction",
    "materialAction",
    "shellSectionAction",
    nullptr,
    "xyViewAction",
    "xzViewAction",
    "yzViewAction",
    "zoomAllAction",
    "rotateViewAction",
    "panAction",
    "refreshAction",
    nullptr,
    "showLoadAction",
    "viewOptionAction",
    "selectElemAction",
    "noMouseModeAction",
    nullptr,
    "analysisCaseAction",
    "recorderSettingAction",
    "tclFileAction",
    nullptr,
    "runOpenSeesAction",
    "clearResultsAction",
    "deformationAction",
    "animationAction",
};

// Status bar panels: the object names, the fixed captions and the accessible names.
struct PanelEntry
{
    const char* Name;
    const char* Text;
    const char* AccessibleName;
};

constexpr PanelEntry Panels[MainWindow::PanelCount] = {
    {"operationCaptionPanel", "Operation", "Operation"},
    {"operationPanel", "", "Mouse operation"},
    {"nodeCaptionPanel", "Node", "Node"},
    {"nodeCountPanel", "", "Node count"},
    {"frameCaptionPanel", "Frame", "Frame"},
    {"frameCountPanel", "", "Frame count"},
    {"shellCaptionPanel", "Shell", "Shell"},
    {"shellCountPanel", "", "Shell count"},
    {"solidCaptionPanel", "Solid", "Solid"},
    {"solidCountPanel", "", "Solid count"},
    {"materialCaptionPanel", "Mat", "Mat"},
    {"materialCountPanel", "", "Material count"},
    {"frameSectionCaptionPanel", "Fsec", "Fsec"},
    {"frameSectionCountPanel", "", "Frame section count"},
    {"shellSectionCaptionPanel", "Wsec", "Wsec"},
    {"shellSectionCountPanel", "", "Shell section count"},
    {"messagePanel", "", "Message"},
};

// The settings keys of the window's place and size.
constexpr char GeometryKey[] = "mainWindow/geometry";

constexpr char ProjectFilter[] = "VEK project (*.vek)";

constexpr int FirstPanelWidth = 80;
constexpr int PanelWidth = 50;

// The name of a command's tool button: "panButton" for "panAction".
QString ToolButtonName(const QString& actionName)
{
    const QString suffix = QStringLiteral("Action");
    return actionName.chopped(suffix.size()) + QStringLiteral("Button");
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    InitIconResources();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QString::fromLatin1(Caption));
    setAccessibleName(windowTitle());
    move(199, 121);
    resize(1089, 750);

    auto* drawingArea = new QFrame(this);
    drawingArea->setObjectName(QStringLiteral("drawingArea"));
    drawingArea->setAccessibleName(tr("Drawing area"));
    drawingArea->setFrameStyle(QFrame::Panel | QFrame::Raised);
    drawingArea->setAutoFillBackground(true);
    QPalette grey = drawingArea->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    drawingArea->setPalette(grey);
    auto* layout = new QVBoxLayout(drawingArea);
    layout->setContentsMargins(0, 0, 0, 0);
    modelView_ = new ModelView(drawingArea);
    layout->addWidget(modelView_);
    setCentralWidget(drawingArea);

    connect(modelView_, &ModelView::areaResized, this, &MainWindow::RedrawModelView);
    connect(modelView_, &ModelView::mousePressed, this, &MainWindow::ModelViewPressed);
    connect(modelView_, &ModelView::mouseMoved, this, &MainWindow::ModelViewMoved);
    connect(modelView_, &ModelView::mouseReleased, this, &MainWindow::ModelViewReleased);

    CreateActions();
    CreateMenus();
    CreateRecentProjectsMenu();
    CreateToolBar();
    CreateStatusBar();

    // The animation dialog sets its interval, the pace of the animation.
    animationTimer_.setObjectName(QStringLiteral("animationTimer"));

    CreateDialogs();
    RestoreWindowGeometry();
}

MainWindow::~MainWindow() = default;

void MainWindow::RestoreWindowGeometry()
{
    const QSettings stored;
    const QByteArray geometry = stored.value(QLatin1String(GeometryKey)).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

void MainWindow::CreateActions()
{
    for (const CommandEntry& entry : Commands) {
        auto* command = new QAction(QString::fromLatin1(entry.Caption), this);
        command->setObjectName(QString::fromLatin1(entry.Name));
        command->setToolTip(command->text());
        if (entry.Icon)
            command->setIcon(
                QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(entry.Icon))));
        if (entry.Run)
            connect(command, &QAction::triggered, this, entry.Run);
    }
}

QAction* MainWindow::action(const char* objectName) const
{
    return findChild<QAction*>(QString::fromLatin1(objectName), Qt::FindDirectChildrenOnly);
}

void MainWindow::CreateMenus()
{
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    menuBar()->setAccessibleName(tr("Menu bar"));
    for (const MenuEntry& entry : Menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(entry.Title));
        menu->setObjectName(QString::fromLatin1(entry.Name));
        for (const char* item : entry.Items) {
            if (!item)
                menu->addSeparator();
            else if (item == RecentProjectsItem)
                recentProjectsMenu_ = menu->addMenu(tr("Recent Projects"));
            else
                menu->addAction(action(item));
        }
    }
}

void MainWindow::CreateRecentProjectsMenu()
{
    recentProjectsMenu_->setObjectName(QStringLiteral("recentProjectsMenu"));
    recentProjectsMenu_->setAccessibleName(recentProjectsMenu_->title());
    FillRecentProjectsMenu();
}

void MainWindow::FillRecentProjectsMenu()
{
    // An entry may be the one being chosen: it goes once its signal is done.
    for (QAction* entry : recentProjectsMenu_->actions()) {
        recentProjectsMenu_->removeAction(entry);
        entry->deleteLater();
    }
    const QStringList recent = RecentProjects(QSettings());
    for (const QString& path : recent) {
        QAction* entry = recentProjectsMenu_->addAction(path);
        connect(entry, &QAction::triggered, this, [this, path] { OpenRecentProject(path); });
    }
    recentProjectsMenu_->setEnabled(!recent.isEmpty());
}

void MainWindow::RememberRecentProject(const std::string& projectPath)
{
    const QString path =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(projectPath))).absoluteFilePath();
    QSettings stored;
    StoreRecentProjects(stored, WithRecentProject(RecentProjects(stored), path));
    FillRecentProjectsMenu();
}

void MainWindow::OpenRecentProject(const QString& path)
{
    if (QFileInfo::exists(path)) {
        OpenProjectFile(path);
        return;
    }
    QSettings stored;
    QStringList recent = RecentProjects(stored);
    recent.removeAll(path);
    StoreRecentProjects(stored, recent);
    FillRecentProjectsMenu();
    ReportError(tr("The project file \"%1\" is no longer there; it is taken off the recent "
                   "projects.")
                    .arg(path));
}

void MainWindow::CreateToolBar()
{
    toolBar_ = addToolBar(tr("Tool bar"));
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setAccessibleName(tr("Tool bar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar_->setIconSize(QSize(20, 20));
    toolBar_->setFixedHeight(30);
    for (const char* item : ToolBarItems) {
        if (!item) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* command = action(item);
        toolBar_->addAction(command);
        if (QWidget* button = toolBar_->widgetForAction(command)) {
            button->setObjectName(ToolButtonName(command->objectName()));
            button->setFixedSize(30, 26);
        }
    }
}

void MainWindow::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setAccessibleName(tr("Status bar"));
    for (int i = 0; i < PanelCount; ++i) {
        const PanelEntry& entry = Panels[i];
        auto* label = new QLabel(QString::fromLatin1(entry.Text), bar);
        label->setObjectName(QString::fromLatin1(entry.Name));
        label->setAccessibleName(QString::fromLatin1(entry.AccessibleName));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setFixedWidth(i == 0 ? FirstPanelWidth : PanelWidth);
        bar->addWidget(label);
        panels_[static_cast<std::size_t>(i)] = label;
    }
}

// The dialogs, always made in this order; each lives as long as the window.
void MainWindow::CreateDialogs()
{
    frameSectionDialog_ = new FrameSectionDialog(model_, this);
    connect(frameSectionDialog_, &FrameSectionDialog::redrawRequested, this,
            &MainWindow::RedrawModelView);
    materialDialog_ = new MaterialDialog(model_, this);
    connect(materialDialog_, &MaterialDialog::materialAdded, this, &MainWindow::ShowMaterialCount);
    viewOptionDialog_ = new ViewOptionDialog(viewSettings_, this);
    connect(viewOptionDialog_, &ViewOptionDialog::redrawRequested, this,
            &MainWindow::RedrawModelView);
    showLoadDialog_ = new ShowLoadDialog(model_, viewSettings_, this);
    connect(showLoadDialog_, &ShowLoadDialog::redrawRequested, this, &MainWindow::RedrawModelView);
    const auto report = [this](const QString& message) { ReportError(message); };
    tclFileDialog_ = new TclFileDialog(model_, settings_, this);
    tclFileDialog_->SetMessageReporter(report);
    connect(tclFileDialog_, &TclFileDialog::scriptSaved, this, &MainWindow::KeepLastScript);
    analysisSettingDialog_ = new AnalysisSettingDialog(model_, settings_, this);
    analysisSettingDialog_->SetMessageReporter(report);
    recorderSettingDialog_ = new RecorderSettingDialog(settings_, this);
    framePropertiesDialog_ = new FramePropertiesDialog(model_, viewSettings_, this);
    connect(framePropertiesDialog_, &FramePropertiesDialog::redrawRequested, this,
            &MainWindow::RedrawModelView);
    deformationDialog_ =
        new DeformationDialog(model_, results_, settings_, viewSettings_, view_, this);
    deformationDialog_->SetMessageReporter(report);
    connect(deformationDialog_, &DeformationDialog::redrawRequested, this,
            &MainWindow::RedrawModelView);
    v14ConvertDialog_ = new V14ConvertDialog(this);
    v14ConvertDialog_->SetMessageReporter(report);
    animationDialog_ = new AnimationDialog(model_, settings_, animation_, animationTimer_, this);
    animationDialog_->SetMessageReporter(report);
    plotWindow_ = new PlotWindow(model_, settings_, this);
    plotWindow_->SetMessageReporter(report);
    forceDialog_ = new ForceDialog(
        model_, results_, settings_, [this](std::int64_t step) { return EndForcesAt(step); }, this);
    forceDialog_->SetMessageReporter(report);
    connect(forceDialog_, &ForceDialog::redrawRequested, this, &MainWindow::RedrawModelView);
    // The next opening asks for a run's folder again.
    connect(forceDialog_, &QDialog::finished, this, [this] { forceFolder_.clear(); });
    connect(&animationTimer_, &QTimer::timeout, this, &MainWindow::AnimationTick);
    shellSectionDialog_ = new ShellSectionDialog(model_, this);
    solidMaterialDialog_ = new SolidMaterialDialog(model_, settings_, this);
    solidMaterialDialog_->SetMessageReporter(report);
    runWindow_ = new RunWindow(this);
    runWindow_->AddResult(QStringLiteral("Plots"), QStringLiteral("plots"));
    runWindow_->AddResult(QStringLiteral("Force"), QStringLiteral("force"));
    connect(runWindow_, &RunWindow::resultRequested, this, &MainWindow::ShowRunResult);
}

void MainWindow::SetErrorReporter(ErrorReporter reporter)
{
    errorReporter_ = std::move(reporter);
}

void MainWindow::ReportError(const QString& message)
{
    ReportMessage(this, errorReporter_, message);
}

void MainWindow::SetQuestionAsker(QuestionAsker asker)
{
    questionAsker_ = std::move(asker);
}

void MainWindow::SetSaveProjectChooser(OpenFileChooser chooser)
{
    saveProjectChooser_ = std::move(chooser);
}

QMessageBox::StandardButton MainWindow::Ask(const QString& question,
                                            QMessageBox::StandardButtons buttons)
{
    if (questionAsker_)
        return questionAsker_(question, buttons);
    return QMessageBox::question(this, ProgramTitle(), question, buttons);
}

void MainWindow::Guarded(const std::function<void()>& command)
{
    RunGuarded(this, errorReporter_, command);
}

void MainWindow::Redraw()
{
    if (importing_)
        return;
    PaintModel(modelView_->Picture(), model_, results_, projected_, viewSettings_, view_);
    modelView_->update();
}

void MainWindow::RedrawModelView()
{
    Guarded([this] { Redraw(); });
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        Refresh();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The worker thread of an import is using the model.
    if (importing_ || !MayLeaveProject()) {
        event->ignore();
        return;
    }
    QSettings().setValue(QLatin1String(GeometryKey), saveGeometry());
    QMainWindow::closeEvent(event);
}

// One zoom step for each notification, however far the wheel turned.
void MainWindow::wheelEvent(QWheelEvent* event)
{
    const int turn = event->angleDelta().y();
    if (turn == 0) {
        event->ignore();
        return;
    }
    event->accept();
    Guarded([&] {
        ZoomStep(view_, turn < 0);
        Redraw();
    });
}

// ---- File

void MainWindow::ImportS2kFile()
{
    QFileDialog chooser(this, tr("Import Sap2000 txt file"));
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilter(QStringLiteral("s2k file (*.s2k)"));
    chooser.setDefaultSuffix(QStringLiteral("s2k"));
    QString path;
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        path = chooser.selectedFiles().constFirst();
    ImportS2kFile(path);
}

namespace {

// What an import or an opening left out, for a message box: one paragraph for each warning.
QString WarningsMessage(const QString& intro, const std::vector<std::string>& warnings)
{
    QString message = intro;
    for (const std::string& warning : warnings)
        message += QStringLiteral("\n\n") + QString::fromStdString(warning);
    return message;
}

// The path with ".vek" after a file name that has no extension, made absolute.
std::string ProjectFilePath(const QString& path)
{
    QString file = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".vek");
    return LocalPath(file);
}

// Asks for a project file to open or to save; empty when cancelled.
QString ChooseProjectFile(QWidget* parent, const QString& caption, QFileDialog::AcceptMode mode)
{
    QFileDialog chooser(parent, caption);
    chooser.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilter(QString::fromLatin1(ProjectFilter));
    chooser.setDefaultSuffix(QStringLiteral("vek"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return QString();
    return chooser.selectedFiles().constFirst();
}

} // namespace

void MainWindow::ImportS2kFile(const QString& path)
{
    if (!MayLeaveProject())
        return;
    Guarded([&] {
        const std::string file = path.isEmpty() ? std::string() : LocalPath(path);
        ModelCountTexts counts;
        ImportReport report;
        FileFingerprint s2k = session_.S2k;
        std::exception_ptr failure;
        RunWhileBusy([&] {
            try {
                // A file that cannot be read stops the import with the old lines kept.
                if (!file.empty()) {
                    LoadS2kFile(model_, file);
                    s2k = FingerprintOfFile(file);
                }
                // The results and the animation of the model before are gone with it.
                results_ = Results();
                animation_ = AnimationData();
                counts = ReadS2kModel(model_, report);
            } catch (...) {
                failure = std::current_exception();
            }
        });
        if (failure)
            std::rethrow_exception(failure);

        ShowCounts(counts);
        InitSolidMaterials(model_, settings_);
        // The lines read again when no file was chosen are those of the last file.
        session_ = SessionOfImport(file.empty() ? session_.S2kPath : file, s2k, model_, settings_,
                                   viewSettings_);
        Redraw();
        ZoomAll(model_, results_, projected_, view_, modelView_->Area());
        Redraw();
        // The lines of the last file, read again when no file was chosen, were reported on
        // when that file was imported.
        const std::vector<std::string> warnings =
            path.isEmpty() ? std::vector<std::string>() : report.Warnings(path.toStdString());
        if (!warnings.empty())
            ReportError(WarningsMessage(tr("The file is imported, but not all of it:"), warnings));
    });
}

void MainWindow::ShowCounts(const ModelCountTexts& counts)
{
    for (std::size_t k = 0; k < counts.size(); ++k)
        panels_[FirstCountPanel + 2 * k]->setText(QString::fromStdString(counts[k]));
}

void MainWindow::ShowMaterialCount()
{
    panels_[FirstCountPanel + 2 * MaterialCountText]->setText(
        QString::number(model_.MaterialCount()));
}

// ---- Project files

bool MainWindow::HasUnsavedChanges() const
{
    return vek::HasUnsavedChanges(session_, model_, settings_, viewSettings_);
}

bool MainWindow::MayLeaveProject()
{
    // Changes that cannot be told are asked about.
    bool unsaved = true;
    Guarded([&] { unsaved = HasUnsavedChanges(); });
    if (!unsaved)
        return true;
    switch (Ask(tr("Save changes to the project?"),
                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return SaveProjectToItsFile();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void MainWindow::OpenProjectCommand()
{
    const QString path = ChooseProjectFile(this, tr("Open Project"), QFileDialog::AcceptOpen);
    if (!path.isEmpty())
        OpenProjectFile(path);
}

void MainWindow::SaveProjectCommand()
{
    SaveProjectToItsFile();
}

void MainWindow::SaveProjectAsCommand()
{
    SaveProjectToChosenFile();
}

bool MainWindow::SaveProjectToItsFile()
{
    if (session_.ProjectPath.empty())
        return SaveProjectToChosenFile();
    return SaveProjectTo(QFile::decodeName(QByteArray::fromStdString(session_.ProjectPath)));
}

bool MainWindow::SaveProjectToChosenFile()
{
    const QString path = saveProjectChooser_ ? saveProjectChooser_()
                                             : ChooseProjectFile(this, tr("Save Project As"),
                                                                 QFileDialog::AcceptSave);
    return !path.isEmpty() && SaveProjectTo(path);
}

bool MainWindow::SaveProjectTo(const QString& path)
{
    return RunGuarded(this, errorReporter_, [&] {
        if (session_.S2kPath.empty())
            throw VekError("There is no project to save yet: a project keeps the changes to an "
                           "imported s2k file.");
        const std::string file = ProjectFilePath(path);
        const ProjectFile project =
            ProjectOfSession(session_, file, model_, settings_, viewSettings_);
        vek::SaveProject(file, project);
        session_.ProjectPath = file;
        session_.SavedJson = ProjectToJson(project);
        RememberRecentProject(file);
    });
}

void MainWindow::OpenProjectFile(const QString& path)
{
    if (!MayLeaveProject())
        return;
    Guarded([&] {
        const std::string file = LocalPath(QFileInfo(path).absoluteFilePath());
        std::optional<OpenedProject> opened = OpenWithConsent(file);
        if (!opened)
            return;
        std::string savedJson = NormalProjectJson(file);
        TakeOpenedProject(*opened, file, std::move(savedJson));
    });
}

std::optional<OpenedProject> MainWindow::OpenWithConsent(const std::string& projectPath)
{
    try {
        return OpenWhileBusy(projectPath, OpenOptions());
    } catch (const S2kChangedError& changed) {
        const QString question = QString::fromStdString(changed.what()) + tr("\n\nOpen it anyway?");
        if (Ask(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return std::nullopt;
    }
    OpenOptions options;
    options.AcceptChangedS2k = true;
    return OpenWhileBusy(projectPath, options);
}

OpenedProject MainWindow::OpenWhileBusy(const std::string& projectPath, const OpenOptions& options)
{
    // OpenProject touches nothing of the window's, so the window may go on painting.
    std::optional<OpenedProject> opened;
    std::exception_ptr failure;
    RunWhileBusy([&] {
        try {
            opened = vek::OpenProject(projectPath, options);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    if (failure)
        std::rethrow_exception(failure);
    return std::move(*opened);
}

// The dialogs hold references to the model and the settings: they are assigned, not replaced.
void MainWindow::TakeOpenedProject(OpenedProject& opened, const std::string& projectPath,
                                   std::string savedJson)
{
    model_ = std::move(opened.OpenedModel);
    settings_ = std::move(opened.ProjectSettings);
    const MouseMode mode = viewSettings_.MouseMode;
    viewSettings_ = opened.View;
    viewSettings_.MouseMode = mode;
    results_ = Results();
    animation_ = AnimationData();
    session_ = SessionOfOpened(opened, projectPath, std::move(savedJson));
    ShowCounts(opened.Counts);
    RememberRecentProject(projectPath);
    Redraw();
    ZoomAll(model_, results_, projected_, view_, modelView_->Area());
    Redraw();
    if (!opened.Warnings.empty())
        ReportError(
            WarningsMessage(tr("The project is opened, but not all of it:"), opened.Warnings));
}

void MainWindow::KeepLastScript(const QString& scriptPath)
{
    std::optional<ScriptRecord> record = tclFileDialog_->lastRecord();
    if (!record)
        return;
    record->Script = LocalPath(QFileInfo(scriptPath).absoluteFilePath());
    session_.LastScript = std::move(record);
    lastScriptPath_ = QFileInfo(scriptPath).absoluteFilePath();
    lastScriptWarnings_ = tclFileDialog_->lastWarnings();
}

void MainWindow::RunWhileBusy(const std::function<void()>& work)
{
    importing_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);

    QProgressDialog progress(tr("Importing the model..."), QString(), 0, 0, this);
    progress.setWindowTitle(ProgramTitle());
    progress.setAccessibleName(tr("Import progress"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(ProgressDelayMs);
    QTimer showProgress;
    showProgress.setSingleShot(true);
    connect(&showProgress, &QTimer::timeout, &progress, &QProgressDialog::show);

    QEventLoop loop;
    const std::unique_ptr<QThread> worker(QThread::create(work));
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    showProgress.start(ProgressDelayMs);
    // Paint events and timers go on; keys and clicks wait until the model is complete.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();

    QApplication::restoreOverrideCursor();
    importing_ = false;
}

void MainWindow::ConvertSap2000V14File()
{
    Guarded([this] { ShowDialog(v14ConvertDialog_); });
}

// ---- View

void MainWindow::SetMouseMode(MouseMode mode, const QString& status)
{
    viewSettings_.MouseMode = mode;
    if (!status.isNull())
        panels_[1]->setText(status);
}

void MainWindow::PanMode()
{
    SetMouseMode(MouseMode::PanArmed, QStringLiteral("Pan"));
}

void MainWindow::ZoomAllCommand()
{
    Guarded([this] {
        ZoomAll(model_, results_, projected_, view_, modelView_->Area());
        Redraw();
    });
}

void MainWindow::RotateViewMode()
{
    SetMouseMode(MouseMode::RotateArmed, QStringLiteral("Rotate View"));
}

void MainWindow::Refresh()
{
    Guarded([this] {
        viewSettings_.ShownLoadCase = 0;
        Redraw();
    });
}

void MainWindow::ApplyPresetView(PresetView preset)
{
    Guarded([&] {
        SetPresetView(view_, preset);
        Redraw();
        ZoomAll(model_, results_, projected_, view_, modelView_->Area());
        Redraw();
    });
}

void MainWindow::XYView()
{
    ApplyPresetView(PresetView::XY);
}

void MainWindow::XZView()
{
    ApplyPresetView(PresetView::XZ);
}

void MainWindow::YZView()
{
    ApplyPresetView(PresetView::YZ);
}

void MainWindow::ShowDialog(QDialog* dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void MainWindow::ShowViewOption()
{
    Guarded([this] { ShowDialog(viewOptionDialog_); });
}

void MainWindow::ShowShowLoad()
{
    Guarded([this] { ShowDialog(showLoadDialog_); });
}

void MainWindow::SelectElemMode()
{
    SetMouseMode(MouseMode::SelectElem, QStringLiteral("Select Elem"));
}

void MainWindow::NoActionMode()
{
    SetMouseMode(MouseMode::NoAction, QString());
}

// ---- Define, Gen_tcl and Post

void MainWindow::ShowFrameSectionDialog()
{
    Guarded([this] { ShowDialog(frameSectionDialog_); });
}

void MainWindow::ShowMaterialDialog()
{
    Guarded([this] { ShowDialog(materialDialog_); });
}

void MainWindow::ShowShellSectionDialog()
{
    Guarded([this] { ShowDialog(shellSectionDialog_); });
}

void MainWindow::ShowRecorderSettingDialog()
{
    Guarded([this] { ShowDialog(recorderSettingDialog_); });
}

void MainWindow::ShowAnalysisCaseDialog()
{
    Guarded([this] { ShowDialog(analysisSettingDialog_); });
}

void MainWindow::ShowSolidMaterialDialog()
{
    Guarded([this] { ShowDialog(solidMaterialDialog_); });
}

void MainWindow::GenerateTclFile()
{
    Guarded([this] { ShowDialog(tclFileDialog_); });
}

void MainWindow::RunOpenSees()
{
    QFileDialog chooser(this, tr("Run OpenSEES"));
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilter(QStringLiteral("tcl file (*.tcl)"));
    chooser.setDefaultSuffix(QStringLiteral("tcl"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    RunOpenSees(chooser.selectedFiles().constFirst());
}

void MainWindow::RunOpenSees(const QString& path)
{
    Guarded([&] {
        const SolverLaunch launch =
            PlanSolverStart(path, QCoreApplication::applicationDirPath(),
                            qEnvironmentVariable("PATH"), qEnvironmentVariable("OPENSEES"));
        const bool saved = QFileInfo(path).absoluteFilePath() == lastScriptPath_;
        runWindow_->Start(launch, saved ? lastScriptWarnings_ : std::vector<std::string>());
        ShowDialog(runWindow_);
    });
}

void MainWindow::ShowRunResult(const QString& folder, const QString& result)
{
    // The dialogs read the folder of the file their chooser gives: the run's folder until the
    // dialog is closed, then a file the engineer chooses again.
    const QString inFolder = QDir(folder).filePath(QStringLiteral("run.log"));
    const auto onRunFolder = [inFolder](auto* dialog) {
        dialog->SetFileChooser([inFolder] { return inFolder; });
        connect(
            dialog, &QDialog::finished, dialog,
            [dialog] {
                dialog->SetFileChooser(
                    [dialog] { return ChooseOpenFile(dialog, dialog->windowTitle()); });
            },
            Qt::SingleShotConnection);
    };
    Guarded([&] {
        if (result == QLatin1String("deformation")) {
            onRunFolder(deformationDialog_);
            ShowDialog(deformationDialog_);
        } else if (result == QLatin1String("animation")) {
            onRunFolder(animationDialog_);
            ShowDialog(animationDialog_);
        } else if (result == QLatin1String("plots")) {
            plotWindow_->SetFolder(LocalPath(folder));
            ShowDialog(plotWindow_);
        } else if (result == QLatin1String("force")) {
            ShowDialog(forceDialog_);
            forceFolder_ = LocalPath(folder);
        }
    });
}

void MainWindow::ShowForce()
{
    Guarded([this] { ShowDialog(forceDialog_); });
}

std::vector<FrameEndForces> MainWindow::EndForcesAt(std::int64_t step)
{
    // The folder of a run: the run window's, or one of the recorder files the engineer
    // chooses, kept until the dialog is closed.
    if (forceFolder_.empty()) {
        const QString file =
            forceFileChooser_ ? forceFileChooser_() : ChooseOpenFile(forceDialog_, tr("Force"));
        if (file.isEmpty())
            return {};
        forceFolder_ = LocalPath(QFileInfo(file).absolutePath());
    }
    std::vector<FrameEndForces> forces;
    ReadAsRecorded(forceFolder_, model_, settings_,
                   [&](const Model& recorded, const Settings& recordedSettings) {
                       forces = ReadFrameEndForces(recorded, recordedSettings, forceFolder_, step);
                   });
    return forces;
}

void MainWindow::ShowDeformation()
{
    Guarded([this] { ShowDialog(deformationDialog_); });
}

void MainWindow::ShowAnimation()
{
    Guarded([this] { ShowDialog(animationDialog_); });
}

void MainWindow::ShowPlots()
{
    Guarded([this] { ShowDialog(plotWindow_); });
}

void MainWindow::AnimationTick()
{
    // An import is rebuilding the model on its worker thread.
    if (importing_)
        return;
    Guarded([this] {
        const std::int32_t step = animationDialog_->NextStep();
        try {
            view_.DeformScale = animationDialog_->State().Scale;
            PaintAnimationStep(modelView_->Picture(), model_, animation_, projected_, view_, step,
                               &twoBands_);
        } catch (...) {
            // One message, not one a millisecond.
            animationTimer_.stop();
            throw;
        }
        modelView_->update();
    });
}

void MainWindow::ClearResults()
{
    Guarded([this] {
        results_.Clear();
        Redraw();
    });
}

// ---- Help

void MainWindow::OpenTutorial()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(TutorialUrl)));
}

void MainWindow::OpenAbout()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomeUrl)));
}

// ---- Mouse on the model view

void MainWindow::ModelViewPressed(MouseButton button, QPoint pixel)
{
    Guarded([&] {
        ApplyMouseResult(mouse_.Down(model_, projected_, viewSettings_, view_, modelView_->Area(),
                                     button, pixel.x(), pixel.y()));
    });
}

void MainWindow::ModelViewMoved(QPoint pixel)
{
    Guarded([&] {
        ApplyMouseResult(
            mouse_.Move(viewSettings_, view_, modelView_->Area(), pixel.x(), pixel.y()));
    });
}

void MainWindow::ModelViewReleased(QPoint pixel)
{
    Guarded([&] {
        ApplyMouseResult(mouse_.Up(viewSettings_, view_, modelView_->Area(), pixel.x(), pixel.y()));
    });
}

void MainWindow::ApplyMouseResult(const MouseResult& result)
{
    if (result.Status)
        panels_[1]->setText(QString::fromStdString(*result.Status));
    if (result.Redraw)
        Redraw();
    if (result.ShowFrameProperties)
        ShowDialog(framePropertiesDialog_);
}

} // namespace vek
