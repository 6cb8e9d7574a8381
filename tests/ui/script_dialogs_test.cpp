#include "s2k/s2k_import.h"
#include "support/widget_lookup.h"
#include "tcl/gui/analysis_setting_dialog.h"
#include "tcl/gui/recorder_setting_dialog.h"
#include "tcl/gui/solid_material_dialog.h"
#include "tcl/gui/tcl_file_dialog.h"
#include "tcl/solid_materials.h"
#include "tcl/tcl_generator.h"
#include "util/text_lines.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <string>

using namespace vek;

namespace {

const std::string Portal = VEK_EXAMPLES_DIR "/portal.s2k";

using testing::ButtonCaptioned;
using testing::CheckBoxCaptioned;
using testing::Child;
using testing::Labelled;

QStringList Items(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Types the text into the widget, a Return key for each line break.
void Type(QWidget* widget, const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClicks(widget, lines[i]);
    }
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

// Every control has an accessible name, buttons and check boxes their captions, labelled
// edits and boxes their labels' texts.
void CheckAccessibleNames(QWidget& dialog)
{
    QCOMPARE(dialog.accessibleName(), dialog.windowTitle());
    int controls = 0;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QGroupBox*>(widget) || qobject_cast<QLabel*>(widget) ||
                             qobject_cast<QPlainTextEdit*>(widget);
        if (!control || qobject_cast<QComboBox*>(widget->parentWidget()))
            continue;
        ++controls;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->accessibleName(), button->text());
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            QCOMPARE(label->buddy()->accessibleName(), label->text());
    }
    QVERIFY(controls >= 3);
}

Model ImportPortal()
{
    Model model;
    LoadS2kFile(model, Portal);
    ReadS2kModel(model);
    return model;
}

// The bytes vek-cli writes for the model and settings.
QByteArray CoreScript(Model model, const Settings& settings, const QString& path)
{
    TextLines lines;
    std::vector<std::string> warnings;
    GenerateTclScript(model, settings, lines, warnings);
    SaveTclScript(lines, QFile::encodeName(path).toStdString());
    return FileBytes(path);
}

// A model of `joints` joints on a line and nothing else.
Model LineOfJoints(int joints)
{
    Model model;
    model.Joints.Reset(joints);
    for (int i = 1; i <= joints; ++i)
        model.Joints.Edit(i).X = 1000.0 * i;
    return model;
}

// A TclFileDialog whose messages are recorded.
struct ScriptDialog
{
    explicit ScriptDialog(Model model = Model())
        : model(std::move(model)), form(this->model, settings)
    {
        form.SetMessageReporter([this](const QString& message) { messages << message; });
        form.show();
    }
    QString Text() const { return form.textArea()->toPlainText(); }
    void Generate() { ButtonCaptioned(form, QStringLiteral("Generate"))->click(); }

    Model model;
    Settings settings;
    TclFileDialog form;
    QStringList messages;
};

Model SolidModel()
{
    Model model;
    model.Solids.Reset(3);
    model.Solids.Edit(1).SectionTag = 4;
    model.Solids.Edit(2).SectionTag = 2;
    model.Solids.Edit(3).SectionTag = 4;
    return model;
}

} // namespace

class ScriptDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void tclFileDialogAtFirst();
    void saveBeforeGenerateWritesTheFirstLine();
    void saveAsksForTheFile();
    void generateThenSaveWritesTheScript();
    void saveWritesWhatWasTyped();
    void saveAddsTheExtensionAndReportsAFileError();
    void aStoppedGenerationKeepsTheText();
    void warningsAreToldNotWritten();
    void eightBitNamesAreWrittenBackAsTheyCame();
    void aScriptOfHalfAMillionLines();
    void analysisSettingControls();
    void analysisSettingShowsTheSettings();
    void analysisSettingOkStores();
    void analysisSettingBadNumber();
    void analysisSettingDefaultMessageBox();
    void recorderSetting();
    void solidMaterialWithoutSolids();
    void solidMaterialOkAndCancel();
    void solidMaterialBadValue();
    void accessibility();
};

void ScriptDialogsTest::tclFileDialogAtFirst()
{
    ScriptDialog d;
    QCOMPARE(d.form.windowTitle(), QStringLiteral("OpenSEES Tcl File"));
    QVERIFY(!d.form.isModal());
    auto* label = Child<QLabel>(d.form, QStringLiteral("titleLabel"));
    QCOMPARE(label->text(), QStringLiteral("OpenSEES tcl File"));
    QPlainTextEdit* memo = d.form.textArea();
    QCOMPARE(label->buddy(), memo);
    QCOMPARE(d.Text(), QStringLiteral("OpenSEES Tcl File"));
    QVERIFY(!memo->isReadOnly());
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The script's columns line up: every glyph of its font has one width.
    const QFontMetrics metrics(memo->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
             metrics.horizontalAdvance(QStringLiteral("MMMM")));
    QCOMPARE(memo->palette().color(QPalette::Text), QColor(0, 128, 0));
    for (const char* caption : {"Generate", "Save", "Close"})
        QVERIFY(ButtonCaptioned(d.form, QString::fromLatin1(caption)));

    // Close hides the dialog; the text stays for the next showing.
    memo->setPlainText(QStringLiteral("kept"));
    ButtonCaptioned(d.form, QStringLiteral("Close"))->click();
    QVERIFY(!d.form.isVisible());
    d.form.show();
    QCOMPARE(d.Text(), QStringLiteral("kept"));
}

void ScriptDialogsTest::saveBeforeGenerateWritesTheFirstLine()
{
    QTemporaryDir dir;
    ScriptDialog d;
    const QString path = dir.filePath(QStringLiteral("first.tcl"));
    d.form.Save(path);
    QCOMPARE(FileBytes(path), QByteArray("OpenSEES Tcl File\r\n"));
    QVERIFY(d.messages.isEmpty());
}

void ScriptDialogsTest::saveAsksForTheFile()
{
    QTemporaryDir dir;
    ScriptDialog d;
    const QString path = dir.filePath(QStringLiteral("chosen"));
    QStringList filters;
    QString suffix;
    bool cancel = true;
    const auto answer = [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* chooser = qobject_cast<QFileDialog*>(window);
                chooser && chooser->isVisible()) {
                filters = chooser->nameFilters();
                suffix = chooser->defaultSuffix();
                if (cancel) {
                    chooser->reject();
                } else {
                    chooser->selectFile(path);
                    static_cast<QDialog*>(chooser)->accept();
                }
            }
    };
    QTimer::singleShot(0, answer);
    ButtonCaptioned(d.form, QStringLiteral("Save"))->click();
    QCOMPARE(filters, QStringList{QStringLiteral("OpenSEES tcl(*.tcl)")});
    QCOMPARE(suffix, QStringLiteral("tcl"));
    QVERIFY(QDir(dir.path()).isEmpty());

    cancel = false;
    QTimer::singleShot(0, answer);
    ButtonCaptioned(d.form, QStringLiteral("Save"))->click();
    QCOMPARE(FileBytes(path + QStringLiteral(".tcl")), QByteArray("OpenSEES Tcl File\r\n"));
    QVERIFY(d.messages.isEmpty());
}

void ScriptDialogsTest::generateThenSaveWritesTheScript()
{
    QTemporaryDir dir;
    ScriptDialog d(ImportPortal());
    d.settings.RecordFrameForce = true;
    const QByteArray expected =
        CoreScript(ImportPortal(), d.settings, dir.filePath(QStringLiteral("core.tcl")));
    QVERIFY(expected.startsWith("wipe\r\nputs \"System\"\r\n"));

    d.Generate();
    QVERIFY(d.messages.isEmpty());
    QCOMPARE(d.form.tclLines().size(), std::size_t(expected.count("\r\n")));
    const QString path = dir.filePath(QStringLiteral("dialog.tcl"));
    d.form.Save(path);
    QCOMPARE(FileBytes(path), expected);
    // The text area holds the lines, without an empty line after them.
    QCOMPARE(d.Text() + QStringLiteral("\n"),
             QString::fromLatin1(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    // A second generation gives the same text.
    d.form.textArea()->setPlainText(QStringLiteral("scratch"));
    d.Generate();
    d.form.Save(path);
    QCOMPARE(FileBytes(path), expected);
}

void ScriptDialogsTest::saveWritesWhatWasTyped()
{
    QTemporaryDir dir;
    ScriptDialog d(ImportPortal());
    d.Generate();
    const QByteArray generated = d.form.tclLines().JoinCrLf().c_str();

    QPlainTextEdit* memo = d.form.textArea();
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    Type(memo, QStringLiteral("\nputs \"done\""));
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClicks(memo, QStringLiteral("# edited "));
    const QString path = dir.filePath(QStringLiteral("edited.tcl"));
    d.form.Save(path);
    QCOMPARE(FileBytes(path), "# edited " + generated + "puts \"done\"\r\n");

    // A text ending in a line break writes no empty line after it; an empty line inside stays.
    memo->setPlainText(QStringLiteral("a\n\nb\n"));
    d.form.Save(path);
    QCOMPARE(FileBytes(path), QByteArray("a\r\n\r\nb\r\n"));
    memo->setPlainText(QStringLiteral("tab\tand\u00a0blank"));
    d.form.Save(path);
    QCOMPARE(FileBytes(path), QByteArray("tab\tand\xc2\xa0"
                                         "blank\r\n"));
}

void ScriptDialogsTest::saveAddsTheExtensionAndReportsAFileError()
{
    QTemporaryDir dir;
    ScriptDialog d;
    d.form.Save(dir.filePath(QStringLiteral("model")));
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("model.tcl"))),
             QByteArray("OpenSEES Tcl File\r\n"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("model"))));
    d.form.Save(dir.filePath(QStringLiteral("model.txt")));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("model.txt"))));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("model.txt.tcl"))));
    QVERIFY(d.messages.isEmpty());

    const QString bad = dir.filePath(QStringLiteral("no folder/model.tcl"));
    d.form.Save(bad);
    QCOMPARE(d.messages.size(), 1);
    QVERIFY2(d.messages[0].startsWith(QStringLiteral("Cannot open file \"")),
             qPrintable(d.messages[0]));
    QVERIFY(!QFile::exists(bad));
}

void ScriptDialogsTest::aStoppedGenerationKeepsTheText()
{
    ScriptDialog d(ImportPortal());
    d.Generate();
    const QString generated = d.Text();
    d.settings.LoadSteps = 0;
    d.form.textArea()->setPlainText(generated + QStringLiteral("\n# mine"));
    d.Generate();
    QCOMPARE(d.messages, QStringList{QStringLiteral("Floating point division by zero")});
    QCOMPARE(d.Text(), generated + QStringLiteral("\n# mine"));
    // The lines appended before the error are kept; the load-control line is not among them.
    const TextLines& lines = d.form.tclLines();
    QVERIFY(lines.size() > 10);
    QCOMPARE(QString::fromStdString(std::string(lines[lines.size() - 1])),
             QStringLiteral("algorithm Newton"));
}

void ScriptDialogsTest::warningsAreToldNotWritten()
{
    // No load case: the pattern is left out and the generation says so.
    ScriptDialog d(LineOfJoints(2));
    d.Generate();
    QCOMPARE(d.messages.size(), 1);
    QVERIFY2(d.messages[0].startsWith(
                 QStringLiteral("The script is generated, but OpenSees may stop on it:\n\n")),
             qPrintable(d.messages[0]));
    QVERIFY(d.messages[0].contains(QStringLiteral("No load case is chosen")));
    QVERIFY(d.Text().startsWith(QStringLiteral("wipe\n")));
    QVERIFY(!d.Text().contains(QStringLiteral("No load case")));
    QVERIFY(d.Text().endsWith(QStringLiteral("analyze 100")));
}

void ScriptDialogsTest::eightBitNamesAreWrittenBackAsTheyCame()
{
    QTemporaryDir dir;
    for (const char* name : {"D\xc9"
                             "AD",
                             "D\xc3\x89"
                             "AD"}) {
        Model model = LineOfJoints(2);
        model.LoadCaseNames[0] = name;
        model.LoadCaseCount = 1;
        ScriptDialog d(model);
        const QByteArray expected = CoreScript(model, d.settings, dir.filePath("core.tcl"));
        QVERIFY(expected.contains(QByteArray("## Load Case = ") + name + "\r\n"));
        d.Generate();
        QVERIFY(d.Text().contains(QStringLiteral("## Load Case = D\u00c9AD")));
        d.form.Save(dir.filePath("dialog.tcl"));
        QCOMPARE(FileBytes(dir.filePath("dialog.tcl")), expected);
    }

    // A Latin-1 script cannot take a character beyond Latin-1: it is refused, not mangled.
    Model model = LineOfJoints(2);
    model.LoadCaseNames[0] = "D\xc9"
                             "AD";
    model.LoadCaseCount = 1;
    ScriptDialog d(model);
    d.Generate();
    d.form.textArea()->appendPlainText(QStringLiteral("# \u20ac"));
    d.form.Save(dir.filePath("euro.tcl"));
    QCOMPARE(d.messages.size(), 1);
    QVERIFY(d.messages[0].contains(QStringLiteral("Latin-1")));
    QVERIFY(!QFile::exists(dir.filePath("euro.tcl")));
}

void ScriptDialogsTest::aScriptOfHalfAMillionLines()
{
    // 499,900 joints give that many node lines, a recorder line for each hundred and the rest.
    ScriptDialog d(LineOfJoints(499'900));
    d.model.LoadCaseNames[0] = "DEAD";
    d.model.LoadCaseCount = 1;
    QElapsedTimer clock;
    clock.start();
    {
        Model copy = d.model;
        TextLines core;
        std::vector<std::string> warnings;
        GenerateTclScript(copy, d.settings, core, warnings);
    }
    const qint64 coreMs = clock.restart();
    d.Generate();
    const qint64 generateMs = clock.restart();
    const std::size_t lines = d.form.tclLines().size();
    QVERIFY(lines > 500'000);
    QCOMPARE(std::size_t(d.form.textArea()->blockCount()), lines);

    QPlainTextEdit* memo = d.form.textArea();
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
    Type(memo, QStringLiteral("\nputs \"end\""));
    QApplication::processEvents();
    const qint64 editMs = clock.restart();
    QTemporaryDir dir;
    d.form.Save(dir.filePath("big.tcl"));
    const qint64 saveMs = clock.elapsed();
    const QByteArray saved = FileBytes(dir.filePath("big.tcl"));
    QVERIFY(saved.startsWith("wipe\r\n"));
    QVERIFY(saved.endsWith("analyze 100\r\nputs \"end\"\r\n"));
    QCOMPARE(std::size_t(saved.count("\r\n")), lines + 1);
    qInfo("%zu lines: generation alone %lld ms; generate and show %lld ms, edit at the end %lld "
          "ms, save %lld ms",
          lines, coreMs, generateMs, editMs, saveMs);
}

void ScriptDialogsTest::analysisSettingControls()
{
    Model model;
    Settings settings;
    AnalysisSettingDialog dialog(model, settings);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Analysis Setting"));
    QVERIFY(!dialog.isModal());
    QCOMPARE(Items(Labelled<QComboBox>(dialog, QStringLiteral("Analysis Type"))),
             QStringList({"Single Load Control", "Single Displacement Control", "Gravity+PushOver",
                          "Modal Analysis", "Time History Analysis", "D+L+Time Hist Analysis",
                          "MultipleSupport Excitation"}));
    QStringList groups;
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        groups << group->title();
    groups.sort();
    QCOMPARE(groups, QStringList({"Disp Control Case (Linear)", "Gen ND material", "Gen Node Mass",
                                  "Load Control Case (Const)", "Modal Number", "Nonlinear Setting",
                                  "Section Aggregator"}));
    const struct
    {
        const char* Caption;
        const char* Group;
    } grouped[] = {
        {"Load Case", "Load Control Case (Const)"},
        {"Load Vector", "Disp Control Case (Linear)"},
        {"Force/Disp Beam Column numIntgrPts", "Nonlinear Setting"},
        {"Rebar Material Number", "Nonlinear Setting"},
        {"Modal Number", "Modal Number"},
    };
    for (const auto& g : grouped) {
        QWidget* control = nullptr;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text() == QString::fromLatin1(g.Caption))
                control = label->buddy();
        QVERIFY2(control, g.Caption);
        auto* group = qobject_cast<QGroupBox*>(control->parentWidget());
        QVERIFY2(group && group->title() == QString::fromLatin1(g.Group), g.Caption);
    }
    for (const char* caption : {"Load Steps", "Load Factor", "Control Node", "Control Disp",
                                "Control Dof", "Analysis Step"})
        QVERIFY(Labelled<QLineEdit>(dialog, QString::fromLatin1(caption)));
    for (const char* caption : {"Torsional Constant and Shear Area",
                                "Gen ND Material Plate Fiber Information", "Gen Mass Information"})
        QVERIFY(CheckBoxCaptioned(dialog, QString::fromLatin1(caption)));
    QCOMPARE(dialog.findChildren<QPushButton*>().size(), 1);
    QVERIFY(ButtonCaptioned(dialog, QStringLiteral("OK")));
}

void ScriptDialogsTest::analysisSettingShowsTheSettings()
{
    Model model;
    model.LoadCaseNames = {"DEAD", "LIVE", "WIND"};
    model.LoadCaseCount = 3;
    Settings settings;
    settings.AnalysisType = 3;
    settings.LoadControlCase = 2;
    settings.DispControlCase = 3;
    settings.LoadFactor = 0.5;
    settings.UseSectionAggregator = true;
    settings.GenNodeMass = false;
    AnalysisSettingDialog dialog(model, settings);
    dialog.show();
    QComboBox* loadCase = Labelled<QComboBox>(dialog, QStringLiteral("Load Case"));
    QComboBox* loadVector = Labelled<QComboBox>(dialog, QStringLiteral("Load Vector"));
    QCOMPARE(Items(loadCase), QStringList({"DEAD", "LIVE", "WIND"}));
    QCOMPARE(Items(loadVector), QStringList({"DEAD", "LIVE", "WIND"}));
    QCOMPARE(loadCase->currentIndex(), 1);
    QCOMPARE(loadVector->currentIndex(), 2);
    QCOMPARE(Labelled<QComboBox>(dialog, QStringLiteral("Analysis Type"))->currentIndex(), 2);
    QCOMPARE(Labelled<QLineEdit>(dialog, QStringLiteral("Load Steps"))->text(),
             QStringLiteral("100"));
    QCOMPARE(Labelled<QLineEdit>(dialog, QStringLiteral("Load Factor"))->text(),
             QStringLiteral("5.00E-001"));
    QCOMPARE(Labelled<QLineEdit>(dialog, QStringLiteral("Control Disp"))->text(),
             QStringLiteral("1.00E-001"));
    QCOMPARE(
        Labelled<QLineEdit>(dialog, QStringLiteral("Force/Disp Beam Column numIntgrPts"))->text(),
        QStringLiteral("3"));
    QCOMPARE(Labelled<QLineEdit>(dialog, QStringLiteral("Modal Number"))->text(),
             QStringLiteral("12"));
    QVERIFY(CheckBoxCaptioned(dialog, QStringLiteral("Torsional Constant and Shear Area"))
                ->isChecked());
    QVERIFY(CheckBoxCaptioned(dialog, QStringLiteral("Gen ND Material Plate Fiber Information"))
                ->isChecked());
    QVERIFY(!CheckBoxCaptioned(dialog, QStringLiteral("Gen Mass Information"))->isChecked());

    // Shown again after an import of fewer cases: the lists are refilled, a case beyond them
    // is not selected; Modal Number is never loaded.
    dialog.hide();
    model.LoadCaseCount = 2;
    settings.ModeCount = 40;
    Labelled<QLineEdit>(dialog, QStringLiteral("Load Steps"))->setText(QStringLiteral("typed"));
    dialog.show();
    QCOMPARE(Items(loadCase), QStringList({"DEAD", "LIVE"}));
    QCOMPARE(loadCase->currentIndex(), 1);
    QCOMPARE(loadVector->currentIndex(), -1);
    QCOMPARE(Labelled<QLineEdit>(dialog, QStringLiteral("Load Steps"))->text(),
             QStringLiteral("100"));
    QCOMPARE(Labelled<QLineEdit>(dialog, QStringLiteral("Modal Number"))->text(),
             QStringLiteral("12"));
}

void ScriptDialogsTest::analysisSettingOkStores()
{
    Model model;
    model.LoadCaseNames = {"DEAD", "LIVE"};
    model.LoadCaseCount = 2;
    Settings settings;
    AnalysisSettingDialog dialog(model, settings);
    QStringList messages;
    dialog.SetMessageReporter([&](const QString& message) { messages << message; });
    dialog.show();
    Labelled<QComboBox>(dialog, QStringLiteral("Analysis Type"))->setCurrentIndex(6);
    Labelled<QComboBox>(dialog, QStringLiteral("Load Case"))->setCurrentIndex(1);
    Labelled<QComboBox>(dialog, QStringLiteral("Load Vector"))->setCurrentIndex(1);
    const struct
    {
        const char* Caption;
        const char* Text;
    } edits[] = {
        {"Load Steps", "50"},
        {"Load Factor", "2"},
        {"Control Node", "3"},
        {"Control Disp", "2.5E-2"},
        {"Control Dof", "2"},
        {"Analysis Step", "80"},
        {"Force/Disp Beam Column numIntgrPts", "5"},
        {"Rebar Material Number", "2"},
        {"Modal Number", "4"},
    };
    for (const auto& edit : edits)
        Labelled<QLineEdit>(dialog, QString::fromLatin1(edit.Caption))
            ->setText(QString::fromLatin1(edit.Text));
    CheckBoxCaptioned(dialog, QStringLiteral("Torsional Constant and Shear Area"))->click();
    CheckBoxCaptioned(dialog, QStringLiteral("Gen ND Material Plate Fiber Information"))->click();
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();

    QVERIFY(messages.isEmpty());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings.AnalysisType, 7);
    QCOMPARE(settings.LoadControlCase, 2);
    QCOMPARE(settings.DispControlCase, 2);
    QCOMPARE(settings.LoadSteps, 50);
    QCOMPARE(settings.LoadFactor, 2.0);
    QCOMPARE(settings.ControlNode, 3);
    QCOMPARE(settings.ControlDisp, 0.025);
    QCOMPARE(settings.ControlDof, 2);
    QCOMPARE(settings.AnalysisSteps, 80);
    QCOMPARE(settings.NumIntegrationPoints, 5);
    QCOMPARE(settings.RebarMaterialTag, 2);
    QCOMPARE(settings.ModeCount, 4);
    QVERIFY(settings.UseSectionAggregator);
    QVERIFY(!settings.GenPlateFiber);
    QVERIFY(settings.GenNodeMass);

    // Shown and confirmed untouched, nothing changes, also the reals' exact values.
    settings.LoadFactor = 0.01234;
    const Settings before = settings;
    dialog.show();
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QCOMPARE(settings.LoadFactor, 0.01234);
    QCOMPARE(settings.ControlDisp, before.ControlDisp);
    QCOMPARE(settings.ModeCount, 4);

    // Without load cases the case settings stay as they were: 0 is no case.
    Model empty;
    AnalysisSettingDialog noCases(empty, settings);
    noCases.show();
    QCOMPARE(Labelled<QComboBox>(noCases, QStringLiteral("Load Case"))->count(), 0);
    ButtonCaptioned(noCases, QStringLiteral("OK"))->click();
    QVERIFY(!noCases.isVisible());
    QCOMPARE(settings.LoadControlCase, 2);
    QCOMPARE(settings.DispControlCase, 2);
}

void ScriptDialogsTest::analysisSettingBadNumber()
{
    Model model;
    Settings settings;
    AnalysisSettingDialog dialog(model, settings);
    QStringList messages;
    dialog.SetMessageReporter([&](const QString& message) { messages << message; });
    dialog.show();
    Labelled<QLineEdit>(dialog, QStringLiteral("Load Steps"))->setText(QStringLiteral("20"));
    Labelled<QLineEdit>(dialog, QStringLiteral("Rebar Material Number"))
        ->setText(QStringLiteral("3"));
    Labelled<QLineEdit>(dialog, QStringLiteral("Control Dof"))->setText(QStringLiteral("two"));
    Labelled<QLineEdit>(dialog, QStringLiteral("Control Node"))->setText(QStringLiteral("5"));
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QCOMPARE(messages, QStringList{QStringLiteral("'two' is not a valid integer value")});
    QVERIFY(dialog.isVisible());
    QCOMPARE(settings.LoadSteps, 20);
    QCOMPARE(settings.RebarMaterialTag, 3);
    QCOMPARE(settings.ControlNode, 1);

    Labelled<QLineEdit>(dialog, QStringLiteral("Control Dof"))->setText(QStringLiteral("2"));
    Labelled<QLineEdit>(dialog, QStringLiteral("Load Factor"))->setText(QStringLiteral("1.0.0"));
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QCOMPARE(messages.last(), QStringLiteral("'1.0.0' is not a valid floating point value"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(settings.ControlDof, 1);
}

// Without a reporter a bad number is shown in a warning box titled "TAV".
void ScriptDialogsTest::analysisSettingDefaultMessageBox()
{
    Model model;
    Settings settings;
    AnalysisSettingDialog dialog(model, settings);
    dialog.show();
    Labelled<QLineEdit>(dialog, QStringLiteral("Load Steps"))->setText(QStringLiteral("x"));
    QString title, text;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
    });
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QCOMPARE(title, QStringLiteral("TAV"));
    QCOMPARE(text, QStringLiteral("'x' is not a valid integer value"));
    QVERIFY(dialog.isVisible());
}

void ScriptDialogsTest::recorderSetting()
{
    Settings settings;
    RecorderSettingDialog dialog(settings);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Recorder Setting"));
    auto* group = Child<QGroupBox>(dialog, QStringLiteral("recorderGroup"));
    QCOMPARE(group->title(), QStringLiteral("Output(Recorder Setting)"));
    const QStringList captions = {"Displacement of All Nodes", "Element Force of All Frames",
                                  "Force/Disp Beam Column Section Deformation",
                                  "Force/Disp Beam Column Section  Stress-Strain", "Modal Shape"};
    const QStringList names = {"nodeDispCheckBox", "frameForceCheckBox", "sectionDeformCheckBox",
                               "sectionStressStrainCheckBox", "modeShapesCheckBox"};
    QList<QCheckBox*> boxes;
    for (int i = 0; i < captions.size(); ++i) {
        boxes << Child<QCheckBox>(dialog, names[i]);
        QCOMPARE(boxes[i]->text(), captions[i]);
        QCOMPARE(boxes[i]->parentWidget(), group);
    }
    settings.RecordModeShapes = true;
    dialog.show();
    QVERIFY(boxes[0]->isChecked());
    QVERIFY(!boxes[1]->isChecked());
    QVERIFY(boxes[4]->isChecked());

    boxes[0]->click();
    boxes[2]->click();
    boxes[3]->click();
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QVERIFY(!dialog.isVisible());
    QVERIFY(!settings.RecordNodeDisp);
    QVERIFY(!settings.RecordFrameForce);
    QVERIFY(settings.RecordSectionDeform);
    QVERIFY(settings.RecordSectionStressStrain);
    QVERIFY(settings.RecordModeShapes);

    // Closed without OK, nothing is stored, and the next showing shows the settings.
    dialog.show();
    boxes[1]->click();
    dialog.close();
    QVERIFY(!settings.RecordFrameForce);
    dialog.show();
    QVERIFY(!boxes[1]->isChecked());
}

void ScriptDialogsTest::solidMaterialWithoutSolids()
{
    Model model;
    Settings settings;
    SolidMaterialDialog dialog(model, settings);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Solid Material"));
    QVERIFY(Child<QLabel>(dialog, QStringLiteral("noSolidsLabel"))->isVisible());
    QCOMPARE(Child<QLabel>(dialog, QStringLiteral("noSolidsLabel"))->text(),
             QStringLiteral("No solids in the model"));
    QVERIFY(dialog.findChildren<QLineEdit*>().isEmpty());
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QVERIFY(!dialog.isVisible());
    QVERIFY(settings.SolidMaterials.empty());
}

void ScriptDialogsTest::solidMaterialOkAndCancel()
{
    Model model = SolidModel();
    Settings settings;
    settings.SolidMaterials[4] = {25000, 0.2};
    SolidMaterialDialog dialog(model, settings);
    QStringList messages;
    dialog.SetMessageReporter([&](const QString& message) { messages << message; });
    dialog.show();
    QVERIFY(!Child<QLabel>(dialog, QStringLiteral("noSolidsLabel"))->isVisible());
    QCOMPARE(dialog.findChildren<QLineEdit*>().size(), 4);
    QCOMPARE(Child<QLabel>(dialog, QStringLiteral("material2Label"))->text(),
             QStringLiteral("Material 2"));
    QCOMPARE(Child<QLineEdit>(dialog, QStringLiteral("material2EEdit"))->text(), QString());
    QCOMPARE(Child<QLineEdit>(dialog, QStringLiteral("material4EEdit"))->text(),
             QStringLiteral("25000"));
    QCOMPARE(Child<QLineEdit>(dialog, QStringLiteral("material4PoissonEdit"))->text(),
             QStringLiteral("0.2"));

    // Cancel stores nothing; the next showing shows the settings again.
    Child<QLineEdit>(dialog, QStringLiteral("material4EEdit"))->setText(QStringLiteral("1"));
    ButtonCaptioned(dialog, QStringLiteral("Cancel"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings.SolidMaterials[4].E, 25000.0);
    dialog.show();
    QCOMPARE(Child<QLineEdit>(dialog, QStringLiteral("material4EEdit"))->text(),
             QStringLiteral("25000"));

    Child<QLineEdit>(dialog, QStringLiteral("material2EEdit"))->setText(QStringLiteral("2e5"));
    Child<QLineEdit>(dialog, QStringLiteral("material2PoissonEdit"))
        ->setText(QStringLiteral("0.3"));
    Child<QLineEdit>(dialog, QStringLiteral("material4PoissonEdit"))
        ->setText(QStringLiteral("0.15"));
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QVERIFY(messages.isEmpty());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings.SolidMaterials[2].E, 200000.0);
    QCOMPARE(settings.SolidMaterials[2].Poisson, 0.3);
    QCOMPARE(settings.SolidMaterials[4].Poisson, 0.15);

    // Refilled from the model at each showing.
    model.Solids.Reset(1);
    model.Solids.Edit(1).SectionTag = 9;
    dialog.show();
    QCOMPARE(dialog.findChildren<QLineEdit*>().size(), 2);
    QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("material9EEdit")));
}

void ScriptDialogsTest::solidMaterialBadValue()
{
    Model model = SolidModel();
    Settings settings;
    settings.SolidMaterials[4] = {25000, 0.2};
    SolidMaterialDialog dialog(model, settings);
    QStringList messages;
    dialog.SetMessageReporter([&](const QString& message) { messages << message; });
    dialog.show();
    Child<QLineEdit>(dialog, QStringLiteral("material2EEdit"))->setText(QStringLiteral("30000"));
    Child<QLineEdit>(dialog, QStringLiteral("material2PoissonEdit"))
        ->setText(QStringLiteral("0.25"));
    Child<QLineEdit>(dialog, QStringLiteral("material4PoissonEdit"))
        ->setText(QStringLiteral("0.5"));
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QCOMPARE(messages, QStringList{QStringLiteral(
                           "The Poisson's ratio of solid material 4 must lie between -1 and 0.5")});
    QVERIFY(dialog.isVisible());
    QVERIFY(!settings.SolidMaterials.contains(2));
    QCOMPARE(settings.SolidMaterials[4].Poisson, 0.2);

    Child<QLineEdit>(dialog, QStringLiteral("material4PoissonEdit"))
        ->setText(QStringLiteral("0.2x"));
    ButtonCaptioned(dialog, QStringLiteral("OK"))->click();
    QCOMPARE(messages.last(), QStringLiteral("'0.2x' is not a valid floating point value"));
    QVERIFY(dialog.isVisible());
}

void ScriptDialogsTest::accessibility()
{
    Model model = SolidModel();
    Settings settings;
    TclFileDialog script(model, settings);
    AnalysisSettingDialog analysis(model, settings);
    RecorderSettingDialog recorders(settings);
    SolidMaterialDialog solids(model, settings);
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&script, &analysis, &recorders, &solids}) {
        dialog->show();
        CheckAccessibleNames(*dialog);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(Child<QLineEdit>(solids, QStringLiteral("material4PoissonEdit"))->accessibleName(),
             QStringLiteral("Poisson's ratio of material 4"));
}

QTEST_MAIN(ScriptDialogsTest)
#include "script_dialogs_test.moc"
