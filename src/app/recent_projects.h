#pragma once

#include <QString>
#include <QStringList>

class QSettings;

namespace vek {

// The number of project files the File menu offers again.
inline constexpr int RecentProjectCount = 8;

// The list with `path` first, taken out of where it was before, and at most
// RecentProjectCount entries.
QStringList WithRecentProject(QStringList recent, const QString& path);

// The project files opened or saved last, newest first, as the settings keep them.
QStringList RecentProjects(const QSettings& settings);
void StoreRecentProjects(QSettings& settings, const QStringList& recent);

} // namespace vek
