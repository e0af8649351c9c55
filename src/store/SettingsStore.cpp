#include "store/SettingsStore.h"

#include "rota/Holidays.h"
#include "rota/NumberText.h"
#include "store/IniText.h"
#include "store/RegularFile.h"
#include "store/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString Group = u"Settings"_s;
const QString StationKey = u"Station"_s;
const QString NoDatabaseKey = u"NoDatabase"_s;
const QString MyPatternKey = u"MyPattern"_s;
const QString MyHolidaysKey = u"MyHolidays"_s;
const QString WindowsGroup = u"Windows"_s;
const QString RotasGroup = u"Rotas"_s;
const QString OwnRotaKey = u"OwnRota"_s;
const QString GroupKey = u"Group"_s;
const QString HolidaysGroup = u"Holidays"_s;
const QString FilesKey = u"Files"_s;
const QString CountedKey = u"Counted"_s;
// Between the file names of "Files", which no file name holds.
constexpr QChar FileSeparator = u'/';

// A settings file is a few lines; anything far larger is not one of ours and is not read.
constexpr qint64 LargestFile = 1024 * 1024;

} // namespace

SettingsStore::SettingsStore()
    : m_path(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
             u"/Kelvane/Kelvane.conf"_s)
{
}

SettingsStore::SettingsStore(const QString& iniFile) : m_path(iniFile) {}

SettingsStore::Values SettingsStore::read()
{
    const Values defaults;
    Values values;
    const RegularFile::Contents contents = RegularFile::Read(m_path, LargestFile);
    if (contents.state == RegularFile::Contents::State::Unreadable) {
        m_notice = u"The settings file %1 could not be read (%2) and will not be changed."_s.arg(
            QDir::toNativeSeparators(m_path), contents.reason);
        return values;
    }
    const QMap<QString, QString> stored = IniText::Read(contents.bytes, Group);
    m_places.clear();
    const QMap<QString, QString> places = IniText::Read(contents.bytes, WindowsGroup);
    for (auto it = places.cbegin(); it != places.cend(); ++it) {
        const auto geometry = QByteArray::fromBase64Encoding(
            it.value().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (geometry && !geometry.decoded.isEmpty())
            m_places.insert(it.key(), geometry.decoded);
    }
    const QMap<QString, QString> rotas = IniText::Read(contents.bytes, RotasGroup);
    m_ownRota = {rotas.value(OwnRotaKey), rotas.value(GroupKey)};
    m_ownRotaStored = !m_ownRota.file.isEmpty();
    const QMap<QString, QString> holidays = IniText::Read(contents.bytes, HolidaysGroup);
    m_holidayFiles.clear();
    const QString counted = holidays.value(CountedKey);
    for (const QString& file : holidays.value(FilesKey).split(FileSeparator, Qt::SkipEmptyParts))
        m_holidayFiles.append({file, m_holidayFiles.size() < counted.size() &&
                                         counted.at(m_holidayFiles.size()) == u'1'});
    m_holidayFilesStored = !m_holidayFiles.isEmpty();

    values.Station = stored.value(StationKey, defaults.Station);

    const QString noDatabase = stored.value(NoDatabaseKey, NumberText::Plain(defaults.NoDatabase));
    if (NumberText::IsNumeric(noDatabase)) {
        const double flag = NumberText::Val(noDatabase);
        if (flag == 0.0 || flag == 1.0)
            values.NoDatabase = static_cast<qint16>(flag);
    }

    if (const std::optional<PatternSetting> myPattern =
            PatternSetting::Parse(stored.value(MyPatternKey, defaults.MyPattern.text())))
        values.MyPattern = *myPattern;

    const QString myHolidays = stored.value(MyHolidaysKey, defaults.MyHolidays);
    if (IsWellFormedHolidays(myHolidays))
        values.MyHolidays = myHolidays;

    return values;
}

bool SettingsStore::write(const Values& values, QString* error)
{
    if (!m_notice.isEmpty())
        return true;
    const RegularFile::Contents contents = RegularFile::Read(m_path, LargestFile);
    if (contents.state == RegularFile::Contents::State::Unreadable) {
        if (error)
            *error =
                u"cannot write %1: %2"_s.arg(QDir::toNativeSeparators(m_path), contents.reason);
        return false;
    }
    // In the order QSettings keeps them, so the file reads as before.
    QByteArray text = IniText::Write(contents.bytes, Group,
                                     {{MyHolidaysKey, values.MyHolidays},
                                      {MyPatternKey, values.MyPattern.text()},
                                      {NoDatabaseKey, NumberText::Plain(values.NoDatabase)},
                                      {StationKey, values.Station}});
    if (!m_places.isEmpty()) {
        QList<std::pair<QString, QString>> places;
        for (auto it = m_places.cbegin(); it != m_places.cend(); ++it)
            places.append({it.key(), QString::fromLatin1(it.value().toBase64())});
        text = IniText::Write(text, WindowsGroup, places);
    }
    if (!m_ownRota.file.isEmpty() || m_ownRotaStored)
        text = IniText::Write(text, RotasGroup,
                              {{GroupKey, m_ownRota.file.isEmpty() ? QString() : m_ownRota.group},
                               {OwnRotaKey, m_ownRota.file}});
    if (!m_holidayFiles.isEmpty() || m_holidayFilesStored) {
        QStringList files;
        QString counted;
        for (const HolidayFileChoice& choice : m_holidayFiles) {
            files << choice.file;
            counted += choice.counted ? u'1' : u'0';
        }
        text = IniText::Write(text, HolidaysGroup,
                              {{CountedKey, counted}, {FilesKey, files.join(FileSeparator)}});
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return SafeFile::Write(m_path, text, error);
}

bool SettingsStore::IsWellFormedHolidays(const QString& myHolidays)
{
    if (myHolidays.size() != Holidays::Count)
        return false;
    for (QChar c : myHolidays) {
        if (c != u'0' && c != u'1')
            return false;
    }
    return true;
}
