#pragma once

#include <QString>
#include <QtGlobal>

using namespace Qt::StringLiterals;

// The four values remembered between runs, in the INI file of organisation and application
// "Kelvane", section "Settings", as QSettings keeps it. The main window reads them once while
// it loads and writes them once while it unloads. Values are plain text: a stored value the
// program could never have written (another type, a malformed number) reads as its default.
class SettingsStore
{
public:
    struct Values
    {
        QString Station = u"Darizu"_s;
        qint16 NoDatabase = 0;
        QString MyPattern = u"000"_s;
        QString MyHolidays = u"1111111100000"_s;

        friend bool operator==(const Values&, const Values&) = default;
    };

    // The user's own store.
    SettingsStore();
    // An INI file of its own (tests, a portable setup).
    explicit SettingsStore(const QString& iniFile);

    // Reads "Station", "NoDatabase", "MyPattern", "MyHolidays".
    Values read() const;
    // Writes them into the file, whole or not at all; the file's other lines stay.
    void write(const Values& values);

    // A rota kind code 0..7 followed by a pattern button number 1..21 that the kind allows,
    // "00" or " 0".
    static bool IsWellFormedPattern(const QString& myPattern);
    // Thirteen characters, each "0" or "1".
    static bool IsWellFormedHolidays(const QString& myHolidays);

private:
    QString m_path;
};
