#include "app/AppSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QVariantMap>

#include "workbench/Workbench.h"

namespace etp {

namespace {

const QString kRecentFilesKey = QStringLiteral("recentFiles");
const QString kLastFolderKey = QStringLiteral("lastFolder");
// Absolute path -> latitude, altitude and wind height, as the station dialog's texts.
const QString kFileStationsKey = QStringLiteral("fileStations");

void StoreRecentFiles(QStringList files)
{
    while (files.size() > kRecentFileCount) files.removeLast();
    QSettings settings;
    settings.setValue(kRecentFilesKey, files);
    QVariantMap stations = settings.value(kFileStationsKey).toMap();
    for (auto kept = stations.begin(); kept != stations.end();)
        kept = files.contains(kept.key()) ? std::next(kept) : stations.erase(kept);
    settings.setValue(kFileStationsKey, stations);
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

std::optional<StationParameters> FileStation(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QStringList texts = QSettings().value(kFileStationsKey).toMap().value(absolute).toStringList();
    if (texts.size() != 3 || !RecentFiles().contains(absolute)) return std::nullopt;
    return StationParameters{texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString()};
}

void SetFileStation(const QString& path, const StationParameters& station)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!RecentFiles().contains(absolute)) return;
    QSettings settings;
    QVariantMap stations = settings.value(kFileStationsKey).toMap();
    stations.insert(absolute, QStringList{QString::fromStdString(station.latitude), QString::fromStdString(station.altitude),
                                          QString::fromStdString(station.windHeight)});
    settings.setValue(kFileStationsKey, stations);
}

void KeepStationsPerFile(Workbench& workbench)
{
    workbench.stationOfFile = [](const std::string& path) { return FileStation(QString::fromStdString(path)); };
}

QString LastFolder() { return QSettings().value(kLastFolderKey).toString(); }

void SetLastFolder(const QString& folder) { QSettings().setValue(kLastFolderKey, folder); }

} // namespace etp
