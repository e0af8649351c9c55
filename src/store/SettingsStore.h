#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QtGlobal>

using namespace Qt::StringLiterals;

// The four values remembered between runs, in the INI file of organisation and application
// "Kelvane", section "Settings", as QSettings keeps it, and where the windows were last closed,
// in section "Windows" beside them. The main window reads them once while it loads and writes
// them once while it unloads. Values are plain text: a stored value the program could never
// have written (another type, a malformed number) reads as its default. A file that is there
// but cannot be read whole is never written: writing it would lose the lines that could not be
// read.
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

    // Each window's saved geometry (QWidget::saveGeometry) by the window's name.
    using Places = QMap<QString, QByteArray>;

    // The user's own store.
    SettingsStore();
    // An INI file of its own (tests, a portable setup).
    explicit SettingsStore(const QString& iniFile);

    // Reads "Station", "NoDatabase", "MyPattern", "MyHolidays". A file that is there but
    // cannot be read whole (too large, not a regular file, not readable) gives the defaults and
    // is left alone from then on; notice() says so.
    Values read();
    // The windows' places, as read() found them or setPlaces() left them; one that is not a
    // saved geometry's text is left out.
    const Places& places() const { return m_places; }
    void setPlaces(const Places& places) { m_places = places; }
    // One line for the user while the file is left alone; empty otherwise.
    const QString& notice() const { return m_notice; }
    // Writes them, and the places when there are any, into the file, whole or not at all; the
    // file's other lines stay. False, with one line in *error, when the file could not be
    // written: it is then as it was. While the file is left alone nothing is written, and that
    // is no failure.
    bool write(const Values& values, QString* error = nullptr);

    // A rota kind code 0..7 followed by a pattern button number 1..21 that the kind allows,
    // "00" or " 0".
    static bool IsWellFormedPattern(const QString& myPattern);
    // Thirteen characters, each "0" or "1".
    static bool IsWellFormedHolidays(const QString& myHolidays);

private:
    QString m_path;
    QString m_notice;
    Places m_places;
};
