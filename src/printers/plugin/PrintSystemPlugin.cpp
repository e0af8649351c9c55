#include "printers/QtPrintSystem.h"

#include <QObject>

// The printers plugin: the print system through Qt's printing library and CUPS, loaded by the
// program the first time a printer is needed.
class PrintSystemPlugin final : public QObject, public QtPrintSystem
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KelvanePrintSystem_iid FILE "kelvane-printers.json")
    Q_INTERFACES(PrintSystem)
};

#include "PrintSystemPlugin.moc"
