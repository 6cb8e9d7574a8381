#include "post/deformation_dialog.h"

#include "app/model_view.h"
#include "app/qpainter_canvas.h"
#include "post/deformation_data.h"
#include "post/scale_legend.h"
#include "util/format.h"
#include "util/number_parse.h"
#include "view/dialog_parts.h"

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

TForm10::TForm10(Model& model, Settings& settings, ViewTransform& view, QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings), view_(view)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Deformation Shape"));
    setAccessibleName(windowTitle());
    setModal(false);

    // Load step and the node displacements.
    QGroupBox* stepGroup = Group(this, QStringLiteral("Load Step"), QStringLiteral("GroupBox1"));
    edit2_ = new QLineEdit(QStringLiteral("1"), stepGroup);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setAccessibleName(stepGroup->title());
    QPushButton* button1 =
        MakeButton(stepGroup, QStringLiteral("Load Node Deform Data"), QStringLiteral("Button1"));
    auto* stepLayout = new QHBoxLayout(stepGroup);
    stepLayout->addWidget(edit2_);
    stepLayout->addWidget(button1);

    QGroupBox* scaleGroup =
        Group(this, QStringLiteral("Disp Scaling"), QStringLiteral("GroupBox2"));
    auto* scaleForm = new QFormLayout(scaleGroup);
    edit1_ =
        AddLabelledEdit(scaleGroup, scaleForm, QStringLiteral("Scaling Factor"),
                        QStringLiteral("Edit1"), QStringLiteral("Label1"), QStringLiteral("1"));

    QGroupBox* modeGroup = Group(this, QStringLiteral("Modal Shape"), QStringLiteral("GroupBox3"));
    auto* modeForm = new QFormLayout(modeGroup);
    edit5_ =
        AddLabelledEdit(modeGroup, modeForm, QStringLiteral("Mode Num"), QStringLiteral("Edit5"),
                        QStringLiteral("Label5"), QStringLiteral("1"));
    QPushButton* button5 =
        MakeButton(modeGroup, QStringLiteral("Load Model Shape"), QStringLiteral("Button5"));
    modeForm->addRow(button5);

    QGroupBox* sectionGroup =
        Group(this, QStringLiteral("Section Deformation"), QStringLiteral("GroupBox4"));
    auto* sectionForm = new QFormLayout(sectionGroup);
    comboBox1_ = new QComboBox(sectionGroup);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setAccessibleName(sectionGroup->title());
    comboBox1_->addItems({QStringLiteral("Axial Strain"), QStringLiteral("Curvature Kz"),
                          QStringLiteral("Curvature Ky")});
    comboBox1_->setCurrentIndex(0);
    sectionForm->addRow(comboBox1_);
    edit3_ = AddLabelledEdit(sectionGroup, sectionForm, QStringLiteral("Max Value"),
                             QStringLiteral("Edit3"), QStringLiteral("Label3"),
                             QStringLiteral("0.0001"));
    edit4_ = AddLabelledEdit(sectionGroup, sectionForm, QStringLiteral("Min Value"),
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

    connect(button1, &QPushButton::clicked, this, &TForm10::LoadNodeDeformData);
    connect(button4, &QPushButton::clicked, this, &TForm10::LoadSecDeformData);
    connect(button5, &QPushButton::clicked, this, &TForm10::LoadModeShape);
    connect(ok, &QPushButton::clicked, this, &TForm10::OkClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm10::Run(const std::function<void()>& command)
{
    RunReported(this, reporter_, command);
}

std::string TForm10::ChooseFolder()
{
    const QString file = chooser_ ? chooser_() : QString();
    return file.isEmpty() ? std::string() : FolderOfFile(file);
}

void TForm10::LoadNodeDeformData()
{
    Run([this] {
        loadStep_ = StrToInt(Text(edit2_));
        const std::string folder = ChooseFolder();
        if (!folder.empty())
            vek::LoadNodeDeformData(model_, folder, loadStep_);
    });
}

void TForm10::LoadSecDeformData()
{
    Run([this] {
        const std::int32_t kind = comboBox1_->currentIndex() + 1;
        loadStep_ = StrToInt(Text(edit2_));
        const std::string folder = ChooseFolder();
        if (folder.empty())
            return;
        if (vek::LoadSecDeformData(model_, settings_, folder, loadStep_, kind)) {
            edit3_->setText(QString::fromStdString(FormatGeneral(settings_.ScaleMax)));
            edit4_->setText(QString::fromStdString(FormatGeneral(settings_.ScaleMin)));
        }
    });
}

void TForm10::LoadModeShape()
{
    Run([this] {
        const std::int32_t mode = StrToInt(Text(edit5_));
        const std::string folder = ChooseFolder();
        if (!folder.empty())
            vek::LoadModeShape(model_, folder, mode);
    });
}

void TForm10::OkClicked()
{
    Run([this] {
        ApplyDeformationScales(settings_, view_, Text(edit3_), Text(edit4_), Text(edit1_));
        emit redrawRequested();
        accept();
    });
}

} // namespace vek
