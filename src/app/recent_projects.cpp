#include "app/recent_projects.h"

#include <QSettings>

namespace vek {

namespace {

constexpr char RecentProjectsKey[] = "recentProjects";

} // namespace

QStringList WithRecentProject(QStringList recent, const QString& path)
{
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > RecentProjectCount)
        recent.removeLast();
    return recent;
}

QStringList RecentProjects(const QSettings& settings)
{
    QStringList recent = settings.value(QLatin1String(RecentProjectsKey)).toStringList();
    recent.removeAll(QString());
    return recent.mid(0, RecentProjectCount);
}

void StoreRecentProjects(QSettings& settings, const QStringList& recent)
{
    settings.setValue(QLatin1String(RecentProjectsKey), recent);
}

} // namespace vek
