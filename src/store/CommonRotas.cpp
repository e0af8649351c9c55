#include "store/CommonRotas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

#ifndef KELVANE_DATA_DIR
#define KELVANE_DATA_DIR ""
#endif

namespace CommonRotas {

QStringList Folders()
{
    QStringList folders{
        QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../share/kelvane/rotas"_s)};
    const QString installed = QString::fromUtf8(KELVANE_DATA_DIR);
    if (!installed.isEmpty() && !folders.contains(installed + u"/rotas"_s))
        folders << installed + u"/rotas"_s;
    return folders;
}

QList<OwnRotaFolder::Entry> List(const QStringList& folders)
{
    for (const QString& folder : folders) {
        QList<OwnRotaFolder::Entry> rotas;
        for (const OwnRotaFolder::Entry& entry : OwnRotaFolder::List(folder)) {
            if (entry.loaded.rota)
                rotas << entry;
        }
        if (!rotas.isEmpty())
            return rotas;
    }
    return {};
}

std::optional<QString> CopyInto(const QString& userFolder, const OwnRotaFolder::Entry& rota,
                                QString* error)
{
    const auto fail = [&](const QString& reason) -> std::optional<QString> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    if (!rota.loaded.rota)
        return fail(rota.loaded.error);
    if (!QDir().mkpath(userFolder))
        return fail(u"%1: the folder cannot be made"_s.arg(userFolder));
    const QString target = OwnRotaFolder::NewFilePath(userFolder, rota.loaded.rota->name);
    // QFile::copy never replaces a file, so one that appeared meanwhile is safe.
    QFile source(rota.path);
    if (!source.copy(target))
        return fail(u"%1: %2"_s.arg(target, source.errorString()));
    // An installed file is read-only; the copy is there to be edited.
    QFile::setPermissions(target,
                          QFile::permissions(target) | QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

} // namespace CommonRotas
