#include "run/gui/run_window.h"
#include "support/replay_run.h"
#include "support/temp_folder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <filesystem>

namespace vek {
namespace {

namespace fs = std::filesystem;

QPushButton* Button(RunWindow& window, const char* name)
{
    return window.findChild<QPushButton*>(QLatin1String(name));
}

QString LabelText(RunWindow& window, const char* name)
{
    return window.findChild<QLabel*>(QLatin1String(name))->text();
}

// The warnings VEK gave for the recorded run's script, without their "warning: ".
std::vector<std::string> RecordedWarnings(const std::string& run)
{
    std::vector<std::string> warnings;
    const std::string file = testing::RecordedRun(run) + "/warnings.txt";
    if (!fs::exists(file))
        return warnings;
    const TextLines lines = TextLines::FromText(ReadWholeFile(file));
    for (std::size_t k = 0; k < lines.size(); ++k)
        warnings.emplace_back(lines[k].substr(9));
    return warnings;
}

// Starts the stand-in solver on a copy of the recorded run's script in `folder`.
void StartRecorded(RunWindow& window, const std::string& run, const testing::ScratchFolder& folder)
{
    const std::string script = folder.File("model é.tcl");
    fs::copy_file(testing::RecordedRun(run) + "/model.tcl", script);
    window.Start(PlanSolverLaunch(VEK_REPLAY_SOLVER, script), RecordedWarnings(run));
}

} // namespace

class RunWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data();
    void verdicts();
    void aResultAsksForTheRunsFolder();
    void cancelEndsTheSolverAndWhatItStarted();
};

void RunWindowTest::verdicts_data()
{
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("stage");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<bool>("results");
    QTest::newRow("finished static") << "building-static-forces"
                                     << "loading: step 10 of 10"
                                     << "finished" << true;
    QTest::newRow("pushover stops") << "frame-pushover-stops"
                                    << "pushover: step 135 of 200"
                                    << "failed: the analysis stopped at step 135 of 200 of the "
                                       "pushover stage"
                                    << false;
    QTest::newRow("too many modes")
        << "fail-too-many-modes"
        << "record: step 1 of 1"
        << "failed: the eigen solver could not find the 500 modes" << false;
    QTest::newRow("failing command") << "fail-missing-control-node"
                                     << "loading: step 0 of 100"
                                     << "failed: a command of the script failed: integrator "
                                        "DisplacementControl 999 1 1.000E-001"
                                     << false;
}

void RunWindowTest::verdicts()
{
    QFETCH(QString, run);
    QFETCH(QString, stage);
    QFETCH(QString, verdict);
    QFETCH(bool, results);
    if (!fs::is_directory(testing::RecordedRun(run.toStdString())))
        QSKIP("no recorded runs");
    testing::ScratchFolder folder(testing::OwnName("run_window"));
    const testing::ReplayRun replay(run.toStdString());
    RunWindow window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("OpenSees Run"));
    StartRecorded(window, run.toStdString(), folder);
    QVERIFY(Button(window, "cancelButton")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(window.Verdict().has_value(), 60000);

    QVERIFY2(LabelText(window, "verdictLabel").startsWith(verdict),
             qPrintable(LabelText(window, "verdictLabel")));
    QCOMPARE(LabelText(window, "stageLabel"), stage);
    QCOMPARE(Button(window, "deformationResultButton")->isEnabled(), results);
    QCOMPARE(Button(window, "animationResultButton")->isEnabled(), results);
    QVERIFY(!Button(window, "cancelButton")->isEnabled());
    auto* progress = window.findChild<QProgressBar*>(QStringLiteral("progressBar"));
    if (results)
        QCOMPARE(progress->value(), progress->maximum());
    // The solver's output is in the pane, the warnings that predicted a failure beside it.
    const QString output =
        window.findChild<QPlainTextEdit*>(QStringLiteral("outputText"))->toPlainText();
    QVERIFY(output.contains(QStringLiteral("\nrecorder\n")));
    const std::vector<std::string> warnings = RecordedWarnings(run.toStdString());
    if (!warnings.empty())
        QVERIFY(LabelText(window, "verdictLabel")
                    .contains(QStringLiteral("predicted by the warning: ") +
                              QString::fromStdString(warnings.front())));
}

void RunWindowTest::aResultAsksForTheRunsFolder()
{
    if (!fs::is_directory(testing::RecordedRun("building-static-forces")))
        QSKIP("no recorded runs");
    testing::ScratchFolder folder(testing::OwnName("run_window_result"));
    const testing::ReplayRun replay("building-static-forces");
    RunWindow window;
    window.AddResult(QStringLiteral("Capacity Curve"), QStringLiteral("curve"));
    QSignalSpy asked(&window, &RunWindow::resultRequested);
    StartRecorded(window, "building-static-forces", folder);
    QTRY_VERIFY_WITH_TIMEOUT(window.Verdict().has_value(), 60000);
    Button(window, "deformationResultButton")->click();
    Button(window, "curveResultButton")->click();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0][0].toString(), QString::fromStdString(folder.Path().string()));
    QCOMPARE(asked[0][1].toString(), QStringLiteral("deformation"));
    QCOMPARE(asked[1][1].toString(), QStringLiteral("curve"));
}

void RunWindowTest::cancelEndsTheSolverAndWhatItStarted()
{
    testing::ScratchFolder folder(testing::OwnName("run_window_cancel"));
    folder.Write("model.tcl", "puts \"loading\"\nputs \"analysis\"\nrecorder Node -file node0.out "
                              "-time -nodeRange 1 3 -dof 1 2 3 disp\nanalyze 100000000\n");
    const testing::ReplayRun replay("long");
    RunWindow window;
    window.Start(PlanSolverLaunch(VEK_REPLAY_SOLVER, folder.File("model.tcl")), {});
    const int child = testing::WaitForChildPid(folder.Path());
    QVERIFY(child > 0);
    QVERIFY(window.Running());
    Button(window, "cancelButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(window.Verdict().has_value(), 60000);
    QVERIFY2(LabelText(window, "verdictLabel")
                 .startsWith(QStringLiteral("failed: the run was cancelled at step ")),
             qPrintable(LabelText(window, "verdictLabel")));
    QVERIFY(LabelText(window, "verdictLabel")
                .contains(QStringLiteral("the solver and every process it started were ended")));
    QVERIFY(testing::ProcessGone(window.SolverPid()));
    QVERIFY(testing::ProcessGone(child));
    QVERIFY(!Button(window, "deformationResultButton")->isEnabled());
}

} // namespace vek

QTEST_MAIN(vek::RunWindowTest)
#include "run_window_test.moc"
