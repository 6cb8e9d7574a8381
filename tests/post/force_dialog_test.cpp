#include "post/gui/force_dialog.h"
#include "support/widget_lookup.h"
#include "util/error.h"
#include "view/force_diagram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace vek;
using vek::testing::Child;
using vek::testing::Labelled;

namespace {

constexpr double L = 4000;
constexpr double W = 10;

// A simply supported beam of length L along X (local z = Z) under W downwards in case 2 "LIVE";
// its end forces at a step are those of `factor` times the load.
struct Fixture
{
    Fixture()
    {
        model.Joints.Reset(2);
        model.Joints.Edit(2).X = L;
        model.Frames.Reset(1);
        TFrameElem& frame = model.Frames.Edit(1);
        frame.NodeI = 1;
        frame.NodeJ = 2;
        frame.VecXZ3 = 1;
        model.LoadCaseCount = 2;
        model.LoadCaseNames[0] = "DEAD";
        model.LoadCaseNames[1] = "LIVE";
        model.Loads.Reset(1);
        TLoad& load = model.Loads.Edit(1);
        load.LoadType = LoadKind::Distributed;
        load.CaseName = "LIVE";
        load.Target = 1;
        load.Direction = 2;
        load.UX = -W;
        settings.LoadControlCase = 2;
    }
    EndForcesSource Source()
    {
        return [this](std::int64_t step) {
            steps.push_back(step);
            if (step > 10)
                throw VekError("ele0.out has 10 steps, not " + std::to_string(step));
            const double r = 0.1 * static_cast<double>(step) * W * L / 2;
            std::vector<FrameEndForces> ends(2);
            ends[1] = {true, {0, 0, r, 0, 0, 0, 0, 0, r, 0, 0, 0}};
            return ends;
        };
    }
    Model model;
    Results results;
    Settings settings;
    std::vector<std::int64_t> steps;
    QStringList errors;
};

} // namespace

class ForceDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void controls();
    void drawsTheQuantityAtTheStep();
    void reportsErrors();
};

void ForceDialogTest::controls()
{
    Fixture f;
    ForceDialog dialog(f.model, f.results, f.settings, f.Source());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Force"));
    QVERIFY(!dialog.isModal());
    auto* quantity = Labelled<QComboBox>(dialog, QStringLiteral("Quantity"));
    QCOMPARE(quantity->count(), 6);
    QCOMPARE(quantity->itemText(4), QStringLiteral("Moment My"));
    QCOMPARE(Labelled<QLineEdit>(dialog, QStringLiteral("Step"))->text(), QStringLiteral("1"));
    // The analysis's load case is chosen.
    QCOMPARE(Labelled<QComboBox>(dialog, QStringLiteral("Load Case"))->currentText(),
             QStringLiteral("LIVE"));
    QVERIFY(Child<QLabel>(dialog, QStringLiteral("signConventionLabel"))
                ->text()
                .contains(QStringLiteral("the tension side")));
    for (QWidget* w : dialog.findChildren<QWidget*>())
        if (qobject_cast<QPushButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w))
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
}

void ForceDialogTest::drawsTheQuantityAtTheStep()
{
    Fixture f;
    ForceDialog dialog(f.model, f.results, f.settings, f.Source());
    QSignalSpy redraws(&dialog, &ForceDialog::redrawRequested);
    Labelled<QComboBox>(dialog, QStringLiteral("Quantity"))->setCurrentIndex(4);
    Labelled<QLineEdit>(dialog, QStringLiteral("Step"))->setText(QStringLiteral("5"));
    QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("drawButton")), Qt::LeftButton);
    QVERIFY(f.steps == std::vector<std::int64_t>{5});
    QCOMPARE(redraws.count(), 1);
    const ForceDiagrams& shown = f.results.Forces;
    QVERIFY(shown.Quantity == FrameQuantity::My);
    QCOMPARE(shown.Step, std::int64_t(5));
    // Half the load at step 5: the peak at mid-span is 0.5 wL^2/8, drawn at a tenth of L.
    const double peak = 0.5 * W * L * L / 8;
    QCOMPARE(DiagramValue(shown.Frames.at(1), L / 2), -peak);
    QCOMPARE(shown.Scale, 0.1 * L / peak);
    QCOMPARE(Child<QLineEdit>(dialog, QStringLiteral("scaleEdit"))->text().toDouble(), shown.Scale);

    // A scale of its own, no values.
    Child<QCheckBox>(dialog, QStringLiteral("autoScaleCheck"))->setChecked(false);
    Child<QLineEdit>(dialog, QStringLiteral("scaleEdit"))->setText(QStringLiteral("0.25"));
    Child<QCheckBox>(dialog, QStringLiteral("valuesCheck"))->setChecked(false);
    QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("drawButton")), Qt::LeftButton);
    QCOMPARE(f.results.Forces.Scale, 0.25);
    QVERIFY(!f.results.Forces.ShowValues);
}

void ForceDialogTest::reportsErrors()
{
    Fixture f;
    ForceDialog dialog(f.model, f.results, f.settings);
    dialog.SetMessageReporter([&f](const QString& message) { f.errors << message; });
    QSignalSpy redraws(&dialog, &ForceDialog::redrawRequested);
    QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("drawButton")), Qt::LeftButton);
    QCOMPARE(f.errors.value(0), QStringLiteral("No run's frame forces are there to draw."));

    dialog.SetEndForcesSource(f.Source());
    Labelled<QLineEdit>(dialog, QStringLiteral("Step"))->setText(QStringLiteral("11"));
    QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("drawButton")), Qt::LeftButton);
    QCOMPARE(f.errors.value(1), QStringLiteral("ele0.out has 10 steps, not 11"));
    QCOMPARE(redraws.count(), 0);
    QVERIFY(f.results.Forces.Quantity == FrameQuantity::None);

    // A source that reads nothing (no run chosen) leaves the diagrams and asks for no redraw.
    f.results.Forces.Quantity = FrameQuantity::T;
    dialog.SetEndForcesSource([](std::int64_t) { return std::vector<FrameEndForces>(); });
    QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("drawButton")), Qt::LeftButton);
    QVERIFY(f.results.Forces.Quantity == FrameQuantity::T);
    QCOMPARE(redraws.count(), 0);
    QCOMPARE(f.errors.size(), 2);
}

QTEST_MAIN(ForceDialogTest)
#include "force_dialog_test.moc"
