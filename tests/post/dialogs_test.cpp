#include "post/deformation_data.h"
#include "post/gui/animation_dialog.h"
#include "post/gui/deformation_dialog.h"
#include "recorder_test_files.h"
#include "support/widget_lookup.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace vek;
using vek::testing::JointModel;
using vek::testing::JointValue;
using vek::testing::TempFolder;
using vek::testing::WriteNodeFiles;

namespace {

using testing::Child;

QLineEdit* Edit(QWidget& dialog, const char* name)
{
    return Child<QLineEdit>(dialog, name);
}

void Click(QWidget& dialog, const char* name)
{
    QTest::mouseClick(Child<QPushButton>(dialog, name), Qt::LeftButton);
}

// The caption of the label whose buddy the control is; empty without one.
QString LabelOf(QWidget& dialog, QWidget* control)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == control)
            return label->text();
    return QString();
}

// Every control has an accessible name; buttons carry their captions, labelled edits the
// label's text.
void CheckAccessibleNames(QWidget& dialog)
{
    int controls = 0;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QComboBox*>(widget) &&
            !qobject_cast<QLineEdit*>(widget) && !qobject_cast<QGroupBox*>(widget) &&
            !qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractSpinBox*>(widget))
            continue;
        // The edit inside a box is the box's.
        QWidget* box = widget->parentWidget();
        if (qobject_cast<QLineEdit*>(widget) &&
            (qobject_cast<QComboBox*>(box) || qobject_cast<QAbstractSpinBox*>(box)))
            continue;
        ++controls;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->accessibleName(), button->text());
        const QString label = LabelOf(dialog, widget);
        if (!label.isEmpty())
            QCOMPARE(widget->accessibleName(), label);
    }
    QVERIFY(controls >= 6);
}

// The fields of the dialogs and the folder their file choosers give.
struct Fixture
{
    explicit Fixture(const std::string& name) : folder(name) {}
    TempFolder folder;
    Model model = JointModel(3);
    Results results;
    AnimationData animation;
    Settings settings;
    ViewSettings viewSettings;
    ViewTransform view;
    QStringList errors;
    int chosen = 0;
    bool cancel = false;

    OpenFileChooser Chooser()
    {
        return [this] {
            ++chosen;
            return cancel ? QString() : QString::fromStdString(folder.File("picked.tcl"));
        };
    }
    ErrorReporter Reporter()
    {
        return [this](const QString& message) { errors << message; };
    }
};

} // namespace

class PostDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void deformationControls();
    void deformationLoadsNodesAndModes();
    void deformationSectionLoadShowsTheScale();
    void deformationOkAndCancel();
    void deformationReportsErrors();
    void animationControls();
    void animationLoadAndPlay();
    void animationReportsErrors();
};

void PostDialogsTest::deformationControls()
{
    Fixture f("dlgcontrols");
    DeformationDialog dialog(f.model, f.results, f.settings, f.viewSettings, f.view);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Deformation Shape"));
    QVERIFY(!dialog.isModal());
    QCOMPARE(Child<QPushButton>(dialog, "loadNodeDeformButton")->text(),
             QStringLiteral("Load Node Deform Data"));
    QCOMPARE(Child<QPushButton>(dialog, "loadSecDeformButton")->text(),
             QStringLiteral("Load Sec Deform Data"));
    QCOMPARE(Child<QPushButton>(dialog, "loadModeShapeButton")->text(),
             QStringLiteral("Load Model Shape"));
    QCOMPARE(Child<QPushButton>(dialog, "okButton")->text(), QStringLiteral("OK"));
    QCOMPARE(Child<QPushButton>(dialog, "cancelButton")->text(), QStringLiteral("Cancel"));
    QCOMPARE(Edit(dialog, "loadStepEdit")->text(), QStringLiteral("1"));
    QCOMPARE(Edit(dialog, "scaleEdit")->text(), QStringLiteral("1"));
    QCOMPARE(Edit(dialog, "modeEdit")->text(), QStringLiteral("1"));
    QCOMPARE(Edit(dialog, "scaleMaxEdit")->text(), QStringLiteral("0.0001"));
    QCOMPARE(Edit(dialog, "scaleMinEdit")->text(), QStringLiteral("-0.0001"));
    QCOMPARE(LabelOf(dialog, Edit(dialog, "scaleEdit")), QStringLiteral("Scaling Factor"));
    QCOMPARE(LabelOf(dialog, Edit(dialog, "modeEdit")), QStringLiteral("Mode Num"));
    QCOMPARE(LabelOf(dialog, Edit(dialog, "scaleMaxEdit")), QStringLiteral("Max Value"));
    QCOMPARE(LabelOf(dialog, Edit(dialog, "scaleMinEdit")), QStringLiteral("Min Value"));
    QStringList groups;
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        groups << group->title();
    QCOMPARE(groups,
             (QStringList{"Load Step", "Disp Scaling", "Modal Shape", "Section Deformation"}));
    QCOMPARE(Edit(dialog, "loadStepEdit")->parentWidget()->objectName(),
             QStringLiteral("loadStepGroup"));
    auto* combo = Child<QComboBox>(dialog, "sectionValueCombo");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("Axial Strain"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Curvature Kz"));
    QCOMPARE(combo->itemText(2), QStringLiteral("Curvature Ky"));
    QCOMPARE(combo->currentIndex(), 0);

    // The legend: six boxes of the result colours from left to right.
    const QImage legend = Child<QLabel>(dialog, "scaleLegend")->pixmap().toImage();
    QCOMPARE(legend.size(), QSize(155, 40));
    QCOMPARE(QColor(legend.pixel(14, 12)), QColor(255, 0, 0));
    QCOMPARE(QColor(legend.pixel(39, 12)), QColor(255, 255, 0));
    QCOMPARE(QColor(legend.pixel(139, 12)), QColor(255, 0, 255));

    CheckAccessibleNames(dialog);
}

void PostDialogsTest::deformationLoadsNodesAndModes()
{
    Fixture f("dlgnodes");
    WriteNodeFiles(f.folder, 3, 4);
    WriteNodeFiles(f.folder, 3, 1, "eigen2_node");
    DeformationDialog dialog(f.model, f.results, f.settings, f.viewSettings, f.view);
    dialog.SetFileChooser(f.Chooser());
    dialog.SetMessageReporter(f.Reporter());
    QSignalSpy redraws(&dialog, &DeformationDialog::redrawRequested);

    Edit(dialog, "loadStepEdit")->setText(QStringLiteral("4"));
    Click(dialog, "loadNodeDeformButton");
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(dialog.LoadStep(), 4);
    QCOMPARE(f.results.Joints.at(3).DispY, JointValue(3, 4, 2));

    Edit(dialog, "modeEdit")->setText(QStringLiteral("2"));
    Click(dialog, "loadModeShapeButton");
    QCOMPARE(f.results.Joints.at(3).DispY, JointValue(3, 1, 2));

    // Cancelling the file dialog reads nothing; loading never redraws.
    f.cancel = true;
    f.results.Joints.resize(4);
    f.results.Joints[1].DispX = 42;
    Click(dialog, "loadNodeDeformButton");
    QCOMPARE(f.results.Joints.at(1).DispX, 42.0);
    QCOMPARE(f.chosen, 3);
    QCOMPARE(redraws.count(), 0);
}

void PostDialogsTest::deformationSectionLoadShowsTheScale()
{
    Fixture f("dlgsections");
    f.model.FrameSections.Reset(1);
    f.model.FrameSections.Edit(1).ElemType = ElementKind::DispBeamColumn;
    f.model.Frames.Reset(2);
    f.model.Frames.Edit(1).Section = 1;
    f.model.Frames.Edit(2).Section = 1;
    f.folder.Write("ele0_secs.out", "0.1 1 2 3 4 5 6 7 8\n0.2 -1 1e-05 3 4 5 -2.5 7 8\n");
    f.folder.Write("ele0_secn.out", "0.1 1 2 3 4 5 6 7 8\n0.2 9 0.5 0 0 9 -0 0 0\n");
    DeformationDialog dialog(f.model, f.results, f.settings, f.viewSettings, f.view);
    dialog.SetFileChooser(f.Chooser());
    dialog.SetMessageReporter(f.Reporter());

    Edit(dialog, "loadStepEdit")->setText(QStringLiteral("2"));
    Child<QComboBox>(dialog, "sectionValueCombo")->setCurrentIndex(1);
    Click(dialog, "loadSecDeformButton");
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(f.results.Frames.at(1).ResultI, 1e-05);
    QCOMPARE(f.results.Frames.at(2).ResultI, -2.5);
    QCOMPARE(f.results.Frames.at(1).ResultJ, 0.5);
    QCOMPARE(f.viewSettings.ScaleMax, 0.5);
    QCOMPARE(f.viewSettings.ScaleMin, -2.5);
    QCOMPARE(Edit(dialog, "scaleMaxEdit")->text(), QStringLiteral("0.5"));
    QCOMPARE(Edit(dialog, "scaleMinEdit")->text(), QStringLiteral("-2.5"));

    // Without frames the scale and its fields stay as they are.
    f.model.Frames.Reset(0);
    Edit(dialog, "scaleMaxEdit")->setText(QStringLiteral("7"));
    Click(dialog, "loadSecDeformButton");
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(f.viewSettings.ScaleMax, 0.5);
    QCOMPARE(Edit(dialog, "scaleMaxEdit")->text(), QStringLiteral("7"));
}

void PostDialogsTest::deformationOkAndCancel()
{
    Fixture f("dlgok");
    DeformationDialog dialog(f.model, f.results, f.settings, f.viewSettings, f.view);
    dialog.SetMessageReporter(f.Reporter());
    QSignalSpy redraws(&dialog, &DeformationDialog::redrawRequested);
    dialog.show();
    Edit(dialog, "scaleEdit")->setText(QStringLiteral("50"));
    Edit(dialog, "scaleMaxEdit")->setText(QStringLiteral("0.002"));
    Edit(dialog, "scaleMinEdit")->setText(QStringLiteral("-0.003"));
    Click(dialog, "okButton");
    QCOMPARE(f.view.DeformScale, 50.0);
    QCOMPARE(f.viewSettings.ScaleMax, 0.002);
    QCOMPARE(f.viewSettings.ScaleMin, -0.003);
    QCOMPARE(redraws.count(), 1);
    QVERIFY(!dialog.isVisible());

    // The fields keep their texts; a bad one stores those before it and keeps the dialog.
    dialog.show();
    QCOMPARE(Edit(dialog, "scaleEdit")->text(), QStringLiteral("50"));
    Edit(dialog, "scaleMaxEdit")->setText(QStringLiteral("1"));
    Edit(dialog, "scaleMinEdit")->setText(QStringLiteral("low"));
    Click(dialog, "okButton");
    QCOMPARE(f.errors, QStringList{"'low' is not a valid floating point value"});
    QCOMPARE(f.viewSettings.ScaleMax, 1.0);
    QCOMPARE(f.viewSettings.ScaleMin, -0.003);
    QCOMPARE(redraws.count(), 1);
    QVERIFY(dialog.isVisible());

    Click(dialog, "cancelButton");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(redraws.count(), 1);
}

void PostDialogsTest::deformationReportsErrors()
{
    Fixture f("dlgerrors");
    DeformationDialog dialog(f.model, f.results, f.settings, f.viewSettings, f.view);
    dialog.SetFileChooser(f.Chooser());
    dialog.SetMessageReporter(f.Reporter());
    dialog.show();

    Edit(dialog, "loadStepEdit")->setText(QStringLiteral("1.5"));
    Click(dialog, "loadNodeDeformButton");
    QCOMPARE(f.errors.value(0), QStringLiteral("'1.5' is not a valid integer value"));
    QCOMPARE(f.chosen, 0);

    Edit(dialog, "loadStepEdit")->setText(QStringLiteral("1"));
    Click(dialog, "loadNodeDeformButton");
    QVERIFY2(f.errors.value(1).startsWith(QStringLiteral("Cannot open file \"") +
                                          QString::fromStdString(f.folder.File("node0.out")) +
                                          QStringLiteral("\". ")),
             qPrintable(f.errors.value(1)));
    QVERIFY(dialog.isVisible());
}

void PostDialogsTest::animationControls()
{
    Model model;
    AnimationData animation;
    Settings settings;
    QTimer timer;
    AnimationDialog dialog(model, settings, animation, timer);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Animation"));
    QVERIFY(!dialog.isModal());
    QCOMPARE(Edit(dialog, "stepCountEdit")->text(), QStringLiteral("100"));
    QCOMPARE(Edit(dialog, "scaleEdit")->text(), QStringLiteral("100"));
    QCOMPARE(LabelOf(dialog, Edit(dialog, "stepCountEdit")), QStringLiteral("Nstep"));
    QCOMPARE(LabelOf(dialog, Edit(dialog, "scaleEdit")), QStringLiteral("Scale"));
    QCOMPARE(Child<QPushButton>(dialog, "loadDispButton")->text(),
             QStringLiteral("LOAD DISP DATA"));
    QCOMPARE(Child<QPushButton>(dialog, "runStopButton")->text(),
             QStringLiteral("Run Animation / Stop Animation"));
    QCOMPARE(Child<QPushButton>(dialog, "closeButton")->text(), QStringLiteral("CLOSE"));
    CheckAccessibleNames(dialog);
}

void PostDialogsTest::animationLoadAndPlay()
{
    Fixture f("dlganim");
    f.model = JointModel(150);
    WriteNodeFiles(f.folder, 150, 5);
    QTimer timer;
    timer.setInterval(1);
    AnimationDialog dialog(f.model, f.settings, f.animation, timer);
    dialog.SetFileChooser(f.Chooser());
    dialog.SetMessageReporter(f.Reporter());
    // Before any load a tick shows the model at rest.
    QCOMPARE(dialog.NextStep(), 0);

    Edit(dialog, "stepCountEdit")->setText(QStringLiteral("5"));
    Edit(dialog, "scaleEdit")->setText(QStringLiteral("20"));
    Click(dialog, "loadDispButton");
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(dialog.State().StepCount, 5);
    QCOMPARE(dialog.State().Scale, 20.0);
    QCOMPARE(f.animation.Joints.at(150).AnimDispZ[5], JointValue(150, 5, 3));

    dialog.show();
    Click(dialog, "runStopButton");
    QVERIFY(timer.isActive());
    QCOMPARE(dialog.State().Frame, 1);
    QList<int> steps;
    for (int t = 0; t < 6; ++t)
        steps << dialog.NextStep();
    QCOMPARE(steps, (QList<int>{2, 3, 4, 5, 1, 2}));

    // The pace sets the timer: 10 steps a second at first.
    auto* pace = Child<QSpinBox>(dialog, "stepsPerSecondSpinBox");
    QCOMPARE(LabelOf(dialog, pace), QStringLiteral("Steps per second"));
    QCOMPARE(pace->value(), 10);
    QCOMPARE(timer.interval(), 100);
    pace->setValue(250);
    QCOMPARE(timer.interval(), 4);
    pace->setValue(5000);
    QCOMPARE(pace->value(), 1000);
    QCOMPARE(timer.interval(), 1);

    // CLOSE leaves the animation running; the button stops it, and starts it again at 2.
    Click(dialog, "closeButton");
    QVERIFY(!dialog.isVisible());
    QVERIFY(timer.isActive());
    Click(dialog, "runStopButton");
    QVERIFY(!timer.isActive());
    Click(dialog, "runStopButton");
    QVERIFY(timer.isActive());
    QCOMPARE(dialog.NextStep(), 2);
    timer.stop();
}

void PostDialogsTest::animationReportsErrors()
{
    Fixture f("dlganimerr");
    WriteNodeFiles(f.folder, 3, 2);
    QTimer timer;
    AnimationDialog dialog(f.model, f.settings, f.animation, timer);
    dialog.SetFileChooser(f.Chooser());
    dialog.SetMessageReporter(f.Reporter());

    Edit(dialog, "stepCountEdit")->setText(QStringLiteral("-4"));
    Click(dialog, "loadDispButton");
    QCOMPARE(f.errors.value(0), QStringLiteral("Range check error"));
    QCOMPARE(dialog.State().StepCount, 0);

    Edit(dialog, "stepCountEdit")->setText(QStringLiteral("100"));
    Click(dialog, "loadDispButton");
    QCOMPARE(f.errors.value(1), QStringLiteral("List index out of bounds (2)"));
    // The steps read stay, and the animation plays the 100 steps asked for.
    QCOMPARE(dialog.State().StepCount, 100);
    QCOMPARE(f.animation.Joints.at(2).AnimDispX[2], JointValue(2, 2, 1));

    // Cancelling the file dialog keeps the new size of the arrays.
    f.cancel = true;
    Edit(dialog, "stepCountEdit")->setText(QStringLiteral("7"));
    Click(dialog, "loadDispButton");
    QCOMPARE(f.animation.Joints.at(2).AnimDispX.size(), std::size_t(8));
    QCOMPARE(f.animation.Joints.at(2).AnimDispX[2], JointValue(2, 2, 1));
}

QTEST_MAIN(PostDialogsTest)
#include "dialogs_test.moc"
