#include "app/PrintersPlugin.h"

#include "print/PrintSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

QString version()
{
    return u"%1.%2.%3"_s.arg(KELVANE_VERSION_MAJOR)
        .arg(KELVANE_VERSION_MINOR)
        .arg(KELVANE_VERSION_PATCH);
}

} // namespace

PrintersPlugin::PrintersPlugin()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    // Without the program's own folder there is nowhere safe to look.
    if (QDir::isAbsolutePath(programFolder))
        m_path = QDir::cleanPath(programFolder + u'/' + QStringLiteral(KELVANE_PLUGIN_FOLDER) +
                                 u"/libkelvane-printers.so"_s);
}

PrintSystem* PrintersPlugin::load(QString* error)
{
    if (m_path.isEmpty()) {
        *error = u"the program's folder is unknown, so its printers plugin cannot be found"_s;
        return nullptr;
    }
    const QString path = QDir::toNativeSeparators(m_path);
    if (!QFileInfo::exists(m_path)) {
        *error = u"the printers plugin %1 is missing"_s.arg(path);
        return nullptr;
    }
    m_loader.setFileName(m_path);
    const QString pluginVersion =
        m_loader.metaData().value(u"MetaData"_s).toObject().value(u"version"_s).toString();
    if (!pluginVersion.isEmpty() && pluginVersion != version()) {
        *error = u"the printers plugin %1 is of Kelvane %2, not %3"_s.arg(path, pluginVersion,
                                                                          version());
        return nullptr;
    }
    auto* system = qobject_cast<PrintSystem*>(m_loader.instance());
    if (!system) {
        const QString reason =
            m_loader.isLoaded() ? u"it is not Kelvane's printers plugin"_s : m_loader.errorString();
        *error = u"cannot load the printers plugin %1: %2"_s.arg(path, reason);
    }
    return system;
}
