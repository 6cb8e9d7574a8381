#include "post/gui/animation_dialog.h"

#include "gui/form_rows.h"
#include "gui/qpainter_canvas.h"
#include "post/gui/recorded_run.h"
#include "util/number_parse.h"
#include "view/model_drawing.h"

#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace vek {

void PaintAnimationStep(QImage& image, const Model& model, const AnimationData& animation,
                        ProjectedModel& projected, const ViewTransform& view, std::int32_t step,
                        TwoBandPainting* twoBands)
{
    if (twoBands == nullptr) {
        QPainterCanvas canvas(image);
        DrawAnimationStep(canvas, model, animation, projected, view, step);
        return;
    }
    // The joints are projected half here, half on the helper: each writes its own joints.
    twoBands->Prepare();
    FitJoints(projected, model);
    const AreaSize area{image.width(), image.height()};
    const std::int64_t joints = model.JointCount(), half = joints / 2;
    twoBands->Share(
        [&] {
            ProjectJointsAtStep(model, animation, projected, view, area, step, half + 1, joints);
        },
        [&] { ProjectJointsAtStep(model, animation, projected, view, area, step, 1, half); });
    const ProjectedModel& pixels = projected;
    twoBands->Paint(image,
                    [&model, &pixels](Canvas& canvas) { DrawBareModel(canvas, model, pixels); });
}

AnimationDialog::AnimationDialog(const Model& model, const Settings& settings,
                                 AnimationData& animation, QTimer& timer, QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings), animation_(animation), timer_(timer)
{
    setObjectName(QStringLiteral("animationDialog"));
    setWindowTitle(QStringLiteral("Animation"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto* form = new QFormLayout;
    stepCountEdit_ =
        AddLabelledEdit(this, form, QStringLiteral("Nstep"), QStringLiteral("stepCountEdit"),
                        QStringLiteral("stepCountLabel"), QStringLiteral("100"));
    scaleEdit_ = AddLabelledEdit(this, form, QStringLiteral("Scale"), QStringLiteral("scaleEdit"),
                                 QStringLiteral("scaleLabel"), QStringLiteral("100"));
    stepsPerSecond_ = new QSpinBox(this);
    stepsPerSecond_->setObjectName(QStringLiteral("stepsPerSecondSpinBox"));
    stepsPerSecond_->setRange(MinStepsPerSecond, MaxStepsPerSecond);
    stepsPerSecond_->setValue(DefaultStepsPerSecond);
    QLabel* paceLabel =
        MakeLabel(this, QStringLiteral("Steps per second"), QStringLiteral("stepsPerSecondLabel"));
    paceLabel->setBuddy(stepsPerSecond_);
    stepsPerSecond_->setAccessibleName(paceLabel->text());
    form->addRow(paceLabel, stepsPerSecond_);

    QPushButton* load =
        MakeButton(this, QStringLiteral("LOAD DISP DATA"), QStringLiteral("loadDispButton"));
    QPushButton* toggle = MakeButton(this, QStringLiteral("Run Animation / Stop Animation"),
                                     QStringLiteral("runStopButton"));
    QPushButton* close = MakeButton(this, QStringLiteral("CLOSE"), QStringLiteral("closeButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(load);
    layout->addWidget(toggle);
    layout->addLayout(ButtonRow({close}));

    SetPace(stepsPerSecond_->value());
    chooser_ = [this] { return ChooseOpenFile(this, windowTitle()); };

    connect(load, &QPushButton::clicked, this, &AnimationDialog::LoadAnimationData);
    connect(toggle, &QPushButton::clicked, this, &AnimationDialog::ToggleAnimation);
    connect(stepsPerSecond_, &QSpinBox::valueChanged, this, &AnimationDialog::SetPace);
    // Closing leaves a running animation running.
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void AnimationDialog::LoadAnimationData()
{
    RunGuarded(this, reporter_, [this] {
        const std::int32_t stepCount = StrToInt(stepCountEdit_->text().toStdString());
        const double scale = StrToFloat(scaleEdit_->text().toStdString());
        ResizeAnimationSteps(model_, animation_, stepCount);
        state_.StepCount = stepCount;
        state_.Scale = scale;
        const QString file = chooser_ ? chooser_() : QString();
        if (file.isEmpty())
            return;
        const std::string folder = FolderOfFile(file);
        ReadAsRecorded(folder, model_, settings_, [&](const Model& model, const Settings&) {
            LoadAnimationSteps(model, animation_, folder, stepCount);
        });
    });
}

void AnimationDialog::ToggleAnimation()
{
    state_.Frame = 1;
    if (timer_.isActive())
        timer_.stop();
    else
        timer_.start();
}

void AnimationDialog::SetPace(int stepsPerSecond)
{
    timer_.setInterval(AnimationIntervalMs(stepsPerSecond));
}

std::int32_t AnimationDialog::NextStep()
{
    state_.Frame = NextAnimationStep(state_.Frame, state_.StepCount);
    return state_.Frame;
}

} // namespace vek
