#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"
#include "store/ColorText.h"
#include "store/RecordSource.h"
#include "store/VacationTable.h"
#include "store/YearEntries.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

class TestVacationTable : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_table.reset();
        m_connection.close();
        m_db.reset();
        QVERIFY(m_connection.open(m_db.path));
        m_table = std::make_unique<VacationTable>(m_connection);
    }

    void parseColorText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("orange") << "255, 180, 000" << QColor(255, 180, 0);
        QTest::newRow("default") << ColorText::DefaultColor() << QColor(255, 255, 100);
        QTest::newRow("blanks around") << "  180, 255, 180 " << QColor(180, 255, 180);
        QTest::newRow("no blanks: wrong layout") << "255,180,0" << QColor(255, 80, 0);
        QTest::newRow("empty") << QString() << QColor(0, 0, 0);
        QTest::newRow("out of range is clamped") << "999, -20, 100" << QColor(255, 0, 100);
    }

    void parseColorText()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        const QColor parsed = ColorText::ParseColorText(text);
        QVERIFY(parsed.isValid());
        QCOMPARE(parsed, colour);
    }

    void firstRecordOfADateWins()
    {
        QVERIFY(AddVacation(m_db.path, 2024, 7, 4, u"X"_s, u"180, 180, 255"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 7, 4, u"B"_s, u"255, 180, 000"_s));
        QVERIFY(AddVacation(m_db.path, 2025, 7, 4, u"V"_s));
        VacationTable& table = *m_table;
        for (int repeat = 0; repeat < 2; ++repeat) {
            const auto entry = table.lookUp(u"2024"_s, 7, 4);
            QVERIFY(entry);
            QCOMPARE(entry->type, u"X"_s);
            QCOMPARE(entry->color, u"180, 180, 255"_s);
        }
        QVERIFY(!table.lookUp(u"2024"_s, 7, 5));
        QVERIFY(table.lastError().isEmpty());

        // The prepared statement follows the connection across a reopen.
        QVERIFY(m_connection.open(m_db.path));
        QCOMPARE(table.lookUp(u"2025"_s, 7, 4)->type, u"V"_s);
    }

    // A file made by another program may have no index on the dates.
    void wholeYearAnswersAsDayByDay_data()
    {
        QTest::addColumn<bool>("indexed");
        QTest::newRow("indexed") << true;
        QTest::newRow("no index") << false;
    }

    void wholeYearAnswersAsDayByDay()
    {
        QFETCH(bool, indexed);
        if (!indexed)
            QVERIFY(Exec(m_db.path, u"DROP INDEX \"Vacation by date\""_s));
        QVERIFY(AddVacation(m_db.path, 2024, 7, 4, u"X"_s, u"180, 180, 255"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 7, 4, u"B"_s, u"255, 180, 000"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 2, 29, u"V"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 12, 31, u"N"_s));
        QVERIFY(AddVacation(m_db.path, 2023, 1, 1, u"D"_s));
        QVERIFY(Exec(m_db.path, u"INSERT INTO \"Vacation\" (\"Year\", \"Month\", \"Day\", "
                                "\"Type\") VALUES (2024, 2.5, 3, 'F'), (2024, NULL, 3, 'G'), "
                                "(2024, 2, 101, 'H'), (2024, 0, 301, 'J'), (2024, 4, -99, 'K'), "
                                "(2024, 1e10, 1, 'L')"_s));
        VacationTable& table = *m_table;
        YearEntries year(table);
        int found = 0;
        for (QDate date(2024, 1, 1); date.year() == 2024; date = date.addDays(1)) {
            const auto single = table.lookUp(u"2024"_s, date.month(), date.day());
            const auto batched = year.lookUp(u"2024"_s, date.month(), date.day());
            QCOMPARE(batched.has_value(), single.has_value());
            if (single) {
                ++found;
                QCOMPARE(batched->type, single->type);
                QCOMPARE(batched->color, single->color);
            }
        }
        QCOMPARE(found, 3);
        // Another year asked of the same object is loaded afresh.
        QCOMPARE(year.lookUp(u"2023"_s, 1, 1)->type, u"D"_s);
    }

    void leapDayFoundOnlyInLeapYears_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("found");
        QTest::newRow("2024") << 2024 << 1;
        QTest::newRow("2023") << 2023 << 0;
        QTest::newRow("2000") << 2000 << 1;
        QTest::newRow("2100") << 2100 << 0;
    }

    void leapDayFoundOnlyInLeapYears()
    {
        QFETCH(int, year);
        QFETCH(int, found);
        QVERIFY(AddVacation(m_db.path, year, 2, 29, u"B"_s));
        VacationTable& table = *m_table;
        // Readers walk the real dates of the year, as a printed page does.
        int hits = 0;
        for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1))
            hits += table.lookUp(QString::number(year), date.month(), date.day()) ? 1 : 0;
        QCOMPARE(hits, found);
    }

    void yearTextIsANumberNeverStatementText_data()
    {
        QTest::addColumn<QString>("yearText");
        QTest::addColumn<int>("entries");
        QTest::newRow("plain") << "2024" << 2;
        QTest::newRow("leading number") << " 2024abc" << 2;
        QTest::newRow("quote after the number") << "2024' OR '1'='1" << 2;
        QTest::newRow("quote first") << "' OR Year > 0 --" << 0;
        QTest::newRow("statement") << "'); DELETE FROM Vacation; --" << 0;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("fraction") << "2024.5" << 0;
    }

    void yearTextIsANumberNeverStatementText()
    {
        QFETCH(QString, yearText);
        QFETCH(int, entries);
        QVERIFY(AddVacation(m_db.path, 2024, 1, 2, u"V"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 3, 4, u"N"_s));
        QVERIFY(AddVacation(m_db.path, 2023, 1, 2, u"D"_s));
        VacationTable& table = *m_table;
        QString error;
        QCOMPARE(table.yearList(yearText, &error).size(), entries);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(table.lookUp(yearText, 1, 2).has_value(), entries > 0);
        QVERIFY(table.lastError().isEmpty());

        RecordSource source;
        QVERIFY(source.setDatabaseName(m_db.path));
        source.setSelection(VacationTable::TableName(), VacationTable::YearListWhere(),
                            VacationTable::YearListValues(yearText),
                            VacationTable::YearListOrder());
        QVERIFY(source.refresh(&error));
        QCOMPARE(source.recordCount(), entries);
        QCOMPARE(Scalar(m_db.path, u"SELECT count(*) FROM \"Vacation\""_s).toInt(), 3);
    }

    void yearListOrder()
    {
        QVERIFY(AddVacation(m_db.path, 2024, 12, 1, u"A"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 2, 10, u"B"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 2, 9, u"C"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 2, 10, u"D"_s));
        VacationTable& table = *m_table;
        QStringList types;
        for (const VacationRecord& record : table.yearList(u"2024"_s))
            types << record.Type;
        QCOMPARE(types, (QStringList{u"C"_s, u"B"_s, u"D"_s, u"A"_s}));
    }

    void cleanUpRemovesBlankRecordsOnly()
    {
        QVERIFY(AddVacation(m_db.path, 2024, 0, 5, u"zero"_s));
        QVERIFY(AddVacation(m_db.path, 2024, -3, 5, u"negative"_s));
        QVERIFY(AddVacation(m_db.path, 2024, QVariant(), 5, u"null"_s));
        QVERIFY(AddVacation(m_db.path, 2024, u""_s, QVariant(), u"empty text"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 1, 5, u"January"_s));
        QVERIFY(AddVacation(m_db.path, QVariant(), 12, QVariant(), u"no year"_s));
        VacationTable& table = *m_table;
        QString error;
        QVERIFY2(table.cleanUp(&error), qPrintable(error));
        QCOMPARE(
            Scalar(m_db.path, u"SELECT group_concat(\"Type\", ',') FROM \"Vacation\""_s).toString(),
            u"January,no year"_s);
    }

    void lookUpLeavesTheFileWritable()
    {
        // The year page looks up while the entry window's source may write; a look-up must not
        // keep the file locked.
        QVERIFY(AddVacation(m_db.path, 2024, 5, 5, u"V"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 5, 5, u"N"_s));
        VacationTable& table = *m_table;
        QVERIFY(table.lookUp(u"2024"_s, 5, 5));

        RecordSource source;
        QVERIFY(source.setDatabaseName(m_db.path));
        source.setSelection(VacationTable::TableName());
        QString error;
        QVERIFY(source.refresh(&error));
        source.setValue(u"Type"_s, u"R"_s);
        QVERIFY2(source.writeNow(&error), qPrintable(error));
        QCOMPARE(table.lookUp(u"2024"_s, 5, 5)->type, u"R"_s);
    }

private:
    DatabaseFolder m_db;
    CalendarDatabase m_connection;
    std::unique_ptr<VacationTable> m_table;
};

QTEST_GUILESS_MAIN(TestVacationTable)
#include "tst_vacationtable.moc"
