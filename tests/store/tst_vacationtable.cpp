#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"
#include "store/ColorText.h"
#include "store/RecordSource.h"
#include "store/VacationTable.h"
#include "store/YearEntries.h"

#include <QDate>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <array>
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

    // Records as stored, each {year, month, day} and typed "r<its place in the order>"; what
    // the year page of 2024 shows, "month/day type" in the order of the year. Every case runs
    // in the template file and in files another program may have made: without the index on
    // the dates, and with fields of no declared type, where text stays text.
    void firstRecordWinsForEverySpread_data()
    {
        QTest::addColumn<QList<QVariantList>>("records");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("indexed");
        QTest::addColumn<bool>("untyped");

        // Several records on every date the spread takes, shuffled, with the neighbouring
        // years on the same dates in between.
        const auto spread = [](int perDate, const auto& takes) {
            QList<QVariantList> records;
            for (int year : {2023, 2024, 2025})
                for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1))
                    for (int i = 0; i < (takes(date) ? perDate : 0); ++i)
                        records.append({year, date.month(), date.day()});
            QRandomGenerator random(32);
            for (qsizetype i = records.size() - 1; i > 0; --i)
                records.swapItemsAt(i, random.bounded(i + 1));
            return records;
        };
        const auto firstOfEachDate = [](const QList<QVariantList>& records) {
            QMap<QDate, QString> first;
            for (qsizetype i = 0; i < records.size(); ++i) {
                const QDate date(records[i][0].toInt(), records[i][1].toInt(),
                                 records[i][2].toInt());
                if (date.year() == 2024 && !first.contains(date))
                    first.insert(date, u"%1/%2 r%3"_s.arg(date.month()).arg(date.day()).arg(i));
            }
            return first.values();
        };
        QList<std::pair<const char*, QList<QVariantList>>> spreads{
            {"dense", spread(3, [](QDate) { return true; })},
            {"days 1..28", spread(3, [](QDate date) { return date.day() <= 28; })},
            {"most dates", spread(2, [](QDate date) { return date.day() != 13; })},
            {"the 15th", spread(20, [](QDate date) { return date.day() == 15; })},
            {"one date, other years full",
             spread(1,
                    [](QDate date) { return date.year() != 2024 || date == QDate(2024, 2, 29); })},
        };
        QList<std::tuple<const char*, QList<QVariantList>, QStringList>> cases;
        for (const auto& [name, records] : spreads)
            cases.append({name, records, firstOfEachDate(records)});
        // Only a whole month 1..12 and day 1..31 is a date; nothing else lands on one, such as
        // month 0, day 301 on the 1st of March.
        cases.append({"out-of-range months and days",
                      {{2024, 0, 301},
                       {2024, 2, 101},
                       {2024, 4, -99},
                       {2024, 1e10, 1},
                       {2024, 2.5, 3},
                       {2024, QVariant(), 3},
                       {2024, 13, 1},
                       {2024, 1, 32},
                       {2024, 3, 1},
                       {2024, 2, 3},
                       {2024, -1, 1},
                       {2024, 12, 0},
                       {2024, 2, 30}},
                      {u"2/3 r9"_s, u"3/1 r8"_s}});
        // Text that reads as a whole number is one; text and numbers of a date are one date,
        // whose first record wins whatever it was stored as.
        cases.append(
            {"text and real values",
             {{2024, 7.5, 4},
              {2024, u"7.0"_s, u" 4"_s},
              {2024, 7, 4},
              {2024, 8, 1},
              {2024, u"8"_s, u"1"_s},
              {2024, 9.0, u"2"_s},
              {2024, 9, 2},
              {2024, u"9abc"_s, 3},
              {2024, QByteArray("10"), 5},
              {2024, 10, 5},
              {2024, u""_s, 6},
              {2024, 12, 31.0},
              {2024, u"11"_s, u"31"_s},
              {2024, 5.0, 6.0},
              {2024, 5, 6}},
             {u"5/6 r13"_s, u"7/4 r1"_s, u"8/1 r3"_s, u"9/2 r5"_s, u"10/5 r8"_s, u"12/31 r11"_s}});
        for (const auto& [name, records, expected] : cases) {
            for (bool untyped : {false, true}) {
                for (bool indexed : {true, false}) {
                    QTest::addRow("%s, %s, %s", name, indexed ? "index" : "no index",
                                  untyped ? "no field types" : "template fields")
                        << records << expected << indexed << untyped;
                }
            }
        }
    }

    void firstRecordWinsForEverySpread()
    {
        QFETCH(QList<QVariantList>, records);
        QFETCH(QStringList, expected);
        QFETCH(bool, indexed);
        QFETCH(bool, untyped);
        {
            CalendarDatabase writer;
            QVERIFY(writer.open(m_db.path));
            QSqlQuery query(writer.connection());
            if (untyped) {
                QVERIFY(query.exec(u"DROP TABLE \"Vacation\""_s));
                QVERIFY(query.exec(u"CREATE TABLE \"Vacation\" (\"Year\", \"Month\", \"Day\", "
                                   "\"Type\", \"Color\")"_s));
                if (indexed)
                    QVERIFY(query.exec(u"CREATE INDEX \"Vacation by date\" ON \"Vacation\" "
                                       "(\"Year\", \"Month\", \"Day\")"_s));
            } else if (!indexed) {
                QVERIFY(query.exec(u"DROP INDEX \"Vacation by date\""_s));
            }
            QVERIFY(query.exec(u"BEGIN"_s));
            QVERIFY(query.prepare(u"INSERT INTO \"Vacation\" (\"Year\", \"Month\", \"Day\", "
                                  "\"Type\", \"Color\") VALUES (?, ?, ?, ?, '180, 180, 255')"_s));
            for (qsizetype i = 0; i < records.size(); ++i) {
                for (const QVariant& value : records[i])
                    query.addBindValue(value);
                query.addBindValue(u"r%1"_s.arg(i));
                QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
            }
            QVERIFY(query.exec(u"COMMIT"_s));
        }
        QVERIFY(m_connection.open(m_db.path));
        VacationTable& table = *m_table;
        QVERIFY2(table.entriesOfMonths(u"2024"_s, 1, 12), qPrintable(table.lastError()));
        // The year page reads the whole year; a month page (February, March) only its month.
        YearEntries year(table);
        std::array<YearEntries, 2> months{YearEntries(table, 2, 2), YearEntries(table, 3, 3)};
        QStringList shown;
        QStringList shownOfMonths;
        for (QDate date(2024, 1, 1); date.year() == 2024; date = date.addDays(1)) {
            const auto entry = year.lookUp(u"2024"_s, date.month(), date.day());
            if (entry) {
                shown << u"%1/%2 %3"_s.arg(date.month()).arg(date.day()).arg(entry->type);
                QCOMPARE(entry->color, u"180, 180, 255"_s);
            }
            if (date.month() == 2 || date.month() == 3) {
                const auto ofMonth =
                    months[date.month() - 2].lookUp(u"2024"_s, date.month(), date.day());
                if (ofMonth)
                    shownOfMonths
                        << u"%1/%2 %3"_s.arg(date.month()).arg(date.day()).arg(ofMonth->type);
            }
        }
        QCOMPARE(shown, expected);
        QCOMPARE(shownOfMonths, shown.filter(QRegularExpression(u"^[23]/"_s)));
    }

    void anotherYearIsReadAfresh()
    {
        QVERIFY(AddVacation(m_db.path, 2024, 1, 1, u"V"_s));
        QVERIFY(AddVacation(m_db.path, 2023, 1, 1, u"D"_s));
        YearEntries year(*m_table);
        QCOMPARE(year.lookUp(u"2024"_s, 1, 1)->type, u"V"_s);
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
