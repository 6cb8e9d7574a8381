#include "gui/editor_dialog.h"

#include "gui/form_rows.h"

#include <QListWidget>

namespace vek {

EditorDialog::EditorDialog(const QString& caption, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption);
    setAccessibleName(caption);
    setModal(false);
}

void EditorDialog::setErrorReporter(ErrorReporter reporter)
{
    errorReporter_ = std::move(reporter);
}

void EditorDialog::guarded(const std::function<void()>& handler)
{
    RunGuarded(this, errorReporter_, handler);
}

QListWidget* EditorDialog::addRecordList(const QString& objectName, const QString& accessibleName,
                                         const std::function<void(int record)>& chosen)
{
    auto* list = new QListWidget(this);
    list->setObjectName(objectName);
    list->setAccessibleName(accessibleName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list, &QListWidget::currentRowChanged, this, [this, chosen](int row) {
        if (row >= 0)
            guarded([&] { chosen(row + 1); });
    });
    return list;
}

void EditorDialog::fillRecordList(QListWidget* list, const std::vector<std::string>& names)
{
    {
        const QSignalBlocker quiet(list);
        list->clear();
        for (const std::string& name : names)
            list->addItem(DecodeName(name));
    }
    if (list->count() > 0)
        list->setCurrentRow(0);
}

} // namespace vek
