#include "store/OwnRotaFile.h"

#include "rota/RotaFileParser.h"
#include "rota/RotaFileWriter.h"
#include "store/RegularFile.h"
#include "store/SafeFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace OwnRotaFile {

Loaded Load(const QString& path)
{
    const RegularFile::Contents contents = RegularFile::Read(path, LargestSize);
    switch (contents.state) {
    case RegularFile::Contents::State::Missing:
        return {nullptr, path + u": no such file"_s};
    case RegularFile::Contents::State::Unreadable:
        return {nullptr, path + u": "_s + contents.reason};
    case RegularFile::Contents::State::Read:
        break;
    }
    RotaFileParser::Result parsed = RotaFileParser::Parse(contents.bytes, path);
    if (!parsed.rota)
        return {nullptr, parsed.error};
    return {std::make_shared<const OwnRota>(std::move(*parsed.rota)), {}};
}

bool Save(const QString& path, const OwnRota& rota, QString* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = u"cannot make the folder %1"_s.arg(folder);
        return false;
    }
    return SafeFile::Write(path, RotaFileWriter::Text(rota), error);
}

} // namespace OwnRotaFile
