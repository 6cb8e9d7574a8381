#pragma once

#include "gui/error_boundary.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QListWidget;

namespace vek {

// What the section and material editors have in common: modeless, created once, and an
// error raised by one of their buttons or lists is shown in a warning box titled "TAV" while
// the dialog goes on with what the handler had done.
class EditorDialog : public QDialog
{
    Q_OBJECT

public:
    // Where error messages go: by default a warning box titled "TAV" with an OK button.
    void setErrorReporter(ErrorReporter reporter);

protected:
    explicit EditorDialog(const QString& caption, QWidget* parent = nullptr);

    // Runs a handler within the error boundary.
    void guarded(const std::function<void()>& handler);

    // The list the records are chosen from, its rows the names in table order; the row
    // chosen calls `chosen` with the record number (1-based).
    QListWidget* addRecordList(const QString& objectName, const QString& accessibleName,
                               const std::function<void(int record)>& chosen);
    // Refills the list and selects its first row (which shows that record), if any.
    void fillRecordList(QListWidget* list, const std::vector<std::string>& names);

private:
    ErrorReporter errorReporter_;
};

} // namespace vek
