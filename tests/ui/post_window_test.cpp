#include "app/main_window.h"
#include "gui/model_view.h"
#include "post/gui/animation_dialog.h"
#include "post/gui/deformation_dialog.h"
#include "post/gui/force_dialog.h"
#include "post/gui/plot_window.h"

#include "../post/recorder_test_files.h"
#include "project/script_record.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace vek;
using vek::testing::JointValue;
using vek::testing::TempFolder;
using vek::testing::WriteNodeFiles;

namespace {

const QString Portal = QStringLiteral(VEK_EXAMPLES_DIR "/portal.s2k");

// A shown main window with the portal frame imported (3 joints, joint 1 fixed, 2 frames).
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
        form.ImportS2kFile(Portal);
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
    template <class T> T* Dialog() const { return form.findChild<T*>(); }
    void Tick() { QVERIFY(QMetaObject::invokeMethod(&form, "AnimationTick")); }
    QImage Picture() const { return form.modelView()->Picture(); }

    MainWindow form;
    QStringList errors;
};

void Click(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void SetText(QWidget* dialog, const char* name, const QString& text)
{
    auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(edit, name);
    edit->setText(text);
}

// The picture the window's redraw gives of its model with the joints displaced by `disp(j)`,
// with only the layers the animation draws. Comparing the window with it proves that the
// displacements reached the redraw, not that the model is drawn right: the model-drawing and
// animation tests hold the drawing.
QImage RedrawnWithDisplacements(const MainWindow& form, const ViewTransform& view,
                                const std::function<std::array<double, 3>(std::int64_t)>& disp)
{
    const Model& model = form.model();
    Results results;
    results.Joints.resize(static_cast<std::size_t>(model.JointCount()) + 1);
    for (std::int64_t j = 1; j <= model.JointCount(); ++j) {
        const auto d = disp(j);
        results.Joints[static_cast<std::size_t>(j)] = {d[0], d[1], d[2]};
    }
    ViewSettings layers;
    layers.ShowShells = layers.ShowReleases = layers.ShowSolids = false;
    QImage picture = NewModelImage(form.modelView()->Picture().size());
    ProjectedModel pixels = form.projected();
    PaintModel(picture, model, results, pixels, layers, view);
    return picture;
}

} // namespace

class PostWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // The window keeps its place in the settings: the test's own, not the user's.
    void initTestCase() { testing::UseTestSettings(); }
    void postCommandsShowTheirDialogs();
    void deformationOkRedrawsWithTheLoadedDisplacements();
    void animationTicksRedrawAtTheNextStep();
    void ticksBeforeAnyLoadRedrawTheModelAtRest();
    void clearResults();
    void forceDrawsTheDiagramsOfTheChosenRun();
};

void PostWindowTest::postCommandsShowTheirDialogs()
{
    Window w;
    QAction* deformation = w.MenuEntry("Post", "Deformation");
    QAction* animation = w.MenuEntry("Post", "Animation");
    QVERIFY(deformation && deformation->isEnabled());
    QVERIFY(animation && animation->isEnabled());
    deformation->trigger();
    deformation->trigger();
    QCOMPARE(w.form.findChildren<DeformationDialog*>().size(), 1);
    QVERIFY(w.Dialog<DeformationDialog>()->isVisible());
    QCOMPARE(w.Dialog<DeformationDialog>()->windowTitle(), QStringLiteral("Deformation Shape"));
    QTest::mouseClick(w.form.findChild<QToolButton*>(QStringLiteral("animationButton")),
                      Qt::LeftButton);
    QCOMPARE(w.form.findChildren<AnimationDialog*>().size(), 1);
    QVERIFY(w.Dialog<AnimationDialog>()->isVisible());
    QCOMPARE(w.Dialog<AnimationDialog>()->windowTitle(), QStringLiteral("Animation"));
    w.MenuEntry("Post", "Plots")->trigger();
    QCOMPARE(w.form.findChildren<PlotWindow*>().size(), 1);
    QVERIFY(w.Dialog<PlotWindow>()->isVisible());
    QCOMPARE(w.errors, QStringList());
}

void PostWindowTest::deformationOkRedrawsWithTheLoadedDisplacements()
{
    Window w;
    TempFolder folder("windeform");
    WriteNodeFiles(folder, 3, 2);
    auto* dialog = w.Dialog<DeformationDialog>();
    dialog->SetFileChooser([&] { return QString::fromStdString(folder.File("portal.tcl")); });
    w.MenuEntry("Post", "Deformation")->trigger();
    SetText(dialog, "loadStepEdit", QStringLiteral("2"));
    Click(dialog, "loadNodeDeformButton");
    SetText(dialog, "scaleEdit", QStringLiteral("3"));
    Click(dialog, "okButton");
    QCOMPARE(w.errors, QStringList());
    QCOMPARE(w.form.results().Joints.at(3).DispX, JointValue(3, 2, 1));
    QCOMPARE(w.form.view().DeformScale, 3.0);
    QVERIFY(!dialog->isVisible());
    Model model = w.form.model();
    QImage expected = NewModelImage(w.Picture().size());
    ProjectedModel pixels = w.form.projected();
    PaintModel(expected, model, w.form.results(), pixels, w.form.viewSettings(), w.form.view());
    QCOMPARE(w.Picture(), expected);

    // A new import starts without the results and the animation of the old model.
    auto* animation = w.Dialog<AnimationDialog>();
    animation->SetFileChooser([&] { return QString::fromStdString(folder.File("x")); });
    animation->show();
    dialog->show();
    SetText(animation, "stepCountEdit", QStringLiteral("1"));
    Click(animation, "loadDispButton");
    Click(dialog, "loadNodeDeformButton");
    QVERIFY(w.form.results().Joints.at(2).DispZ != 0);
    QVERIFY(!w.form.animation().Joints.empty());
    w.form.ImportS2kFile(Portal);
    for (const JointDisplacement& joint : w.form.results().Joints)
        QVERIFY(joint.DispX == 0 && joint.DispY == 0 && joint.DispZ == 0);
    for (const auto& joint : w.form.animation().Joints)
        for (const double d : joint.AnimDispZ)
            QCOMPARE(d, 0.0);
    QCOMPARE(w.errors, QStringList());
}

void PostWindowTest::animationTicksRedrawAtTheNextStep()
{
    Window w;
    TempFolder folder("winanim");
    WriteNodeFiles(folder, 3, 5);
    auto* dialog = w.Dialog<AnimationDialog>();
    dialog->SetFileChooser([&] { return QString::fromStdString(folder.File("node0.out")); });
    SetText(dialog, "stepCountEdit", QStringLiteral("5"));
    SetText(dialog, "scaleEdit", QStringLiteral("0.5"));
    Click(dialog, "loadDispButton");
    QCOMPARE(w.errors, QStringList());

    Click(dialog, "runStopButton");
    QVERIFY(w.form.animationTimer().isActive());
    // The ticks are given by hand.
    w.form.animationTimer().stop();
    w.Tick();
    w.Tick();
    QCOMPARE(dialog->State().Frame, 3);
    QCOMPARE(w.form.view().DeformScale, 0.5);
    const QImage expected = RedrawnWithDisplacements(w.form, w.form.view(), [](std::int64_t j) {
        return std::array<double, 3>{JointValue(j, 3, 1), JointValue(j, 3, 2), JointValue(j, 3, 3)};
    });
    QCOMPARE(w.Picture(), expected);

    // The timer drives the ticks.
    w.form.animationTimer().start();
    QTRY_COMPARE(dialog->State().Frame, 4);
    w.form.animationTimer().stop();
    QCOMPARE(w.errors, QStringList());
}

void PostWindowTest::ticksBeforeAnyLoadRedrawTheModelAtRest()
{
    Window w;
    auto* dialog = w.Dialog<AnimationDialog>();
    Click(dialog, "runStopButton");
    w.form.animationTimer().stop();
    w.Tick();
    QCOMPARE(dialog->State().Frame, 0);
    const QImage expected = RedrawnWithDisplacements(w.form, w.form.view(), [](std::int64_t) {
        return std::array<double, 3>{0, 0, 0};
    });
    QCOMPARE(w.Picture(), expected);
    QCOMPARE(w.errors, QStringList());
}

void PostWindowTest::clearResults()
{
    Window w;
    TempFolder folder("winclear");
    WriteNodeFiles(folder, 3, 1);
    auto* dialog = w.Dialog<DeformationDialog>();
    dialog->SetFileChooser([&] { return QString::fromStdString(folder.File("x")); });
    Click(dialog, "loadNodeDeformButton");
    SetText(dialog, "scaleEdit", QStringLiteral("2"));
    SetText(dialog, "scaleMaxEdit", QStringLiteral("0.5"));
    Click(dialog, "okButton");
    QVERIFY(w.form.results().Joints.at(2).DispZ != 0);

    QTest::mouseClick(w.form.findChild<QToolButton*>(QStringLiteral("clearResultsButton")),
                      Qt::LeftButton);
    for (const JointDisplacement& joint : w.form.results().Joints)
        QVERIFY(joint.DispX == 0 && joint.DispY == 0 && joint.DispZ == 0);
    for (const FrameResult& frame : w.form.results().Frames)
        QVERIFY(frame.ResultI == 0 && frame.ResultJ == 0);
    // The scales stay; the undeformed model is shown.
    QCOMPARE(w.form.view().DeformScale, 2.0);
    QCOMPARE(w.form.viewSettings().ScaleMax, 0.5);
    Model model = w.form.model();
    ViewTransform rest = w.form.view();
    rest.DeformScale = 0;
    QImage expected = NewModelImage(w.Picture().size());
    ProjectedModel pixels = w.form.projected();
    PaintModel(expected, model, w.form.results(), pixels, w.form.viewSettings(), rest);
    QCOMPARE(w.Picture(), expected);
}

// Post, Force on the recorded static run of the building: the folder of the file chosen, read
// with the settings of the script record there; Clear Results removes the diagrams.
void PostWindowTest::forceDrawsTheDiagramsOfTheChosenRun()
{
    const QDir run(QStringLiteral(VEK_OPENSEES_RUNS "/building-static-forces"));
    if (!run.exists())
        QSKIP("no recorded OpenSees runs");
    Window w;
    w.form.ImportS2kFile(QStringLiteral(VEK_EXAMPLES_DIR "/building.s2k"));
    TempFolder folder("winforce");
    for (const QString& file : run.entryList({QStringLiteral("*.out")}))
        QVERIFY(QFile::copy(run.filePath(file),
                            QString::fromStdString(folder.File(file.toStdString()))));
    Settings recorded = w.form.settings();
    recorded.LoadSteps = 10;
    recorded.RecordFrameForce = recorded.RecordSectionDeform = true;
    SaveScriptRecord(folder.File("model.tcl"),
                     RecordOfScript(w.form.model(), recorded, "model.tcl"));
    int asked = 0;
    w.form.SetForceFileChooser([&] {
        ++asked;
        return QString::fromStdString(folder.File("ele0.out"));
    });

    w.MenuEntry("Post", "Force")->trigger();
    auto* dialog = w.Dialog<ForceDialog>();
    QVERIFY(dialog->isVisible());
    SetText(dialog, "stepEdit", QStringLiteral("10"));
    Click(dialog, "drawButton");
    Click(dialog, "drawButton");
    QCOMPARE(w.errors, QStringList());
    QCOMPARE(asked, 1);
    const std::vector<FrameDiagram>& frames = w.form.results().Forces.Frames;
    QVERIFY(
        std::any_of(frames.begin(), frames.end(), [](const FrameDiagram& f) { return f.Drawn; }));

    QTest::mouseClick(w.form.findChild<QToolButton*>(QStringLiteral("clearResultsButton")),
                      Qt::LeftButton);
    QVERIFY(w.form.results().Forces.Frames.empty());
}

QTEST_MAIN(PostWindowTest)
#include "post_window_test.moc"
