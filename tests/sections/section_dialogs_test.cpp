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

QLineEdit* Edit(QWidget& dialog, int number)
{
    return Child<QLineEdit>(dialog, QStringLiteral("Edit%1").arg(number).toLatin1().data());
}

QComboBox* Combo(QWidget& dialog, int number)
{
    return Child<QComboBox>(dialog, QStringLiteral("ComboBox%1").arg(number).toLatin1().data());
}

QPushButton* Button(QWidget& dialog, int number)
{
    return Child<QPushButton>(dialog, QStringLiteral("Button%1").arg(number).toLatin1().data());
}

QListWidget* List(QWidget& dialog)
{
    return Child<QListWidget>(dialog, "ListBox1");
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
    QCOMPARE(Rows(List(dialog)), (QStringList{"C30", "STEEL"}));
    QCOMPARE(List(dialog)->currentRow(), 0);
    QCOMPARE(Edit(dialog, 1)->text(), QStringLiteral("C30"));
    QVERIFY(Edit(dialog, 1)->isReadOnly());
    QCOMPARE(Edit(dialog, 4)->text(), QStringLiteral("0.200"));

    List(dialog)->setCurrentRow(1);
    QCOMPARE(Edit(dialog, 1)->text(), QStringLiteral("STEEL"));
    QCOMPARE(Combo(dialog, 1)->currentText(), QStringLiteral("Elastic"));
    QCOMPARE(Edit(dialog, 2)->text(), QStringLiteral("200000"));
    QCOMPARE(Edit(dialog, 3)->text(), QStringLiteral("83333"));
    QCOMPARE(Edit(dialog, 4)->text(), QStringLiteral("0.300"));

    // Typed values are not stored; the next showing shows the records again.
    Edit(dialog, 2)->setText(QStringLiteral("1"));
    Combo(dialog, 1)->setCurrentIndex(3);
    Button(dialog, 1)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(data.model.Materials[2].E, 200000.0);
    QCOMPARE(data.model.Materials[2].MatType, MaterialType::Elastic);
    data.model.Materials.Edit(1).MatType = MaterialType::Steel02;
    dialog.show();
    QCOMPARE(List(dialog)->currentRow(), 0);
    QCOMPARE(Combo(dialog, 1)->currentText(), QStringLiteral("Steel02"));
    QCOMPARE(Edit(dialog, 2)->text(), QStringLiteral("30000"));
}

void SectionDialogsTest::materialWithoutMaterialsKeepsTheInitialContents()
{
    Model model;
    MaterialDialog dialog(model);
    QCOMPARE(Items(Combo(dialog, 1)),
             (QStringList{"Elastic", "Steel01", "Concrete01", "Steel02", "Concrete02"}));
    dialog.show();
    QCOMPARE(List(dialog)->count(), 0);
    QCOMPARE(Combo(dialog, 1)->currentText(), QStringLiteral("Elastic"));
    for (int k = 1; k <= 4; ++k)
        QVERIFY(Edit(dialog, k)->text().isEmpty());
}

void SectionDialogsTest::shellSectionModifyKeepsTheChoice()
{
    EditorModel data;
    ShellSectionDialog dialog(data.model);
    dialog.show();
    QCOMPARE(Items(Combo(dialog, 1)), (QStringList{"ShellMITC4", "ShellDKGQ"}));
    QCOMPARE(Edit(dialog, 1)->text(), QStringLiteral("WALL"));
    QCOMPARE(Edit(dialog, 2)->text(), QStringLiteral("150"));
    QCOMPARE(Edit(dialog, 3)->text(), QStringLiteral("STEEL"));
    QCOMPARE(Combo(dialog, 1)->currentIndex(), 0);

    Combo(dialog, 1)->setCurrentIndex(1);
    Edit(dialog, 2)->setText(QStringLiteral("300"));
    Button(dialog, 1)->click();
    QCOMPARE(data.model.ShellSections[1].ShellElemType, ShellElement::DKGQ);
    QCOMPARE(data.model.ShellSections[1].Thickness, 150.4);

    List(dialog)->setCurrentRow(2);
    QCOMPARE(Edit(dialog, 1)->text(), QStringLiteral("SLAB"));
    QCOMPARE(Combo(dialog, 1)->currentIndex(), 0);
    // Chosen without Modify: nothing is stored.
    Combo(dialog, 1)->setCurrentIndex(1);
    List(dialog)->setCurrentRow(0);
    QCOMPARE(Combo(dialog, 1)->currentText(), QStringLiteral("ShellDKGQ"));
    QCOMPARE(Edit(dialog, 2)->text(), QStringLiteral("150"));
    QCOMPARE(data.model.ShellSections[3].ShellElemType, ShellElement::MITC4);
    List(dialog)->setCurrentRow(2);
    QCOMPARE(Combo(dialog, 1)->currentText(), QStringLiteral("ShellMITC4"));

    QSignalSpy hidden(&dialog, &QDialog::finished);
    Button(dialog, 2)->click();
    QVERIFY(!dialog.isVisible());
}

void SectionDialogsTest::shellSectionShowsEmptyRecordsAndModifiesNothingWithoutSections()
{
    EditorModel data;
    ShellSectionDialog dialog(data.model);
    dialog.show();
    QCOMPARE(Rows(List(dialog)), (QStringList{"WALL", "", "SLAB"}));
    List(dialog)->setCurrentRow(1);
    QCOMPARE(Edit(dialog, 1)->text(), QString());
    QCOMPARE(Edit(dialog, 2)->text(), QStringLiteral("0"));
    QCOMPARE(Edit(dialog, 3)->text(), QString());

    Model empty;
    ShellSectionDialog nothing(empty);
    QStringList errors;
    nothing.setErrorReporter([&](const QString& message) { errors << message; });
    nothing.show();
    QCOMPARE(List(nothing)->count(), 0);
    Combo(nothing, 1)->setCurrentIndex(1);
    Button(nothing, 1)->click();
    QVERIFY(errors.isEmpty());
    QVERIFY(nothing.isVisible());
}

void SectionDialogsTest::frameSectionShowsTheSelectedSection()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    QCOMPARE(Edit(dialog, 14)->text(), QStringLiteral("1000"));
    QCOMPARE(Edit(dialog, 15)->text(), QStringLiteral("1000"));
    QCOMPARE(Items(Combo(dialog, 1)),
             (QStringList{"Elastic BeamColumn", "Nonlinear BeamColumn", "Disp BeamColumn",
                          "Beam with Hinge", "Truss", "corotTruss"}));
    QCOMPARE(Items(Combo(dialog, 3)),
             (QStringList{QString::fromUtf8("矩形"), QString::fromUtf8("工字形"),
                          QString::fromUtf8("方形"), QString::fromUtf8("圆管形")}));
    QCOMPARE(Items(Combo(dialog, 5)), (QStringList{"Linear", "P-Delta", "Corotational "}));
    QCOMPARE(Items(Combo(dialog, 6)), (QStringList{"Beam Section", "Column Section"}));

    dialog.show();
    QCOMPARE(Rows(List(dialog)), (QStringList{"N600", "EPIPE", "RLINK"}));
    QCOMPARE(Items(Combo(dialog, 2)), (QStringList{"N600", "EPIPE", "RLINK"}));
    QCOMPARE(Items(Combo(dialog, 4)), (QStringList{"C30", "STEEL"}));
    for (int k : {2, 3, 4})
        QVERIFY(!Combo(dialog, k)->isEnabled());
    for (int k = 1; k <= 6; ++k)
        QVERIFY(Edit(dialog, k)->isReadOnly());

    QCOMPARE(Combo(dialog, 1)->currentIndex(), 1);
    QCOMPARE(Combo(dialog, 2)->currentIndex(), 0);
    QCOMPARE(Combo(dialog, 3)->currentIndex(), 0);
    QCOMPARE(Combo(dialog, 4)->currentIndex(), 0);
    QCOMPARE(Edit(dialog, 1)->text(), QStringLiteral("600"));
    QCOMPARE(Edit(dialog, 2)->text(), QStringLiteral("400"));
    QCOMPARE(Edit(dialog, 9)->text(), QStringLiteral("5"));
    QCOMPARE(Edit(dialog, 13)->text(), QStringLiteral("35"));
    QCOMPARE(Edit(dialog, 14)->text(), QStringLiteral("600"));
    QCOMPARE(Combo(dialog, 6)->currentIndex(), 1);
    QCOMPARE(dialog.picture(), ExpectedPicture(data.model, 1));
    QCOMPARE(Child<QLabel>(dialog, "Image1")
                 ->pixmap()
                 .toImage()
                 .convertToFormat(dialog.picture().format()),
             dialog.picture());

    List(dialog)->setCurrentRow(1);
    QCOMPARE(Combo(dialog, 1)->currentIndex(), 0);
    QCOMPARE(Combo(dialog, 2)->currentIndex(), 1);
    QCOMPARE(Combo(dialog, 3)->currentIndex(), 3);
    QCOMPARE(Combo(dialog, 4)->currentIndex(), 1);
    QCOMPARE(Combo(dialog, 5)->currentText(), QStringLiteral("Corotational "));
    QCOMPARE(Edit(dialog, 9)->text(), QStringLiteral("20"));
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

    Combo(dialog, 1)->setCurrentIndex(3);
    Combo(dialog, 6)->setCurrentIndex(0);
    Edit(dialog, 9)->setText(QStringLiteral("1"));
    Edit(dialog, 10)->setText(QStringLiteral("1"));
    Edit(dialog, 11)->setText(QStringLiteral("3"));
    Edit(dialog, 12)->setText(QStringLiteral("2"));
    Edit(dialog, 7)->setText(QStringLiteral("900"));
    Edit(dialog, 8)->setText(QStringLiteral("0.5"));
    Edit(dialog, 13)->setText(QStringLiteral("40"));
    Edit(dialog, 14)->setText(QStringLiteral("450"));
    Edit(dialog, 15)->setText(QStringLiteral("1E3"));
    Combo(dialog, 5)->setCurrentIndex(1);
    QTest::mouseClick(Child<QWidget>(dialog, "Shape1"), Qt::LeftButton);
    QCOMPARE(offered, (QList<std::int32_t>{RgbColor(0, 255, 0)}));
    // The choice fills the swatch; OK stores it.
    QCOMPARE(data.model.FrameSections[1].Color, RgbColor(0, 255, 0));
    QSignalSpy redraw(&dialog, &FrameSectionDialog::redrawRequested);
    Button(dialog, 1)->click();
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
    QTest::keyClick(Child<QWidget>(dialog, "Shape1"), Qt::Key_Space);
    List(dialog)->setCurrentRow(1);
    List(dialog)->setCurrentRow(0);
    QCOMPARE(Edit(dialog, 15)->text(), QStringLiteral("1000"));
    QCOMPARE(Edit(dialog, 8)->text(), QStringLiteral("0.5"));
    QCOMPARE(Combo(dialog, 1)->currentText(), QStringLiteral("Beam with Hinge"));
    Button(dialog, 1)->click();
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

    Combo(dialog, 1)->setCurrentIndex(2);
    Edit(dialog, 9)->setText(QStringLiteral("2"));
    Edit(dialog, 10)->setText(QStringLiteral("2"));
    Edit(dialog, 11)->setText(QStringLiteral("five"));
    Edit(dialog, 12)->setText(QStringLiteral("1"));
    Edit(dialog, 13)->setText(QStringLiteral("x"));
    QTest::mouseClick(Child<QWidget>(dialog, "Shape1"), Qt::LeftButton);
    Button(dialog, 1)->click();

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
    Edit(dialog, 11)->setText(QStringLiteral("4"));
    Button(dialog, 1)->click();
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
    List(dialog)->setCurrentRow(2);
    QComboBox* type = Combo(dialog, 1);
    QCOMPARE(type->currentIndex(), -1);
    QCOMPARE(type->count(), 6);
    QVERIFY(type->placeholderText().contains(QStringLiteral("Release link")));
    Button(dialog, 1)->click();
    QCOMPARE(data.model.FrameSections[3].ElemType, ElementKind::ReleaseLink);

    // Another section shows its own type; choosing one for the link stores it.
    List(dialog)->setCurrentRow(0);
    QCOMPARE(type->currentIndex(), 1);
    List(dialog)->setCurrentRow(2);
    QCOMPARE(type->currentIndex(), -1);
    type->setCurrentIndex(4);
    Button(dialog, 1)->click();
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
    List(dialog)->setCurrentRow(2);
    QCOMPARE(errors, (QStringList{"Floating point division by zero"}));
    QImage white = NewModelImage(QSize(SectionPictureSize, SectionPictureSize));
    {
        QPainterCanvas canvas(white);
        canvas.SetPen(0, 1);
        canvas.SetBrush(RgbColor(255, 255, 255), BrushStyle::Solid);
        canvas.Rectangle(0, 0, SectionPictureSize, SectionPictureSize);
    }
    QCOMPARE(dialog.picture(), white);
    QCOMPARE(Combo(dialog, 2)->currentIndex(), 2);
    QCOMPARE(Edit(dialog, 1)->text(), QStringLiteral("0"));

    Edit(dialog, 9)->setText(QStringLiteral("3"));
    Button(dialog, 1)->click();
    QCOMPARE(data.model.FrameSections[3].DivideFX, 3);
    QCOMPARE(errors.size(), 2);

    List(dialog)->setCurrentRow(0);
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
    QCOMPARE(List(dialog)->count(), 0);
    QCOMPARE(Combo(dialog, 2)->count(), 0);
    Edit(dialog, 9)->setText(QStringLiteral("bad"));
    Button(dialog, 1)->click();
    QVERIFY(errors.isEmpty());
    QVERIFY(dialog.isVisible());
}

void SectionDialogsTest::frameSectionEveryCloseAsksForARedraw()
{
    EditorModel data;
    FrameSectionDialog dialog(data.model);
    const std::pair<const char*, std::function<void()>> closes[] = {
        {"Close", [&] { Button(dialog, 2)->click(); }},
        {"close", [&] { dialog.close(); }},
        {"Esc", [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    };
    for (const auto& [way, closeIt] : closes) {
        dialog.show();
        // Values typed without OK are lost.
        Edit(dialog, 9)->setText(QStringLiteral("7"));
        QSignalSpy redraw(&dialog, &FrameSectionDialog::redrawRequested);
        closeIt();
        QVERIFY2(!dialog.isVisible(), way);
        QVERIFY2(redraw.count() == 1, way);
        QCOMPARE(data.model.FrameSections[1].DivideFX, 5);
    }
    dialog.show();
    QCOMPARE(Edit(dialog, 9)->text(), QStringLiteral("5"));
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
    Edit(dialog, 9)->setText(QStringLiteral("1.5"));
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    Button(dialog, 1)->click();
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
    QCOMPARE(Child<QWidget>(frameSection, "Shape1")->accessibleName(),
             QStringLiteral("Frame Color"));
    QCOMPARE(Button(frameSection, 1)->text(), QStringLiteral("OK"));
    QCOMPARE(Button(frameSection, 2)->text(), QStringLiteral("Close"));
    QCOMPARE(Button(material, 1)->text(), QStringLiteral("Close"));
    QCOMPARE(Button(shellSection, 1)->text(), QStringLiteral("Modify"));
    QCOMPARE(Button(shellSection, 2)->text(), QStringLiteral("Close"));
    QCOMPARE(Child<QLineEdit>(frameSection, "Edit7")->accessibleName(),
             QStringLiteral("X-Bar(Top) "));
    QStringList groups;
    for (QGroupBox* group : frameSection.findChildren<QGroupBox*>())
        groups << group->title();
    QCOMPARE(groups, (QStringList{"P-Delta", "Rebar Setting", "Nonlinear Setting",
                                  "Beam With Hinge(Hinge Length)"}));
    QCOMPARE(Child<QLabel>(frameSection, "Image1")->size(), QSize(200, 200));
}

QTEST_MAIN(SectionDialogsTest)
#include "section_dialogs_test.moc"
