#include "mainwindow/RotaFolderWatcher.h"

#include "store/OwnRotaFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// An editor saves in several steps (a new file, a rename); the list is read once they are done.
constexpr int SettleMs = 200;

} // namespace

RotaFolderWatcher::RotaFolderWatcher(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        watch();
        emit changed();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    watch();
}

void RotaFolderWatcher::watch()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    const QDir dir(m_folder);
    if (!dir.exists()) {
        // Made later, by the rota window or by hand.
        const QString parent = QFileInfo(m_folder).absolutePath();
        if (QFileInfo(parent).isDir())
            m_watcher.addPath(parent);
        return;
    }
    m_watcher.addPath(m_folder);
    const QStringList names =
        dir.entryList({u"*"_s + QLatin1String(OwnRotaFile::Suffix)}, QDir::Files);
    QStringList paths;
    for (const QString& name : names)
        paths << dir.filePath(name);
    if (!paths.isEmpty())
        m_watcher.addPaths(paths);
}
