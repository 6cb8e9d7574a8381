#include "post/gui/force_dialog.h"

#include "gui/form_rows.h"
#include "util/error.h"
#include "util/format.h"
#include "view/force_diagram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

ForceDialog::ForceDialog(const Model& model, Results& results, const Settings& settings,
                         EndForcesSource source, QWidget* parent)
    : QDialog(parent), model_(model), results_(results), settings_(settings),
      source_(std::move(source))
{
    setObjectName(QStringLiteral("forceDialog"));
    setWindowTitle(QStringLiteral("Force"));
    setAccessibleName(windowTitle());
    setModal(false);

    auto* form = new QFormLayout;
    quantityCombo_ =
        AddLabelledCombo(this, form, QStringLiteral("Quantity"), QStringLiteral("quantityCombo"),
                         QStringLiteral("quantityLabel"));
    for (const std::string_view name : FrameQuantityNames())
        quantityCombo_->addItem(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    stepEdit_ = AddLabelledEdit(this, form, QStringLiteral("Step"), QStringLiteral("stepEdit"),
                                QStringLiteral("stepLabel"), QStringLiteral("1"));
    loadCaseCombo_ =
        AddLabelledCombo(this, form, QStringLiteral("Load Case"), QStringLiteral("loadCaseCombo"),
                         QStringLiteral("loadCaseLabel"));
    autoScaleCheck_ = new QCheckBox(QStringLiteral("Auto Scale"), this);
    autoScaleCheck_->setObjectName(QStringLiteral("autoScaleCheck"));
    autoScaleCheck_->setAccessibleName(autoScaleCheck_->text());
    autoScaleCheck_->setChecked(true);
    form->addRow(autoScaleCheck_);
    scaleEdit_ = AddLabelledEdit(this, form, QStringLiteral("Scale"), QStringLiteral("scaleEdit"),
                                 QStringLiteral("scaleLabel"), QStringLiteral("1"));
    valuesCheck_ = new QCheckBox(QStringLiteral("Show End Values"), this);
    valuesCheck_->setObjectName(QStringLiteral("valuesCheck"));
    valuesCheck_->setAccessibleName(valuesCheck_->text());
    valuesCheck_->setChecked(true);
    form->addRow(valuesCheck_);

    const std::string_view words = ForceSignConvention();
    QLabel* convention =
        MakeLabel(this, QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size())),
                  QStringLiteral("signConventionLabel"));
    convention->setWordWrap(true);
    QLabel* loadNote = MakeLabel(
        this,
        QStringLiteral("Between the ends the load case's distributed loads act, as much of them "
                       "as the end forces of the step balance (the step's load factor)."),
        QStringLiteral("loadNoteLabel"));
    loadNote->setWordWrap(true);

    QPushButton* draw = MakeButton(this, QStringLiteral("Draw"), QStringLiteral("drawButton"));
    draw->setDefault(true);
    QPushButton* close = MakeButton(this, QStringLiteral("Close"), QStringLiteral("closeButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(convention);
    layout->addWidget(loadNote);
    layout->addLayout(ButtonRow({draw, close}));
    setMinimumWidth(420);

    FillLoadCases();
    connect(autoScaleCheck_, &QCheckBox::toggled, scaleEdit_,
            [this](bool on) { scaleEdit_->setReadOnly(on); });
    scaleEdit_->setReadOnly(true);
    connect(draw, &QPushButton::clicked, this, &ForceDialog::DrawClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void ForceDialog::showEvent(QShowEvent* event)
{
    FillLoadCases();
    QDialog::showEvent(event);
}

void ForceDialog::FillLoadCases()
{
    // The model may have been imported again since the list was filled.
    const int cases = std::min(model_.LoadCaseCount, MaxLoadCases);
    QStringList names{QStringLiteral("(none)")};
    for (int c = 1; c <= cases; ++c)
        names << QString::fromStdString(model_.LoadCaseNames[static_cast<std::size_t>(c - 1)]);
    QStringList shown;
    for (int i = 0; i < loadCaseCombo_->count(); ++i)
        shown << loadCaseCombo_->itemText(i);
    if (shown == names)
        return;
    loadCaseCombo_->clear();
    loadCaseCombo_->addItems(names);
    const std::int32_t own = settings_.LoadControlCase;
    loadCaseCombo_->setCurrentIndex(own >= 1 && own <= cases ? own : 0);
}

void ForceDialog::DrawClicked()
{
    RunGuarded(this, reporter_, [this] {
        const ForceRequest request = ReadForceRequest(
            quantityCombo_->currentIndex(), Text(stepEdit_), loadCaseCombo_->currentIndex(),
            autoScaleCheck_->isChecked(), Text(scaleEdit_), valuesCheck_->isChecked());
        if (!source_)
            throw VekError("No run's frame forces are there to draw.");
        const std::vector<FrameEndForces> ends = source_(request.Step);
        // Nothing read (the choice of a run was cancelled): the diagrams stay as they are.
        if (ends.empty())
            return;
        const double scale = ApplyForceRequest(model_, results_, request, ends);
        scaleEdit_->setText(QString::fromStdString(FormatGeneral(scale)));
        emit redrawRequested();
    });
}

} // namespace vek
