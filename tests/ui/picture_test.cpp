// The `vek --picture` command, run as the user runs it.

#include "app/main_window.h"
#include "gui/model_view.h"
#include "support/window_fixture.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Portal = QStringLiteral(VEK_EXAMPLES_DIR "/portal.s2k");

struct Run
{
    int ExitCode = -1;
    QString Errors;
};

Run Vek(const QStringList& args,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess vek;
    vek.setProcessEnvironment(environment);
    vek.start(QStringLiteral(VEK_EXECUTABLE), args);
    if (!vek.waitForFinished(60000))
        qFatal("vek did not finish");
    Run run;
    run.ExitCode = vek.exitStatus() == QProcess::NormalExit ? vek.exitCode() : -1;
    run.Errors = QString::fromLocal8Bit(vek.readAllStandardError());
    return run;
}

} // namespace

class PictureTest : public QObject
{
    Q_OBJECT

private slots:
    // The window keeps its place in the settings: the test's own, not the user's.
    void initTestCase() { vek::testing::UseTestSettings(); }
    void writesThePictureOfTheDefaultSize();
    void showsWhatTheWindowShows();
    void needsNoDisplay();
    void reportsFilesThatFail();
    void rejectsBadArguments_data();
    void rejectsBadArguments();
};

void PictureTest::writesThePictureOfTheDefaultSize()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("portal.png"));
    const Run run = Vek({"--picture", out, Portal});
    QCOMPARE(run.ExitCode, 0);
    QImage picture;
    QVERIFY(picture.load(out, "PNG"));
    QCOMPARE(picture.size(), QSize(1069, 639));

    const QString small = dir.filePath(QStringLiteral("small.png"));
    QCOMPARE(Vek({"--picture", small, "--size", "320x200", "--view", "XZ", Portal}).ExitCode, 0);
    QVERIFY(picture.load(small, "PNG"));
    QCOMPARE(picture.size(), QSize(320, 200));
}

// The picture of a size is the window's model view of that size after the import.
void PictureTest::showsWhatTheWindowShows()
{
    vek::MainWindow form;
    form.SetErrorReporter([](const QString& message) { QFAIL(qPrintable(message)); });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ImportS2kFile(Portal);
    const QImage window = form.modelView()->Picture();

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("window.png"));
    const QString size = QStringLiteral("%1x%2").arg(window.width()).arg(window.height());
    QCOMPARE(Vek({"--picture", out, "--size", size, Portal}).ExitCode, 0);
    QImage picture;
    QVERIFY(picture.load(out, "PNG"));
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
             window.convertToFormat(QImage::Format_RGB32));

    // The XZ view, as the XZ View command shows it.
    form.findChild<QAction*>(QStringLiteral("xzViewAction"))->trigger();
    QCOMPARE(Vek({"--picture", out, "--size", size, "--view", "XZ", Portal}).ExitCode, 0);
    QVERIFY(picture.load(out, "PNG"));
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
             form.modelView()->Picture().convertToFormat(QImage::Format_RGB32));
}

void PictureTest::needsNoDisplay()
{
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        bare.remove(QString::fromLatin1(name));
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("bare.png"));
    const Run run = Vek({"--picture", out, "--angles", "30,-60", Portal}, bare);
    QCOMPARE(run.ExitCode, 0);
    QVERIFY(QFile::exists(out));
}

void PictureTest::reportsFilesThatFail()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("none.png"));
    Run run = Vek({"--picture", out, dir.filePath(QStringLiteral("missing.s2k"))});
    QCOMPARE(run.ExitCode, 1);
    QVERIFY2(run.Errors.contains(QStringLiteral("Cannot open file")), qPrintable(run.Errors));
    QVERIFY(!QFile::exists(out));

    QFile portal(Portal);
    QVERIFY(portal.open(QIODevice::ReadOnly));
    QByteArray text = portal.readAll();
    text.replace("X=6000", "X=6x00");
    const QString broken = dir.filePath(QStringLiteral("broken.s2k"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    run = Vek({"--picture", out, broken});
    QCOMPARE(run.ExitCode, 1);
    QVERIFY2(run.Errors.contains(QStringLiteral("'6x00' is not a valid floating point value\n"
                                                "at line 7 of ")),
             qPrintable(run.Errors));
    QVERIFY(!QFile::exists(out));

    // A picture that cannot be written.
    run = Vek({"--picture", dir.filePath(QStringLiteral("no/such/folder/p.png")), Portal});
    QCOMPARE(run.ExitCode, 1);
    QVERIFY2(run.Errors.contains(QStringLiteral("Cannot write file")), qPrintable(run.Errors));
}

void PictureTest::rejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no file") << QStringList{"--picture", "out.png"};
    QTest::newRow("no output") << QStringList{Portal, "--picture"};
    QTest::newRow("two files") << QStringList{"--picture", "out.png", Portal, Portal};
    QTest::newRow("size without height")
        << QStringList{"--picture", "out.png", "--size", "300", Portal};
    QTest::newRow("size zero") << QStringList{"--picture", "out.png", "--size", "0x200", Portal};
    QTest::newRow("size huge") << QStringList{"--picture", "out.png", "--size", "100000x10",
                                              Portal};
    QTest::newRow("unknown view") << QStringList{"--picture", "out.png", "--view", "XX", Portal};
    QTest::newRow("bad angles") << QStringList{"--picture", "out.png", "--angles", "30", Portal};
    QTest::newRow("view and angles")
        << QStringList{"--picture", "out.png", "--view", "XY", "--angles", "1,2", Portal};
    QTest::newRow("unknown option")
        << QStringList{"--picture", "out.png", "--colour", "red", Portal};
    QTest::newRow("window with two files") << QStringList{Portal, Portal};
    QTest::newRow("window with an option") << QStringList{"--size", "20x20"};
}

void PictureTest::rejectsBadArguments()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    QProcess vek;
    vek.setWorkingDirectory(dir.path());
    vek.start(QStringLiteral(VEK_EXECUTABLE), args);
    QVERIFY(vek.waitForFinished(60000));
    QCOMPARE(vek.exitStatus(), QProcess::NormalExit);
    QCOMPARE(vek.exitCode(), 2);
    const QString errors = QString::fromLocal8Bit(vek.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("Usage: vek")), qPrintable(errors));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.png"))));
}

QTEST_MAIN(PictureTest)
#include "picture_test.moc"
