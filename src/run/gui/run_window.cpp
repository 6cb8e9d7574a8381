#include "run/gui/run_window.h"

#include "gui/form_rows.h"
#include "util/error.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace vek {

namespace {

// The output pane keeps this many lines: a failing transient analysis can write millions.
constexpr int KeptOutputLines = 20000;

QString Decoded(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString ElapsedText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("Elapsed: %1:%2")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

RunWindow::RunWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("OpenSees Run"));
    setObjectName(QStringLiteral("runWindow"));
    setModal(false);

    scriptLabel_ = MakeLabel(this, QString(), QStringLiteral("scriptLabel"));
    scriptLabel_->setAccessibleName(QStringLiteral("Script"));
    output_ = new QPlainTextEdit(this);
    output_->setObjectName(QStringLiteral("outputText"));
    output_->setAccessibleName(QStringLiteral("Solver output"));
    output_->setReadOnly(true);
    output_->setMaximumBlockCount(KeptOutputLines);
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setAccessibleName(QStringLiteral("Progress"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    stageLabel_ = MakeLabel(this, QString(), QStringLiteral("stageLabel"));
    stageLabel_->setAccessibleName(QStringLiteral("Stage"));
    elapsedLabel_ = MakeLabel(this, ElapsedText(0), QStringLiteral("elapsedLabel"));
    elapsedLabel_->setAccessibleName(QStringLiteral("Elapsed time"));
    verdictLabel_ = MakeLabel(this, QString(), QStringLiteral("verdictLabel"));
    verdictLabel_->setAccessibleName(QStringLiteral("Verdict"));
    verdictLabel_->setWordWrap(true);
    verdictLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cancel_ = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
    cancel_->setEnabled(false);
    QPushButton* close = MakeButton(this, QStringLiteral("Close"), QStringLiteral("closeButton"));
    resultRow_ = new QWidget(this);
    auto* resultLayout = new QHBoxLayout(resultRow_);
    resultLayout->setContentsMargins(0, 0, 0, 0);
    resultLayout->addWidget(MakeLabel(resultRow_, QStringLiteral("Results:")));
    resultLayout->addStretch();

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(elapsedLabel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scriptLabel_);
    layout->addWidget(output_, 1);
    layout->addLayout(progressRow);
    layout->addWidget(stageLabel_);
    layout->addWidget(verdictLabel_);
    layout->addWidget(resultRow_);
    layout->addLayout(ButtonRow({cancel_, close}));
    resize(720, 520);

    AddResult(QStringLiteral("Deformation"), QStringLiteral("deformation"));
    AddResult(QStringLiteral("Animation"), QStringLiteral("animation"));

    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &RunWindow::Tick);
    connect(cancel_, &QPushButton::clicked, this, &RunWindow::Cancel);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

RunWindow::~RunWindow() = default;

void RunWindow::AddResult(const QString& caption, const QString& name)
{
    QPushButton* button = MakeButton(resultRow_, caption, name + QStringLiteral("ResultButton"));
    button->setEnabled(verdict_ && verdict_->Finished);
    // Before the stretch that keeps the buttons to the left.
    auto* row = static_cast<QHBoxLayout*>(resultRow_->layout());
    row->insertWidget(row->count() - 1, button);
    results_.push_back(button);
    connect(button, &QPushButton::clicked, this, [this, name] {
        if (run_)
            emit resultRequested(
                QFile::decodeName(QByteArray::fromStdString(run_->Folder().string())), name);
    });
}

bool RunWindow::Running() const
{
    return run_ && !run_->Ended();
}

int RunWindow::SolverPid() const
{
    return run_ ? run_->Pid() : -1;
}

void RunWindow::Start(const SolverLaunch& launch, std::vector<std::string> warnings)
{
    if (Running())
        throw VekError("OpenSees is still running: cancel that run or wait for its end first.");
    auto run = std::make_unique<SolverRun>(launch, std::move(warnings));
    run_ = std::move(run);
    verdict_.reset();
    shownOutput_ = 0;
    output_->clear();
    verdictLabel_->clear();
    for (QPushButton* button : results_)
        button->setEnabled(false);
    const QString script =
        launch.Arguments.empty()
            ? QString()
            : QFile::decodeName(QByteArray::fromStdString(launch.Arguments.front()));
    scriptLabel_->setText(tr("Script: %1").arg(script));
    cancel_->setEnabled(true);
    elapsed_.start();
    ShowProgress();
    ShowElapsed();
    timer_.start();
}

void RunWindow::Tick()
{
    if (!run_)
        return;
    const bool running = run_->Poll(std::chrono::milliseconds(0));
    // Whole lines only, so that a letter split between two reads is decoded whole.
    const std::string& output = run_->Output();
    const std::size_t end = running ? output.rfind('\n') : output.size();
    if (end != std::string::npos && end > shownOutput_) {
        const std::size_t upTo = running ? end + 1 : end;
        output_->moveCursor(QTextCursor::End);
        output_->insertPlainText(Decoded(output.substr(shownOutput_, upTo - shownOutput_)));
        output_->moveCursor(QTextCursor::End);
        shownOutput_ = upTo;
    }
    ShowProgress();
    ShowElapsed();
    if (!running)
        ShowEnd();
}

void RunWindow::Cancel()
{
    if (!Running())
        return;
    run_->Cancel();
    cancel_->setEnabled(false);
    verdictLabel_->setText(tr("Cancelling: ending the solver and the processes it started..."));
}

void RunWindow::ShowProgress()
{
    const RunScript& script = run_->Script();
    const StageProgress progress = run_->Progress();
    if (script.Stages.empty() || !run_->RecordedLines()) {
        stageLabel_->setText(script.Stages.empty() ? tr("No analysis stage in the script")
                                                   : tr("No recorder file to count the steps"));
        progress_->setRange(0, 0);
        return;
    }
    const auto steps = static_cast<int>(std::min<std::int64_t>(progress.Steps, 1 << 30));
    if (steps == 0 && !progress.AllDone) {
        progress_->setRange(0, 0);
    } else {
        progress_->setRange(0, std::max(steps, 1));
        progress_->setValue(steps == 0 ? 1 : static_cast<int>(progress.Step));
    }
    stageLabel_->setText(QString::fromStdString(ProgressText(script, progress)));
}

void RunWindow::ShowElapsed()
{
    elapsedLabel_->setText(ElapsedText(elapsed_.isValid() ? elapsed_.elapsed() : 0));
}

void RunWindow::ShowEnd()
{
    timer_.stop();
    cancel_->setEnabled(false);
    verdict_ = run_->Verdict();
    if (progress_->maximum() == 0)
        progress_->setRange(0, 1);
    verdictLabel_->setText(QString::fromStdString(verdict_->Text()));
    for (QPushButton* button : results_)
        button->setEnabled(verdict_->Finished);
}

} // namespace vek
