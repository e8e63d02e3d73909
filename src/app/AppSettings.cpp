#include "app/AppSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace etp {

namespace {

const QString kRecentFilesKey = QStringLiteral("recentFiles");
const QString kLastFolderKey = QStringLiteral("lastFolder");

void StoreRecentFiles(QStringList files)
{
    while (files.size() > kRecentFileCount) files.removeLast();
    QSettings().setValue(kRecentFilesKey, files);
}

} // namespace

QStringList RecentFiles()
{
    QStringList files = QSettings().value(kRecentFilesKey).toStringList();
    while (files.size() > kRecentFileCount) files.removeLast();
    return files;
}

void AddRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    StoreRecentFiles(files);
}

void RemoveRecentFile(const QString& path)
{
    QStringList files = RecentFiles();
    files.removeAll(path);
    StoreRecentFiles(files);
}

QString LastFolder() { return QSettings().value(kLastFolderKey).toString(); }

void SetLastFolder(const QString& folder) { QSettings().setValue(kLastFolderKey, folder); }

} // namespace etp
