#include "store/HolidayFile.h"

#include "rota/HolidayCalendarParser.h"
#include "store/RegularFile.h"

using namespace Qt::StringLiterals;

namespace HolidayFile {

Loaded Load(const QString& path, const QTimeZone& local, QByteArray* bytes)
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
    HolidayCalendarParser::Result parsed =
        HolidayCalendarParser::Parse(contents.bytes, path, local);
    if (!parsed.calendar)
        return {nullptr, parsed.error};
    if (bytes)
        *bytes = contents.bytes;
    return {std::make_shared<const HolidayCalendar>(std::move(*parsed.calendar)), {}};
}

} // namespace HolidayFile
