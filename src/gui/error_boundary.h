#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace vek {

// The program's name, the title of every message box it shows: "TAV".
QString ProgramTitle();

// Where the error messages of a window or dialog go. An empty reporter means a warning box
// titled "TAV" with an OK button; tests put their own in.
using ErrorReporter = std::function<void(const QString& message)>;

// Tells the message through the reporter, or, without one, in a warning box over `parent`.
void ReportMessage(QWidget* parent, const ErrorReporter& reporter, const QString& message);

// The error boundary of the windows and dialogs: runs the command, and an error it raises ends
// it and is reported as ReportMessage tells it: a VekError with its message, running out of
// memory as "Out of memory", any other exception with its text. What the command did until
// then stays. True when the command ran to its end.
bool RunGuarded(QWidget* parent, const ErrorReporter& reporter,
                const std::function<void()>& command);

} // namespace vek
