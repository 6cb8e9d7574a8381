#include "post/gui/plot_window.h"

#include "gui/form_rows.h"
#include "post/gui/recorded_run.h"
#include "post/plot_data.h"
#include "util/error.h"
#include "util/number_parse.h"
#include "util/text_lines.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <utility>

namespace vek {

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QChartView* MakeChartView(QWidget* parent, const QString& name)
{
    auto* view = new QChartView(new QChart(), parent);
    view->setObjectName(name);
    view->setAccessibleName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(480, 320);
    view->chart()->legend()->hide();
    return view;
}

} // namespace

PlotWindow::PlotWindow(const Model& model, const Settings& settings, QWidget* parent)
    : QDialog(parent), model_(model), settings_(settings)
{
    setObjectName(QStringLiteral("plotWindow"));
    setWindowTitle(QStringLiteral("Plots"));
    setAccessibleName(windowTitle());
    setModal(false);

    folderLabel_ =
        MakeLabel(this, QStringLiteral("No run folder chosen"), QStringLiteral("folderLabel"));
    folderLabel_->setAccessibleName(QStringLiteral("Run folder"));
    QPushButton* open =
        MakeButton(this, QStringLiteral("Open Run"), QStringLiteral("openRunButton"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel_, 1);
    folderRow->addWidget(open);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("plotTabs"));
    tabs_->setAccessibleName(QStringLiteral("Plots"));

    // Capacity curve.
    auto* curvePage = new QWidget(tabs_);
    curvePage->setObjectName(QStringLiteral("capacityPage"));
    curveStatus_ = MakeLabel(curvePage, QString(), QStringLiteral("capacityStatus"));
    curveStatus_->setAccessibleName(QStringLiteral("Capacity curve status"));
    curveStatus_->setWordWrap(true);
    curveView_ = MakeChartView(curvePage, QStringLiteral("capacityChart"));
    auto* curveLayout = new QVBoxLayout(curvePage);
    curveLayout->addWidget(curveStatus_);
    curveLayout->addWidget(curveView_, 1);
    curveLayout->addWidget(ExportRow(
        curvePage, QStringLiteral("capacity"), [this] { return CapacityText(); }, curveView_));
    tabs_->addTab(curvePage, QStringLiteral("Capacity curve"));

    // Joint history.
    auto* historyPage = new QWidget(tabs_);
    historyPage->setObjectName(QStringLiteral("historyPage"));
    auto* choice = new QGridLayout;
    jointEdit_ =
        AddGridEdit(historyPage, choice, 0, QStringLiteral("Joint"), QStringLiteral("jointEdit"));
    jointEdit_->setText(QStringLiteral("1"));
    dofCombo_ = AddGridCombo(historyPage, choice, 1, QStringLiteral("Direction"),
                             QStringLiteral("dofCombo"));
    dofCombo_->addItems({QStringLiteral("U1"), QStringLiteral("U2"), QStringLiteral("U3")});
    QPushButton* draw =
        MakeButton(historyPage, QStringLiteral("Draw"), QStringLiteral("drawHistoryButton"));
    choice->addWidget(draw, 1, 2);
    historyView_ = MakeChartView(historyPage, QStringLiteral("historyChart"));
    auto* historyLayout = new QVBoxLayout(historyPage);
    historyLayout->addLayout(choice);
    historyLayout->addWidget(historyView_, 1);
    historyLayout->addWidget(ExportRow(
        historyPage, QStringLiteral("history"), [this] { return HistoryText(); }, historyView_));
    tabs_->addTab(historyPage, QStringLiteral("History"));

    // Modal table.
    auto* modalPage = new QWidget(tabs_);
    modalPage->setObjectName(QStringLiteral("modalPage"));
    modalStatus_ = MakeLabel(modalPage, QString(), QStringLiteral("modalStatus"));
    modalStatus_->setAccessibleName(QStringLiteral("Modal table status"));
    modalStatus_->setWordWrap(true);
    modalTable_ = new QTableWidget(modalPage);
    modalTable_->setObjectName(QStringLiteral("modalTable"));
    modalTable_->setAccessibleName(QStringLiteral("Modal table"));
    modalTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    modalTable_->verticalHeader()->hide();
    const std::vector<std::string> columns = ModalTableColumns();
    modalTable_->setColumnCount(static_cast<int>(columns.size()));
    QStringList headers;
    for (const std::string& column : columns)
        headers << Q(column);
    modalTable_->setHorizontalHeaderLabels(headers);
    auto* modalLayout = new QVBoxLayout(modalPage);
    modalLayout->addWidget(modalStatus_);
    modalLayout->addWidget(modalTable_, 1);
    modalLayout->addWidget(ExportRow(
        modalPage, QStringLiteral("modal"), [this] { return ModalText(); }, modalTable_));
    tabs_->addTab(modalPage, QStringLiteral("Modal table"));

    QPushButton* close = MakeButton(this, QStringLiteral("Close"), QStringLiteral("closeButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addWidget(tabs_, 1);
    layout->addLayout(ButtonRow({close}));

    chooser_ = [this] { return ChooseOpenFile(this, QStringLiteral("A file of the run")); };
    saveChooser_ = [this](const QString& caption, const QString& filter) {
        return QFileDialog::getSaveFileName(this, caption, QString(), filter);
    };
    connect(open, &QPushButton::clicked, this, &PlotWindow::OpenRun);
    connect(draw, &QPushButton::clicked, this, &PlotWindow::DrawHistory);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    ClearChart(curveView_, QStringLiteral("Capacity curve"));
    ClearChart(historyView_, QStringLiteral("History"));
}

QWidget* PlotWindow::ExportRow(QWidget* parent, const QString& name,
                               std::function<std::string()> text, QWidget* picture)
{
    auto* row = new QWidget(parent);
    QPushButton* copy =
        MakeButton(row, QStringLiteral("Copy"), name + QStringLiteral("CopyButton"));
    QPushButton* csv =
        MakeButton(row, QStringLiteral("Save CSV"), name + QStringLiteral("SaveCsvButton"));
    QPushButton* png =
        MakeButton(row, QStringLiteral("Save PNG"), name + QStringLiteral("SavePngButton"));
    row->setLayout(ButtonRow({copy, csv, png}));
    row->layout()->setContentsMargins(0, 0, 0, 0);
    connect(copy, &QPushButton::clicked, this,
            [text] { QApplication::clipboard()->setText(Q(text())); });
    connect(csv, &QPushButton::clicked, this, [this, text] { Run([&] { SaveText(text()); }); });
    connect(png, &QPushButton::clicked, this,
            [this, picture] { Run([&] { SavePicture(picture); }); });
    return row;
}

void PlotWindow::Run(const std::function<void()>& command)
{
    RunGuarded(this, reporter_, command);
}

void PlotWindow::OpenRun()
{
    const QString file = chooser_ ? chooser_() : QString();
    if (!file.isEmpty())
        Run([&] { SetFolder(FolderOfFile(file)); });
}

void PlotWindow::SetFolder(const std::string& folder)
{
    folder_ = folder;
    folderLabel_->setText(Q(folder));
    curve_ = CapacityCurve();
    modes_.clear();
    history_ = JointHistory();
    ClearChart(historyView_, QStringLiteral("History"));
    curveStatus_->clear();
    modalStatus_->clear();
    try {
        ReadAsRecorded(
            folder, model_, settings_, [&](const Model& model, const Settings& settings) {
                if (settings.AnalysisType != SingleDisplacementControl &&
                    settings.AnalysisType != GravityPushover) {
                    curveStatus_->setText(
                        QStringLiteral("The run is not a pushover: no capacity curve."));
                    ClearChart(curveView_, QStringLiteral("Capacity curve"));
                } else {
                    try {
                        curve_ = ReadCapacityCurve(model, settings, folder);
                        ShowSeries(curveView_, CapacitySeries(model, settings, curve_));
                    } catch (const VekError& error) {
                        curveStatus_->setText(QString::fromUtf8(error.what()));
                        ClearChart(curveView_, QStringLiteral("Capacity curve"));
                    }
                }
                if (settings.AnalysisType != Modal) {
                    modalStatus_->setText(
                        QStringLiteral("The run is not a modal analysis: no modal table."));
                } else {
                    try {
                        modes_ = ReadModalTable(settings, folder);
                    } catch (const VekError& error) {
                        modalStatus_->setText(QString::fromUtf8(error.what()));
                    }
                }
            });
    } catch (const VekError& error) {
        curveStatus_->setText(QString::fromUtf8(error.what()));
        modalStatus_->setText(QString::fromUtf8(error.what()));
    }
    const std::vector<std::vector<std::string>> cells = ModalTableCells(modes_);
    modalTable_->setRowCount(static_cast<int>(cells.size()));
    for (std::size_t r = 0; r < cells.size(); ++r)
        for (std::size_t c = 0; c < cells[r].size(); ++c)
            modalTable_->setItem(static_cast<int>(r), static_cast<int>(c),
                                 new QTableWidgetItem(Q(cells[r][c])));
}

void PlotWindow::DrawHistory()
{
    Run([this] {
        if (folder_.empty())
            throw VekError("Open the folder of a run first");
        const std::int32_t joint = StrToInt(Text(jointEdit_));
        const std::int32_t dof = dofCombo_->currentIndex() + 1;
        ReadAsRecorded(folder_, model_, settings_, [&](const Model& model, const Settings& s) {
            history_ = ReadJointHistory(model, folder_, joint, dof);
            ShowSeries(historyView_, HistorySeries(model, s, history_, joint, dof));
        });
    });
}

void PlotWindow::ClearChart(QChartView* view, const QString& title)
{
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes())
        chart->removeAxis(axis);
    chart->setTitle(title);
}

void PlotWindow::ShowSeries(QChartView* view, const PlotSeries& series)
{
    ClearChart(view, Q(series.Title));
    QChart* chart = view->chart();
    auto* line = new QLineSeries(chart);
    line->setName(Q(series.Title));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(series.X.size()));
    for (std::size_t i = 0; i < series.X.size() && i < series.Y.size(); ++i)
        points.append(QPointF(series.X[i], series.Y[i]));
    line->replace(points);
    chart->addSeries(line);
    auto* x = new QValueAxis(chart);
    x->setTitleText(Q(series.XTitle));
    auto* y = new QValueAxis(chart);
    y->setTitleText(Q(series.YTitle));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    line->attachAxis(x);
    line->attachAxis(y);
}

std::string PlotWindow::CapacityText() const
{
    return CapacityCsv(curve_, true);
}

std::string PlotWindow::HistoryText() const
{
    return HistoryCsv(history_, true);
}

std::string PlotWindow::ModalText() const
{
    return ModalCsv(modes_, true, true);
}

void PlotWindow::SaveText(const std::string& text)
{
    const QString path =
        saveChooser_(QStringLiteral("Save CSV"), QStringLiteral("CSV file (*.csv)"));
    if (!path.isEmpty())
        WriteWholeFile(LocalPath(path), text);
}

void PlotWindow::SavePicture(QWidget* picture)
{
    const QString path =
        saveChooser_(QStringLiteral("Save PNG"), QStringLiteral("PNG file (*.png)"));
    if (path.isEmpty())
        return;
    if (!picture->grab().save(path, "PNG"))
        throw VekError("Cannot write the picture \"" + LocalPath(path) + "\"");
}

} // namespace vek
