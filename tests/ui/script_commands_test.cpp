#include "app/main_window.h"
#include "post/gui/deformation_dialog.h"
#include "run/gui/run_window.h"
#include "s2k/s2k_import.h"
#include "support/solid_models.h"
#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "tcl/gui/analysis_setting_dialog.h"
#include "tcl/gui/recorder_setting_dialog.h"
#include "tcl/gui/solid_material_dialog.h"
#include "tcl/gui/tcl_file_dialog.h"
#include "tcl/solid_materials.h"
#include "tcl/tcl_generator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace vek;

namespace {

const QString Portal = QStringLiteral(VEK_EXAMPLES_DIR "/portal.s2k");

// A shown main window whose error messages are recorded instead of shown in a box.
struct Window
{
    Window()
    {
        form.SetErrorReporter([this](const QString& message) { errors << message; });
        // A new import lets the changes to the last one go.
        form.SetQuestionAsker(
            [](const QString&, QMessageBox::StandardButtons) { return QMessageBox::Discard; });
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the main window was not exposed");
    }
    QAction* MenuEntry(const QString& menuTitle, const QString& caption) const
    {
        for (QAction* menu : form.menuBar()->actions())
            if (menu->text() == menuTitle && menu->menu())
                for (QAction* entry : menu->menu()->actions())
                    if (entry->text() == caption)
                        return entry;
        return nullptr;
    }
    QToolButton* Button(const char* name) const
    {
        return form.findChild<QToolButton*>(QString::fromLatin1(name));
    }
    template <class Dialog> Dialog* Find() const
    {
        auto* dialog = form.findChild<Dialog*>();
        if (!dialog)
            qFatal("a dialog was not created");
        return dialog;
    }

    MainWindow form;
    QStringList errors;
};

QPushButton* ButtonOf(QWidget* dialog, const QString& caption)
{
    return testing::ButtonCaptioned(*dialog, caption);
}

template <class Control> Control* Labelled(QWidget* dialog, const QString& caption)
{
    return testing::Labelled<Control>(*dialog, caption);
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The script vek-cli writes for the file with these settings.
QByteArray CoreScript(const QString& s2k, Settings settings, const QString& path)
{
    Model model;
    LoadS2kFile(model, QFile::encodeName(s2k).toStdString());
    ReadS2kModel(model);
    InitSolidMaterials(model, settings);
    TextLines lines;
    std::vector<std::string> warnings;
    GenerateTclScript(model, settings, lines, warnings);
    SaveTclScript(lines, QFile::encodeName(path).toStdString());
    return FileBytes(path);
}

// Sets PATH for the life of the object.
class PathVariable
{
public:
    // The OPENSEES variable, which comes before the PATH, is put aside meanwhile.
    explicit PathVariable(const QString& value)
        : old_(qgetenv("PATH")), hadOpenSees_(qEnvironmentVariableIsSet("OPENSEES")),
          openSees_(qgetenv("OPENSEES"))
    {
        qputenv("PATH", QFile::encodeName(value));
        qunsetenv("OPENSEES");
    }
    ~PathVariable()
    {
        qputenv("PATH", old_);
        if (hadOpenSees_)
            qputenv("OPENSEES", openSees_);
    }

private:
    QByteArray old_;
    bool hadOpenSees_;
    QByteArray openSees_;
};

// A stand-in solver that writes its working folder and then each argument, one a line, to
// `record`.
bool AddStandInSolver(const QString& folder, const QString& record)
{
    const QString file = QDir(folder).filePath(QStringLiteral("OpenSees"));
    const QByteArray target = QFile::encodeName(record);
    const QByteArray script = "#!/bin/sh\n"
                              "{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" +
                              target + ".part' && mv '" + target + ".part' '" + target + "'\n";
    return WriteFile(file, script) &&
           QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class ScriptCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    // The window keeps its place in the settings: the test's own, not the user's.
    void initTestCase() { testing::UseTestSettings(); }
    void commandsShowTheirDialogs();
    void settingsReachTheScript();
    void solidMaterialsReachTheScript();
    void dialogErrorsGoToTheWindowsMessageBox();
    void runOpenSeesStartsTheSolverInTheScriptsFolder();
    void runOpenSeesWithoutASolverSaysWhereItLooked();
    void runOpenSeesOnAMissingScript();
    void runOpenSeesCancelledStartsNothing();
    void runOpenSeesFollowsTheRunAndOpensItsResults();
};

void ScriptCommandsTest::commandsShowTheirDialogs()
{
    Window w;
    const struct
    {
        const char* Menu;
        const char* Caption;
        const char* Button;
    } commands[] = {
        {"Define", "Recorder Setting", "recorderSettingButton"},
        {"Define", "Analysis Case", "analysisCaseButton"},
        {"Gen_tcl", "OpenSEES tcl File", "tclFileButton"},
        {"Gen_tcl", "Run OpenSEES", "runOpenSeesButton"},
    };
    for (const auto& command : commands) {
        QAction* entry = w.MenuEntry(command.Menu, command.Caption);
        QVERIFY2(entry && entry->isEnabled(), command.Caption);
        QVERIFY(w.Button(command.Button)->isEnabled());
        QCOMPARE(w.Button(command.Button)->defaultAction(), entry);
    }

    // "Solid Material" follows "Analysis Case" in the Define menu and has no tool button.
    QAction* solid = w.MenuEntry("Define", "Solid Material");
    QVERIFY(solid && solid->isEnabled());
    for (QAction* menu : w.form.menuBar()->actions())
        if (menu->text() == QStringLiteral("Define")) {
            const QList<QAction*> entries = menu->menu()->actions();
            const qsizetype analysis = entries.indexOf(w.MenuEntry("Define", "Analysis Case"));
            QCOMPARE(entries.indexOf(solid), analysis + 1);
        }
    for (QToolButton* button : w.form.findChildren<QToolButton*>())
        QVERIFY(button->defaultAction() != solid);

    w.form.ImportS2kFile(Portal);
    QVERIFY(w.errors.isEmpty());
    w.Button("tclFileButton")->click();
    QVERIFY(w.Find<TclFileDialog>()->isVisible());
    QCOMPARE(w.Find<TclFileDialog>()->windowTitle(), QStringLiteral("OpenSEES Tcl File"));
    w.Button("analysisCaseButton")->click();
    auto* analysis = w.Find<AnalysisSettingDialog>();
    QVERIFY(analysis->isVisible());
    QCOMPARE(Labelled<QComboBox>(analysis, QStringLiteral("Load Case"))->itemText(0),
             QStringLiteral("DEAD"));
    w.Button("recorderSettingButton")->click();
    QVERIFY(w.Find<RecorderSettingDialog>()->isVisible());
    solid->trigger();
    QVERIFY(w.Find<SolidMaterialDialog>()->isVisible());
    QCOMPARE(w.Find<SolidMaterialDialog>()->windowTitle(), QStringLiteral("Solid Material"));

    // Shown again, each is still the one dialog.
    w.Button("tclFileButton")->click();
    int scripts = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        scripts += qobject_cast<TclFileDialog*>(window) ? 1 : 0;
    QCOMPARE(scripts, 1);
}

void ScriptCommandsTest::settingsReachTheScript()
{
    QTemporaryDir dir;
    Window w;
    w.form.ImportS2kFile(Portal);

    w.Button("analysisCaseButton")->click();
    auto* analysis = w.Find<AnalysisSettingDialog>();
    Labelled<QComboBox>(analysis, QStringLiteral("Analysis Type"))->setCurrentIndex(1);
    Labelled<QLineEdit>(analysis, QStringLiteral("Control Node"))->setText(QStringLiteral("3"));
    ButtonOf(analysis, QStringLiteral("OK"))->click();
    w.Button("recorderSettingButton")->click();
    auto* recorders = w.Find<RecorderSettingDialog>();
    recorders->findChild<QCheckBox*>(QStringLiteral("frameForceCheckBox"))->click();
    ButtonOf(recorders, QStringLiteral("OK"))->click();
    QCOMPARE(w.form.settings().AnalysisType, 2);
    QVERIFY(w.form.settings().RecordFrameForce);

    w.Button("tclFileButton")->click();
    auto* script = w.Find<TclFileDialog>();
    ButtonOf(script, QStringLiteral("Generate"))->click();
    const QString path = dir.filePath(QStringLiteral("portal.tcl"));
    script->Save(path);
    // The push of DEAD, a vertical load, along X draws a warning, and nothing else is told.
    QCOMPARE(w.errors.size(), 1);
    QVERIFY2(w.errors[0].startsWith(QStringLiteral("The script is generated, but OpenSees")),
             qPrintable(w.errors[0]));
    QVERIFY2(w.errors[0].contains(QStringLiteral("Load Vector")), qPrintable(w.errors[0]));
    const QByteArray expected =
        CoreScript(Portal, w.form.settings(), dir.filePath(QStringLiteral("core.tcl")));
    QCOMPARE(FileBytes(path), expected);
    QVERIFY(expected.contains("integrator DisplacementControl 3 1 1.000E-001\r\n"));
    QVERIFY(expected.contains("localForce\r\n"));
}

void ScriptCommandsTest::solidMaterialsReachTheScript()
{
    QTemporaryDir dir;
    const QString s2k = dir.filePath(QStringLiteral("bricks.s2k"));
    QVERIFY(WriteFile(s2k, QByteArray::fromStdString(vek::testing::bricksOnly)));
    Window w;
    w.form.ImportS2kFile(s2k);
    QVERIFY(w.errors.isEmpty());
    w.MenuEntry("Define", "Solid Material")->trigger();
    auto* solids = w.Find<SolidMaterialDialog>();
    solids->findChild<QLineEdit*>(QStringLiteral("material100EEdit"))
        ->setText(QStringLiteral("30000"));
    solids->findChild<QLineEdit*>(QStringLiteral("material100PoissonEdit"))
        ->setText(QStringLiteral("0.2"));
    ButtonOf(solids, QStringLiteral("OK"))->click();
    QVERIFY(!solids->isVisible());

    w.Button("tclFileButton")->click();
    auto* script = w.Find<TclFileDialog>();
    ButtonOf(script, QStringLiteral("Generate"))->click();
    QVERIFY(script->textArea()->toPlainText().contains(
        QStringLiteral("\nnDMaterial ElasticIsotropic 100 3.000E+004 2.000E-001\n")));
    for (const QString& error : w.errors)
        QVERIFY2(!error.contains(QStringLiteral("Solid material")), qPrintable(error));

    // A new import starts again from the file's materials: tag 100 has none.
    w.form.ImportS2kFile(s2k);
    w.MenuEntry("Define", "Solid Material")->trigger();
    QCOMPARE(solids->findChild<QLineEdit*>(QStringLiteral("material100EEdit"))->text(), QString());
}

void ScriptCommandsTest::dialogErrorsGoToTheWindowsMessageBox()
{
    Window w;
    w.Button("analysisCaseButton")->click();
    auto* analysis = w.Find<AnalysisSettingDialog>();
    Labelled<QLineEdit>(analysis, QStringLiteral("Load Steps"))->setText(QStringLiteral("1e2"));
    ButtonOf(analysis, QStringLiteral("OK"))->click();
    QCOMPARE(w.errors, QStringList{QStringLiteral("'1e2' is not a valid integer value")});
    QVERIFY(analysis->isVisible());

    Labelled<QLineEdit>(analysis, QStringLiteral("Load Steps"))->setText(QStringLiteral("0"));
    ButtonOf(analysis, QStringLiteral("OK"))->click();
    QCOMPARE(w.errors.last(), QStringLiteral("LoadSteps must be 1 or more, not 0"));
    QVERIFY(analysis->isVisible());

    // The portal with a section without sides, whose properties are 0 / 0.
    QTemporaryDir dir;
    const QString flat = dir.filePath(QStringLiteral("flat.s2k"));
    QFile in(Portal), out(flat);
    QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
    out.write(in.readAll().replace("T=400,400", "T=0,0"));
    out.close();
    w.form.ImportS2kFile(flat);
    w.Button("tclFileButton")->click();
    auto* script = w.Find<TclFileDialog>();
    ButtonOf(script, QStringLiteral("Generate"))->click();
    QCOMPARE(w.errors.last(), QStringLiteral("Invalid floating point operation"));
    QCOMPARE(script->textArea()->toPlainText(), QStringLiteral("OpenSEES Tcl File"));
}

void ScriptCommandsTest::runOpenSeesStartsTheSolverInTheScriptsFolder()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("solver")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("my models")));
    const QString record = dir.filePath(QStringLiteral("record.txt"));
    QVERIFY(AddStandInSolver(dir.filePath(QStringLiteral("solver")), record));
    const QString script = dir.filePath(QStringLiteral("my models/portal model.tcl"));
    QVERIFY(WriteFile(script, "wipe\r\n"));

    Window w;
    {
        const PathVariable path(QStringLiteral("/nonexistent:") +
                                dir.filePath(QStringLiteral("solver")) +
                                QStringLiteral(":/usr/bin:/bin"));
        w.form.RunOpenSees(script);
    }
    QVERIFY2(w.errors.isEmpty(), qPrintable(w.errors.join('\n')));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 20000);
    const QStringList lines =
        QString::fromLocal8Bit(FileBytes(record)).split('\n', Qt::SkipEmptyParts);
    const QString folder = QFileInfo(dir.filePath(QStringLiteral("my models"))).canonicalFilePath();
    QCOMPARE(lines, QStringList({folder, QFileInfo(script).absoluteFilePath()}));
}

void ScriptCommandsTest::runOpenSeesWithoutASolverSaysWhereItLooked()
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("model.tcl"));
    QVERIFY(WriteFile(script, "wipe\r\n"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("empty")));
    Window w;
    {
        const PathVariable path(dir.filePath(QStringLiteral("empty")));
        w.form.RunOpenSees(script);
    }
    QCOMPARE(w.errors.size(), 1);
    const QString& message = w.errors[0];
    QVERIFY2(message.startsWith(QStringLiteral("The OpenSees solver was not found.")),
             qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("\n") + QCoreApplication::applicationDirPath() +
                             QStringLiteral("\n")));
    QVERIFY(message.contains(QStringLiteral("\n") + dir.filePath(QStringLiteral("empty")) +
                             QStringLiteral("\n")));
}

void ScriptCommandsTest::runOpenSeesOnAMissingScript()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("solver")));
    const QString record = dir.filePath(QStringLiteral("record.txt"));
    QVERIFY(AddStandInSolver(dir.filePath(QStringLiteral("solver")), record));
    Window w;
    {
        const PathVariable path(dir.filePath(QStringLiteral("solver")));
        w.form.RunOpenSees(dir.filePath(QStringLiteral("gone.tcl")));
    }
    QCOMPARE(w.errors, QStringList{QStringLiteral("The script \"%1\" does not exist.")
                                       .arg(dir.filePath(QStringLiteral("gone.tcl")))});
    QVERIFY(!QFile::exists(record));
}

void ScriptCommandsTest::runOpenSeesCancelledStartsNothing()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("solver")));
    const QString record = dir.filePath(QStringLiteral("record.txt"));
    QVERIFY(AddStandInSolver(dir.filePath(QStringLiteral("solver")), record));
    Window w;
    QStringList filters;
    bool asked = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* chooser = qobject_cast<QFileDialog*>(window);
                chooser && chooser->isVisible()) {
                asked = true;
                filters = chooser->nameFilters();
                chooser->reject();
            }
    });
    {
        const PathVariable path(dir.filePath(QStringLiteral("solver")));
        w.Button("runOpenSeesButton")->click();
    }
    QVERIFY(asked);
    QCOMPARE(filters, QStringList{QStringLiteral("tcl file (*.tcl)")});
    QVERIFY(w.errors.isEmpty());
    QVERIFY(!QFile::exists(record));
}

// The recorded static run of the building, replayed by the stand-in solver that OPENSEES names.
void ScriptCommandsTest::runOpenSeesFollowsTheRunAndOpensItsResults()
{
    const QString run = QStringLiteral(VEK_OPENSEES_RUNS "/building-static-forces");
    if (!QFileInfo::exists(run))
        QSKIP("no recorded runs");
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("run \"é\" model.tcl"));
    QVERIFY(QFile::copy(run + QStringLiteral("/model.tcl"), script));
    Window w;
    w.form.ImportS2kFile(QStringLiteral(VEK_EXAMPLES_DIR "/building.s2k"));
    qputenv("OPENSEES", VEK_REPLAY_SOLVER);
    qputenv("VEK_REPLAY_RUN", QFile::encodeName(run));
    w.form.RunOpenSees(script);
    qunsetenv("OPENSEES");
    QVERIFY2(w.errors.isEmpty(), qPrintable(w.errors.join('\n')));
    auto* runWindow = w.Find<RunWindow>();
    QVERIFY(runWindow->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(runWindow->Verdict().has_value(), 60000);
    qunsetenv("VEK_REPLAY_RUN");
    QVERIFY(runWindow->Verdict()->Finished);

    // Deformation opens on the run's folder: loading asks for no file.
    runWindow->findChild<QPushButton*>(QStringLiteral("deformationResultButton"))->click();
    auto* deformation = w.Find<DeformationDialog>();
    QVERIFY(deformation->isVisible());
    deformation->findChild<QLineEdit*>(QStringLiteral("loadStepEdit"))
        ->setText(QStringLiteral("10"));
    deformation->findChild<QPushButton*>(QStringLiteral("loadNodeDeformButton"))->click();
    QVERIFY2(w.errors.isEmpty(), qPrintable(w.errors.join('\n')));
    const auto& joints = w.form.results().Joints;
    QVERIFY(std::any_of(joints.begin(), joints.end(),
                        [](const JointDisplacement& d) { return d.DispZ != 0; }));
}

QTEST_MAIN(ScriptCommandsTest)
#include "script_commands_test.moc"
