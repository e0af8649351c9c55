#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"
#include "store/ColorText.h"
#include "store/RecordSource.h"
#include "store/VacationTable.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

class TestVacationTable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void parseColorText_data();
    void parseColorText();
    void firstRecordOfADateWins();
    void leapDayFoundOnlyInLeapYears_data();
    void leapDayFoundOnlyInLeapYears();
    void yearTextIsANumberNeverStatementText_data();
    void yearTextIsANumberNeverStatementText();
    void yearListOrder();
    void cleanUpRemovesBlankRecordsOnly();
    void lookUpLeavesTheFileWritable();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestVacationTable::init()
{
    QFile::remove(m_dir.filePath(CalendarDatabase::FileName()));
    m_path = MakeDatabase(m_dir.path());
}

void TestVacationTable::parseColorText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("orange") << u"255, 180, 000"_s << QColor(255, 180, 0);
    QTest::newRow("default") << ColorText::DefaultColor() << QColor(255, 255, 100);
    QTest::newRow("blanks around") << u"  180, 255, 180 "_s << QColor(180, 255, 180);
    QTest::newRow("no blanks: wrong layout") << u"255,180,0"_s << QColor(255, 80, 0);
    QTest::newRow("empty") << QString() << QColor(0, 0, 0);
    QTest::newRow("out of range is clamped") << u"999, -20, 100"_s << QColor(255, 0, 100);
}

void TestVacationTable::parseColorText()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    const QColor parsed = ColorText::ParseColorText(text);
    QVERIFY(parsed.isValid());
    QCOMPARE(parsed, colour);
}

void TestVacationTable::firstRecordOfADateWins()
{
    QVERIFY(AddVacation(m_path, 2024, 7, 4, u"X"_s, u"180, 180, 255"_s));
    QVERIFY(AddVacation(m_path, 2024, 7, 4, u"B"_s, u"255, 180, 000"_s));
    QVERIFY(AddVacation(m_path, 2025, 7, 4, u"V"_s));
    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    VacationTable table(db);
    for (int repeat = 0; repeat < 2; ++repeat) {
        const auto entry = table.lookUp(u"2024"_s, 7, 4);
        QVERIFY(entry);
        QCOMPARE(entry->type, u"X"_s);
        QCOMPARE(entry->color, u"180, 180, 255"_s);
    }
    QVERIFY(!table.lookUp(u"2024"_s, 7, 5));
    QVERIFY(table.lastError().isEmpty());

    // The prepared statement follows the connection across a reopen.
    QVERIFY(db.open(m_path));
    QCOMPARE(table.lookUp(u"2025"_s, 7, 4)->type, u"V"_s);
}

void TestVacationTable::leapDayFoundOnlyInLeapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("found");
    QTest::newRow("2024") << 2024 << 1;
    QTest::newRow("2023") << 2023 << 0;
    QTest::newRow("2000") << 2000 << 1;
    QTest::newRow("2100") << 2100 << 0;
}

void TestVacationTable::leapDayFoundOnlyInLeapYears()
{
    QFETCH(int, year);
    QFETCH(int, found);
    QVERIFY(AddVacation(m_path, year, 2, 29, u"B"_s));
    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    VacationTable table(db);
    // Readers walk the real dates of the year, as a printed page does.
    int hits = 0;
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1))
        hits += table.lookUp(QString::number(year), date.month(), date.day()) ? 1 : 0;
    QCOMPARE(hits, found);
}

void TestVacationTable::yearTextIsANumberNeverStatementText_data()
{
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<int>("entries");
    QTest::newRow("plain") << u"2024"_s << 2;
    QTest::newRow("leading number") << u" 2024abc"_s << 2;
    QTest::newRow("quote after the number") << u"2024' OR '1'='1"_s << 2;
    QTest::newRow("quote first") << u"' OR Year > 0 --"_s << 0;
    QTest::newRow("statement") << u"'); DELETE FROM Vacation; --"_s << 0;
    QTest::newRow("not a number") << u"abc"_s << 0;
    QTest::newRow("fraction") << u"2024.5"_s << 0;
}

void TestVacationTable::yearTextIsANumberNeverStatementText()
{
    QFETCH(QString, yearText);
    QFETCH(int, entries);
    QVERIFY(AddVacation(m_path, 2024, 1, 2, u"V"_s));
    QVERIFY(AddVacation(m_path, 2024, 3, 4, u"N"_s));
    QVERIFY(AddVacation(m_path, 2023, 1, 2, u"D"_s));
    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    VacationTable table(db);
    QString error;
    QCOMPARE(table.yearList(yearText, &error).size(), entries);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(table.lookUp(yearText, 1, 2).has_value(), entries > 0);
    QVERIFY(table.lastError().isEmpty());

    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    source.setSelection(VacationTable::TableName(), VacationTable::YearListWhere(),
                        VacationTable::YearListValues(yearText), VacationTable::YearListOrder());
    QVERIFY(source.refresh(&error));
    QCOMPARE(source.recordCount(), entries);
    QCOMPARE(Scalar(m_path, u"SELECT count(*) FROM \"Vacation\""_s).toInt(), 3);
}

void TestVacationTable::yearListOrder()
{
    QVERIFY(AddVacation(m_path, 2024, 12, 1, u"A"_s));
    QVERIFY(AddVacation(m_path, 2024, 2, 10, u"B"_s));
    QVERIFY(AddVacation(m_path, 2024, 2, 9, u"C"_s));
    QVERIFY(AddVacation(m_path, 2024, 2, 10, u"D"_s));
    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    VacationTable table(db);
    QStringList types;
    for (const VacationRecord& record : table.yearList(u"2024"_s))
        types << record.Type;
    QCOMPARE(types, (QStringList{u"C"_s, u"B"_s, u"D"_s, u"A"_s}));
}

void TestVacationTable::cleanUpRemovesBlankRecordsOnly()
{
    QVERIFY(AddVacation(m_path, 2024, 0, 5, u"zero"_s));
    QVERIFY(AddVacation(m_path, 2024, -3, 5, u"negative"_s));
    QVERIFY(AddVacation(m_path, 2024, QVariant(), 5, u"null"_s));
    QVERIFY(AddVacation(m_path, 2024, u""_s, QVariant(), u"empty text"_s));
    QVERIFY(AddVacation(m_path, 2024, 1, 5, u"January"_s));
    QVERIFY(AddVacation(m_path, QVariant(), 12, QVariant(), u"no year"_s));
    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    VacationTable table(db);
    QString error;
    QVERIFY2(table.cleanUp(&error), qPrintable(error));
    QCOMPARE(Scalar(m_path, u"SELECT group_concat(\"Type\", ',') FROM \"Vacation\""_s).toString(),
             u"January,no year"_s);
}

void TestVacationTable::lookUpLeavesTheFileWritable()
{
    // The year page looks up while the entry window's source may write; a look-up must not
    // keep the file locked.
    QVERIFY(AddVacation(m_path, 2024, 5, 5, u"V"_s));
    QVERIFY(AddVacation(m_path, 2024, 5, 5, u"N"_s));
    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    VacationTable table(db);
    QVERIFY(table.lookUp(u"2024"_s, 5, 5));

    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    source.setSelection(VacationTable::TableName());
    QString error;
    QVERIFY(source.refresh(&error));
    source.setValue(u"Type"_s, u"R"_s);
    QVERIFY2(source.writeNow(&error), qPrintable(error));
    QCOMPARE(table.lookUp(u"2024"_s, 5, 5)->type, u"R"_s);
}

QTEST_GUILESS_MAIN(TestVacationTable)
#include "tst_vacationtable.moc"
