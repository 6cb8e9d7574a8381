#include "support/widget_lookup.h"
#include "view/gui/frame_properties_dialog.h"
#include "view/gui/show_load_dialog.h"
#include "view/gui/view_option_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <functional>

using namespace vek;

namespace {

using testing::Child;

QCheckBox* Box(QWidget& dialog, const char* name)
{
    return Child<QCheckBox>(dialog, QString::fromLatin1(name));
}

QLabel* LabelOf(QWidget& dialog, const QString& caption)
{
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == caption)
            return label;
    return nullptr;
}

QStringList Items(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList Column(QTableWidget* grid, int column)
{
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells << grid->item(row, column)->text();
    return cells;
}

// Every control of the dialog has an accessible name; buttons and check boxes carry their
// captions. The parts of a control (the grid's corner button) belong to the control.
void CheckAccessibleNames(QWidget& dialog)
{
    int controls = 0;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        QWidget* owner = widget->parentWidget();
        if (owner != &dialog && !qobject_cast<QGroupBox*>(owner))
            continue;
        if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QComboBox*>(widget) &&
            !qobject_cast<QLineEdit*>(widget) && !qobject_cast<QTableWidget*>(widget) &&
            !qobject_cast<QGroupBox*>(widget) && !qobject_cast<QLabel*>(widget))
            continue;
        ++controls;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->accessibleName(), button->text());
    }
    QVERIFY(controls >= 3);
}

struct FrameModel
{
    FrameModel()
    {
        model.Materials.Reset(1);
        model.Materials.Edit(1).Name = "STEEL";
        model.FrameSections.Reset(1);
        model.FrameSections.Edit(1).Name = "W14X90";
        model.FrameSections.Edit(1).ElemType = ElementKind::ElasticBeamColumn;
        model.FrameSections.Edit(1).Material = 1;
        model.Frames.Reset(2);
        TFrameElem& frame = model.Frames.Edit(2);
        frame.NodeI = 11;
        frame.NodeJ = 12;
        frame.Angle = 22.5;
        frame.Section = 1;
    }
    Model model;
};

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void viewOptionOkWritesTheBoxes();
    void viewOptionCancelKeepsTheFlags();
    void showLoadWithoutCases();
    void showLoadChoosesCaseAndType();
    void framePropertiesShowsTheSelectedFrame();
    void framePropertiesRefresh();
    void framePropertiesEveryCloseClearsTheSelection();
    void accessibility();
};

void DialogsTest::viewOptionOkWritesTheBoxes()
{
    ViewSettings settings;
    ViewOptionDialog dialog(settings);
    dialog.show();
    QCOMPARE(Box(dialog, "nodeCheckBox")->text(), QStringLiteral("Node"));
    QCOMPARE(Box(dialog, "solidLabelCheckBox")->text(), QStringLiteral("Solid Label"));
    QVERIFY(Box(dialog, "nodeCheckBox")->isChecked());
    QVERIFY(!Box(dialog, "nodeLabelsCheckBox")->isChecked());
    QVERIFY(Box(dialog, "solidElementCheckBox")->isChecked());

    QSignalSpy redraw(&dialog, &ViewOptionDialog::redrawRequested);
    Box(dialog, "nodeCheckBox")->click();
    Box(dialog, "hingeCircleCheckBox")->click();
    Box(dialog, "solidLabelCheckBox")->click();
    Child<QPushButton>(dialog, "okButton")->click();

    QCOMPARE(redraw.count(), 1);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!settings.ShowNodes);
    QVERIFY(settings.ShowHingeCircles);
    QVERIFY(settings.ShowSolidLabels);
    QVERIFY(settings.ShowFrames);
    QVERIFY(!settings.ShowNodeLabels);
    QVERIFY(settings.ShowSolids);
}

void DialogsTest::viewOptionCancelKeepsTheFlags()
{
    ViewSettings settings;
    ViewOptionDialog dialog(settings);
    QSignalSpy redraw(&dialog, &ViewOptionDialog::redrawRequested);
    dialog.show();
    Box(dialog, "nodeCheckBox")->click();
    Box(dialog, "frameLabelsCheckBox")->click();
    Child<QPushButton>(dialog, "cancelButton")->click();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(redraw.count(), 0);
    QVERIFY(settings.ShowNodes);
    QVERIFY(!settings.ShowFrameLabels);

    // The next showing shows the flags, also those changed meanwhile elsewhere.
    settings.ShowFrames = false;
    dialog.show();
    QVERIFY(Box(dialog, "nodeCheckBox")->isChecked());
    QVERIFY(!Box(dialog, "frameLabelsCheckBox")->isChecked());
    QVERIFY(!Box(dialog, "frameCheckBox")->isChecked());
}

void DialogsTest::showLoadWithoutCases()
{
    Model model;
    ViewSettings settings;
    settings.ShownLoadCase = 3;
    ShowLoadDialog dialog(model, settings);
    QSignalSpy redraw(&dialog, &ShowLoadDialog::redrawRequested);
    dialog.show();

    auto* cases = Child<QComboBox>(dialog, "loadCaseCombo");
    QVERIFY(!cases->isEditable());
    QCOMPARE(cases->count(), 0);
    QCOMPARE(cases->currentIndex(), -1);
    Child<QPushButton>(dialog, "okButton")->click();

    QVERIFY(!dialog.isVisible());
    QCOMPARE(redraw.count(), 1);
    QCOMPARE(settings.ShownLoadCase, 0);
    QCOMPARE(settings.ShownLoadType, 1);
}

void DialogsTest::showLoadChoosesCaseAndType()
{
    Model model;
    model.LoadCaseNames[0] = "DEAD";
    model.LoadCaseNames[1] = "LIVE";
    model.LoadCaseCount = 2;
    ViewSettings settings;
    ShowLoadDialog dialog(model, settings);
    QSignalSpy redraw(&dialog, &ShowLoadDialog::redrawRequested);
    auto* types = Child<QComboBox>(dialog, "loadTypeCombo");
    auto* cases = Child<QComboBox>(dialog, "loadCaseCombo");
    QCOMPARE(Items(types), (QStringList{"Point Force", "Element Load"}));
    QCOMPARE(types->currentIndex(), 0);

    dialog.show();
    QCOMPARE(Items(cases), (QStringList{"DEAD", "LIVE"}));
    QCOMPARE(cases->currentIndex(), 0);
    cases->setCurrentIndex(1);
    types->setCurrentIndex(1);
    Child<QPushButton>(dialog, "okButton")->click();
    QCOMPARE(redraw.count(), 1);
    QCOMPARE(settings.ShownLoadCase, 2);
    QCOMPARE(settings.ShownLoadType, 2);

    // The next showing refills the cases and keeps the type; Cancel changes nothing.
    model.LoadCaseNames[2] = "WIND";
    model.LoadCaseCount = 3;
    dialog.show();
    QCOMPARE(Items(cases), (QStringList{"DEAD", "LIVE", "WIND"}));
    QCOMPARE(cases->currentIndex(), 0);
    QCOMPARE(types->currentIndex(), 1);
    types->setCurrentIndex(0);
    Child<QPushButton>(dialog, "cancelButton")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(redraw.count(), 1);
    QCOMPARE(settings.ShownLoadCase, 2);
    QCOMPARE(settings.ShownLoadType, 2);
}

void DialogsTest::framePropertiesShowsTheSelectedFrame()
{
    FrameModel data;
    ViewSettings settings;
    FramePropertiesDialog dialog(data.model, settings);
    auto* grid = Child<QTableWidget>(dialog, "propertyGrid");
    const QStringList captions{"Label",    "Node i", "Node j", "Angle", "Section", "Element Type",
                               "Material", "",       "",       "",      ""};
    QCOMPARE(Column(grid, 0), captions);
    QCOMPARE(grid->rowCount(), 11);
    QCOMPARE(grid->columnWidth(0), 120);
    QCOMPARE(grid->columnWidth(1), 110);
    for (int row = 0; row < grid->rowCount(); ++row)
        QCOMPARE(grid->rowHeight(row), 24);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    settings.SelectedFrame = 2;
    dialog.show();
    auto* edit = Child<QLineEdit>(dialog, "frameLabelEdit");
    QVERIFY(edit->isReadOnly());
    QCOMPARE(edit->text(), QStringLiteral("2"));
    QCOMPARE(Column(grid, 0), captions);
    QCOMPARE(Column(grid, 1),
             (QStringList{"2", "11", "12", "22.5", "W14X90", "1", "STEEL", "", "", "", ""}));
}

void DialogsTest::framePropertiesRefresh()
{
    FrameModel data;
    ViewSettings settings;
    settings.SelectedFrame = 2;
    FramePropertiesDialog dialog(data.model, settings);
    dialog.show();
    auto* grid = Child<QTableWidget>(dialog, "propertyGrid");

    data.model.Frames.Edit(2).Angle = 90;
    Child<QPushButton>(dialog, "refreshButton")->click();
    QCOMPARE(grid->item(3, 1)->text(), QStringLiteral("90"));

    // A text that is not an integer leaves the rows as they are.
    Child<QLineEdit>(dialog, "frameLabelEdit")->setText(QStringLiteral("two"));
    data.model.Frames.Edit(2).NodeI = 99;
    Child<QPushButton>(dialog, "refreshButton")->click();
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("11"));
}

void DialogsTest::framePropertiesEveryCloseClearsTheSelection()
{
    FrameModel data;
    ViewSettings settings;
    FramePropertiesDialog dialog(data.model, settings);
    const std::pair<const char*, std::function<void()>> closes[] = {
        {"OK", [&] { Child<QPushButton>(dialog, "okButton")->click(); }},
        {"close", [&] { dialog.close(); }},
        {"Esc", [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    };
    for (const auto& [way, closeIt] : closes) {
        settings.SelectedFrame = 2;
        dialog.show();
        QSignalSpy redraw(&dialog, &FramePropertiesDialog::redrawRequested);
        closeIt();
        QVERIFY2(!dialog.isVisible(), way);
        QVERIFY2(redraw.count() == 1, way);
        QVERIFY2(settings.SelectedFrame == 0, way);
    }

    // Closing what is not shown does nothing.
    settings.SelectedFrame = 2;
    QSignalSpy redraw(&dialog, &FramePropertiesDialog::redrawRequested);
    dialog.close();
    QCOMPARE(redraw.count(), 0);
    QCOMPARE(settings.SelectedFrame, 2);
}

void DialogsTest::accessibility()
{
    Model model;
    ViewSettings settings;
    ViewOptionDialog viewOption(settings);
    ShowLoadDialog showLoad(model, settings);
    FramePropertiesDialog frameProperties(model, settings);
    QCOMPARE(viewOption.windowTitle(), QStringLiteral("View Option"));
    QCOMPARE(showLoad.windowTitle(), QStringLiteral("Show Load"));
    QCOMPARE(frameProperties.windowTitle(), QStringLiteral("Frame Properties"));

    for (QDialog* dialog : {static_cast<QDialog*>(&viewOption), static_cast<QDialog*>(&showLoad),
                            static_cast<QDialog*>(&frameProperties)}) {
        CheckAccessibleNames(*dialog);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(Child<QGroupBox>(viewOption, "objectViewGroup")->title(),
             QStringLiteral("Object View"));

    QLabel* loadType = LabelOf(showLoad, QStringLiteral("Load Type"));
    QLabel* loadCase = LabelOf(showLoad, QStringLiteral("Load Case"));
    QLabel* frameLabel = LabelOf(frameProperties, QStringLiteral("Frame Label"));
    QVERIFY(loadType && loadCase && frameLabel);
    QCOMPARE(loadType->buddy(), Child<QComboBox>(showLoad, "loadTypeCombo"));
    QCOMPARE(loadCase->buddy(), Child<QComboBox>(showLoad, "loadCaseCombo"));
    QCOMPARE(frameLabel->buddy(), Child<QLineEdit>(frameProperties, "frameLabelEdit"));
    QCOMPARE(Child<QPushButton>(showLoad, "okButton")->text(), QStringLiteral("OK"));
    QCOMPARE(Child<QPushButton>(showLoad, "cancelButton")->text(), QStringLiteral("Cancel"));
    QCOMPARE(Child<QPushButton>(frameProperties, "refreshButton")->text(),
             QStringLiteral("Refresh"));
    QCOMPARE(Child<QPushButton>(frameProperties, "okButton")->text(), QStringLiteral("OK"));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
