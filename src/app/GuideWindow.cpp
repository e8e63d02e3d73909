#include "app/GuideWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace etp {

QString GuidePath()
{
    // bin/etp-gui and share/doc/etp/guide.md under one prefix, as the package installs them.
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ETP_GUIDE_INSTALLED));
    for (const QString& path : {installed, QStringLiteral(ETP_GUIDE_SOURCE)})
        if (QFileInfo::exists(path)) return QDir::cleanPath(path);
    return {};
}

GuideWindow::GuideWindow(const QString& path, QWidget* parent) : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("FormHelp"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("etp user guide"));
    setOpenExternalLinks(true);
    setSearchPaths({QFileInfo(path).absolutePath()});
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) setMarkdown(QString::fromUtf8(file.readAll()));
    resize(900, 700);
}

} // namespace etp
