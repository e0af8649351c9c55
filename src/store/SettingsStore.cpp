#include "store/SettingsStore.h"

#include "rota/Holidays.h"
#include "rota/NumberText.h"
#include "rota/RotaKind.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {

const QString Group = QStringLiteral("Settings");
const QString StationKey = QStringLiteral("Station");
const QString NoDatabaseKey = QStringLiteral("NoDatabase");
const QString MyPatternKey = QStringLiteral("MyPattern");
const QString MyHolidaysKey = QStringLiteral("MyHolidays");

// An INI value with an unquoted comma comes back as a list; keep it as the text it was.
QString textOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

SettingsStore::SettingsStore()
    : m_owned(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                          QStringLiteral("Kelvane"), QStringLiteral("Kelvane"))),
      m_settings(m_owned.get())
{
}

SettingsStore::SettingsStore(const QString& iniFile)
    : m_owned(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)), m_settings(m_owned.get())
{
}

SettingsStore::SettingsStore(QSettings& settings) : m_settings(&settings) {}

SettingsStore::~SettingsStore() = default;

SettingsStore::Values SettingsStore::read() const
{
    const Values defaults;
    Values values;
    m_settings->beginGroup(Group);

    values.Station = textOf(m_settings->value(StationKey, defaults.Station));

    const QString noDatabase =
        textOf(m_settings->value(NoDatabaseKey, NumberText::Plain(defaults.NoDatabase)));
    if (NumberText::IsNumeric(noDatabase)) {
        const double flag = NumberText::Val(noDatabase);
        if (flag == 0.0 || flag == 1.0)
            values.NoDatabase = static_cast<qint16>(flag);
    }

    const QString myPattern = textOf(m_settings->value(MyPatternKey, defaults.MyPattern));
    if (IsWellFormedPattern(myPattern))
        values.MyPattern = myPattern;

    const QString myHolidays = textOf(m_settings->value(MyHolidaysKey, defaults.MyHolidays));
    if (IsWellFormedHolidays(myHolidays))
        values.MyHolidays = myHolidays;

    m_settings->endGroup();
    return values;
}

void SettingsStore::write(const Values& values)
{
    m_settings->beginGroup(Group);
    m_settings->setValue(StationKey, values.Station);
    m_settings->setValue(NoDatabaseKey, NumberText::Plain(values.NoDatabase));
    m_settings->setValue(MyPatternKey, values.MyPattern);
    m_settings->setValue(MyHolidaysKey, values.MyHolidays);
    m_settings->endGroup();
    m_settings->sync();
}

bool SettingsStore::IsWellFormedPattern(const QString& myPattern)
{
    if (myPattern.size() < 2 || myPattern.size() > 3)
        return false;
    const QChar kindChar = myPattern.at(0);
    if (kindChar < u'0' || kindChar > u'7')
        return false;
    const QString button = myPattern.mid(1);
    if (button == QLatin1String("00") || button == QLatin1String(" 0"))
        return true;
    // Exactly the plain digits the pattern buttons write: "1".."21", no leading zero.
    for (int number = 1; number <= RotaKinds::PatternButtonCount; ++number) {
        if (button == NumberText::Plain(number)) {
            const auto kind = RotaKinds::FromCode(kindChar.unicode() - u'0');
            // A group the kind cannot highlight would leave a disabled button chosen.
            return kind && RotaKinds::IsPatternButtonEnabled(*kind, number - 1);
        }
    }
    return false;
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
