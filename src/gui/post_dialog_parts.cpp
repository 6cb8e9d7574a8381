#include "gui/post_dialog_parts.h"

#include "util/error.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <exception>
#include <new>

namespace vek {

QString ChooseRecorderFile(QWidget* parent, const QString& caption)
{
    return QFileDialog::getOpenFileName(parent, caption);
}

std::string FolderOfFile(const QString& path)
{
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return QFile::encodeName(folder).toStdString();
}

void RunReported(QWidget* dialog, const DialogErrorReporter& reporter,
                 const std::function<void()>& command)
{
    QString message;
    try {
        command();
        return;
    } catch (const VekError& error) {
        message = QString::fromStdString(error.what());
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory");
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    if (reporter)
        reporter(message);
    else
        QMessageBox::warning(dialog, QStringLiteral("TAV"), message, QMessageBox::Ok);
}

QLineEdit* AddLabelledEdit(QWidget* parent, QFormLayout* form, const QString& caption,
                           const QString& editName, const QString& labelName,
                           const QString& initialText)
{
    auto* edit = new QLineEdit(initialText, parent);
    edit->setObjectName(editName);
    edit->setAccessibleName(caption);
    auto* label = new QLabel(caption, parent);
    label->setObjectName(labelName);
    label->setAccessibleName(caption);
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
}

} // namespace vek
