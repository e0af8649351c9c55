#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

class TestCalendarDatabase : public QObject
{
    Q_OBJECT

private slots:
    void unusableFilesAreRefusedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says");
        QTest::addColumn<bool>("wrongFile"); // the caller named the wrong file
        // clang-format off
        QTest::newRow("missing")                << u"missing"_s << u"does not exist."_s << true;
        QTest::newRow("text file")              << u"text"_s    << u"is not a calendar database"_s << true;
        QTest::newRow("empty file")             << u"empty"_s   << u"is not a calendar database"_s << true;
        QTest::newRow("no Monthly Notes table") << u"noNotes"_s << u"is not a calendar database"_s << true;
        QTest::newRow("Vacation without Color") << u"noColor"_s << u"is not a calendar database"_s << true;
        QTest::newRow("FIFO")                   << u"fifo"_s    << u"is not a regular file."_s << false;
        QTest::newRow("folder")                 << u"folder"_s  << u"is not a regular file."_s << false;
        QTest::newRow("locked by another")      << u"locked"_s  << u"is locked by another program."_s << false;
        QTest::newRow("journal, read-only")     << u"journal"_s << u"cannot be recovered on a read-only disk."_s << false;
        // clang-format on
    }

    void unusableFilesAreRefusedAndLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, says);
        QFETCH(bool, wrongFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(CalendarDatabase::FileName());
        CalendarDatabase holder; // holds the lock of "locked"
        if (kind == u"text"_s) {
            WriteFile(path, "Standard Jet DB\0 not really"_ba);
        } else if (kind == u"empty"_s) {
            WriteFile(path, {});
        } else if (kind == u"fifo"_s) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == u"folder"_s) {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == u"locked"_s) {
            MakeDatabase(dir.path());
            QVERIFY(holder.open(path));
            QVERIFY(QSqlQuery(holder.connection()).exec(u"BEGIN EXCLUSIVE"_s));
        } else if (kind == u"journal"_s) {
            MakeDatabase(dir.path());
            LeaveHotJournal(path);
        } else if (kind != u"missing"_s) {
            MakeDatabase(dir.path());
            const QString alter = kind == u"noNotes"_s
                                      ? u"DROP TABLE \"Monthly Notes\""_s
                                      : u"ALTER TABLE \"Vacation\" DROP COLUMN \"Color\""_s;
            QVERIFY(Exec(path, alter));
        }
        const QFileInfo before(path);
        // A FIFO is never opened, not even here.
        const QByteArray bytes = before.isFile() ? Fingerprint(path) : QByteArray();
        const qint64 journalSize = QFileInfo(path + u"-journal"_s).size();

        QString error;
        CalendarDatabase::Failure failure = CalendarDatabase::Failure::None;
        QVERIFY(!CalendarDatabase::IsUsable(path, &error, &failure));
        QVERIFY2(error.contains(says) && !error.contains(u'\n'), qPrintable(error));
        QCOMPARE(CalendarDatabase::IsWrongFile(failure), wrongFile);
        // The look above is read-only, as on a read-only disk; a connection that may write
        // rolls the journal back.
        if (kind != u"journal"_s) {
            CalendarDatabase db;
            QString openError;
            QVERIFY(!db.open(path, &openError));
            QVERIFY(!db.isOpen());
            QCOMPARE(openError, error);
            QCOMPARE(db.failure(), failure);
        }

        const QFileInfo after(path);
        QCOMPARE(after.exists(), before.exists()); // a missing file is not created
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(after.isDir(), before.isDir());
        if (after.isFile())
            QCOMPARE(Fingerprint(path), bytes);
        QCOMPARE(QFileInfo(path + u"-journal"_s).size(), journalSize);
    }

    void templateOpensAndIsNeverOverwritten()
    {
        QTemporaryDir dir;
        const QString path = MakeDatabase(dir.path());
        CalendarDatabase db;
        QString error;
        QVERIFY2(db.open(path, &error), qPrintable(error));
        QCOMPARE(db.path(), path);
        QVERIFY(AddVacation(path, 2024, 3, 1, u"V"_s));
        db.close();

        const QByteArray before = Fingerprint(path);
        QVERIFY(!CalendarDatabase::CreateTemplate(path, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(Fingerprint(path), before);
        QCOMPARE(Scalar(path, u"SELECT count(*) FROM \"Vacation\""_s).toInt(), 1);
    }

    void unusualFolderNames()
    {
        // The file is opened through a URI: characters with a meaning there must not matter.
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"a b#c?d%20e ü"_s);
        QVERIFY(QDir().mkpath(folder));
        const QString path = MakeDatabase(folder);
        QVERIFY(QFileInfo::exists(path));
        CalendarDatabase db;
        QString error;
        QVERIFY2(db.open(path, &error), qPrintable(error));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{CalendarDatabase::FileName()});

        QVERIFY(!db.open(QDir(folder).filePath(u"other.mdb"_s)));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{CalendarDatabase::FileName()});
    }
};

QTEST_GUILESS_MAIN(TestCalendarDatabase)
#include "tst_calendardatabase.moc"
