#include "app/main_window.h"
#include "gui/model_view.h"
#include "sections/gui/frame_section_dialog.h"
#include "sections/gui/material_dialog.h"
#include "sections/gui/shell_section_dialog.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <optional>

using namespace vek;

namespace {

const QString Portal = QStringLiteral(VEK_EXAMPLES_DIR "/portal.s2k");

QAction* MenuEntry(MainWindow& form, const QString& menuTitle, const QString& caption)
{
    for (QAction* menu : form.menuBar()->actions())
        if (menu->text() == menuTitle && menu->menu())
            for (QAction* entry : menu->menu()->actions())
                if (entry->text() == caption)
                    return entry;
    return nullptr;
}

template <class T> int VisibleCount()
{
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        shown += qobject_cast<T*>(window) && window->isVisible() ? 1 : 0;
    return shown;
}

// The picture the window's own redraw gives of its state now. Comparing the window with it
// proves that a command reached the redraw with that state, not that the model is drawn
// right: the model-drawing tests hold the drawing.
QImage RedrawnNow(const MainWindow& form)
{
    Model model = form.model();
    QImage picture = NewModelImage(form.modelView()->Picture().size());
    ProjectedModel pixels = form.projected();
    PaintModel(picture, model, form.results(), pixels, form.viewSettings(), form.view());
    return picture;
}

} // namespace

class SectionEditorsTest : public QObject
{
    Q_OBJECT

private slots:
    // The window keeps its place in the settings: the test's own, not the user's.
    void initTestCase() { testing::UseTestSettings(); }
    void defineCommandsShowTheEditors();
    void frameSectionOkRedrawsTheModelView();
};

void SectionEditorsTest::defineCommandsShowTheEditors()
{
    MainWindow form;
    QStringList errors;
    form.SetErrorReporter([&](const QString& message) { errors << message; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ImportS2kFile(Portal);

    const struct
    {
        const char* Caption;
        const char* Button;
        QWidget* Dialog;
    } commands[] = {
        {"Frame Section", "frameSectionButton", form.findChild<FrameSectionDialog*>()},
        {"Material", "materialButton", form.findChild<MaterialDialog*>()},
        {"Shell Section", "shellSectionButton", form.findChild<ShellSectionDialog*>()},
    };
    for (const auto& command : commands) {
        QVERIFY2(command.Dialog, command.Caption);
        QAction* entry = MenuEntry(form, QStringLiteral("Define"), command.Caption);
        QVERIFY2(entry && entry->isEnabled(), command.Caption);
        auto* button = form.findChild<QToolButton*>(QString::fromLatin1(command.Button));
        QVERIFY2(button && button->isEnabled(), command.Button);

        QVERIFY(!command.Dialog->isVisible());
        entry->trigger();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(command.Dialog->isVisible(), command.Caption);
    }
    QCOMPARE(VisibleCount<FrameSectionDialog>(), 1);
    QCOMPARE(VisibleCount<MaterialDialog>(), 1);
    QCOMPARE(VisibleCount<ShellSectionDialog>(), 1);
    QCOMPARE(form.findChildren<FrameSectionDialog*>().size(), 1);

    // Each shows the imported model.
    auto* materials = form.findChild<MaterialDialog*>()->findChild<QListWidget*>("materialList");
    QCOMPARE(materials->count(), 1);
    QCOMPARE(materials->item(0)->text(), QStringLiteral("C30"));
    QCOMPARE(form.findChild<MaterialDialog*>()->findChild<QLineEdit*>("poissonEdit")->text(),
             QStringLiteral("0.200"));
    auto* sections =
        form.findChild<FrameSectionDialog*>()->findChild<QListWidget*>("frameSectionList");
    QCOMPARE(sections->count(), 1);
    QCOMPARE(sections->item(0)->text(), QStringLiteral("E400"));
    QCOMPARE(
        form.findChild<ShellSectionDialog*>()->findChild<QListWidget*>("shellSectionList")->count(),
        0);
    QVERIFY(errors.isEmpty());
}

void SectionEditorsTest::frameSectionOkRedrawsTheModelView()
{
    MainWindow form;
    QStringList errors;
    form.SetErrorReporter([&](const QString& message) { errors << message; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ImportS2kFile(Portal);
    const QImage before = form.modelView()->Picture();
    QCOMPARE(before, RedrawnNow(form));

    auto* dialog = form.findChild<FrameSectionDialog*>();
    dialog->setColorChooser([](std::int32_t) { return RgbColor(255, 0, 255); });
    form.ShowFrameSectionDialog();
    QTest::mouseClick(dialog->findChild<QWidget*>("colorSwatch"), Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(form.model().FrameSections[1].Color, RgbColor(255, 0, 255));
    // OK redraws at once, with the dialog still open.
    QVERIFY(dialog->isVisible());
    const QImage afterOk = form.modelView()->Picture();
    QVERIFY(afterOk != before);
    QCOMPARE(afterOk, RedrawnNow(form));

    QTest::mouseClick(dialog->findChild<QPushButton*>("closeButton"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(form.modelView()->Picture(), RedrawnNow(form));
    QVERIFY(errors.isEmpty());
}

QTEST_MAIN(SectionEditorsTest)
#include "section_editors_test.moc"
