#include "post/gui/deformation_dialog.h"

#include "gui/dialog_parts.h"
#include "gui/model_view.h"
#include "gui/qpainter_canvas.h"
#include "post/deformation_data.h"
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

QGroupBox* Group(QWidget* parent, const QString& title, const QString& objectName)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(objectName);
    group->setAccessibleName(title);
    return group;
}

QPixmap LegendPicture(const TPalette& palette)
{
    QImage image = NewModelImage(QSize(LegendWidth, LegendHeight));
    {
        QPainterCanvas canvas(image);
        DrawScaleLegend(canvas, palette);
    }
    return QPixmap::fromImage(image);
}

std::string Text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

} // namespace

DeformationDialog::DeformationDialog(const Model& model, Results& results, const Settings& settings,
                                     ViewSettings& viewSettings, ViewTransform& view,
                                     QWidget* parent)
    : QDialog(parent), model_(model), results_(results), settings_(settings),
      viewSettings_(viewSettings), view_(view)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Deformation Shape"));
    setAccessibleName(windowTitle());
    setModal(false);

    // Load step and the node displacements.
    QGroupBox* stepGroup = Group(this, QStringLiteral("Load Step"), QStringLiteral("GroupBox1"));
    loadStepEdit_ = new QLineEdit(QStringLiteral("1"), stepGroup);
    loadStepEdit_->setObjectName(QStringLiteral("Edit2"));
    loadStepEdit_->setAccessibleName(stepGroup->title());
    QPushButton* button1 =
        MakeButton(stepGroup, QStringLiteral("Load Node Deform Data"), QStringLiteral("Button1"));
    auto* stepLayout = new QHBoxLayout(stepGroup);
    stepLayout->addWidget(loadStepEdit_);
    stepLayout->addWidget(button1);

    QGroupBox* scaleGroup =
        Group(this, QStringLiteral("Disp Scaling"), QStringLiteral("GroupBox2"));
    auto* scaleForm = new QFormLayout(scaleGroup);
    scaleEdit_ =
        AddLabelledEdit(scaleGroup, scaleForm, QStringLiteral("Scaling Factor"),
                        QStringLiteral("Edit1"), QStringLiteral("Label1"), QStringLiteral("1"));

    QGroupBox* modeGroup = Group(this, QStringLiteral("Modal Shape"), QStringLiteral("GroupBox3"));
    auto* modeForm = new QFormLayout(modeGroup);
    modeEdit_ =
        AddLabelledEdit(modeGroup, modeForm, QStringLiteral("Mode Num"), QStringLiteral("Edit5"),
                        QStringLiteral("Label5"), QStringLiteral("1"));
    QPushButton* button5 =
        MakeButton(modeGroup, QStringLiteral("Load Model Shape"), QStringLiteral("Button5"));
    modeForm->addRow(button5);

    QGroupBox* sectionGroup =
        Group(this, QStringLiteral("Section Deformation"), QStringLiteral("GroupBox4"));
    auto* sectionForm = new QFormLayout(sectionGroup);
    sectionValueCombo_ = new QComboBox(sectionGroup);
    sectionValueCombo_->setObjectName(QStringLiteral("ComboBox1"));
    sectionValueCombo_->setAccessibleName(sectionGroup->title());
    sectionValueCombo_->addItems({QStringLiteral("Axial Strain"), QStringLiteral("Curvature Kz"),
                                  QStringLiteral("Curvature Ky")});
    sectionValueCombo_->setCurrentIndex(0);
    sectionForm->addRow(sectionValueCombo_);
    scaleMaxEdit_ = AddLabelledEdit(sectionGroup, sectionForm, QStringLiteral("Max Value"),
                                    QStringLiteral("Edit3"), QStringLiteral("Label3"),
                                    QStringLiteral("0.0001"));
    scaleMinEdit_ = AddLabelledEdit(sectionGroup, sectionForm, QStringLiteral("Min Value"),
                                    QStringLiteral("Edit4"), QStringLiteral("Label4"),
                                    QStringLiteral("-0.0001"));
    legend_ = new QLabel(sectionGroup);
    legend_->setObjectName(QStringLiteral("Image1"));
    legend_->setAccessibleName(QStringLiteral("Colour scale from min to max"));
    legend_->setFixedSize(LegendWidth, LegendHeight);
    legend_->setPixmap(LegendPicture(model_.Palette));
    sectionForm->addRow(legend_);
    QPushButton* button4 =
        MakeButton(sectionGroup, QStringLiteral("Load Sec Deform Data"), QStringLiteral("Button4"));
    sectionForm->addRow(button4);

    QPushButton* ok = MakeButton(this, QStringLiteral("OK"), QStringLiteral("Button2"));
    ok->setDefault(true);
    QPushButton* cancel = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("Button3"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepGroup);
    layout->addWidget(scaleGroup);
    layout->addWidget(modeGroup);
    layout->addWidget(sectionGroup);
    layout->addLayout(ButtonRow({ok, cancel}));

    chooser_ = [this] { return ChooseRecorderFile(this, windowTitle()); };

    connect(button1, &QPushButton::clicked, this, &DeformationDialog::LoadNodeDeformData);
    connect(button4, &QPushButton::clicked, this, &DeformationDialog::LoadSecDeformData);
    connect(button5, &QPushButton::clicked, this, &DeformationDialog::LoadModeShape);
    connect(ok, &QPushButton::clicked, this, &DeformationDialog::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DeformationDialog::Run(const std::function<void()>& command)
{
    RunReported(this, reporter_, command);
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
        if (!folder.empty())
            vek::LoadNodeDeformData(model_, results_, folder, loadStep_);
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
        if (vek::LoadSecDeformData(model_, settings_, results_, viewSettings_, folder, loadStep_,
                                   kind)) {
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
        if (!folder.empty())
            vek::LoadModeShape(model_, results_, folder, mode);
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
