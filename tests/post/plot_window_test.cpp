#include "post/gui/plot_window.h"
#include "post/plot_data.h"
#include "recorder_test_files.h"
#include "support/recorded_runs.h"
#include "support/widget_lookup.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>

using namespace vek;
using vek::testing::Child;
using vek::testing::HasRecordedRun;
using vek::testing::RecordedRunFolder;
using vek::testing::RecordedRunInput;
using vek::testing::TempFolder;

namespace {

void Click(QWidget& window, const char* name)
{
    QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

QLineSeries* SeriesOf(QWidget& window, const char* chart)
{
    const QList<QAbstractSeries*> series = Child<QChartView>(window, chart)->chart()->series();
    return series.size() == 1 ? qobject_cast<QLineSeries*>(series[0]) : nullptr;
}

QString AxisTitle(QWidget& window, const char* chart, Qt::Alignment side)
{
    const QList<QAbstractAxis*> axes = Child<QChartView>(window, chart)->chart()->axes();
    for (QAbstractAxis* axis : axes)
        if (axis->alignment() == side)
            return axis->titleText();
    return QString();
}

// A run's window, the files it saves going to a scratch folder.
struct PlotFixture
{
    explicit PlotFixture(const char* run) : input(RecordedRunInput(run)), saved("plot_window")
    {
        window.SetMessageReporter([this](const QString& message) { messages << message; });
        window.SetSaveChooser([this](const QString&, const QString& filter) {
            return QString::fromStdString(
                saved.File(filter.contains("png") ? "out.png" : "out.csv"));
        });
        window.SetFolder(RecordedRunFolder(run));
    }

    CliInput input;
    PlotWindow window{input.InputModel, input.InputSettings};
    TempFolder saved;
    QStringList messages;
};

} // namespace

class PlotWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (!HasRecordedRun("frame-pushover-stops") || !HasRecordedRun("building-modal"))
            QSKIP("no OpenSees runs");
    }
    void stoppedPushoverShowsTheStepsReached();
    void eachTabCopiesAndSaves();
    void historyOfTheChosenJoint();
    void modalTableOfTheModes();
};

void PlotWindowTest::stoppedPushoverShowsTheStepsReached()
{
    PlotFixture f("frame-pushover-stops");
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Plots"));
    QLineSeries* series = SeriesOf(f.window, "capacityChart");
    QVERIFY(series);
    QCOMPARE(series->count(), 135);
    QCOMPARE(Child<QChartView>(f.window, "capacityChart")->chart()->title(),
             QStringLiteral("Capacity curve: stopped at step 135 of 200"));
    QCOMPARE(AxisTitle(f.window, "capacityChart", Qt::AlignBottom),
             QStringLiteral("Displacement U1 of joint 24 (mm)"));
    QCOMPARE(AxisTitle(f.window, "capacityChart", Qt::AlignLeft), QStringLiteral("Base shear (N)"));
    // Not a modal run: the table says so.
    QCOMPARE(Child<QTableWidget>(f.window, "modalTable")->rowCount(), 0);
    QVERIFY(Child<QLabel>(f.window, "modalStatus")->text().contains("not a modal analysis"));
}

void PlotWindowTest::eachTabCopiesAndSaves()
{
    PlotFixture f("frame-pushover-stops");
    Click(f.window, "capacityCopyButton");
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied.section('\n', 0, 0), QStringLiteral("step,displacement,lambda,baseShear"));
    QCOMPARE(copied.count('\n'), 136);
    QCOMPARE(copied.toStdString(), f.window.CapacityText());

    Click(f.window, "capacitySaveCsvButton");
    QCOMPARE(ReadWholeFile(f.saved.File("out.csv")), f.window.CapacityText());
    Click(f.window, "capacitySavePngButton");
    QVERIFY(!QImage(QString::fromStdString(f.saved.File("out.png"))).isNull());
    QVERIFY(f.messages.isEmpty());
}

void PlotWindowTest::historyOfTheChosenJoint()
{
    PlotFixture f("frame-pushover-stops");
    Child<QLineEdit>(f.window, "jointEdit")->setText("24");
    Child<QComboBox>(f.window, "dofCombo")->setCurrentIndex(0);
    Click(f.window, "drawHistoryButton");
    QVERIFY(f.messages.isEmpty());
    // Every line of the file, gravity stage included; static: against the load factor.
    QLineSeries* series = SeriesOf(f.window, "historyChart");
    QVERIFY(series);
    QCOMPARE(series->count(), 235);
    QCOMPARE(AxisTitle(f.window, "historyChart", Qt::AlignBottom), QStringLiteral("Load factor"));
    QCOMPARE(AxisTitle(f.window, "historyChart", Qt::AlignLeft),
             QStringLiteral("Displacement U1 (mm)"));
    QCOMPARE(QString::fromStdString(f.window.HistoryText()).section('\n', 0, 0),
             QStringLiteral("time,value"));

    Child<QLineEdit>(f.window, "jointEdit")->setText("999");
    Click(f.window, "drawHistoryButton");
    QCOMPARE(f.messages, QStringList{"Joint 999 is not in the model (joints 1 to 24)"});
}

void PlotWindowTest::modalTableOfTheModes()
{
    PlotFixture f("building-modal");
    auto* table = Child<QTableWidget>(f.window, "modalTable");
    // A folder without the file says so; "Open Run" on a file of the run reads it.
    f.window.SetFolder(f.saved.Path());
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(Child<QLabel>(f.window, "modalStatus")->text().startsWith("Cannot open file"));
    f.window.SetFileChooser(
        [] { return QString::fromStdString(RecordedRunFolder("building-modal") + "Periods.txt"); });
    Click(f.window, "openRunButton");
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Period (s)"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("0.325392"));
    QCOMPARE(table->item(0, 4)->text(), QStringLiteral("0.924977"));
    QVERIFY(Child<QLabel>(f.window, "capacityStatus")->text().contains("not a pushover"));
    Click(f.window, "modalCopyButton");
    QCOMPARE(QApplication::clipboard()->text().section('\n', 1, 1).section(',', 0, 3),
             QStringLiteral("1,0.325392,3.07322,0"));
    // Every control is named for a screen reader.
    for (QWidget* widget : f.window.findChildren<QWidget*>())
        if (qobject_cast<QPushButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget))
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
}

QTEST_MAIN(PlotWindowTest)
#include "plot_window_test.moc"
