#pragma once

#include "gui/error_boundary.h"
#include "model/model.h"
#include "project/project_file.h"
#include "tcl/settings.h"
#include "util/text_lines.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vek {

// "OpenSEES Tcl File": generates the OpenSees script of the model, shows it in an editable
// text area and saves what the text area holds, with the record of the settings it was
// written with beside it. Modeless; the script and the text stay between showings.
class TclFileDialog : public QDialog
{
    Q_OBJECT

public:
    TclFileDialog(Model& model, const Settings& settings, QWidget* parent = nullptr);

    // Where errors and the generation's warnings go: by default a warning box titled "TAV".
    void SetMessageReporter(ErrorReporter reporter);

    // The lines of the last generation, also of one that stopped on an error.
    const TextLines& tclLines() const { return tclLines_; }
    QPlainTextEdit* textArea() const { return scriptText_; }

    // Writes the text area to `path`, every line followed by CR LF; a file name without an
    // extension gets ".tcl". Then writes the script record beside it (SaveScriptRecord) and
    // tells scriptSaved. An error is reported and writes nothing more.
    void Save(const QString& path);

    // The pre-flight warnings of the last generation, which the text area's script was written
    // with.
    const std::vector<std::string>& lastWarnings() const { return lastWarnings_; }

    // The record of the last script saved; none before the first.
    const std::optional<ScriptRecord>& lastRecord() const { return lastRecord_; }

signals:
    // A script and its record were written; `path` is the script's.
    void scriptSaved(const QString& path);

public slots:
    // Generates the script and shows it; on an error the text area keeps what it held.
    void Generate();
    // Asks for the file and saves the text area there.
    void Save();

private:
    void ShowScript();
    void ReportWarnings(const std::vector<std::string>& warnings);
    // The text area's text in the 8-bit form it is written in.
    std::string ScriptText() const;

    Model& model_;
    const Settings& settings_;
    TextLines tclLines_;
    std::vector<std::string> lastWarnings_;
    std::optional<ScriptRecord> lastRecord_;
    // Whether the text area's text is written as UTF-8; a script whose names are not UTF-8 is
    // shown and written back as Latin-1, byte for byte.
    bool utf8_ = true;
    ErrorReporter reporter_;

    QLabel* titleLabel_ = nullptr;
    QPlainTextEdit* scriptText_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vek
