#include "gui/file_choice.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace vek {

QString ChooseOpenFile(QWidget* parent, const QString& caption)
{
    return QFileDialog::getOpenFileName(parent, caption);
}

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string FolderOfFile(const QString& path)
{
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return LocalPath(folder);
}

} // namespace vek
