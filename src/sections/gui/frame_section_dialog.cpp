#include "sections/gui/frame_section_dialog.h"

#include "gui/color_swatch.h"
#include "gui/form_rows.h"
#include "gui/model_view.h"
#include "gui/qpainter_canvas.h"
#include "sections/material_form.h"
#include "sections/section_layout.h"
#include "util/error.h"

#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <optional>

namespace vek {

namespace {

constexpr std::int32_t ListWidth = 160;
constexpr std::int32_t SwatchWidth = 60;
constexpr std::int32_t SwatchHeight = 24;

// What the element list shows for a type it has no item for.
QString UnlistedElemType(ElementKind elemType)
{
    if (elemType == ElementKind::ReleaseLink)
        return QStringLiteral("Release link (type 7)");
    return QStringLiteral("Element type %1").arg(CodeNumber(elemType));
}

std::optional<std::int32_t> ColorDialogChoice(QWidget* parent, std::int32_t current)
{
    const QColor chosen =
        QColorDialog::getColor(ToQColor(current), parent, QStringLiteral("Frame Color"));
    if (!chosen.isValid())
        return std::nullopt;
    return RgbColor(chosen.red(), chosen.green(), chosen.blue());
}

} // namespace

FrameSectionDialog::FrameSectionDialog(Model& model, QWidget* parent)
    : EditorDialog(QStringLiteral("Frame Section (Nonlinear)"), parent), model_(model),
      colorChooser_([this](std::int32_t current) { return ColorDialogChoice(this, current); }),
      picture_(NewModelImage(QSize(SectionPictureSize, SectionPictureSize)))
{
    setWindowFlag(Qt::Tool);
    list_ = addRecordList(QStringLiteral("frameSectionList"), QStringLiteral("Frame sections"),
                          [this](int index) { showSection(index); });
    list_->setFixedWidth(ListWidth);

    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("sectionPicture"));
    image_->setAccessibleName(QStringLiteral("Section picture"));
    image_->setFixedSize(SectionPictureSize, SectionPictureSize);
    image_->setPixmap(QPixmap::fromImage(picture_));

    auto* choices = new QGridLayout;
    QLabel* colorLabel = MakeLabel(this, QStringLiteral("Frame Color"));
    swatch_ = new ColorSwatch(this);
    swatch_->setObjectName(QStringLiteral("colorSwatch"));
    swatch_->setAccessibleName(colorLabel->text());
    swatch_->setFixedSize(SwatchWidth, SwatchHeight);
    colorLabel->setBuddy(swatch_);
    choices->addWidget(colorLabel, 0, 0);
    choices->addWidget(swatch_, 0, 1);
    frameType_ = AddGridCombo(this, choices, 1, QStringLiteral("Frame Type"),
                              QStringLiteral("frameTypeCombo"));
    AddItems(frameType_, FrameTypeItems);

    auto* section = new QGridLayout;
    sectionName_ = AddGridCombo(this, section, 0, QStringLiteral("Section Name"),
                                QStringLiteral("sectionNameCombo"));
    shape_ = AddGridCombo(this, section, 1, QStringLiteral("Section Shape"),
                          QStringLiteral("sectionShapeCombo"));
    AddItems(shape_, SectionShapeItems);
    material_ =
        AddGridCombo(this, section, 2, QStringLiteral("Material"), QStringLiteral("materialCombo"));
    for (QComboBox* shown : {sectionName_, shape_, material_})
        shown->setEnabled(false);
    for (std::size_t k = 0; k < dimensions_.size(); ++k) {
        dimensions_[k] = AddGridEdit(this, section, static_cast<int>(k) + 3,
                                     QStringLiteral("Dimention T%1").arg(k + 1),
                                     QStringLiteral("dimensionT%1Edit").arg(k + 1));
        dimensions_[k]->setReadOnly(true);
    }

    QGroupBox* pDelta = MakeGroup(this, QStringLiteral("P-Delta"), QStringLiteral("pDeltaGroup"));
    auto* pDeltaGrid = new QGridLayout(pDelta);
    geomTransf_ = AddGridCombo(pDelta, pDeltaGrid, 0, QStringLiteral("GeoTransf"),
                               QStringLiteral("geomTransfCombo"));
    AddItems(geomTransf_, GeomTransfItems);

    QGroupBox* rebar =
        MakeGroup(this, QStringLiteral("Rebar Setting"), QStringLiteral("rebarGroup"));
    auto* rebarGrid = new QGridLayout(rebar);
    xBarTop_ = AddGridEdit(rebar, rebarGrid, 0, QStringLiteral("X-Bar(Top) "),
                           QStringLiteral("xBarTopEdit"));
    yBarBot_ = AddGridEdit(rebar, rebarGrid, 1, QStringLiteral("Y-Bar(Bot)"),
                           QStringLiteral("yBarBotEdit"));

    QGroupBox* nonlinear =
        MakeGroup(this, QStringLiteral("Nonlinear Setting"), QStringLiteral("nonlinearGroup"));
    auto* nonlinearGrid = new QGridLayout(nonlinear);
    sectionKind_ = AddGridCombo(nonlinear, nonlinearGrid, 0, QStringLiteral("Section Type"),
                                QStringLiteral("sectionKindCombo"));
    AddItems(sectionKind_, SectionKindItems);
    divideFX_ = AddGridEdit(nonlinear, nonlinearGrid, 1, QStringLiteral("Divide FX"),
                            QStringLiteral("divideFxEdit"));
    divideFY_ = AddGridEdit(nonlinear, nonlinearGrid, 2, QStringLiteral("Divide FY"),
                            QStringLiteral("divideFyEdit"));
    barNumNX_ = AddGridEdit(nonlinear, nonlinearGrid, 3, QStringLiteral("Bar Num NX"),
                            QStringLiteral("barNumNxEdit"));
    barNumNY_ = AddGridEdit(nonlinear, nonlinearGrid, 4, QStringLiteral("Bar Num NY"),
                            QStringLiteral("barNumNyEdit"));
    cover_ = AddGridEdit(nonlinear, nonlinearGrid, 5, QStringLiteral("Cover"),
                         QStringLiteral("coverEdit"));

    QGroupBox* hinge = MakeGroup(this, QStringLiteral("Beam With Hinge(Hinge Length)"),
                                 QStringLiteral("hingeGroup"));
    auto* hingeGrid = new QGridLayout(hinge);
    hingeLengthI_ = AddGridEdit(hinge, hingeGrid, 0, QStringLiteral("Hinge Length Node I"),
                                QStringLiteral("hingeLengthIEdit"));
    hingeLengthJ_ = AddGridEdit(hinge, hingeGrid, 1, QStringLiteral("Hinge Length Node J"),
                                QStringLiteral("hingeLengthJEdit"));
    hingeLengthI_->setText(QStringLiteral("1000"));
    hingeLengthJ_->setText(QStringLiteral("1000"));

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("okButton"));
    close_ = MakeButton(this, QStringLiteral("Close"), QStringLiteral("closeButton"));

    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(image_);
    pictureColumn->addLayout(choices);
    pictureColumn->addStretch();
    auto* sectionColumn = new QVBoxLayout;
    sectionColumn->addLayout(section);
    sectionColumn->addWidget(pDelta);
    sectionColumn->addStretch();
    auto* settingColumn = new QVBoxLayout;
    settingColumn->addWidget(rebar);
    settingColumn->addWidget(nonlinear);
    settingColumn->addWidget(hinge);
    auto* top = new QHBoxLayout;
    top->addWidget(list_);
    top->addLayout(pictureColumn);
    top->addLayout(sectionColumn);
    top->addLayout(settingColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(ButtonRow({ok_, close_}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(swatch_, &ColorSwatch::clicked, this, &FrameSectionDialog::chooseColor);
    connect(ok_, &QPushButton::clicked, this, &FrameSectionDialog::okClicked);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
}

void FrameSectionDialog::setColorChooser(ColorChooser chooser)
{
    colorChooser_ = std::move(chooser);
}

void FrameSectionDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what the user has typed.
    if (!event->spontaneous())
        guarded([this] {
            const std::vector<std::string> names = FrameSectionNames(model_);
            SetItems(sectionName_, names);
            SetItems(material_, MaterialNames(model_));
            sectionName_->setCurrentIndex(sectionName_->count() > 0 ? 0 : -1);
            material_->setCurrentIndex(material_->count() > 0 ? 0 : -1);
            fillRecordList(list_, names);
        });
    EditorDialog::showEvent(event);
}

void FrameSectionDialog::showSection(int index)
{
    const FrameSectionForm form = FrameSectionFormOf(model_, index);
    frameType_->setCurrentIndex(form.FrameType);
    if (form.FrameType < 0)
        frameType_->setPlaceholderText(UnlistedElemType(model_.FrameSections[index].ElemType));
    sectionName_->setCurrentIndex(form.SectionName);
    shape_->setCurrentIndex(form.Shape);
    material_->setCurrentIndex(form.Material);
    for (std::size_t k = 0; k < dimensions_.size(); ++k)
        dimensions_[k]->setText(QString::fromStdString(form.Dimensions[k]));
    geomTransf_->setCurrentIndex(form.GeomTransf);
    xBarTop_->setText(QString::fromStdString(form.XBarTop));
    yBarBot_->setText(QString::fromStdString(form.YBarBot));
    sectionKind_->setCurrentIndex(form.SectionKind);
    divideFX_->setText(QString::fromStdString(form.DivideFX));
    divideFY_->setText(QString::fromStdString(form.DivideFY));
    barNumNX_->setText(QString::fromStdString(form.BarNumNX));
    barNumNY_->setText(QString::fromStdString(form.BarNumNY));
    cover_->setText(QString::fromStdString(form.Cover));
    hingeLengthI_->setText(QString::fromStdString(form.HingeLengthI));
    hingeLengthJ_->setText(QString::fromStdString(form.HingeLengthJ));
    swatch_->setColor(form.Color);
    drawSection(index);
}

// What was drawn before an error stays in the picture.
void FrameSectionDialog::drawSection(int index)
{
    std::optional<VekError> failure;
    {
        QPainterCanvas canvas(picture_);
        try {
            DrawSectionLayout(canvas, model_, index);
        } catch (const VekError& error) {
            failure = error;
        }
    }
    image_->setPixmap(QPixmap::fromImage(picture_));
    if (failure)
        throw *failure;
}

void FrameSectionDialog::chooseColor()
{
    guarded([this] {
        if (const std::optional<std::int32_t> chosen = colorChooser_(swatch_->color()))
            swatch_->setColor(*chosen);
    });
}

FrameSectionForm FrameSectionDialog::enteredForm() const
{
    FrameSectionForm form;
    form.FrameType = frameType_->currentIndex();
    form.SectionKind = sectionKind_->currentIndex();
    form.DivideFX = Text(divideFX_);
    form.DivideFY = Text(divideFY_);
    form.BarNumNX = Text(barNumNX_);
    form.BarNumNY = Text(barNumNY_);
    form.XBarTop = Text(xBarTop_);
    form.YBarBot = Text(yBarBot_);
    form.Cover = Text(cover_);
    form.HingeLengthI = Text(hingeLengthI_);
    form.HingeLengthJ = Text(hingeLengthJ_);
    form.Color = swatch_->color();
    form.GeomTransf = geomTransf_->currentIndex();
    return form;
}

// With no section selected there is nothing to write. The model view is redrawn even when a
// field was refused, since the fields before it were written.
void FrameSectionDialog::okClicked()
{
    const int index = list_->currentRow() + 1;
    if (!model_.FrameSections.Contains(index))
        return;
    guarded([&] {
        if (ApplyFrameSectionForm(model_, index, enteredForm()))
            drawSection(index);
    });
    emit redrawRequested();
}

void FrameSectionDialog::done(int result)
{
    // A hidden dialog has nothing to close.
    const bool wasVisible = isVisible();
    EditorDialog::done(result);
    if (wasVisible)
        emit redrawRequested();
}

} // namespace vek
