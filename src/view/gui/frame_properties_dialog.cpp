#include "view/gui/frame_properties_dialog.h"

#include "gui/form_rows.h"
#include "util/format.h"
#include "view/frame_properties.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vek {

namespace {

constexpr int GridRows = 11;
constexpr int GridRowHeight = 24;
constexpr int CaptionColumnWidth = 120;
constexpr int ValueColumnWidth = 110;

} // namespace

FramePropertiesDialog::FramePropertiesDialog(const Model& model, ViewSettings& settings,
                                             QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings)
{
    setWindowTitle(QStringLiteral("Frame Properties"));
    setModal(false);

    QLabel* label =
        MakeLabel(this, QStringLiteral("Frame Label"), QStringLiteral("frameLabelLabel"));
    frameLabel_ = MakeEdit(this, label->text(), QStringLiteral("frameLabelEdit"));
    frameLabel_->setReadOnly(true);
    label->setBuddy(frameLabel_);
    refresh_ = MakeButton(this, QStringLiteral("Refresh"), QStringLiteral("refreshButton"));
    refresh_->setAutoDefault(false);

    grid_ = new QTableWidget(GridRows, 2, this);
    grid_->setObjectName(QStringLiteral("propertyGrid"));
    grid_->setAccessibleName(windowTitle());
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    grid_->setColumnWidth(0, CaptionColumnWidth);
    grid_->setColumnWidth(1, ValueColumnWidth);
    for (int row = 0; row < GridRows; ++row) {
        grid_->setRowHeight(row, GridRowHeight);
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grid_->setItem(row, column, item);
        }
    }
    for (std::size_t row = 0; row < FramePropertyCount; ++row)
        grid_->item(static_cast<int>(row), 0)
            ->setText(QString::fromUtf8(FramePropertyCaptions[row]));
    const int frame = 2 * grid_->frameWidth();
    grid_->setMinimumSize(CaptionColumnWidth + ValueColumnWidth +
                              grid_->verticalScrollBar()->sizeHint().width() + frame,
                          GridRows * GridRowHeight + frame);

    ok_ = MakeButton(this, QStringLiteral("OK"), QStringLiteral("okButton"));
    ok_->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(frameLabel_);
    top->addWidget(refresh_);
    QHBoxLayout* bottom = ButtonRow({ok_});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_);
    layout->addLayout(bottom);

    connect(refresh_, &QPushButton::clicked, this, &FramePropertiesDialog::refresh);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void FramePropertiesDialog::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        frameLabel_->setText(QString::fromStdString(FormatInt(settings_.SelectedFrame)));
        refresh();
    }
    QDialog::showEvent(event);
}

void FramePropertiesDialog::refresh()
{
    const auto rows = FramePropertyRowsOfText(model_, frameLabel_->text().toStdString());
    if (!rows)
        return;
    for (std::size_t row = 0; row < FramePropertyCount; ++row)
        grid_->item(static_cast<int>(row), 1)->setText(QString::fromStdString((*rows)[row]));
}

void FramePropertiesDialog::done(int result)
{
    // A hidden dialog has nothing to close.
    const bool wasVisible = isVisible();
    QDialog::done(result);
    if (!wasVisible)
        return;
    settings_.SelectedFrame = 0;
    emit redrawRequested();
}

} // namespace vek
