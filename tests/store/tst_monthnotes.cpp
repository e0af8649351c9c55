#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"
#include "store/MonthNotesTable.h"
#include "store/RecordSource.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

class TestMonthNotes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void monthKey_data();
    void monthKey();
    void monthRecordIsCreatedOnce();
    void notesSurviveAWriteAndARead_data();
    void notesSurviveAWriteAndARead();
    void firstOfTwoRecordsIsUsedAndTheOtherUntouched();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestMonthNotes::init()
{
    QFile::remove(m_dir.filePath(CalendarDatabase::FileName()));
    m_path = MakeDatabase(m_dir.path());
}

void TestMonthNotes::monthKey_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("key");
    QTest::newRow("March") << QDate(2024, 3, 1) << u"3/1/2024"_s;
    QTest::newRow("December") << QDate(1999, 12, 1) << u"12/1/1999"_s;
    QTest::newRow("mid-month gives the first") << QDate(2024, 2, 29) << u"2/1/2024"_s;
    QTest::newRow("four-digit year") << QDate(905, 1, 1) << u"1/1/0905"_s;
}

void TestMonthNotes::monthKey()
{
    QFETCH(QDate, date);
    QFETCH(QString, key);
    QCOMPARE(MonthNotesTable::MonthKey(date), key);
}

void TestMonthNotes::monthRecordIsCreatedOnce()
{
    const QDate march(2024, 3, 1);
    for (int opening = 0; opening < 2; ++opening) {
        RecordSource source;
        QString error;
        QVERIFY(source.setDatabaseName(m_path, &error));
        QVERIFY2(MonthNotesTable::OpenMonthNotes(source, march, &error), qPrintable(error));
        QVERIFY(!source.isBOF() && !source.isEOF());
        QCOMPARE(source.value(u"Month"_s).toString(), u"3/1/2024"_s);
        QVERIFY(source.close(&error));
    }
    QCOMPARE(Scalar(m_path, u"SELECT count(*) FROM \"Monthly Notes\""_s).toInt(), 1);

    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    const auto record = MonthNotesTable::Find(db, march);
    QVERIFY(record);
    const MonthNotesRecord fresh = MonthNotesRecord::Fresh();
    QCOMPARE(record->Note, fresh.Note);
    QCOMPARE(record->SecondNote, fresh.SecondNote);
    QCOMPARE(record->Highlight, fresh.Highlight);
    QVERIFY(!MonthNotesTable::Find(db, QDate(2024, 4, 1)));
}

void TestMonthNotes::notesSurviveAWriteAndARead_data()
{
    QTest::addColumn<QString>("note");
    QTest::newRow("quotes") << u"O'Brien's \"late\" shift; '' --"_s;
    QTest::newRow("non-ASCII") << u"Zürich – Übergabe · 日本 ✓"_s;
    QTest::newRow("exactly 50") << u"12345678901234567890123456789012345678901234567890"_s;
    QTest::newRow("empty") << QString();
}

void TestMonthNotes::notesSurviveAWriteAndARead()
{
    QFETCH(QString, note);
    const QDate june(2024, 6, 1);
    const int k = 29; // day 30
    {
        RecordSource source;
        QVERIFY(source.setDatabaseName(m_path));
        QString first;
        QString second;
        bool ticked = false;
        source.bind(
            MonthNotesTable::NoteField(k), [&] { return QVariant(first); },
            [&](const QVariant& v) { first = v.toString(); });
        source.bind(
            MonthNotesTable::SecondNoteField(k), [&] { return QVariant(second); },
            [&](const QVariant& v) { second = v.toString(); });
        source.bind(
            MonthNotesTable::HighlightField(k), [&] { return QVariant(ticked); },
            [&](const QVariant& v) { ticked = v.toBool(); });
        QString error;
        QVERIFY(MonthNotesTable::OpenMonthNotes(source, june, &error));
        QCOMPARE(first, u"Click"_s);
        first = note;
        second = note + note.left(1);
        ticked = true;
        QVERIFY2(source.close(&error), qPrintable(error));
    }
    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    const auto record = MonthNotesTable::Find(db, june);
    QVERIFY(record);
    QCOMPARE(record->Note[k], note);
    QCOMPARE(record->SecondNote[k], note + note.left(1));
    QVERIFY(record->Highlight[k]);
    QCOMPARE(record->Note[k - 1], u"Click"_s);
    QVERIFY(!record->Highlight[k - 1]);
}

void TestMonthNotes::firstOfTwoRecordsIsUsedAndTheOtherUntouched()
{
    QVERIFY(Exec(m_path, u"INSERT INTO \"Monthly Notes\" (\"Month\", \"Note1\") VALUES (?, ?)"_s,
                 {u"3/1/2024"_s, u"first"_s}));
    QVERIFY(Exec(m_path, u"INSERT INTO \"Monthly Notes\" (\"Month\", \"Note1\") VALUES (?, ?)"_s,
                 {u"3/1/2024"_s, u"second"_s}));
    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    QString error;
    QVERIFY(MonthNotesTable::OpenMonthNotes(source, QDate(2024, 3, 1), &error));
    QCOMPARE(source.value(u"Note1"_s).toString(), u"first"_s);
    source.setValue(u"Note1"_s, u"changed"_s);
    QVERIFY(source.close(&error));
    QCOMPARE(Scalar(m_path, u"SELECT group_concat(\"Note1\", ',') FROM (SELECT \"Note1\" FROM "
                            "\"Monthly Notes\" ORDER BY rowid)"_s)
                 .toString(),
             u"changed,second"_s);
}

QTEST_GUILESS_MAIN(TestMonthNotes)
#include "tst_monthnotes.moc"
