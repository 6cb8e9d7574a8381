#include "post/gui/deformation_dialog.h"
#include "project/script_record.h"
#include "sections/gui/frame_section_dialog.h"
#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "tcl/gui/analysis_setting_dialog.h"
#include "tcl/gui/tcl_file_dialog.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>

using namespace vek;
using vek::testing::WindowFixture;

namespace {

const QString Portal = QStringLiteral(VEK_EXAMPLES_DIR "/portal.s2k");
const QString Building = QStringLiteral(VEK_EXAMPLES_DIR "/building.s2k");
// A run of OpenSees on the building's script, with the default element types and settings.
const QString StaticRun = QStringLiteral(VEK_OPENSEES_RUNS "/building-static-forces");

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Types `text` into the field of the first frame section and clicks OK.
void SetSectionField(MainWindow& form, const char* edit, const QString& text)
{
    form.ShowFrameSectionDialog();
    auto* dialog = form.findChild<FrameSectionDialog*>();
    dialog->findChild<QLineEdit*>(QString::fromLatin1(edit))->setText(text);
    dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    dialog->close();
}

// Types `text` into the Analysis Setting field labelled `label` and clicks OK.
void SetAnalysisField(MainWindow& form, const QString& label, const QString& text)
{
    form.ShowAnalysisCaseDialog();
    auto* dialog = form.findChild<AnalysisSettingDialog*>();
    testing::Labelled<QLineEdit>(*dialog, label)->setText(text);
    testing::ButtonCaptioned(*dialog, QStringLiteral("OK"))->click();
}

// Generates the script, saves it to `path` and gives its bytes.
QByteArray SaveScript(MainWindow& form, const QString& path)
{
    auto* dialog = form.findChild<TclFileDialog*>();
    dialog->Generate();
    dialog->Save(path);
    return Bytes(path);
}

QStringList Entries(QMenu* menu)
{
    QStringList entries;
    for (QAction* entry : menu->actions())
        entries << entry->text();
    return entries;
}

} // namespace

class ProjectWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { testing::UseTestSettings(); }
    void projectKeepsEditsSettingsAndScript();
    void unsavedChangesAreAskedAboutOnlyWhenThereAreSome();
    void badProjectFileLeavesTheModel();
    void recentProjectsNewestFirstMissingOnesDropped();
    void windowKeepsItsPlaceAndSize();
    void deformationReadsARunWithItsScriptsSettings();
};

void ProjectWindowTest::projectKeepsEditsSettingsAndScript()
{
    QTemporaryDir dir;
    WindowFixture w;
    w.form.ImportS2kFile(Portal);
    SetSectionField(w.form, "barNumNxEdit", QStringLiteral("6"));
    SetAnalysisField(w.form, QStringLiteral("Load Steps"), QStringLiteral("7"));
    const QByteArray script = SaveScript(w.form, dir.filePath(QStringLiteral("a.tcl")));
    QVERIFY(w.form.HasUnsavedChanges());
    QVERIFY(w.form.SaveProjectTo(dir.filePath(QStringLiteral("p"))));
    QVERIFY(!w.form.HasUnsavedChanges());

    SetAnalysisField(w.form, QStringLiteral("Load Steps"), QStringLiteral("9"));
    w.answer = QMessageBox::Discard;
    w.form.ImportS2kFile(Building);
    QCOMPARE(w.questions.size(), 1);
    QVERIFY(w.form.model().FrameCount() > 2);

    w.form.OpenProjectFile(dir.filePath(QStringLiteral("p.vek")));
    QCOMPARE(w.errors, QStringList());
    QCOMPARE(w.questions.size(), 1);
    QCOMPARE(w.form.model().FrameCount(), 2);
    QCOMPARE(w.form.model().FrameSections[1].BarNumNX, 6);
    QCOMPARE(w.form.settings().LoadSteps, 7);
    QVERIFY(!w.form.HasUnsavedChanges());
    QVERIFY(w.form.session().LastScript);
    QCOMPARE(QString::fromStdString(w.form.session().LastScript->Script),
             dir.filePath(QStringLiteral("a.tcl")));
    QCOMPARE(SaveScript(w.form, dir.filePath(QStringLiteral("b.tcl"))), script);
}

void ProjectWindowTest::unsavedChangesAreAskedAboutOnlyWhenThereAreSome()
{
    QTemporaryDir dir;
    WindowFixture w;
    w.form.ImportS2kFile(Portal);
    w.form.ImportS2kFile(Portal);
    QVERIFY(w.form.close());
    QCOMPARE(w.questions, QStringList());

    // Cancel keeps the window, the model and the change.
    w.form.show();
    SetAnalysisField(w.form, QStringLiteral("Load Steps"), QStringLiteral("7"));
    QVERIFY(!w.form.close());
    w.form.ImportS2kFile(Building);
    QCOMPARE(w.questions, QStringList(2, QStringLiteral("Save changes to the project?")));
    QCOMPARE(w.form.model().FrameCount(), 2);
    QCOMPARE(w.form.settings().LoadSteps, 7);

    // Save without a project file asks for one, then the import goes on.
    w.answer = QMessageBox::Save;
    const QString project = dir.filePath(QStringLiteral("q.vek"));
    w.form.SetSaveProjectChooser([&] { return project; });
    w.form.ImportS2kFile(Building);
    QVERIFY(QFile::exists(project));
    QVERIFY(w.form.model().FrameCount() > 2);
    QCOMPARE(w.errors, QStringList());
}

void ProjectWindowTest::badProjectFileLeavesTheModel()
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.vek"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"format\": \"VEK project\"") > 0);
    file.close();
    WindowFixture w;
    w.form.ImportS2kFile(Portal);
    SetAnalysisField(w.form, QStringLiteral("Load Steps"), QStringLiteral("7"));
    w.answer = QMessageBox::Discard;
    w.form.OpenProjectFile(bad);
    QCOMPARE(w.errors.size(), 1);
    QVERIFY2(w.errors[0].contains(QStringLiteral("bad.vek")), qPrintable(w.errors[0]));
    QCOMPARE(w.form.model().FrameCount(), 2);
    QCOMPARE(w.form.settings().LoadSteps, 7);
    QVERIFY(w.form.session().ProjectPath.empty());
}

void ProjectWindowTest::recentProjectsNewestFirstMissingOnesDropped()
{
    QTemporaryDir dir;
    WindowFixture w;
    w.form.ImportS2kFile(Portal);
    QStringList saved;
    for (int k = 0; k < 9; ++k) {
        saved.prepend(dir.filePath(QStringLiteral("p%1.vek").arg(k)));
        QVERIFY(w.form.SaveProjectTo(saved.front()));
    }
    QVERIFY(w.form.SaveProjectTo(saved[3]));
    auto* recent = w.form.findChild<QMenu*>(QStringLiteral("recentProjectsMenu"));
    QCOMPARE(Entries(recent), QStringList({saved[3], saved[0], saved[1], saved[2], saved[4],
                                           saved[5], saved[6], saved[7]}));

    QVERIFY(QFile::remove(saved[1]));
    recent->actions()[2]->trigger();
    QCOMPARE(w.errors.size(), 1);
    QVERIFY(w.errors[0].contains(saved[1]));
    QVERIFY(!Entries(recent).contains(saved[1]));
    recent->actions()[1]->trigger();
    QCOMPARE(w.form.session().ProjectPath, saved[0].toStdString());
    QCOMPARE(Entries(recent).front(), saved[0]);
}

void ProjectWindowTest::windowKeepsItsPlaceAndSize()
{
    {
        WindowFixture w;
        w.form.setGeometry(40, 50, 900, 640);
        QVERIFY(w.form.close());
    }
    MainWindow again;
    QCOMPARE(again.size(), QSize(900, 640));
}

void ProjectWindowTest::deformationReadsARunWithItsScriptsSettings()
{
    if (!QFile::exists(StaticRun + QStringLiteral("/ele1_secn.out")))
        QSKIP("the recorded OpenSees runs are not here");
    QTemporaryDir dir;
    WindowFixture w;
    w.form.ImportS2kFile(Building);
    SaveScript(w.form, dir.filePath(QStringLiteral("model.tcl")));
    for (const char* name : {"ele0_secs.out", "ele0_secn.out", "ele1_secs.out", "ele1_secn.out"})
        QVERIFY(QFile::copy(StaticRun + QLatin1Char('/') + QLatin1String(name),
                            dir.filePath(QLatin1String(name))));
    // The run recorded section 3; a beam with hinges has no section 7.
    SetAnalysisField(w.form, QStringLiteral("Force/Disp Beam Column numIntgrPts"),
                     QStringLiteral("7"));
    QCOMPARE(w.form.settings().NumIntegrationPoints, 7);

    auto* dialog = w.form.findChild<DeformationDialog*>();
    dialog->SetFileChooser([&] { return dir.filePath(QStringLiteral("model.tcl")); });
    const auto load = [&] { dialog->findChild<QPushButton*>("loadSecDeformButton")->click(); };
    load();
    QCOMPARE(w.errors, QStringList());
    const auto& frames = w.form.results().Frames;
    QVERIFY(std::any_of(frames.begin(), frames.end(),
                        [](const FrameResult& frame) { return frame.ResultJ != 0; }));

    QVERIFY(QFile::remove(QString::fromStdString(
        ScriptRecordPath(dir.filePath(QStringLiteral("model.tcl")).toStdString()))));
    load();
    QCOMPARE(w.errors.size(), 1);
    QVERIFY2(w.errors[0].contains(QStringLiteral("_secn.out")), qPrintable(w.errors[0]));
}

QTEST_MAIN(ProjectWindowTest)
#include "project_window_test.moc"
