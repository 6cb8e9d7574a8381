#pragma once

#include "post/solver_launch.h"
#include "run/solver_run.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace vek {

// "OpenSees Run": follows one run of the solver. The solver's output is appended as it comes,
// the progress bar and its label show the step of the current stage (from the lines of the
// first node recorder file), the elapsed time counts, Cancel ends the solver and every process
// it started. At the end the verdict says in plain words whether the run finished, and if
// not, why (with the solver's line and the pre-flight warnings that predicted it). After a
// finished run the result buttons ask for a result of the run's folder (resultRequested); the
// window opens nothing itself. Modeless; closing it leaves the run going.
class RunWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RunWindow(QWidget* parent = nullptr);
    ~RunWindow() override;

    // Offers a result after a finished run: a button with the caption, whose click tells
    // resultRequested with `name`. "Deformation" and "Animation" are there from the start.
    void AddResult(const QString& caption, const QString& name);

    // Starts the solver on the script; `warnings` are the pre-flight warnings the script was
    // written with. Raises VekError while another run goes on, or when the solver cannot start.
    void Start(const SolverLaunch& launch, std::vector<std::string> warnings);

    bool Running() const;
    // The solver's process id, -1 before the first run.
    int SolverPid() const;
    // The last run's verdict; none while it goes on or before the first.
    const std::optional<RunVerdict>& Verdict() const { return verdict_; }

signals:
    // A result button was clicked: the run's folder (where its recorder files are) and the
    // result's name ("deformation", "animation", ...).
    void resultRequested(const QString& folder, const QString& result);

private:
    void Tick();
    void Cancel();
    void ShowProgress();
    void ShowEnd();
    void ShowElapsed();

    std::unique_ptr<SolverRun> run_;
    std::optional<RunVerdict> verdict_;
    std::size_t shownOutput_ = 0;
    QTimer timer_;
    QElapsedTimer elapsed_;

    QLabel* scriptLabel_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* stageLabel_ = nullptr;
    QLabel* elapsedLabel_ = nullptr;
    QLabel* verdictLabel_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QWidget* resultRow_ = nullptr;
    std::vector<QPushButton*> results_;
};

} // namespace vek
