#include "tcl/gui/solid_material_dialog.h"

#include "gui/form_rows.h"
#include "tcl/solid_material_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

namespace vek {

SolidMaterialDialog::SolidMaterialDialog(const Model& model, Settings& settings, QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings)
{
    setObjectName(QStringLiteral("solidMaterialDialog"));
    setWindowTitle(QStringLiteral("Solid Material"));
    setAccessibleName(windowTitle());
    setModal(false);

    noSolids_ =
        MakeLabel(this, QStringLiteral("No solids in the model"), QStringLiteral("noSolidsLabel"));

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("materialScrollArea"));
    scroll_->setAccessibleName(windowTitle());
    scroll_->setWidgetResizable(true);
    grid_ = new QWidget;
    grid_->setObjectName(QStringLiteral("materialGrid"));
    grid_->setAccessibleName(windowTitle());
    gridLayout_ = new QGridLayout(grid_);
    gridLayout_->setAlignment(Qt::AlignTop);
    scroll_->setWidget(grid_);

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("okButton"));
    ok_->setDefault(true);
    cancel_ = MakeButton(this, QStringLiteral("Cancel"), QStringLiteral("cancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noSolids_);
    layout->addWidget(scroll_, 1);
    layout->addLayout(ButtonRow({ok_, cancel_}));

    connect(ok_, &QPushButton::clicked, this, &SolidMaterialDialog::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void SolidMaterialDialog::SetMessageReporter(ErrorReporter reporter)
{
    reporter_ = std::move(reporter);
}

void SolidMaterialDialog::showEvent(QShowEvent* event)
{
    // A window restored by the window system keeps what the user has typed.
    if (!event->spontaneous())
        Refill();
    QDialog::showEvent(event);
}

void SolidMaterialDialog::ClearRows()
{
    rows_.clear();
    while (QLayoutItem* item = gridLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void SolidMaterialDialog::Refill()
{
    ClearRows();
    const std::vector<SolidMaterialRow> rows = SolidMaterialRows(model_, settings_);
    noSolids_->setVisible(rows.empty());
    scroll_->setVisible(!rows.empty());
    if (rows.empty())
        return;

    gridLayout_->addWidget(MakeLabel(grid_, QStringLiteral("Material")), 0, 0);
    gridLayout_->addWidget(MakeLabel(grid_, QStringLiteral("E")), 0, 1);
    gridLayout_->addWidget(MakeLabel(grid_, QStringLiteral("Poisson's ratio")), 0, 2);
    int line = 1;
    for (const SolidMaterialRow& row : rows) {
        const QString tag = QString::number(row.Tag);
        QLabel* caption = MakeLabel(grid_, QStringLiteral("Material %1").arg(tag),
                                    QStringLiteral("material%1Label").arg(tag));
        QLineEdit* e =
            MakeEdit(grid_, QStringLiteral("E of material %1").arg(tag),
                     QStringLiteral("material%1EEdit").arg(tag), QString::fromStdString(row.E));
        QLineEdit* poisson = MakeEdit(
            grid_, QStringLiteral("Poisson's ratio of material %1").arg(tag),
            QStringLiteral("material%1PoissonEdit").arg(tag), QString::fromStdString(row.Poisson));
        gridLayout_->addWidget(caption, line, 0);
        gridLayout_->addWidget(e, line, 1);
        gridLayout_->addWidget(poisson, line, 2);
        rows_.push_back({row.Tag, e, poisson});
        ++line;
    }
}

void SolidMaterialDialog::okClicked()
{
    std::vector<SolidMaterialRow> rows;
    for (const RowEdits& edits : rows_)
        rows.push_back(
            {edits.Tag, edits.E->text().toStdString(), edits.Poisson->text().toStdString()});
    if (RunGuarded(this, reporter_, [&] { StoreSolidMaterialRows(rows, settings_); }))
        accept();
}

} // namespace vek
