#include "store/HolidayFile.h"

#include "CalendarFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using CalendarFixture::WriteFile;

namespace {

const QByteArray OneDay = "BEGIN:VCALENDAR\r\n"
                          "BEGIN:VEVENT\r\n"
                          "DTSTART;VALUE=DATE:20240101\r\n"
                          "SUMMARY:New Year\r\n"
                          "END:VEVENT\r\n"
                          "END:VCALENDAR\r\n";

} // namespace

class TestHolidayFile : public QObject
{
    Q_OBJECT

private slots:
    // One line each naming the file, and a FIFO is never waited on.
    void refusedFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << u"missing"_s << u"%1: no such file"_s;
        QTest::newRow("over 10 MiB") << u"large"_s << u"%1: larger than 10 MiB"_s;
        QTest::newRow("folder") << u"folder"_s << u"%1: not a regular file"_s;
        QTest::newRow("FIFO") << u"fifo"_s << u"%1: not a regular file"_s;
        QTest::newRow("not iCalendar") << u"text"_s << u"%1: not an iCalendar file"_s;
        QTest::newRow("bad line") << u"bad"_s << u"%1:3: an event without a start (DTSTART)"_s;
    }

    void refusedFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"holidays.ics"_s);
        if (kind == u"large"_s)
            WriteFile(path, OneDay + QByteArray(HolidayFile::LargestSize, ' '));
        else if (kind == u"folder"_s)
            QVERIFY(QDir().mkdir(path));
        else if (kind == u"fifo"_s)
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"text"_s)
            WriteFile(path, "2024-01-01 New Year\n");
        else if (kind == u"bad"_s)
            WriteFile(path, "BEGIN:VCALENDAR\nX-WR-CALNAME:Bad\nBEGIN:VEVENT\nEND:VEVENT\n"
                            "END:VCALENDAR\n");
        const HolidayFile::Loaded loaded = HolidayFile::Load(path);
        QVERIFY(!loaded.calendar);
        QCOMPARE(loaded.error, error.arg(path));
    }

    // A file without a name of its own is named by its file name.
    void loaded()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"new-year.ics"_s);
        WriteFile(path, OneDay);
        const HolidayFile::Loaded loaded = HolidayFile::Load(path);
        QVERIFY2(loaded.calendar, qPrintable(loaded.error));
        QCOMPARE(loaded.calendar->name(), u"new-year.ics"_s);
        QCOMPARE(loaded.calendar->daysOf(2024),
                 QList<NamedDay>({{QDate(2024, 1, 1), u"New Year"_s}}));
        QVERIFY(loaded.calendar->isHoliday(QDate(2024, 1, 1)));
        QVERIFY(!loaded.calendar->isHoliday(QDate(2024, 1, 2)));
    }
};

QTEST_GUILESS_MAIN(TestHolidayFile)
#include "tst_holidayfile.moc"
