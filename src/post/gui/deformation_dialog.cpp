#include "post/gui/deformation_dialog.h"

#include "gui/form_rows.h"
#include "gui/model_view.h"
#include "gui/qpainter_canvas.h"
#include "post/deformation_data.h"
#include "post/gui/recorded_run.h"
#include "post/scale_legend.h"
#include "util/format.h"
#include "util/number_parse.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

namespace {

QPixmap LegendPicture(const TPalette& palette)
{
    QImage image = NewModelImage(QSize(LegendWidth, LegendHeight));
    {
        QPainterCanvas canvas(image);
        DrawScaleLegend(canvas, palette);
    }
    return QPixmap::fromImage(image);
}

} // namespace

DeformationDialog::DeformationDialog(const Model& model, Results& results, const Settings& settings,
                                     ViewSettings& viewSettings, ViewTransform& view,
                                     QWidget* parent)
    : QDialog(parent), model_(model), results_(results), settings_(settings),
      viewSettings_(viewSettings), view_(view)
{
    setObjectName(QStringLiteral("deformationDialog"));
    setWindowTitle(QStringLiteral("Deformation Shape"));
    setAccessibleName(windowTitle());
    setModal(false);

    // Load step and the node displacements.
    QGroupBox* stepGroup =
        MakeGroup(this, QStringLiteral("Load Step"), QStringLiteral("loadStepGroup"));
    loadStepEdit_ = MakeEdit(stepGroup, stepGroup->title(), QStringLiteral("loadStepEdit"),
                             QStringLiteral("1"));
    QPushButton* loadNodeDeform = MakeButton(stepGroup, QStringLiteral("Load Node Deform Data"),
                                             QStringLiteral("loadNodeDeformButton"));
    auto* stepLayout = new QHBoxLayout(stepGroup);
    stepLayout->addWidget(loadStepEdit_);
    stepLayout->addWidget(loadNodeDeform);

    QGroupBox* scaleGroup =
        MakeGroup(this, QStringLiteral("Disp Scaling"), QStringLiteral("dispScalingGroup"));
    auto* scaleForm = new QFormLayout(scaleGroup);
    scaleEdit_ = AddLabelledEdit(scaleGroup, scaleForm, QStringLiteral("Scaling Factor"),
                                 QStringLiteral("scaleEdit"), QStringLiteral("scaleLabel"),
                                 QStringLiteral("1"));

    QGroupBox* modeGroup =
        MakeGroup(this, QStringLiteral("Modal Shape"), QStringLiteral("modeShapeGroup"));
    auto* modeForm = new QFormLayout(modeGroup);
    modeEdit_ =
        AddLabelledEdit(modeGroup, modeForm, QStringLiteral("Mode Num"), QStringLiteral("modeEdit"),
                        QStringLiteral("modeLabel"), QStringLiteral("1"));
    QPushButton* loadModeShape = MakeButton(modeGroup, QStringLiteral("Load Model Shape"),
                                            QStringLiteral("loadModeShapeButton"));
    modeForm->addRow(loadModeShape);

    QGroupBox* sectionGroup = MakeGroup(this, QStringLiteral("Section Deformation"),
                                        QStringLiteral("sectionDeformGroup"));
    auto* sectionForm = new QFormLayout(sectionGroup);
    sectionValueCombo_ =
        MakeCombo(sectionGroup, sectionGroup->title(), QStringLiteral("sectionValueCombo"));
    sectionValueCombo_->addItems({QStringLiteral("Axial Strain"), QStringLiteral("Curvature Kz"),
                                  QStringLiteral("Curvature Ky")});
    sectionValueCombo_->setCurrentIndex(0);
    sectionForm->addRow(sectionValueCombo_);
    scaleMaxEdit_ = AddLabelledEdit(sectionGroup, sectionForm, QStringLiteral("Max Value"),
                                    QStringLiteral("scaleMaxEdit"), QStringLiteral("scaleMaxLabel"),
                                    QStringLiteral("0.0001"));
    scaleMinEdit_ = AddLabelledEdit(sectionGroup, sectionForm, QStringLiteral("Min Value"),
                                    QStringLiteral("scaleMinEdit"), QStringLiteral("scaleMinLabel"),
                                    QStringLiteral("-0.0001"));
    legend_ = new QLabel(sectionGroup);
    legend_->setObjectName(QStringLiteral("scaleLegend"));
    legend_->setAccessibleName(QStringLiteral("Colour scale from min to max"));
    legend_->setFixedSize(LegendWidth, LegendHeight);
    legend_->setPixmap(LegendPicture(model_.Palette));
    sectionForm->addRow(legend_);
    QPushButton* loadSecDeform = MakeButton(sectionGroup, QStringLiteral("Load Sec Deform Data"),
                                            QStringLiteral("loadSecDeformButton"));
    sectionForm->addRow(loadSecDeform);

    QPushButton* ok = MakeButton(this, QStringLiteral("OK"), QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel =
        MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("cancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepGroup);
    layout->addWidget(scaleGroup);
    layout->addWidget(modeGroup);
    layout->addWidget(sectionGroup);
    layout->addLayout(ButtonRow({ok, cancel}));

    chooser_ = [this] { return ChooseOpenFile(this, windowTitle()); };

    connect(loadNodeDeform, &QPushButton::clicked, this, &DeformationDialog::LoadNodeDeformData);
    connect(loadSecDeform, &QPushButton::clicked, this, &DeformationDialog::LoadSecDeformData);
    connect(loadModeShape, &QPushButton::clicked, this, &DeformationDialog::LoadModeShape);
    connect(ok, &QPushButton::clicked, this, &DeformationDialog::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DeformationDialog::Run(const std::function<void()>& command)
{
    RunGuarded(this, reporter_, command);
}

std::string DeformationDialog::ChooseFolder()
{
    const QString file = chooser_ ? chooser_() : QString();
    return file.isEmpty() ? std::string() : FolderOfFile(file);
}

void DeformationDialog::LoadNodeDeformData()
{
    Run([this] {
        loadStep_ = StrToInt(Text(loadStepEdit_));
        const std::string folder = ChooseFolder();
        if (folder.empty())
            return;
        ReadAsRecorded(folder, model_, settings_, [&](const Model& model, const Settings&) {
            vek::LoadNodeDeformData(model, results_, folder, loadStep_);
        });
    });
}

void DeformationDialog::LoadSecDeformData()
{
    Run([this] {
        const std::int32_t kind = sectionValueCombo_->currentIndex() + 1;
        loadStep_ = StrToInt(Text(loadStepEdit_));
        const std::string folder = ChooseFolder();
        if (folder.empty())
            return;
        bool scaled = false;
        ReadAsRecorded(folder, model_, settings_,
                       [&](const Model& model, const Settings& settings) {
                           scaled = vek::LoadSecDeformData(model, settings, results_, viewSettings_,
                                                           folder, loadStep_, kind);
                       });
        if (scaled) {
            scaleMaxEdit_->setText(QString::fromStdString(FormatGeneral(viewSettings_.ScaleMax)));
            scaleMinEdit_->setText(QString::fromStdString(FormatGeneral(viewSettings_.ScaleMin)));
        }
    });
}

void DeformationDialog::LoadModeShape()
{
    Run([this] {
        const std::int32_t mode = StrToInt(Text(modeEdit_));
        const std::string folder = ChooseFolder();
        if (folder.empty())
            return;
        ReadAsRecorded(folder, model_, settings_, [&](const Model& model, const Settings&) {
            vek::LoadModeShape(model, results_, folder, mode);
        });
    });
}

void DeformationDialog::OkClicked()
{
    Run([this] {
        ApplyDeformationScales(viewSettings_, view_, Text(scaleMaxEdit_), Text(scaleMinEdit_),
                               Text(scaleEdit_));
        emit redrawRequested();
        accept();
    });
}

} // namespace vek
