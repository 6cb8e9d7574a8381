#include "gui/model_view.h"
#include "gui/qpainter_canvas.h"
#include "sections/gui/frame_section_dialog.h"
#include "sections/gui/material_dialog.h"
#include "sections/gui/shell_section_dialog.h"
#include "sections/section_layout.h"
#include "support/widget_lookup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace vek;

namespace {

using testing::Child;

QLineEdit* Edit(QWidget& dialog, const QString& name)
{
    return Child<QLineEdit>(dialog, name);
}

QComboBox* Combo(QWidget& dialog, const QString& name)
{
    return Child<QComboBox>(dialog, name);
}

QPushButton* Button(QWidget& dialog, const QString& name)
{
    return Child<QPushButton>(dialog, name);
}

QListWidget* List(QWidget& dialog, const QString& name)
{
    return Child<QListWidget>(dialog, name);
}

QStringList Items(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList Rows(QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// Every labelled control has its label as buddy and the label's text as its accessible name;
// buttons carry their captions; the window's title is its caption.
void CheckAccessibility(QWidget& dialog, const QString& caption)
{
    QCOMPARE(dialog.windowTitle(), caption);
    int labelled = 0;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->buddy())
            continue;
        ++labelled;
        QCOMPARE(label->accessibleName(), label->text());
        QCOMPARE(label->buddy()->accessibleName(), label->text());
    }
    QVERIFY(labelled >= 3);
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QListWidget*>(widget) || qobject_cast<QGroupBox*>(widget))
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->accessibleName(), button->text());
    }
}

struct EditorModel
{
    EditorModel()
    {
        model.Materials.Reset(2);
        model.Materials.Edit(1) = {"C30", MaterialType::Elastic, 30000, 0.2, 12500};
        model.Materials.Edit(2) = {"STEEL", MaterialType::Elastic, 200000, 0.3, 83333.33};
        model.FrameSections.Reset(3);
        TFrameSection& column = model.FrameSections.Edit(1);
        column.Name = "N600";
        column.Shape = SectionShape::Rectangle;
        column.ElemType = ElementKind::NonlinearBeamColumn;
        column.Material = 1;
        column.T1 = 600;
        column.T2 = 400;
        column.DivideFX = column.DivideFY = column.BarNumNX = column.BarNumNY = 5;
        column.Cover = 35;
        column.XBarTop = column.YBarBot = 1000;
        column.SectionKind = FrameSectionKind::Column;
        column.GeomTransf = Transformation::Linear;
        column.HingeLengthI = column.HingeLengthJ = 600;
        column.Color = RgbColor(0, 255, 0);
        TFrameSection& pipe = model.FrameSections.Edit(2);
        pipe = column;
        pipe.Name = "EPIPE";
        pipe.Shape = SectionShape::Pipe;
        pipe.ElemType = ElementKind::ElasticBeamColumn;
        pipe.Material = 2;
        pipe.T1 = 200;
        pipe.T2 = 10;
        pipe.DivideFX = 20;
        pipe.GeomTransf = Transformation::Corotational;
        TFrameSection& link = model.FrameSections.Edit(3);
        link.Name = "RLINK";
        link.ElemType = ElementKind::ReleaseLink;
        link.Material = 1;
        link.SectionKind = FrameSectionKind::Column;
        link.GeomTransf = Transformation::Linear;
        model.ShellSections.Reset(3);
        model.ShellSections.Edit(1) = {150.4, ShellSectionKind::Shell, 2, "WALL",
                                       0,     ShellElement::MITC4};
        model.ShellSections.Edit(3) = {200, ShellSectionKind::Shell, 1, "SLAB",
                                       0,   ShellElement::MITC4};
    }
    Model model;
};

// What the picture of the section must look like.
QImage ExpectedPicture(const Model& model, int index)
{
    QImage picture = NewModelImage(QSize(SectionPictureSize, SectionPictureSize));
    QPainterCanvas canvas(picture);
    DrawSectionLayout(canvas, model, index);
    return picture;
}

} // namespace

class SectionDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void materialShowsTheFormats();
    void materialWithoutMaterialsKeepsTheInitialContents();
    void materialModifyAndAddStoreTheParameters();
    void shellSectionModifyKeepsTheChoice();
    void shellSectionShowsEmptyRecordsAndModifiesNothingWithoutSections();
    void frameSectionShowsTheSelectedSection();
    void frameSectionOkRoundTrip();
    void frameSectionBadNumberStopsOk();
    void frameSectionReleaseLinkKeepsItsType();
    void frameSectionWithoutDimensionsReportsAndGoesOn();
    void frameSectionOkWithoutSections();
    void frameSectionEveryCloseAsksForARedraw();
    void errorsGoToAWarningBoxTitledTav();
    void accessibility();
};

void SectionDialogsTest::materialShowsTheFormats()
{
    EditorModel data;
    MaterialDialog dialog(data.model);
    dialog.show();
    QCOMPARE(Rows(List(dialog, "materialList")), (QStringList{"C30", "STEEL"}));
    QCOMPARE(List(dialog, "materialList")->currentRow(), 0);
    QCOMPARE(Edit(dialog, "nameEdit")->text(), QStringLiteral("C30"));
    QCOMPARE(Edit(dialog, "poissonEdit")->text(), QStringLiteral("0.200"));

    List(dialog, "materialList")->setCurrentRow(1);
    QCOMPARE(Edit(dialog, "nameEdit")->text(), QStringLiteral("STEEL"));
    QCOMPARE(Combo(dialog, "typeCombo")->currentText(), QStringLiteral("Elastic"));
    QCOMPARE(Edit(dialog, "elasticModulusEdit")->text(), QStringLiteral("200000"));
    QCOMPARE(Edit(dialog, "shearModulusEdit")->text(), QStringLiteral("83333"));
    QCOMPARE(Edit(dialog, "poissonEdit")->text(), QStringLiteral("0.300"));

    // Typed values are not stored; the next showing shows the records again.
    Edit(dialog, "elasticModulusEdit")->setText(QStringLiteral("1"));
    Combo(dialog, "typeCombo")->setCurrentIndex(3);
    Button(dialog, "closeButton")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(data.model.Materials[2].E, 200000.0);
    QCOMPARE(data.model.Materials[2].MatType, MaterialType::Elastic);
    data.model.Materials.Edit(1).MatType = MaterialType::Steel02;
    dialog.show();
    QCOMPARE(List(dialog, "materialList")->currentRow(), 0);
    QCOMPARE(Combo(dialog, "typeCombo")->currentText(), QStringLiteral("Steel02"));
    QCOMPARE(Edit(dialog, "elasticModulusEdit")->text(), QStringLiteral("30000"));
}

void SectionDialogsTest::materialWithoutMaterialsKeepsTheInitialContents()
{
    Model model;
    MaterialDialog dialog(model);
    QCOMPARE(Items(Combo(dialog, "typeCombo")),
             (QStringList{"Elastic", "Steel01", "Concrete01", "Steel02", "Concrete02"}));
    dialog.show();
    QCOMPARE(List(dialog, "materialList")->count(), 0);
    QCOMPARE(Combo(dialog, "typeCombo")->currentText(), QStringLiteral("Elastic"));
    for (const char* name : {"nameEdit", "elasticModulusEdit", "shearModulusEdit", "poissonEdit"})
        QVERIFY(Edit(dialog, name)->text().isEmpty());
}

void SectionDialogsTest::materialModifyAndAddStoreTheParameters()
{
    EditorModel data;
    MaterialDialog dialog(data.model);
    QStringList errors;
    dialog.setErrorReporter([&](const QString& message) { errors << message; });
    dialog.show();
    const auto type = [&](const QStringList& values) {
        for (const QString& value : values) {
            const QString name = value.section('=', 0, 0);
            Edit(dialog, qPrintable(name + QStringLiteral("Edit")))->setText(value.section('=', 1));
        }
    };

    // Concrete02 on C30: its seven rows, stored by Modify; E is kept as it was.
    Combo(dialog, "typeCombo")->setCurrentIndex(4);
    type({"fpc=-30", "epsc0=-0.002", "fpcu=-6", "epsU=-0.006", "lambda=0.1", "ft=3", "Ets=1500"});
    Button(dialog, "modifyButton")->click();
    const TMaterial& c30 = data.model.Materials[1];
    QCOMPARE(c30.MatType, MaterialType::Concrete02);
    QCOMPARE(c30.Fpc, -30.0);
    QCOMPARE(c30.Ets, 1500.0);

    // A bad number or a positive strength stores nothing.
    type({"fpc=-3O"});
    Button(dialog, "modifyButton")->click();
    type({"fpc=-25", "epsc0=0.002"});
    Button(dialog, "modifyButton")->click();
    QCOMPARE(errors, (QStringList{"fpc: '-3O' is not a valid floating point value",
                                  "epsc0 must be 0 or negative (compression is negative), not "
                                  "0.002"}));
    QCOMPARE(c30.Fpc, -30.0);

    // Add: a Steel02 bar material; E0 left empty follows the typed E, R0 starts as 18.
    Edit(dialog, "nameEdit")->setText(QStringLiteral("B500"));
    Combo(dialog, "typeCombo")->setCurrentIndex(3);
    QCOMPARE(Edit(dialog, "R0Edit")->text(), QStringLiteral("18"));
    QVERIFY(Edit(dialog, "E0Edit")->text().isEmpty());
    Edit(dialog, "elasticModulusEdit")->setText(QStringLiteral("200000"));
    type({"Fy=500", "b=0.01"});
    Button(dialog, "addButton")->click();
    QCOMPARE(data.model.MaterialCount(), 3);
    const TMaterial& bars = data.model.Materials[3];
    QCOMPARE(bars.MatType, MaterialType::Steel02);
    QCOMPARE(bars.E0, 200000.0);
    QCOMPARE(bars.R0, 18.0);
    QCOMPARE(List(dialog, "materialList")->currentItem()->text(), QStringLiteral("B500"));
    QCOMPARE(Edit(dialog, "E0Edit")->text(), QStringLiteral("200000"));
    QCOMPARE(errors.size(), 2);
}

void SectionDialogsTest::shellSectionModifyKeepsTheChoice()
{
    EditorModel data;
    ShellSectionDialog dialog(data.model);
    dialog.show();
    QCOMPARE(Items(Combo(dialog, "elemTypeCombo")), (QStringList{"ShellMITC4", "ShellDKGQ"}));
    QCOMPARE(Edit(dialog, "nameEdit")->text(), QStringLiteral("WALL"));
    QCOMPARE(Edit(dialog, "thicknessEdit")->text(), QStringLiteral("150"));
    QCOMPARE(Edit(dialog, "materialEdit")->text(), QStringLiteral("STEEL"));
    QCOMPARE(Combo(dialog, "elemTypeCombo")->currentIndex(), 0);

    Combo(dialog, "elemTypeCombo")->setCurrentIndex(1);
    Edit(dialog, "thicknessEdit")->setText(QStringLiteral("300"));
    Button(dialog, "modifyButton")->click();
    QCOMPARE(data.model.ShellSections[1].ShellElemType, ShellElement::DKGQ);
    QCOMPARE(data.model.ShellSections[1].Thickness, 150.4);

    List(dialog, "shellSectionList")->setCurrentRow(2);
    QCOMPARE(Edit(dialog, "nameEdit")->text(), QStringLiteral("SLAB"));
    QCOMPARE(Combo(dialog, "elemTypeCombo")->currentIndex(), 0);
    // Chosen without Modify: nothing is stored.
    Combo(dialog, "elemTypeCombo")->setCurrentIndex(1);
    List(dialog, "shellSectionList")->setCurrentRow(0);
    QCOMPARE(Combo(dialog, "elemTypeCombo")->currentText(), QStringLiteral("ShellDKGQ"));
    QCOMPARE(Edit(dialog, "thicknessEdit")->text(), QStringLiteral("150"));
    QCOMPARE(data.model.ShellSections[3].ShellElemType, ShellElement::MITC4);
    List(dialog, "shellSectionList")->setCurrentRow(2);
    QCOMPARE(Combo(dialog, "elemTypeCombo")->currentText(), QStringLiteral("ShellMITC4"));

    QSignalSpy hidden(&dialog, &QDialog::finished);
    Button(dialog, "closeButton")->click();
    QVERIFY(!dialog.isVisible());
}

void SectionDialogsTest::shellSectionShowsEmptyRecordsAndModifiesNothingWithoutSections()
{
    EditorModel data;
    ShellSectionDialog dialog(data.model);
    dialog.show();
    QCOMPARE(Rows(List(dialog, "shellSectionList")), (QStringList{"WALL", "", "SLAB"}));
    List(dialog, "shellSectionList")->setCurrentRow(1);
    QCOMPARE(Edit(dialog, "nameEdit")->text(), QString());
    QCOMPARE(Edit(dialog, "thicknessEdit")->text(), QStringLiteral("0"));
    QCOMPARE(Edit(dialog, "materialEdit")->text(), QString());

    Model empty;
    ShellSectionDialog nothing(empty);
    QStringList errors;
    nothing.setErrorReporter([&](const QString& message) { errors << message; });
    nothing.show();
    QCOMPARE(List(nothing, "shellSectionList")->count(), 0);
    Combo(nothing, "elemTypeCombo")->setCurrentIndex(1);
    Button(nothing, "modifyButton")->click();
    QVERIFY(errors.isEmpty());
    QVERIFY(nothing.isVisible());
}

void SectionDialogsTest::frameSectionShowsTheSelectedSection()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    QCOMPARE(Edit(dialog, "hingeLengthIEdit")->text(), QStringLiteral("1000"));
    QCOMPARE(Edit(dialog, "hingeLengthJEdit")->text(), QStringLiteral("1000"));
    QCOMPARE(Items(Combo(dialog, "frameTypeCombo")),
             (QStringList{"Elastic BeamColumn", "Nonlinear BeamColumn", "Disp BeamColumn",
                          "Beam with Hinge", "Truss", "corotTruss"}));
    QCOMPARE(Items(Combo(dialog, "sectionShapeCombo")),
             (QStringList{QString::fromUtf8("矩形"), QString::fromUtf8("工字形"),
                          QString::fromUtf8("方形"), QString::fromUtf8("圆管形")}));
    QCOMPARE(Items(Combo(dialog, "geomTransfCombo")),
             (QStringList{"Linear", "P-Delta", "Corotational "}));
    QCOMPARE(Items(Combo(dialog, "sectionKindCombo")),
             (QStringList{"Beam Section", "Column Section"}));

    dialog.show();
    QCOMPARE(Rows(List(dialog, "frameSectionList")), (QStringList{"N600", "EPIPE", "RLINK"}));
    QCOMPARE(Items(Combo(dialog, "sectionNameCombo")), (QStringList{"N600", "EPIPE", "RLINK"}));
    QCOMPARE(Items(Combo(dialog, "materialCombo")), (QStringList{"C30", "STEEL"}));
    for (const char* name : {"sectionNameCombo", "sectionShapeCombo", "materialCombo"})
        QVERIFY(!Combo(dialog, name)->isEnabled());
    for (int k = 1; k <= 6; ++k)
        QVERIFY(Edit(dialog, QStringLiteral("dimensionT%1Edit").arg(k))->isReadOnly());

    QCOMPARE(Combo(dialog, "frameTypeCombo")->currentIndex(), 1);
    QCOMPARE(Combo(dialog, "sectionNameCombo")->currentIndex(), 0);
    QCOMPARE(Combo(dialog, "sectionShapeCombo")->currentIndex(), 0);
    QCOMPARE(Combo(dialog, "materialCombo")->currentIndex(), 0);
    QCOMPARE(Edit(dialog, "dimensionT1Edit")->text(), QStringLiteral("600"));
    QCOMPARE(Edit(dialog, "dimensionT2Edit")->text(), QStringLiteral("400"));
    QCOMPARE(Edit(dialog, "divideFxEdit")->text(), QStringLiteral("5"));
    QCOMPARE(Edit(dialog, "coverEdit")->text(), QStringLiteral("35"));
    QCOMPARE(Edit(dialog, "hingeLengthIEdit")->text(), QStringLiteral("600"));
    QCOMPARE(Combo(dialog, "sectionKindCombo")->currentIndex(), 1);
    QCOMPARE(dialog.picture(), ExpectedPicture(data.model, 1));
    QCOMPARE(Child<QLabel>(dialog, "sectionPicture")
                 ->pixmap()
                 .toImage()
                 .convertToFormat(dialog.picture().format()),
             dialog.picture());

    List(dialog, "frameSectionList")->setCurrentRow(1);
    QCOMPARE(Combo(dialog, "frameTypeCombo")->currentIndex(), 0);
    QCOMPARE(Combo(dialog, "sectionNameCombo")->currentIndex(), 1);
    QCOMPARE(Combo(dialog, "sectionShapeCombo")->currentIndex(), 3);
    QCOMPARE(Combo(dialog, "materialCombo")->currentIndex(), 1);
    QCOMPARE(Combo(dialog, "geomTransfCombo")->currentText(), QStringLiteral("Corotational "));
    QCOMPARE(Edit(dialog, "divideFxEdit")->text(), QStringLiteral("20"));
    QCOMPARE(dialog.picture(), ExpectedPicture(data.model, 2));
}

void SectionDialogsTest::frameSectionOkRoundTrip()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    QList<std::int32_t> offered;
    dialog.setColorChooser([&](std::int32_t current) -> std::optional<std::int32_t> {
        offered << current;
        return RgbColor(255, 0, 255);
    });
    dialog.show();
    const QImage column = dialog.picture();

    Combo(dialog, "frameTypeCombo")->setCurrentIndex(3);
    Combo(dialog, "sectionKindCombo")->setCurrentIndex(0);
    Edit(dialog, "divideFxEdit")->setText(QStringLiteral("1"));
    Edit(dialog, "divideFyEdit")->setText(QStringLiteral("1"));
    Edit(dialog, "barNumNxEdit")->setText(QStringLiteral("3"));
    Edit(dialog, "barNumNyEdit")->setText(QStringLiteral("2"));
    Edit(dialog, "xBarTopEdit")->setText(QStringLiteral("900"));
    Edit(dialog, "yBarBotEdit")->setText(QStringLiteral("0.5"));
    Edit(dialog, "coverEdit")->setText(QStringLiteral("40"));
    Edit(dialog, "hingeLengthIEdit")->setText(QStringLiteral("450"));
    Edit(dialog, "hingeLengthJEdit")->setText(QStringLiteral("1E3"));
    Combo(dialog, "geomTransfCombo")->setCurrentIndex(1);
    QTest::mouseClick(Child<QWidget>(dialog, "colorSwatch"), Qt::LeftButton);
    QCOMPARE(offered, (QList<std::int32_t>{RgbColor(0, 255, 0)}));
    // The choice fills the swatch; OK stores it.
    QCOMPARE(data.model.FrameSections[1].Color, RgbColor(0, 255, 0));
    QSignalSpy redraw(&dialog, &FrameSectionDialog::redrawRequested);
    Button(dialog, "okButton")->click();
    QCOMPARE(redraw.count(), 1);

    const TFrameSection& s = data.model.FrameSections[1];
    QCOMPARE(s.ElemType, ElementKind::BeamWithHinge);
    QCOMPARE(s.SectionKind, FrameSectionKind::Beam);
    QCOMPARE(s.DivideFX, 1);
    QCOMPARE(s.DivideFY, 1);
    QCOMPARE(s.BarNumNX, 3);
    QCOMPARE(s.BarNumNY, 2);
    QCOMPARE(s.XBarTop, 900.0);
    QCOMPARE(s.YBarBot, 0.5);
    QCOMPARE(s.Cover, 40.0);
    QCOMPARE(s.HingeLengthI, 450.0);
    QCOMPARE(s.HingeLengthJ, 1000.0);
    QCOMPARE(s.Color, RgbColor(255, 0, 255));
    QCOMPARE(s.GeomTransf, Transformation::PDelta);
    QVERIFY(dialog.isVisible());
    // The picture is redrawn from the new values.
    QVERIFY(dialog.picture() != column);
    QCOMPARE(dialog.picture(), ExpectedPicture(data.model, 1));

    // A cancelled choice keeps the colour; the next selection shows the stored values.
    dialog.setColorChooser([](std::int32_t) { return std::nullopt; });
    QTest::keyClick(Child<QWidget>(dialog, "colorSwatch"), Qt::Key_Space);
    List(dialog, "frameSectionList")->setCurrentRow(1);
    List(dialog, "frameSectionList")->setCurrentRow(0);
    QCOMPARE(Edit(dialog, "hingeLengthJEdit")->text(), QStringLiteral("1000"));
    QCOMPARE(Edit(dialog, "yBarBotEdit")->text(), QStringLiteral("0.5"));
    QCOMPARE(Combo(dialog, "frameTypeCombo")->currentText(), QStringLiteral("Beam with Hinge"));
    Button(dialog, "okButton")->click();
    QCOMPARE(data.model.FrameSections[1].Color, RgbColor(255, 0, 255));
}

void SectionDialogsTest::frameSectionBadNumberStopsOk()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    QStringList errors;
    dialog.setErrorReporter([&](const QString& message) { errors << message; });
    dialog.setColorChooser([](std::int32_t) { return RgbColor(1, 2, 3); });
    dialog.show();
    const QImage before = dialog.picture();

    Combo(dialog, "frameTypeCombo")->setCurrentIndex(2);
    Edit(dialog, "divideFxEdit")->setText(QStringLiteral("2"));
    Edit(dialog, "divideFyEdit")->setText(QStringLiteral("2"));
    Edit(dialog, "barNumNxEdit")->setText(QStringLiteral("five"));
    Edit(dialog, "barNumNyEdit")->setText(QStringLiteral("1"));
    Edit(dialog, "coverEdit")->setText(QStringLiteral("x"));
    QTest::mouseClick(Child<QWidget>(dialog, "colorSwatch"), Qt::LeftButton);
    Button(dialog, "okButton")->click();

    QCOMPARE(errors, (QStringList{"'five' is not a valid integer value"}));
    const TFrameSection& s = data.model.FrameSections[1];
    QCOMPARE(s.ElemType, ElementKind::DispBeamColumn);
    QCOMPARE(s.DivideFX, 2);
    QCOMPARE(s.DivideFY, 2);
    QCOMPARE(s.BarNumNX, 5);
    QCOMPARE(s.BarNumNY, 5);
    QCOMPARE(s.Cover, 35.0);
    QCOMPARE(s.Color, RgbColor(0, 255, 0));
    QCOMPARE(dialog.picture(), before);
    QVERIFY(dialog.isVisible());

    // The next bad text stops the next OK, with its own message.
    Edit(dialog, "barNumNxEdit")->setText(QStringLiteral("4"));
    Button(dialog, "okButton")->click();
    QCOMPARE(errors.size(), 2);
    QCOMPARE(errors[1], QStringLiteral("'x' is not a valid floating point value"));
    QCOMPARE(s.BarNumNY, 1);
    QCOMPARE(s.Cover, 35.0);
}

void SectionDialogsTest::frameSectionReleaseLinkKeepsItsType()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    QStringList errors;
    dialog.setErrorReporter([&](const QString& message) { errors << message; });
    dialog.show();
    List(dialog, "frameSectionList")->setCurrentRow(2);
    QComboBox* type = Combo(dialog, "frameTypeCombo");
    QCOMPARE(type->currentIndex(), -1);
    QCOMPARE(type->count(), 6);
    QVERIFY(type->placeholderText().contains(QStringLiteral("Release link")));
    Button(dialog, "okButton")->click();
    QCOMPARE(data.model.FrameSections[3].ElemType, ElementKind::ReleaseLink);

    // Another section shows its own type; choosing one for the link stores it.
    List(dialog, "frameSectionList")->setCurrentRow(0);
    QCOMPARE(type->currentIndex(), 1);
    List(dialog, "frameSectionList")->setCurrentRow(2);
    QCOMPARE(type->currentIndex(), -1);
    type->setCurrentIndex(4);
    Button(dialog, "okButton")->click();
    QCOMPARE(data.model.FrameSections[3].ElemType, ElementKind::Truss);
}

void SectionDialogsTest::frameSectionWithoutDimensionsReportsAndGoesOn()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    QStringList errors;
    dialog.setErrorReporter([&](const QString& message) { errors << message; });
    dialog.show();
    QVERIFY(errors.isEmpty());

    // The release link has no dimensions: the picture is cleared, the message told, and the
    // controls are filled all the same.
    List(dialog, "frameSectionList")->setCurrentRow(2);
    QCOMPARE(errors, (QStringList{"Floating point division by zero"}));
    QImage white = NewModelImage(QSize(SectionPictureSize, SectionPictureSize));
    {
        QPainterCanvas canvas(white);
        canvas.SetPen(0, 1);
        canvas.SetBrush(RgbColor(255, 255, 255), BrushStyle::Solid);
        canvas.Rectangle(0, 0, SectionPictureSize, SectionPictureSize);
    }
    QCOMPARE(dialog.picture(), white);
    QCOMPARE(Combo(dialog, "sectionNameCombo")->currentIndex(), 2);
    QCOMPARE(Edit(dialog, "dimensionT1Edit")->text(), QStringLiteral("0"));

    Edit(dialog, "divideFxEdit")->setText(QStringLiteral("3"));
    Button(dialog, "okButton")->click();
    QCOMPARE(data.model.FrameSections[3].DivideFX, 3);
    QCOMPARE(errors.size(), 2);

    List(dialog, "frameSectionList")->setCurrentRow(0);
    QCOMPARE(errors.size(), 2);
    QCOMPARE(dialog.picture(), ExpectedPicture(data.model, 1));
}

void SectionDialogsTest::frameSectionOkWithoutSections()
{
    Model model;
    FrameSectionDialog dialog(model);
    QStringList errors;
    dialog.setErrorReporter([&](const QString& message) { errors << message; });
    dialog.show();
    QCOMPARE(List(dialog, "frameSectionList")->count(), 0);
    QCOMPARE(Combo(dialog, "sectionNameCombo")->count(), 0);
    Edit(dialog, "divideFxEdit")->setText(QStringLiteral("bad"));
    Button(dialog, "okButton")->click();
    QVERIFY(errors.isEmpty());
    QVERIFY(dialog.isVisible());
}

void SectionDialogsTest::frameSectionEveryCloseAsksForARedraw()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    const std::pair<const char*, std::function<void()>> closes[] = {
        {"Close", [&] { Button(dialog, "closeButton")->click(); }},
        {"close", [&] { dialog.close(); }},
        {"Esc", [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    };
    for (const auto& [way, closeIt] : closes) {
        dialog.show();
        // Values typed without OK are lost.
        Edit(dialog, "divideFxEdit")->setText(QStringLiteral("7"));
        QSignalSpy redraw(&dialog, &FrameSectionDialog::redrawRequested);
        closeIt();
        QVERIFY2(!dialog.isVisible(), way);
        QVERIFY2(redraw.count() == 1, way);
        QCOMPARE(data.model.FrameSections[1].DivideFX, 5);
    }
    dialog.show();
    QCOMPARE(Edit(dialog, "divideFxEdit")->text(), QStringLiteral("5"));
    dialog.hide();
    QSignalSpy redraw(&dialog, &FrameSectionDialog::redrawRequested);
    dialog.close();
    QCOMPARE(redraw.count(), 0);
}

void SectionDialogsTest::errorsGoToAWarningBoxTitledTav()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    dialog.show();
    Edit(dialog, "divideFxEdit")->setText(QStringLiteral("1.5"));
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    Button(dialog, "okButton")->click();
    QCOMPARE(title, QStringLiteral("TAV"));
    QCOMPARE(text, QStringLiteral("'1.5' is not a valid integer value"));
}

void SectionDialogsTest::accessibility()
{
    Model model;
    FrameSectionDialog frameSection(model);
    MaterialDialog material(model);
    ShellSectionDialog shellSection(model);
    CheckAccessibility(frameSection, QStringLiteral("Frame Section (Nonlinear)"));
    CheckAccessibility(material, QStringLiteral("Material Data"));
    CheckAccessibility(shellSection, QStringLiteral("Shell Section"));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(Child<QWidget>(frameSection, "colorSwatch")->accessibleName(),
             QStringLiteral("Frame Color"));
    QCOMPARE(Button(frameSection, "okButton")->text(), QStringLiteral("OK"));
    QCOMPARE(Button(frameSection, "closeButton")->text(), QStringLiteral("Close"));
    QCOMPARE(Button(material, "closeButton")->text(), QStringLiteral("Close"));
    QCOMPARE(Button(shellSection, "modifyButton")->text(), QStringLiteral("Modify"));
    QCOMPARE(Button(shellSection, "closeButton")->text(), QStringLiteral("Close"));
    QCOMPARE(Child<QLineEdit>(frameSection, "xBarTopEdit")->accessibleName(),
             QStringLiteral("X-Bar(Top) "));
    QStringList groups;
    for (QGroupBox* group : frameSection.findChildren<QGroupBox*>())
        groups << group->title();
    QCOMPARE(groups, (QStringList{"P-Delta", "Rebar Setting", "Nonlinear Setting",
                                  "Beam With Hinge(Hinge Length)"}));
    QCOMPARE(Child<QLabel>(frameSection, "sectionPicture")->size(), QSize(200, 200));
}

QTEST_MAIN(SectionDialogsTest)
#include "section_dialogs_test.moc"
