#include "store/OwnRotaFile.h"

#include "rota/RotaFileParser.h"
#include "rota/RotaFileWriter.h"
#include "store/NativeName.h"
#include "store/RegularFile.h"
#include "store/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace OwnRotaFile {

Loaded Load(const QString& path)
{
    const RegularFile::Contents contents = RegularFile::Read(path, LargestSize);
    switch (contents.state) {
    case RegularFile::Contents::State::Missing:
        return {nullptr, path + u": no such file"_s, std::nullopt};
    case RegularFile::Contents::State::Unreadable:
        return {nullptr, path + u": "_s + contents.reason, std::nullopt};
    case RegularFile::Contents::State::Read:
        break;
    }
    RotaFileParser::Result parsed = RotaFileParser::Parse(contents.bytes, path);
    if (!parsed.rota)
        return {nullptr, parsed.error, contents.bytes};
    return {std::make_shared<const OwnRota>(std::move(*parsed.rota)), {}, contents.bytes};
}

bool ChangedSince(const QString& path, const Loaded& loaded)
{
    const RegularFile::Contents now = RegularFile::Read(path, LargestSize);
    if (now.state != RegularFile::Contents::State::Read)
        return loaded.bytes.has_value();
    return loaded.bytes != now.bytes;
}

bool Remove(const QString& path, QString* error)
{
    if (::unlink(NativeName::Encode(path).constData()) == 0)
        return true;
    if (error)
        *error = qt_error_string(errno);
    return false;
}

bool Save(const QString& path, const OwnRota& rota, QString* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = u"cannot make the folder %1"_s.arg(folder);
        return false;
    }
    if (NativeName::QtCanOpen(path))
        return SafeFile::Write(path, RotaFileWriter::Text(rota), error);
    // A name that is not UTF-8: written whole under a name Qt can write, then moved to it.
    const QString written =
        QDir(folder).filePath(u".kelvane-%1.rota-new"_s.arg(QCoreApplication::applicationPid()));
    if (!SafeFile::Write(written, RotaFileWriter::Text(rota), error))
        return false;
    if (std::rename(NativeName::Encode(written).constData(),
                    NativeName::Encode(path).constData()) != 0) {
        if (error)
            *error = qt_error_string(errno);
        ::unlink(NativeName::Encode(written).constData());
        return false;
    }
    return true;
}

} // namespace OwnRotaFile
