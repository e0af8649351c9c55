#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"
#include "store/MonthNotesTable.h"
#include "store/RecordSource.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

class TestMonthNotes : public QObject
{
    Q_OBJECT

private:
    DatabaseFolder m_db;

private slots:
    void init() { m_db.reset(); }

    void monthKey_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("key");
        QTest::newRow("March") << QDate(2024, 3, 1) << "3/1/2024";
        QTest::newRow("December") << QDate(1999, 12, 1) << "12/1/1999";
        QTest::newRow("mid-month gives the first") << QDate(2024, 2, 29) << "2/1/2024";
        QTest::newRow("four-digit year") << QDate(905, 1, 1) << "1/1/0905";
    }

    void monthKey()
    {
        QFETCH(QDate, date);
        QFETCH(QString, key);
        QCOMPARE(MonthNotesTable::MonthKey(date), key);
    }

    void monthRecordIsCreatedOnce()
    {
        const QDate march(2024, 3, 1);
        for (int opening = 0; opening < 2; ++opening) {
            RecordSource source;
            QString error;
            QVERIFY(source.setDatabaseName(m_db.path, &error));
            QVERIFY2(MonthNotesTable::OpenMonthNotes(source, march, &error), qPrintable(error));
            QVERIFY(!source.isBOF() && !source.isEOF());
            QCOMPARE(source.value(u"Month"_s).toString(), u"3/1/2024"_s);
            QVERIFY(source.close(&error));
        }
        QCOMPARE(Scalar(m_db.path, u"SELECT count(*) FROM \"Monthly Notes\""_s).toInt(), 1);

        CalendarDatabase db;
        QVERIFY(db.open(m_db.path));
        const auto record = MonthNotesTable::Find(db, march);
        QVERIFY(record);
        const MonthNotesRecord fresh = MonthNotesRecord::Fresh();
        QCOMPARE(record->Note, fresh.Note);
        QCOMPARE(record->SecondNote, fresh.SecondNote);
        QCOMPARE(record->Highlight, fresh.Highlight);
        QVERIFY(!MonthNotesTable::Find(db, QDate(2024, 4, 1)));
    }

    void notesSurviveAWriteAndARead_data()
    {
        QTest::addColumn<QString>("note");
        QTest::newRow("quotes") << "O'Brien's \"late\" shift; '' --";
        QTest::newRow("non-ASCII") << "Zürich – Übergabe · 日本 ✓";
        QTest::newRow("exactly 50") << "12345678901234567890123456789012345678901234567890";
        QTest::newRow("empty") << QString();
    }

    void notesSurviveAWriteAndARead()
    {
        QFETCH(QString, note);
        const QDate june(2024, 6, 1);
        const int k = 29; // day 30
        {
            RecordSource source;
            QVERIFY(source.setDatabaseName(m_db.path));
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
        QVERIFY(db.open(m_db.path));
        const auto record = MonthNotesTable::Find(db, june);
        QVERIFY(record);
        QCOMPARE(record->Note[k], note);
        QCOMPARE(record->SecondNote[k], note + note.left(1));
        QVERIFY(record->Highlight[k]);
        QCOMPARE(record->Note[k - 1], u"Click"_s);
        QVERIFY(!record->Highlight[k - 1]);
    }

    void firstOfTwoRecordsIsUsedAndTheOtherUntouched()
    {
        for (const QString& note : {u"first"_s, u"second"_s})
            QVERIFY(Exec(m_db.path,
                         u"INSERT INTO \"Monthly Notes\" (\"Month\", \"Note1\") VALUES (?, ?)"_s,
                         {u"3/1/2024"_s, note}));
        RecordSource source;
        QVERIFY(source.setDatabaseName(m_db.path));
        QString error;
        QVERIFY(MonthNotesTable::OpenMonthNotes(source, QDate(2024, 3, 1), &error));
        QCOMPARE(source.value(u"Note1"_s).toString(), u"first"_s);
        source.setValue(u"Note1"_s, u"changed"_s);
        QVERIFY(source.close(&error));
        QCOMPARE(Scalar(m_db.path, u"SELECT group_concat(\"Note1\", ',') FROM (SELECT \"Note1\" "
                                   "FROM \"Monthly Notes\" ORDER BY rowid)"_s)
                     .toString(),
                 u"changed,second"_s);
    }
};

QTEST_GUILESS_MAIN(TestMonthNotes)
#include "tst_monthnotes.moc"
