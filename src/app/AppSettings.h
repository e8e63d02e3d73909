#pragma once
// What the desktop program keeps between runs, and nothing more: the files opened or
// saved last (File > Recent files) with the station of each, and the folder of the last
// file dialog. QSettings keeps them under the application's organisation and name.
#include <QString>
#include <QStringList>
#include <optional>

#include "sheet/Station.h"

namespace etp {

struct Workbench;

inline constexpr int kRecentFileCount = 8;

// Newest first, at most kRecentFileCount.
QStringList RecentFiles();
// Puts path first, dropping it from further down the list.
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);

// The station last given for a file of the recent list; none for a file not in it, or
// not given one. A file leaving the list takes its station with it.
std::optional<StationParameters> FileStation(const QString& path);
void SetFileStation(const QString& path, const StationParameters& station);
// Open in this workbench takes each file's station from here.
void KeepStationsPerFile(Workbench& workbench);

// Where the next file dialog opens; empty before the first one.
QString LastFolder();
void SetLastFolder(const QString& folder);

} // namespace etp
