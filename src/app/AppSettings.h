#pragma once
// What the desktop program keeps between runs, and nothing more: the files opened or
// saved last (File > Recent files) and the folder of the last file dialog. QSettings
// keeps them under the application's organisation and name.
#include <QString>
#include <QStringList>

namespace etp {

inline constexpr int kRecentFileCount = 8;

// Newest first, at most kRecentFileCount.
QStringList RecentFiles();
// Puts path first, dropping it from further down the list.
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);

// Where the next file dialog opens; empty before the first one.
QString LastFolder();
void SetLastFolder(const QString& folder);

} // namespace etp
