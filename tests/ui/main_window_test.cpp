#include "app/main_window.h"
#include "gui/model_view.h"
#include "view/gui/frame_properties_dialog.h"
#include "view/gui/show_load_dialog.h"
#include "view/gui/view_option_dialog.h"
#include "view/view_transform.h"

#include "building_generator.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>

#include <functional>
#include <memory>
#include <utility>

using namespace vek;

namespace {

const QString Portal = QStringLiteral(VEK_EXAMPLES_DIR "/portal.s2k");

// A shown main window whose error messages are recorded instead of shown in a box.
struct Window
{
    Window()
    {
        form.SetErrorReporter([this](const QString& message) { errors << message; });
        // A new import lets the changes to the last one go.
        form.SetQuestionAsker(
            [](const QString&, QMessageBox::StandardButtons) { return QMessageBox::Discard; });
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the main window was not exposed");
    }

    QImage Picture() const { return form.modelView()->Picture(); }
    QStringList Panels() const
    {
        QStringList texts;
        for (int i = 0; i < MainWindow::PanelCount; ++i)
            texts << form.panel(i)->text();
        return texts;
    }
    QStringList Counts() const
    {
        QStringList texts;
        for (int k = 0; k < 7; ++k)
            texts << form.panel(MainWindow::FirstCountPanel + 2 * k)->text();
        return texts;
    }
    QAction* Command(const char* name) const
    {
        return form.findChild<QAction*>(QString::fromLatin1(name));
    }
    QToolButton* Button(const char* name) const
    {
        return form.findChild<QToolButton*>(QString::fromLatin1(name));
    }
    // The entry of a menu of the menu bar, by captions.
    QAction* MenuEntry(const QString& menuTitle, const QString& caption) const
    {
        for (QAction* menu : form.menuBar()->actions())
            if (menu->text() == menuTitle && menu->menu())
                for (QAction* entry : menu->menu()->actions())
                    if (entry->text() == caption)
                        return entry;
        return nullptr;
    }
    void Click(const char* buttonName) const
    {
        QToolButton* button = Button(buttonName);
        QVERIFY2(button, buttonName);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    AreaSize Area() const { return form.modelView()->Area(); }

    MainWindow form;
    QStringList errors;
};

// The caption of every entry of a menu, "|" for a separator.
QStringList Entries(QMenu* menu)
{
    QStringList entries;
    for (QAction* entry : menu->actions())
        entries << (entry->isSeparator() ? QStringLiteral("|") : entry->text());
    return entries;
}

bool SameView(const ViewTransform& a, const ViewTransform& b)
{
    return a.PlanAngle == b.PlanAngle && a.TiltAngle == b.TiltAngle && a.Zoom == b.Zoom &&
           a.PanX == b.PanX && a.PanY == b.PanY && a.DeformScale == b.DeformScale;
}

// The picture the window's own redraw gives of its state now. Comparing the window with it
// proves that a command reached the redraw with that state, not that the model is drawn
// right: the model-drawing tests hold the drawing.
QImage RedrawnNow(const MainWindow& form, const ViewTransform& view)
{
    ProjectedModel pixels = form.projected();
    QImage picture = NewModelImage(form.modelView()->Picture().size());
    PaintModel(picture, form.model(), form.results(), pixels, form.viewSettings(), view);
    return picture;
}

// A wheel notification to the main window. (The window system's notifications over the model
// view reach the window too, since no widget in between takes them; Qt hands on only those.)
void Wheel(MainWindow& form, QPoint angle)
{
    const QPointF at(form.width() / 2.0, form.height() / 2.0);
    QWheelEvent event(at, form.mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&form, &event);
}

// Presses, drags and releases the left button on the model view.
void Drag(ModelView* view, QPoint from, QPoint to)
{
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(view, (from + to) / 2);
    QTest::mouseMove(view, to);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
}

// Runs `check` on the next modal dialog of type T once it is open.
template <class T> void WhenModalOpens(std::function<void(T*)> check)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, check, tries] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog || ++*tries > 1000) {
            poll->stop();
            poll->deleteLater();
        }
        if (dialog)
            check(dialog);
    });
    poll->start();
}

// Chooses the first load case in the Show Load dialog, which makes ShownLoadCase 1.
void ShowFirstLoadCase(Window& w)
{
    w.Click("showLoadButton");
    auto* dialog = w.form.findChild<ShowLoadDialog*>();
    QVERIFY(dialog && dialog->isVisible());
    auto* cases = dialog->findChild<QComboBox*>(QStringLiteral("loadCaseCombo"));
    QVERIFY(cases && cases->count() > 0);
    cases->setCurrentIndex(0);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    QCOMPARE(w.form.viewSettings().ShownLoadCase, 1);
}

// A window with the portal imported, a load case shown, and the view zoomed and panned off
// its fit, so that each view command has something to change.
void Prepare(Window& w)
{
    w.form.ImportS2kFile(Portal);
    ShowFirstLoadCase(w);
    Wheel(w.form, QPoint(0, -120));
    w.Click("panButton");
    Drag(w.form.modelView(), QPoint(200, 200), QPoint(240, 170));
    w.Click("noMouseModeButton");
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // The window keeps its place in the settings: the test's own, not the user's.
    void initTestCase() { testing::UseTestSettings(); }
    void startsWithTheCaptionSizeAndEmptyStatus();
    void toolBarHoldsTheButtonsInOrder();
    void menusHoldTheEntriesInOrder();
    void everyControlHasAnAccessibleName();
    void firstShowRefreshesTheView();

    void menuEntriesDoWhatTheirButtonsDo_data();
    void menuEntriesDoWhatTheirButtonsDo();
    void buttonsWithoutMenuEntrySetTheMouseMode();
    void forceDoesNothing();
    void everyCommandIsEnabled();
    void showingADialogTwiceShowsOne();
    void helpOpensTheProjectPages();

    void importShowsTheCountsAndRedraws();
    void importAsksForAnS2kFile();
    void fileThatCannotBeOpenedKeepsTheModel();
    void brokenFileIsReportedAndTheWindowGoesOn();
    void whatAnImportLeavesOutIsReported();
    void errorsAreShownInAWarningBox();
    void longImportKeepsTheWindowPaintedButTakesNoInput();

    void wheelZoomsOneStepPerNotification();
    void panDragMovesTheView();
    void selectingAFrameOpensItsProperties();
};

void MainWindowTest::startsWithTheCaptionSizeAndEmptyStatus()
{
    MainWindow form;
    QCOMPARE(form.windowTitle(), QStringLiteral("VEK (Ver 20190701)"));
    QCOMPARE(form.pos(), QPoint(199, 121));
    QCOMPARE(form.size(), QSize(1089, 750));

    QCOMPARE(form.statusBar()->objectName(), QStringLiteral("statusBar"));
    const QStringList texts{"Operation", "", "Node", "", "Frame", "", "Shell", "", "Solid", "",
                            "Mat",       "", "Fsec", "", "Wsec",  "", ""};
    const QStringList names{"operationCaptionPanel",
                            "operationPanel",
                            "nodeCaptionPanel",
                            "nodeCountPanel",
                            "frameCaptionPanel",
                            "frameCountPanel",
                            "shellCaptionPanel",
                            "shellCountPanel",
                            "solidCaptionPanel",
                            "solidCountPanel",
                            "materialCaptionPanel",
                            "materialCountPanel",
                            "frameSectionCaptionPanel",
                            "frameSectionCountPanel",
                            "shellSectionCaptionPanel",
                            "shellSectionCountPanel",
                            "messagePanel"};
    for (int i = 0; i < MainWindow::PanelCount; ++i) {
        QLabel* panel = form.findChild<QLabel*>(names[i]);
        QVERIFY(panel);
        QCOMPARE(panel, form.panel(i));
        QCOMPARE(panel->parentWidget(), form.statusBar());
        QCOMPARE(panel->text(), texts[i]);
        QCOMPARE(panel->width(), i == 0 ? 80 : 50);
    }

    QCOMPARE(form.centralWidget()->objectName(), QStringLiteral("drawingArea"));
    QCOMPARE(form.modelView()->objectName(), QStringLiteral("modelView"));
    QCOMPARE(form.modelView()->parentWidget(), form.centralWidget());

    QCOMPARE(form.animationTimer().objectName(), QStringLiteral("animationTimer"));
    // The animation's first pace, 10 steps a second.
    QCOMPARE(form.animationTimer().interval(), 100);
    QVERIFY(!form.animationTimer().isActive());

    QCOMPARE(form.viewSettings().MouseMode, MouseMode::None);
    // The dialogs exist from the start, in their order, and are not shown.
    QList<QDialog*> dialogs = form.findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    const QStringList captions{"Frame Section (Nonlinear)",
                               "Material Data",
                               "View Option",
                               "Show Load",
                               "OpenSEES Tcl File",
                               "Analysis Setting",
                               "Recorder Setting",
                               "Frame Properties",
                               "Deformation Shape",
                               "Transfer Sap2000 V14 s2k file to Sap2000 V16",
                               "Animation",
                               "Plots",
                               "Force",
                               "Shell Section",
                               "Solid Material",
                               "OpenSees Run"};
    QStringList titles;
    for (QDialog* dialog : dialogs)
        titles << dialog->windowTitle();
    QCOMPARE(titles, captions);
    QVERIFY(qobject_cast<ViewOptionDialog*>(dialogs[2]));
    QVERIFY(qobject_cast<ShowLoadDialog*>(dialogs[3]));
    QVERIFY(qobject_cast<FramePropertiesDialog*>(dialogs[7]));
    for (QDialog* dialog : dialogs)
        QVERIFY(!dialog->isVisible());

    // Shown, the panels stand in their order from the left of the status bar.
    Window w;
    for (int i = 1; i < MainWindow::PanelCount; ++i)
        QVERIFY(w.form.panel(i)->x() >= w.form.panel(i - 1)->x() + w.form.panel(i - 1)->width());
    QVERIFY(w.form.panel(0)->x() < 10);
}

void MainWindowTest::toolBarHoldsTheButtonsInOrder()
{
    Window w;
    auto* bar = w.form.findChild<QToolBar*>(QStringLiteral("toolBar"));
    QVERIFY(bar);
    QCOMPARE(bar->height(), 30);
    QCOMPARE(bar->iconSize(), QSize(20, 20));

    QStringList order;
    for (QAction* item : bar->actions())
        order << (item->isSeparator() ? QStringLiteral("|") : item->objectName());
    const QStringList expected =
        QStringLiteral("importAction | frameSectionAction materialAction shellSectionAction | "
                       "xyViewAction xzViewAction yzViewAction zoomAllAction "
                       "rotateViewAction panAction refreshAction | showLoadAction "
                       "viewOptionAction selectElemAction noMouseModeAction | analysisCaseAction "
                       "recorderSettingAction tclFileAction | runOpenSeesAction "
                       "clearResultsAction deformationAction animationAction")
            .split(QLatin1Char(' '));
    QCOMPARE(order, expected);

    int x = -1;
    for (QAction* item : bar->actions()) {
        if (item->isSeparator())
            continue;
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(item));
        QVERIFY(button);
        // Each tool button is named after its command: "panButton" for "panAction".
        QCOMPARE(button->objectName(), item->objectName().chopped(6) + QStringLiteral("Button"));
        QCOMPARE(button->size(), QSize(30, 26));
        QVERIFY2(button->x() > x, qPrintable(item->objectName()));
        x = button->x();
        QVERIFY2(!item->toolTip().isEmpty(), qPrintable(item->objectName()));
        // Each icon is compiled in and can be drawn at 20 x 20.
        const QPixmap icon = item->icon().pixmap(QSize(20, 20));
        QVERIFY2(!icon.isNull(), qPrintable(item->objectName()));
        const QImage pixels = icon.toImage();
        bool drawn = false;
        for (int py = 0; py < pixels.height() && !drawn; ++py)
            for (int px = 0; px < pixels.width() && !drawn; ++px)
                drawn = qAlpha(pixels.pixel(px, py)) > 0;
        QVERIFY2(drawn, qPrintable(item->objectName()));
    }
}

void MainWindowTest::menusHoldTheEntriesInOrder()
{
    Window w;
    QStringList titles;
    for (QAction* menu : w.form.menuBar()->actions())
        titles << menu->text();
    QCOMPARE(titles, QStringList({"File", "View", "Define", "Gen_tcl", "Post", "Help"}));

    const QList<QAction*> menus = w.form.menuBar()->actions();
    QCOMPARE(Entries(menus[0]->menu()),
             QStringList({"Open Project", "Save Project", "Save Project As", "Recent Projects", "|",
                          "Import Sap2000 txt file", "|", "Sap2000V14 to Sap2000 v6 (s2k)"}));
    QCOMPARE(Entries(menus[1]->menu()),
             QStringList({"Pan", "Zoom All", "Rotate View", "Refresh", "|", "XY View", "XZ View",
                          "YZ View", "|", "View Option", "Show Load"}));
    QCOMPARE(Entries(menus[2]->menu()),
             QStringList({"Frame Section", "Material", "Shell Section", "|", "Recorder Setting",
                          "Analysis Case", "Solid Material"}));
    QCOMPARE(Entries(menus[3]->menu()), QStringList({"OpenSEES tcl File", "|", "Run OpenSEES"}));
    QCOMPARE(Entries(menus[4]->menu()),
             QStringList({"Deformation", "Force", "|", "Animation", "|", "Plots"}));
    QCOMPARE(Entries(menus[5]->menu()), QStringList({"VEK Tutorial", "|", "About"}));
}

void MainWindowTest::everyControlHasAnAccessibleName()
{
    Window w;
    QCOMPARE(QAccessible::queryAccessibleInterface(&w.form)->text(QAccessible::Name),
             w.form.windowTitle());
    const QList<QWidget*> widgets = w.form.findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || widget->isWindow())
            continue;
        const bool control = qobject_cast<QToolButton*>(widget) || qobject_cast<QLabel*>(widget) ||
                             qobject_cast<QMenuBar*>(widget) || qobject_cast<QToolBar*>(widget) ||
                             qobject_cast<QStatusBar*>(widget) || qobject_cast<ModelView*>(widget);
        if (!control)
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face);
        QVERIFY2(!face->text(QAccessible::Name).isEmpty(),
                 qPrintable(widget->objectName() + " " + widget->metaObject()->className()));
        ++checked;
    }
    // 22 buttons, 17 panels, the menu bar, the tool bar, the status bar and the model view.
    QVERIFY(checked >= 43);
    // Tool buttons are named by their commands.
    QCOMPARE(QAccessible::queryAccessibleInterface(w.Button("panButton"))->text(QAccessible::Name),
             QStringLiteral("Pan"));
}

void MainWindowTest::firstShowRefreshesTheView()
{
    Window w;
    const QImage picture = w.Picture();
    QCOMPARE(picture.size(), w.form.modelView()->size());
    QVERIFY(!picture.isNull());
    QCOMPARE(picture, RedrawnNow(w.form, w.form.view()));
    QCOMPARE(w.form.viewSettings().ShownLoadCase, 0);
}

void MainWindowTest::menuEntriesDoWhatTheirButtonsDo_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("button");
    QTest::newRow("Pan") << "View"
                         << "Pan"
                         << "panButton";
    QTest::newRow("Zoom All") << "View"
                              << "Zoom All"
                              << "zoomAllButton";
    QTest::newRow("Rotate View") << "View"
                                 << "Rotate View"
                                 << "rotateViewButton";
    QTest::newRow("Refresh") << "View"
                             << "Refresh"
                             << "refreshButton";
    QTest::newRow("XY View") << "View"
                             << "XY View"
                             << "xyViewButton";
    QTest::newRow("XZ View") << "View"
                             << "XZ View"
                             << "xzViewButton";
    QTest::newRow("YZ View") << "View"
                             << "YZ View"
                             << "yzViewButton";
    QTest::newRow("View Option") << "View"
                                 << "View Option"
                                 << "viewOptionButton";
    QTest::newRow("Show Load") << "View"
                               << "Show Load"
                               << "showLoadButton";
}

// The same command through the menu in one window and through its button in another, from
// the same state: the same mouse mode, status text, view, shown load case, dialogs and
// picture; and the effect each command must have.
void MainWindowTest::menuEntriesDoWhatTheirButtonsDo()
{
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QString, button);

    Window byMenu, byButton;
    Prepare(byMenu);
    Prepare(byButton);
    const ViewTransform before = byMenu.form.view();
    QVERIFY(SameView(before, byButton.form.view()));

    QAction* entry = byMenu.MenuEntry(menu, caption);
    QVERIFY(entry);
    QVERIFY(entry->isEnabled());
    entry->trigger();
    byButton.Click(button.toLatin1().constData());

    for (Window* w : {&byMenu, &byButton}) {
        const MainWindow& form = w->form;
        ViewTransform expectedView = before;
        ProjectedModel pixels;
        if (caption == "Zoom All")
            ZoomAll(form.model(), form.results(), pixels, expectedView, w->Area());
        if (caption.endsWith(" View") && caption != "Rotate View") {
            SetPresetView(expectedView, caption == "XY View"   ? PresetView::XY
                                        : caption == "XZ View" ? PresetView::XZ
                                                               : PresetView::YZ);
            ZoomAll(form.model(), form.results(), pixels, expectedView, w->Area());
        }
        QVERIFY(SameView(form.view(), expectedView));
        QCOMPARE(form.viewSettings().MouseMode, caption == "Pan"           ? MouseMode::PanArmed
                                                : caption == "Rotate View" ? MouseMode::RotateArmed
                                                                           : MouseMode::NoAction);
        // Prepare left "Pan" there.
        QCOMPARE(form.panel(1)->text(),
                 caption == "Rotate View" ? QStringLiteral("Rotate View") : QStringLiteral("Pan"));
        QCOMPARE(form.viewSettings().ShownLoadCase, caption == "Refresh" ? 0 : 1);
        QCOMPARE(form.findChild<ViewOptionDialog*>()->isVisible(), caption == "View Option");
        QCOMPARE(form.findChild<ShowLoadDialog*>()->isVisible(), caption == "Show Load");
        QCOMPARE(w->Picture(), RedrawnNow(form, form.view()));
    }
    QCOMPARE(byMenu.Panels(), byButton.Panels());
    QCOMPARE(byMenu.Picture(), byButton.Picture());
    QVERIFY(byMenu.errors.isEmpty() && byButton.errors.isEmpty());
}

void MainWindowTest::buttonsWithoutMenuEntrySetTheMouseMode()
{
    Window w;
    w.Click("panButton");
    w.Click("selectElemButton");
    QCOMPARE(w.form.viewSettings().MouseMode, MouseMode::SelectElem);
    QCOMPARE(w.form.panel(1)->text(), QStringLiteral("Select Elem"));
    w.Click("noMouseModeButton");
    QCOMPARE(w.form.viewSettings().MouseMode, MouseMode::NoAction);
    QCOMPARE(w.form.panel(1)->text(), QStringLiteral("Select Elem"));
}

void MainWindowTest::forceDoesNothing()
{
    Window w;
    Prepare(w);
    const ViewTransform view = w.form.view();
    const QStringList panels = w.Panels();
    const QImage picture = w.Picture();
    const MouseMode mode = w.form.viewSettings().MouseMode;

    QAction* force = w.MenuEntry("Post", "Force");
    QVERIFY(force && force->isEnabled());
    force->trigger();

    QVERIFY(SameView(w.form.view(), view));
    QCOMPARE(w.Panels(), panels);
    QCOMPARE(w.Picture(), picture);
    QCOMPARE(w.form.viewSettings().MouseMode, mode);
    QCOMPARE(w.form.viewSettings().ShownLoadCase, 1);
}

// Every command is enabled, and a menu entry with a button is the button's command.
void MainWindowTest::everyCommandIsEnabled()
{
    Window w;
    const struct
    {
        const char* Menu;
        const char* Caption;
        const char* Command;
    } pairs[] = {
        {"File", "Import Sap2000 txt file", "importAction"},
        {"Define", "Frame Section", "frameSectionAction"},
        {"Define", "Material", "materialAction"},
        {"Define", "Shell Section", "shellSectionAction"},
        {"Define", "Recorder Setting", "recorderSettingAction"},
        {"Define", "Analysis Case", "analysisCaseAction"},
        {"Gen_tcl", "OpenSEES tcl File", "tclFileAction"},
        {"Gen_tcl", "Run OpenSEES", "runOpenSeesAction"},
        {"Post", "Deformation", "deformationAction"},
        {"Post", "Animation", "animationAction"},
        {"Post", "Plots", "plotsAction"},
    };
    for (const auto& pair : pairs) {
        QAction* entry = w.MenuEntry(pair.Menu, pair.Caption);
        QVERIFY2(entry, pair.Caption);
        QCOMPARE(entry, w.Command(pair.Command));
        QVERIFY2(entry->isEnabled(), pair.Caption);
    }
    for (QAction* command : w.form.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(command->isEnabled(), qPrintable(command->objectName()));
    for (QAbstractButton* button :
         w.form.findChildren<QToolBar*>().constFirst()->findChildren<QAbstractButton*>())
        QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
}

void MainWindowTest::showingADialogTwiceShowsOne()
{
    Window w;
    w.form.ImportS2kFile(Portal);
    w.MenuEntry("View", "Show Load")->trigger();
    w.MenuEntry("View", "Show Load")->trigger();
    w.Click("showLoadButton");
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        shown += qobject_cast<ShowLoadDialog*>(window) && window->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);
    QCOMPARE(w.form.findChildren<ShowLoadDialog*>().size(), 1);

    // Its OK asks the window for a redraw: the loads of the case appear in the picture.
    const QImage before = w.Picture();
    auto* dialog = w.form.findChild<ShowLoadDialog*>();
    dialog->findChild<QComboBox*>(QStringLiteral("loadCaseCombo"))->setCurrentIndex(0);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(w.form.viewSettings().ShownLoadCase, 1);
    QVERIFY(w.Picture() != before);
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));
}

class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

void MainWindowTest::helpOpensTheProjectPages()
{
    Window w;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    w.MenuEntry("Help", "VEK Tutorial")->trigger();
    w.MenuEntry("Help", "About")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(recorder.urls, QList<QUrl>({QUrl("https://github.com/vek-opensees/vek/wiki"),
                                         QUrl("https://github.com/vek-opensees/vek")}));
}

void MainWindowTest::importShowsTheCountsAndRedraws()
{
    Window w;
    const QImage empty = w.Picture();
    const ViewTransform before = w.form.view();
    w.form.ImportS2kFile(Portal);
    QVERIFY(w.errors.isEmpty());
    QCOMPARE(w.Counts(), QStringList({"3", "2", "0", "0", "1", "1", "0"}));
    QCOMPARE(w.form.model().JointCount(), 3);

    // The view is fitted to the model: Zoom All from where it was.
    ViewTransform fitted = before;
    ProjectedModel pixels;
    ZoomAll(w.form.model(), w.form.results(), pixels, fitted, w.Area());
    QVERIFY(SameView(fitted, w.form.view()));
    QVERIFY(w.Picture() != empty);
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));

    // The last file's lines are kept: importing without a file reads them again.
    w.form.ImportS2kFile(QString());
    QCOMPARE(w.Counts(), QStringList({"3", "2", "0", "0", "1", "1", "0"}));
    QVERIFY(w.errors.isEmpty());
}

void MainWindowTest::importAsksForAnS2kFile()
{
    for (const bool fromMenu : {true, false}) {
        Window w;
        QString filter, suffix;
        WhenModalOpens<QFileDialog>([&](QFileDialog* chooser) {
            filter = chooser->nameFilters().join(QLatin1Char(';'));
            suffix = chooser->defaultSuffix();
            chooser->reject();
        });
        if (fromMenu)
            w.MenuEntry("File", "Import Sap2000 txt file")->trigger();
        else
            w.Click("importButton");
        QCOMPARE(filter, QStringLiteral("s2k file (*.s2k)"));
        QCOMPARE(suffix, QStringLiteral("s2k"));
        // No file chosen: the (empty) lines are imported all the same.
        QCOMPARE(w.Counts(), QStringList({"0", "0", "0", "0", "0", "0", "0"}));
        QVERIFY(w.errors.isEmpty());
    }
}

void MainWindowTest::fileThatCannotBeOpenedKeepsTheModel()
{
    Window w;
    w.form.ImportS2kFile(Portal);
    const QImage picture = w.Picture();
    const ViewTransform view = w.form.view();

    QTemporaryDir dir;
    w.form.ImportS2kFile(dir.filePath(QStringLiteral("missing.s2k")));
    QCOMPARE(w.errors.size(), 1);
    QVERIFY2(w.errors[0].startsWith(QStringLiteral("Cannot open file")), qPrintable(w.errors[0]));
    QCOMPARE(w.form.model().JointCount(), 3);
    QCOMPARE(w.form.model().FrameCount(), 2);
    QCOMPARE(w.Counts(), QStringList({"3", "2", "0", "0", "1", "1", "0"}));
    QCOMPARE(w.Picture(), picture);
    QVERIFY(SameView(w.form.view(), view));

    // The lines of the portal are still those imported when no file is chosen.
    w.form.ImportS2kFile(QString());
    QCOMPARE(w.errors.size(), 1);
    QCOMPARE(w.form.model().JointCount(), 3);
}

void MainWindowTest::brokenFileIsReportedAndTheWindowGoesOn()
{
    Window w;
    w.form.ImportS2kFile(Portal);
    const QImage picture = w.Picture();

    QFile portal(Portal);
    QVERIFY(portal.open(QIODevice::ReadOnly));
    QByteArray text = portal.readAll();
    text.replace("J=2,3", "J=2,q");
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.s2k"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    w.form.ImportS2kFile(broken);
    QCOMPARE(w.errors, QStringList({"'q' is not a valid integer value"}));
    // No status update and no redraw: the window shows what it showed.
    QCOMPARE(w.Counts(), QStringList({"3", "2", "0", "0", "1", "1", "0"}));
    QCOMPARE(w.Picture(), picture);

    // The window still answers and draws what the model now holds.
    w.Click("zoomAllButton");
    w.Click("panButton");
    QCOMPARE(w.form.panel(1)->text(), QStringLiteral("Pan"));
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));
    QCOMPARE(w.errors.size(), 1);

    // A good file afterwards imports as ever.
    w.form.ImportS2kFile(Portal);
    QCOMPARE(w.errors.size(), 1);
    QCOMPARE(w.form.model().FrameCount(), 2);
    QCOMPARE(w.Picture(), picture);
}

void MainWindowTest::whatAnImportLeavesOutIsReported()
{
    QFile portal(Portal);
    QVERIFY(portal.open(QIODevice::ReadOnly));
    QByteArray text = portal.readAll();
    text.replace("ADD=3", "ADD=912");
    QTemporaryDir dir;
    const QString withLoad = dir.filePath(QStringLiteral("load.s2k"));
    const QString empty = dir.filePath(QStringLiteral("empty.s2k"));
    for (const auto& [path, content] :
         {std::pair{withLoad, text}, std::pair{empty, QByteArray()}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    Window w;
    w.form.ImportS2kFile(withLoad);
    const QString heading = QStringLiteral("The file is imported, but not all of it:\n\n");
    QCOMPARE(w.errors, QStringList({heading + "1 line skipped: line 26: LOAD names joint 912, "
                                              "which the model does not have"}));
    QCOMPARE(w.Counts(), QStringList({"3", "2", "0", "0", "1", "1", "0"}));
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));
    // Reading the same lines again, with no file chosen, says nothing new.
    w.form.ImportS2kFile(QString());
    QCOMPARE(w.errors.size(), 1);

    w.form.ImportS2kFile(empty);
    QCOMPARE(w.errors.size(), 2);
    QCOMPARE(w.errors[1], heading + "no SAP2000 version 6 table found in " + empty);
    QCOMPARE(w.Counts(), QStringList({"0", "0", "0", "0", "0", "0", "0"}));
}

void MainWindowTest::errorsAreShownInAWarningBox()
{
    MainWindow form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QString title, message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        message = box->text();
        icon = box->icon();
        buttons = box->buttons();
        button = box->standardButton(buttons.value(0));
        box->accept();
    });
    form.ImportS2kFile(QStringLiteral("/nonexistent/folder/model.s2k"));
    QCOMPARE(title, QStringLiteral("TAV"));
    QVERIFY2(
        message.startsWith(QStringLiteral("Cannot open file \"/nonexistent/folder/model.s2k\"")),
        qPrintable(message));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(button, QMessageBox::Ok);
}

// The reading runs on a worker thread: meanwhile timers run and the window is painted from
// its last picture, while closing and redrawing wait for the import to end; a long import
// shows a progress dialog after half a second.
void MainWindowTest::longImportKeepsTheWindowPaintedButTakesNoInput()
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.s2k"));
    bench::WriteBuildingFile(bench::BuildingForJoints(150000), big.toStdString());

    Window w;
    w.form.ImportS2kFile(Portal);
    const QImage picture = w.Picture();

    QElapsedTimer clock;
    bool ranDuringImport = false, busyCursor = false, closed = true, progressModal = false;
    qint64 progressShownAt = -1, lastBusyAt = 0;
    QString progressTitle;
    QImage early, late;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, [&] {
        // The busy cursor is there while the import runs.
        if (!QApplication::overrideCursor())
            return;
        lastBusyAt = clock.elapsed();
        if (!ranDuringImport) {
            ranDuringImport = true;
            busyCursor = QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            closed = w.form.close();
            w.form.RedrawModelView();
            w.form.modelView()->repaint();
            early = w.Picture();
        }
        if (clock.elapsed() > 300 && late.isNull()) {
            w.form.RedrawModelView();
            late = w.Picture();
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(window);
            if (progress && progress->isVisible() && progressShownAt < 0) {
                progressShownAt = clock.elapsed();
                progressModal = progress->windowModality() == Qt::ApplicationModal;
                progressTitle = progress->windowTitle();
            }
        }
    });
    clock.start();
    poll.start();
    w.form.ImportS2kFile(big);
    poll.stop();

    QVERIFY(ranDuringImport);
    QVERIFY(busyCursor);
    QCOMPARE(early, picture);
    if (!late.isNull())
        QCOMPARE(late, picture);
    QVERIFY(!closed);
    QVERIFY(w.form.isVisible());
    // How long the reading took, as far as the polls saw.
    if (lastBusyAt > 700) {
        QVERIFY2(progressShownAt >= 400, qPrintable(QString::number(progressShownAt)));
        QVERIFY(progressModal);
        QCOMPARE(progressTitle, QStringLiteral("TAV"));
    } else if (lastBusyAt < 400) {
        QCOMPARE(progressShownAt, qint64(-1));
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QProgressDialog*>(window) || !window->isVisible());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(w.errors.isEmpty());
    QVERIFY(w.form.model().JointCount() > 100000);
    QCOMPARE(w.Counts()[0], QString::number(w.form.model().JointCount()));
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));
}

void MainWindowTest::wheelZoomsOneStepPerNotification()
{
    Window w;
    w.form.ImportS2kFile(Portal);
    ViewTransform expected = w.form.view();
    QImage picture = w.Picture();

    // Wheel down makes the picture grow.
    Wheel(w.form, QPoint(0, -120));
    ZoomStep(expected, true);
    QVERIFY(SameView(w.form.view(), expected));
    QVERIFY(w.Picture() != picture);
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));

    Wheel(w.form, QPoint(0, 120));
    ZoomStep(expected, false);
    QVERIFY(SameView(w.form.view(), expected));

    // A turn of three notches in one notification is one step.
    Wheel(w.form, QPoint(0, -360));
    ZoomStep(expected, true);
    QVERIFY(SameView(w.form.view(), expected));

    // A sideways wheel does not zoom.
    picture = w.Picture();
    Wheel(w.form, QPoint(120, 0));
    QVERIFY(SameView(w.form.view(), expected));
    QCOMPARE(w.Picture(), picture);
}

void MainWindowTest::panDragMovesTheView()
{
    Window w;
    w.form.ImportS2kFile(Portal);
    const QImage picture = w.Picture();
    ViewTransform expected = w.form.view();

    // Outside a mode a drag changes nothing.
    Drag(w.form.modelView(), QPoint(100, 100), QPoint(160, 140));
    QVERIFY(SameView(w.form.view(), expected));

    w.Click("panButton");
    QCOMPARE(w.form.viewSettings().MouseMode, MouseMode::PanArmed);
    QTest::mousePress(w.form.modelView(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QCOMPARE(w.form.viewSettings().MouseMode, MouseMode::Panning);
    QTest::mouseMove(w.form.modelView(), QPoint(130, 120));
    PanBy(expected, 30, 20);
    QVERIFY(SameView(w.form.view(), expected));
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));
    QTest::mouseRelease(w.form.modelView(), Qt::LeftButton, Qt::NoModifier, QPoint(150, 110));
    PanBy(expected, 20, -10);
    QVERIFY(SameView(w.form.view(), expected));
    QCOMPARE(w.form.viewSettings().MouseMode, MouseMode::PanArmed);
    QCOMPARE(w.form.panel(1)->text(), QStringLiteral("Pan"));
    QVERIFY(w.Picture() != picture);
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));

    // The right button ends the mode.
    QTest::mouseClick(w.form.modelView(), Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(w.form.viewSettings().MouseMode, MouseMode::None);
    QCOMPARE(w.form.panel(1)->text(), QStringLiteral("None"));
}

void MainWindowTest::selectingAFrameOpensItsProperties()
{
    Window w;
    w.form.ImportS2kFile(Portal);
    const QImage unselected = w.Picture();
    auto* properties = w.form.findChild<FramePropertiesDialog*>();
    QVERIFY(properties && !properties->isVisible());

    w.Click("selectElemButton");
    // Where the press looks for frame 2: its midpoint in the view on the screen.
    ProjectedModel projected = w.form.projected();
    ProjectFrameMarks(w.form.model(), projected, w.form.view(), w.form.modelView()->Area());
    const Point mid = projected.Frame(2).Mid;
    const QPoint middle(mid.X, mid.Y);

    // A click away from every frame selects nothing.
    QTest::mouseClick(w.form.modelView(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QVERIFY(!properties->isVisible());

    QTest::mouseClick(w.form.modelView(), Qt::LeftButton, Qt::NoModifier, middle);
    QCOMPARE(w.form.viewSettings().SelectedFrame, 2);
    QVERIFY(properties->isVisible());
    QVERIFY(w.Picture() != unselected);
    QCOMPARE(w.Picture(), RedrawnNow(w.form, w.form.view()));

    // Closing the properties clears the selection and the picture shows no selection.
    properties->close();
    QCOMPARE(w.form.viewSettings().SelectedFrame, 0);
    QCOMPARE(w.Picture(), unselected);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
