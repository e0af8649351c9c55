#pragma once

#include <QPluginLoader>
#include <QString>

class PrintSystem;

// The printers plugin installed with the program (Qt's printing library and CUPS come with
// it), taken from the program's own installation only: the folder KELVANE_PLUGIN_FOLDER
// relative to the program's folder, the same in the build tree as once installed.
class PrintersPlugin
{
public:
    PrintersPlugin();

    // The print system, loaded on the first call; null, with one line in *error, when the
    // plugin is missing, damaged or of another version of the program.
    PrintSystem* load(QString* error);

private:
    QString m_path;
    QPluginLoader m_loader;
};
