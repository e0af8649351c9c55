#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

class QSettings;

// The four values remembered between runs: organisation and application "Kelvane", group
// "Settings". The main window reads them once while it loads and writes them once while it
// unloads. A stored value the program could never have written reads as its default.
class SettingsStore
{
public:
    struct Values
    {
        QString Station = QStringLiteral("Darizu");
        qint16 NoDatabase = 0;
        QString MyPattern = QStringLiteral("000");
        QString MyHolidays = QStringLiteral("1111111100000");

        friend bool operator==(const Values&, const Values&) = default;
    };

    // The user's own store.
    SettingsStore();
    // An INI file of its own (tests, a portable setup).
    explicit SettingsStore(const QString& iniFile);
    // Someone else's QSettings, which must outlive the store.
    explicit SettingsStore(QSettings& settings);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Reads "Station", "NoDatabase", "MyPattern", "MyHolidays", in that order.
    Values read() const;
    // Writes them in the same order and flushes the store.
    void write(const Values& values);

    // A rota kind code 0..7 followed by a pattern button number 1..21 that the kind allows,
    // "00" or " 0".
    static bool IsWellFormedPattern(const QString& myPattern);
    // Thirteen characters, each "0" or "1".
    static bool IsWellFormedHolidays(const QString& myHolidays);

private:
    std::unique_ptr<QSettings> m_owned;
    QSettings* m_settings = nullptr;
};
