#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when the rota files of a folder are added, changed or removed while the program runs
// (a file fixed in an editor, a file copied in), once for a burst of changes. A folder that is
// not there yet is looked for in its parent folder.
class RotaFolderWatcher final : public QObject
{
    Q_OBJECT

public:
    explicit RotaFolderWatcher(const QString& folder, QObject* parent = nullptr);

signals:
    void changed();

private:
    // Watches the folder and each of its files, as they are now.
    void watch();

    QString m_folder;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
