#pragma once

#include <QString>

#include <functional>
#include <string>

class QFormLayout;
class QLineEdit;
class QWidget;

namespace vek {

// Where the error messages of a post-processing dialog go: by default a warning box titled
// "TAV" with an OK button.
using DialogErrorReporter = std::function<void(const QString& message)>;

// The open-file dialog of the load buttons: the file chosen, or an empty text when the user
// cancelled.
using RecorderFileChooser = std::function<QString()>;

// The open-file dialog without a filter, titled `caption`.
QString ChooseRecorderFile(QWidget* parent, const QString& caption);

// The folder of a chosen file, with a trailing separator, as the file system names it.
std::string FolderOfFile(const QString& path);

// Runs a button's command. An error it raises (a VekError, or any other exception) ends it and
// is reported; what it stored until then stays.
void RunReported(QWidget* dialog, const DialogErrorReporter& reporter,
                 const std::function<void()>& command);

// A single-line edit with its initial text and a label in front of it: the label is its buddy
// and both carry the label's text as accessible name.
QLineEdit* AddLabelledEdit(QWidget* parent, QFormLayout* form, const QString& caption,
                           const QString& editName, const QString& labelName,
                           const QString& initialText);

} // namespace vek
