#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace vek {

// Asks for a file to open: the file chosen, or an empty text when the user cancelled.
using OpenFileChooser = std::function<QString()>;

// The open-file dialog without a filter, titled `caption`.
QString ChooseOpenFile(QWidget* parent, const QString& caption);

// The path as the file system names it, for the core's file functions.
std::string LocalPath(const QString& path);

// The folder of a chosen file, with a trailing separator, as the file system names it.
std::string FolderOfFile(const QString& path);

} // namespace vek
