#include "app/main_window.h"
#include "convert/gui/v14_convert_dialog.h"
#include "support/widget_lookup.h"
#include "support/window_fixture.h"
#include "util/text_lines.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace vek;

namespace {

using testing::Child;

const char V14Text[] =
    "File x.s2k\n"
    "\n"
    "TABLE:  \"JOINT COORDINATES\"\n"
    "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0\n"
    "   Joint=2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=1000\n"
    "\n"
    "TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"\n"
    "   Joint=1   U1=Yes   U2=Yes   U3=Yes   R1=No   R2=No   R3=No\n"
    "\n"
    "TABLE:  \"JOINT LOADS - FORCE\"\n"
    "   Joint=2   LoadPat=PUSH   CoordSys=GLOBAL   F1=5   F2=0   F3=0   M1=0   M2=0   M3=0\n"
    "\n"
    "TABLE:  \"CONNECTIVITY - SOLID\"\n"
    "\n";

const char Converted[] = "SYSTEM\r\n"
                         "  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N\r\n"
                         "\r\n"
                         "JOINT\r\n"
                         "  1  X=0.000E+000  Y=0.000E+000  Z=0.000E+000\r\n"
                         "  2  X=0.000E+000  Y=0.000E+000  Z=1.000E+003\r\n"
                         "\r\n"
                         "RESTRAINT\r\n"
                         "  ADD=1  DOF=U1,U2,U3\r\n"
                         "\r\n"
                         "LOAD\r\n"
                         "  NAME=PUSH\r\n"
                         "    TYPE=FORCE\r\n"
                         "      ADD=2  UX=5.0000E+000\r\n"
                         "\r\n"
                         "SOLID\r\n"
                         "\r\n"
                         "\r\n"
                         "END\r\n";

const QString Log =
    QStringLiteral("VEK import Sap2000 V14 S2k file\nNJOINT = 2\nNSOLID = 0\nFinish!!");

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(cannot read)";
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A dialog whose file choosers answer from `openPath` and `savePath` (empty: cancelled) and
// whose messages are recorded.
struct Dialog
{
    Dialog()
    {
        form.SetOpenFileChooser([this](QWidget*) {
            ++openAsked;
            return openPath;
        });
        form.SetSaveFileChooser([this](QWidget*) {
            ++saveAsked;
            return savePath;
        });
        form.SetMessageReporter([this](const QString& message) { messages << message; });
        form.show();
    }

    void Open(const QString& path)
    {
        openPath = path;
        QTest::mouseClick(Child<QPushButton>(form, "openButton"), Qt::LeftButton);
    }
    void Save(const QString& path)
    {
        savePath = path;
        QTest::mouseClick(Child<QPushButton>(form, "saveButton"), Qt::LeftButton);
    }
    QString LogText() { return Child<QPlainTextEdit>(form, "logText")->toPlainText(); }

    V14ConvertDialog form;
    QString openPath, savePath;
    int openAsked = 0, saveAsked = 0;
    QStringList messages;
};

} // namespace

class ConvertDialogTest : public QObject
{
    Q_OBJECT

private slots:
    // The window keeps its place in the settings: the test's own, not the user's.
    void initTestCase() { testing::UseTestSettings(); }
    void init();
    void showsItsTextsAndControls();
    void openConvertsAndSaveWritesCrLf();
    void cancelledChoosersChangeNothing();
    void saveBeforeAnyConversionWritesAnEmptyFile();
    void fileThatCannotBeOpenedLeavesNoOutput();
    void failedConversionKeepsTheLogAndTheLinesSoFar();
    void mainWindowShowsTheOneDialog();

private:
    QTemporaryDir dir_;
    QString v14Path_;
};

void ConvertDialogTest::init()
{
    QVERIFY(dir_.isValid());
    v14Path_ = dir_.filePath(QStringLiteral("model_v14.s2k"));
    WriteFile(v14Path_, V14Text);
}

void ConvertDialogTest::showsItsTextsAndControls()
{
    V14ConvertDialog form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Transfer Sap2000 V14 s2k file to Sap2000 V16"));
    QVERIFY(!form.isModal());
    auto* group = Child<QGroupBox>(form, "useForGroup");
    QCOMPARE(group->title(), QStringLiteral("Use For"));
    QStringList texts;
    for (QLabel* label : group->findChildren<QLabel*>()) {
        texts << label->text();
        QCOMPARE(label->accessibleName(), label->text());
    }
    QCOMPARE(texts, QStringList({"Transfer 3D Solid model buildt in Sap2000 V14",
                                 "to Be Sap2000 V6 S2K Format Which can Import to VEK"}));
    auto* log = Child<QPlainTextEdit>(form, "logText");
    QCOMPARE(log->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(log->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(!log->accessibleName().isEmpty());
    QVERIFY(log->toPlainText().isEmpty());
    for (const char* name : {"openButton", "saveButton"}) {
        auto* button = Child<QPushButton>(form, name);
        QCOMPARE(button->accessibleName(), button->text());
    }
    QCOMPARE(Child<QPushButton>(form, "openButton")->text(), QStringLiteral("Open S2k"));
    QCOMPARE(Child<QPushButton>(form, "saveButton")->text(), QStringLiteral("Save S2k"));
    QCOMPARE(group->accessibleName(), QStringLiteral("Use For"));
}

void ConvertDialogTest::openConvertsAndSaveWritesCrLf()
{
    Dialog d;
    d.Open(v14Path_);
    QCOMPARE(d.openAsked, 1);
    QVERIFY2(d.messages.isEmpty(), qPrintable(d.messages.join(QLatin1Char('\n'))));
    QCOMPARE(d.LogText(), Log);

    // Saved as often as asked, always the latest conversion.
    const QString out = dir_.filePath(QStringLiteral("model.s2k"));
    d.Save(out);
    QCOMPARE(ReadFile(out), QByteArray(Converted));
    QFile::remove(out);
    d.Save(out);
    QCOMPARE(ReadFile(out), QByteArray(Converted));
    QCOMPARE(d.saveAsked, 2);

    // Opening again replaces the output rather than adding to it.
    d.Open(v14Path_);
    d.Save(out);
    QCOMPARE(ReadFile(out), QByteArray(Converted));
    QCOMPARE(d.LogText(), Log);
}

void ConvertDialogTest::cancelledChoosersChangeNothing()
{
    Dialog d;
    d.Open(v14Path_);
    const QString out = dir_.filePath(QStringLiteral("untouched.s2k"));
    WriteFile(out, "old");
    d.Open(QString());
    d.Save(QString());
    QCOMPARE(d.openAsked, 2);
    QCOMPARE(d.saveAsked, 1);
    QCOMPARE(d.LogText(), Log);
    QCOMPARE(ReadFile(out), QByteArray("old"));
    d.Save(out);
    QCOMPARE(ReadFile(out), QByteArray(Converted));
    QVERIFY(d.messages.isEmpty());
}

void ConvertDialogTest::saveBeforeAnyConversionWritesAnEmptyFile()
{
    Dialog d;
    const QString out = dir_.filePath(QStringLiteral("empty.s2k"));
    WriteFile(out, "old");
    d.Save(out);
    QCOMPARE(ReadFile(out), QByteArray());
    QVERIFY(d.messages.isEmpty());
}

void ConvertDialogTest::fileThatCannotBeOpenedLeavesNoOutput()
{
    Dialog d;
    d.Open(v14Path_);
    const QString missing = dir_.filePath(QStringLiteral("missing.s2k"));
    d.Open(missing);
    QCOMPARE(
        d.messages,
        QStringList(
            QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing)));
    QCOMPARE(d.LogText(), Log);
    const QString out = dir_.filePath(QStringLiteral("after_missing.s2k"));
    d.Save(out);
    QCOMPARE(ReadFile(out), QByteArray());

    // Saving where no file can be made is reported too.
    d.messages.clear();
    d.Save(dir_.filePath(QStringLiteral("no/such/folder/x.s2k")));
    QCOMPARE(d.messages.size(), 1);
    QVERIFY(d.messages[0].startsWith(QStringLiteral("Cannot open file \"")));
}

void ConvertDialogTest::failedConversionKeepsTheLogAndTheLinesSoFar()
{
    Dialog d;
    d.Open(v14Path_);
    const QString bad = dir_.filePath(QStringLiteral("bad_v14.s2k"));
    QByteArray text(V14Text);
    text.replace("Z=1000", "Z=1O00");
    WriteFile(bad, text);
    d.Open(bad);
    QCOMPARE(d.messages, QStringList(QStringLiteral("'1O00' is not a valid floating point value")));
    QCOMPARE(d.LogText(), Log);
    const QString out = dir_.filePath(QStringLiteral("partial.s2k"));
    d.Save(out);
    QCOMPARE(ReadFile(out), QByteArray("SYSTEM\r\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N\r\n"
                                       "\r\nJOINT\r\n"
                                       "  1  X=0.000E+000  Y=0.000E+000  Z=0.000E+000\r\n"));
}

void ConvertDialogTest::mainWindowShowsTheOneDialog()
{
    MainWindow window;
    window.show();
    QAction* entry = nullptr;
    for (QAction* menu : window.menuBar()->actions())
        if (menu->text() == QStringLiteral("File"))
            for (QAction* action : menu->menu()->actions())
                if (action->text() == QStringLiteral("Sap2000V14 to Sap2000 v6 (s2k)"))
                    entry = action;
    QVERIFY(entry);
    QVERIFY(entry->isEnabled());
    entry->trigger();
    entry->trigger();
    const QList<V14ConvertDialog*> dialogs = window.findChildren<V14ConvertDialog*>();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(dialogs[0]->isVisible());
    QVERIFY(!dialogs[0]->isModal());
    dialogs[0]->hide();
    entry->trigger();
    QCOMPARE(window.findChildren<V14ConvertDialog*>().size(), 1);
    QVERIFY(dialogs[0]->isVisible());
}

QTEST_MAIN(ConvertDialogTest)
#include "v14_convert_dialog_test.moc"
