#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QLineEdit;
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
    using ErrorReporter = std::function<void(const QString& message)>;
    void setErrorReporter(ErrorReporter reporter);

protected:
    explicit EditorDialog(const QString& caption, QWidget* parent = nullptr);

    // Runs a handler; an error it raises is reported.
    void guarded(const std::function<void()>& handler);

    // The list the records are chosen from, its rows the names in table order; the row
    // chosen calls `chosen` with the record number (1-based).
    QListWidget* addRecordList(const QString& accessibleName,
                               const std::function<void(int record)>& chosen);
    // Refills the list and selects its first row (which shows that record), if any.
    void fillRecordList(QListWidget* list, const std::vector<std::string>& names);

    // A labelled edit or list in row `row` of the grid, the label its buddy.
    QLineEdit* addEdit(QWidget* parent, QGridLayout* grid, int row, const QString& caption,
                       const QString& objectName);
    QComboBox* addCombo(QWidget* parent, QGridLayout* grid, int row, const QString& caption,
                        const QString& objectName);

private:
    void report(const QString& message);

    ErrorReporter errorReporter_;
};

// A name of the model's files: UTF-8 when it is valid UTF-8, else 8-bit text.
QString DecodeName(const std::string& name);

// Replaces the items of a list by the texts.
void SetItems(QComboBox* combo, const std::vector<std::string>& items);

} // namespace vek
