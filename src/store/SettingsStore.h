#pragma once

#include "store/PatternSetting.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

using namespace Qt::StringLiterals;

// The four values remembered between runs, in the INI file of organisation and application
// "Kelvane", section "Settings", as QSettings keeps it, where the windows were last closed, in
// section "Windows" beside them, and the rota of the user's own chosen in place of the built-in
// kind, in section "Rotas": the four values stay what they are without it, so that a file
// stays readable by the built-in kinds alone. The main window reads them once while it loads and
// writes them once while it unloads. Values are plain text: a stored value the program could never
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
        PatternSetting MyPattern;
        QString MyHolidays = u"1111111100000"_s;

        friend bool operator==(const Values&, const Values&) = default;
    };

    // Each window's saved geometry (QWidget::saveGeometry) by the window's name.
    using Places = QMap<QString, QByteArray>;

    // A rota of the user's own in place of the built-in kind of MyPattern: its file's name in
    // the user's rota folder and the highlighted group ("1".."7", "A".."N"; empty for none).
    // No file: the built-in kind is chosen.
    struct OwnRota
    {
        QString file;
        QString group;

        friend bool operator==(const OwnRota&, const OwnRota&) = default;
    };

    // A holiday calendar file of the user's: its name in the holiday folder, and whether its
    // days are counted. Kept in section "Holidays", in the order the files were added.
    struct HolidayFileChoice
    {
        QString file;
        bool counted = true;

        friend bool operator==(const HolidayFileChoice&, const HolidayFileChoice&) = default;
    };
    using HolidayFiles = QList<HolidayFileChoice>;

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
    // The own rota, as read() found it or setOwnRota() left it.
    const OwnRota& ownRota() const { return m_ownRota; }
    void setOwnRota(const OwnRota& ownRota) { m_ownRota = ownRota; }
    // The holiday files, as read() found them or setHolidayFiles() left them.
    const HolidayFiles& holidayFiles() const { return m_holidayFiles; }
    void setHolidayFiles(const HolidayFiles& files) { m_holidayFiles = files; }
    // One line for the user while the file is left alone; empty otherwise.
    const QString& notice() const { return m_notice; }
    // Writes them, the places when there are any and the own rota when there is one (or was
    // one), into the file, whole or not at all; the file's other lines stay. False, with one line
    // in *error, when the file could not be written: it is then as it was. While the file is left
    // alone nothing is written, and that is no failure.
    bool write(const Values& values, QString* error = nullptr);

    // Thirteen characters, each "0" or "1".
    static bool IsWellFormedHolidays(const QString& myHolidays);

private:
    QString m_path;
    QString m_notice;
    Places m_places;
    OwnRota m_ownRota;
    // The file named an own rota: choosing a built-in kind again must clear it.
    bool m_ownRotaStored = false;
    HolidayFiles m_holidayFiles;
    // The file named holiday files: removing the last one must clear them.
    bool m_holidayFilesStored = false;
};
