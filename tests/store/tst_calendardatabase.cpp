#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

class TestCalendarDatabase : public QObject
{
    Q_OBJECT

private slots:
    void unusableFilesAreRefusedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << u"missing"_s;
        QTest::newRow("text file") << u"text"_s;
        QTest::newRow("empty file") << u"empty"_s;
        QTest::newRow("no Monthly Notes table") << u"noNotes"_s;
        QTest::newRow("Vacation without Color") << u"noColor"_s;
    }

    void unusableFilesAreRefusedAndLeftAlone()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(CalendarDatabase::FileName());
        if (kind == u"text"_s)
            WriteFile(path, "Standard Jet DB\0 not really"_ba);
        else if (kind == u"empty"_s)
            WriteFile(path, {});
        else if (kind != u"missing"_s) {
            MakeDatabase(dir.path());
            const QString alter = kind == u"noNotes"_s
                                      ? u"DROP TABLE \"Monthly Notes\""_s
                                      : u"ALTER TABLE \"Vacation\" DROP COLUMN \"Color\""_s;
            QVERIFY(Exec(path, alter));
        }
        const bool existed = QFileInfo::exists(path);
        const QByteArray before = Fingerprint(path);

        CalendarDatabase db;
        QString error;
        QVERIFY(!db.open(path, &error));
        QVERIFY(!db.isOpen());
        QVERIFY2(!error.isEmpty() && !error.contains(u'\n'), qPrintable(error));
        QVERIFY(!CalendarDatabase::IsUsable(path));

        QCOMPARE(QFileInfo::exists(path), existed); // a missing file is not created
        QCOMPARE(Fingerprint(path), before);
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
