#include "gui/editor_dialog.h"

#include "util/error.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>

#include <exception>
#include <new>

namespace vek {

namespace {

// The title of every message box of the program.
constexpr char MessageTitle[] = "TAV";

} // namespace

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

void EditorDialog::report(const QString& message)
{
    if (errorReporter_)
        errorReporter_(message);
    else
        QMessageBox::warning(this, QString::fromLatin1(MessageTitle), message, QMessageBox::Ok);
}

void EditorDialog::guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const VekError& error) {
        report(QString::fromStdString(error.what()));
    } catch (const std::bad_alloc&) {
        report(tr("Out of memory"));
    } catch (const std::exception& error) {
        report(QString::fromLocal8Bit(error.what()));
    }
}

QListWidget* EditorDialog::addRecordList(const QString& accessibleName,
                                         const std::function<void(int record)>& chosen)
{
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("ListBox1"));
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

QLineEdit* EditorDialog::addEdit(QWidget* parent, QGridLayout* grid, int row,
                                 const QString& caption, const QString& objectName)
{
    auto* label = new QLabel(caption, parent);
    label->setAccessibleName(caption);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setAccessibleName(caption);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QComboBox* EditorDialog::addCombo(QWidget* parent, QGridLayout* grid, int row,
                                  const QString& caption, const QString& objectName)
{
    auto* label = new QLabel(caption, parent);
    label->setAccessibleName(caption);
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setEditable(false);
    combo->setAccessibleName(caption);
    label->setBuddy(combo);
    grid->addWidget(label, row, 0);
    grid->addWidget(combo, row, 1);
    return combo;
}

QString DecodeName(const std::string& name)
{
    const auto size = static_cast<qsizetype>(name.size());
    QString decoded = QString::fromUtf8(name.data(), size);
    if (decoded.contains(QChar::ReplacementCharacter))
        decoded = QString::fromLatin1(name.data(), size);
    return decoded;
}

void SetItems(QComboBox* combo, const std::vector<std::string>& items)
{
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(DecodeName(item));
}

} // namespace vek
