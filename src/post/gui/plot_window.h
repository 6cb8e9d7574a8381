#pragma once

#include "gui/error_boundary.h"
#include "gui/file_choice.h"
#include "model/model.h"
#include "post/capacity_curve.h"
#include "post/joint_history.h"
#include "post/modal_table.h"
#include "tcl/settings.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTabWidget;
class QWidget;

namespace vek {

struct PlotSeries;

// Asks for the file to save to, with the dialog's caption and a name filter; an empty text
// when the user cancelled.
using SaveFileChooser = std::function<QString(const QString& caption, const QString& filter)>;

// "Plots": the results of one run folder as charts and a table, on three tabs: the capacity
// curve of a pushover, the history of a joint's displacement (the joint and the direction
// chosen, then "Draw") and the modal table. Each tab has "Copy" (its CSV text to the
// clipboard), "Save CSV" and "Save PNG". The files are read with the model and settings of
// the script record in the folder, when there is one (ReadAsRecorded). Modeless.
class PlotWindow : public QDialog
{
    Q_OBJECT

public:
    PlotWindow(const Model& model, const Settings& settings, QWidget* parent = nullptr);

    void SetMessageReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
    void SetFileChooser(OpenFileChooser chooser) { chooser_ = std::move(chooser); }
    void SetSaveChooser(SaveFileChooser chooser) { saveChooser_ = std::move(chooser); }

    // Reads the capacity curve and the modal table of the run in `folder`; a tab whose file
    // the run does not have, or cannot be read, says why instead.
    void SetFolder(const std::string& folder);
    const std::string& Folder() const { return folder_; }

    // The CSV text of a tab, as "Copy" and "Save CSV" give it.
    std::string CapacityText() const;
    std::string HistoryText() const;
    std::string ModalText() const;

private:
    void OpenRun();
    void DrawHistory();
    void Run(const std::function<void()>& command);
    void ShowSeries(QChartView* view, const PlotSeries& series);
    void ClearChart(QChartView* view, const QString& title);
    // Copy, Save CSV and Save PNG of a tab: its text, and the widget its picture is taken of.
    QWidget* ExportRow(QWidget* parent, const QString& name, std::function<std::string()> text,
                       QWidget* picture);
    void SaveText(const std::string& text);
    void SavePicture(QWidget* picture);

    const Model& model_;
    const Settings& settings_;
    ErrorReporter reporter_;
    OpenFileChooser chooser_;
    SaveFileChooser saveChooser_;
    std::string folder_;

    CapacityCurve curve_;
    JointHistory history_;
    std::vector<ModeProperties> modes_;

    QLabel* folderLabel_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QChartView* curveView_ = nullptr;
    QLabel* curveStatus_ = nullptr;
    QChartView* historyView_ = nullptr;
    QLineEdit* jointEdit_ = nullptr;
    QComboBox* dofCombo_ = nullptr;
    QTableWidget* modalTable_ = nullptr;
    QLabel* modalStatus_ = nullptr;
};

} // namespace vek
