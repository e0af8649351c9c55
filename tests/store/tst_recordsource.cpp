#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"
#include "store/RecordSource.h"
#include "store/VacationTable.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace CalendarFixture;

namespace {

// A text box as the windows have them: what is shown, and what the user typed over it.
struct Field
{
    QString text;
    void bindTo(RecordSource& source, const QString& name)
    {
        source.bind(
            name, [this] { return QVariant(text); },
            [this](const QVariant& value) { text = value.toString(); });
    }
};

QString TypesInFile(const QString& path)
{
    return Scalar(path, u"SELECT group_concat(\"Type\", ',') FROM (SELECT \"Type\" FROM "
                        "\"Vacation\" ORDER BY rowid)"_s)
        .toString();
}

} // namespace

class TestRecordSource : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void boundEditsAreWrittenWhenLeavingTheRecord_data();
    void boundEditsAreWrittenWhenLeavingTheRecord();
    void newRecordShowsDefaultsAndIsStoredOnWrite();
    void untouchedNewRecordIsNotStored();
    void emptyMonthIsStoredAsMissingAndCleanedUp();
    void deleteAndEmptyResult();
    void failedWriteIsReportedAndNothingIsLost_data();
    void failedWriteIsReportedAndNothingIsLost();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestRecordSource::init()
{
    const QString path = m_dir.filePath(CalendarDatabase::FileName());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(path);
    m_path = MakeDatabase(m_dir.path());
    QVERIFY(AddVacation(m_path, 2024, 1, 1, u"A"_s));
    QVERIFY(AddVacation(m_path, 2024, 2, 2, u"B"_s));
}

void TestRecordSource::boundEditsAreWrittenWhenLeavingTheRecord_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("move") << u"move"_s;
    QTest::newRow("refresh") << u"refresh"_s;
    QTest::newRow("write now") << u"writeNow"_s;
    QTest::newRow("add new") << u"addNew"_s;
    QTest::newRow("close") << u"close"_s;
}

void TestRecordSource::boundEditsAreWrittenWhenLeavingTheRecord()
{
    QFETCH(QString, trigger);
    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    source.setSelection(VacationTable::TableName(), VacationTable::YearListWhere(),
                        VacationTable::YearListValues(u"2024"_s), VacationTable::YearListOrder());
    Field type;
    Field month;
    type.bindTo(source, u"Type"_s);
    month.bindTo(source, u"Month"_s);
    QString error;
    QVERIFY(source.refresh(&error));
    QCOMPARE(type.text, u"A"_s);
    QCOMPARE(month.text, u"1"_s);

    type.text = u"V"_s;
    month.text = u"3"_s;
    QCOMPARE(source.value(u"Type"_s).toString(), u"V"_s);
    bool ok = false;
    if (trigger == u"move"_s)
        ok = source.moveTo(1, &error);
    else if (trigger == u"refresh"_s)
        ok = source.refresh(&error);
    else if (trigger == u"writeNow"_s)
        ok = source.writeNow(&error);
    else if (trigger == u"addNew"_s)
        ok = source.addNew(&error);
    else
        ok = source.close(&error);
    QVERIFY2(ok, qPrintable(error));
    QCOMPARE(TypesInFile(m_path), u"V,B"_s);
    // Stored as a number, so the statements that compare months still find it.
    QCOMPARE(Scalar(m_path, u"SELECT typeof(\"Month\") FROM \"Vacation\" WHERE \"Type\" = 'V'"_s)
                 .toString(),
             u"integer"_s);
    if (trigger == u"refresh"_s) {
        QCOMPARE(source.currentIndex(), 0);
        QCOMPARE(type.text, u"B"_s); // re-read in month order: February is now first
    }
    if (trigger == u"close"_s)
        QVERIFY(!source.hasDatabase());
}

void TestRecordSource::newRecordShowsDefaultsAndIsStoredOnWrite()
{
    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    source.setSelection(u"Monthly Notes"_s, u"\"Month\" = ?"_s, {u"5/1/2024"_s});
    Field note;
    Field month;
    note.bindTo(source, u"Note7"_s);
    month.bindTo(source, u"Month"_s);
    QString error;
    QVERIFY(source.refresh(&error));
    QVERIFY(source.isBOF() && source.isEOF());

    QVERIFY(source.addNew(&error));
    QVERIFY(source.isNewRecord());
    QVERIFY(!source.isBOF() && !source.isEOF());
    QCOMPARE(note.text, u"Click"_s);
    QCOMPARE(source.value(u"Highlight7"_s).toInt(), 0);
    source.setValue(u"Month"_s, u"5/1/2024"_s);
    QCOMPARE(month.text, u"5/1/2024"_s); // shown in the bound control at once
    QCOMPARE(Scalar(m_path, u"SELECT count(*) FROM \"Monthly Notes\""_s).toInt(), 0);

    QVERIFY(source.writeNow(&error));
    QVERIFY(!source.isNewRecord());
    QCOMPARE(source.currentIndex(), 0);
    QCOMPARE(Scalar(m_path, u"SELECT \"Month\" || \"Note7\" || \"Highlight7\" FROM "
                            "\"Monthly Notes\""_s)
                 .toString(),
             u"5/1/2024Click0"_s);
}

void TestRecordSource::untouchedNewRecordIsNotStored()
{
    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    source.setSelection(VacationTable::TableName());
    Field type;
    type.bindTo(source, u"Type"_s);
    QString error;
    QVERIFY(source.refresh(&error));
    QVERIFY(source.addNew(&error));
    QVERIFY(source.moveTo(1, &error));
    QCOMPARE(type.text, u"B"_s);
    QVERIFY(source.close(&error));
    QCOMPARE(TypesInFile(m_path), u"A,B"_s);
}

void TestRecordSource::emptyMonthIsStoredAsMissingAndCleanedUp()
{
    // A new entry abandoned before its month was typed must be removed by the clean-up.
    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    source.setSelection(VacationTable::TableName());
    Field year, month, type;
    year.bindTo(source, u"Year"_s);
    month.bindTo(source, u"Month"_s);
    type.bindTo(source, u"Type"_s);
    QString error;
    QVERIFY(source.refresh(&error));
    QVERIFY(source.addNew(&error));
    year.text = u"2024"_s;
    month.text = u""_s;
    type.text = u"V"_s;
    QVERIFY(source.close(&error));
    QCOMPARE(TypesInFile(m_path), u"A,B,V"_s);

    CalendarDatabase db;
    QVERIFY(db.open(m_path));
    QVERIFY(VacationTable(db).cleanUp(&error));
    QCOMPARE(TypesInFile(m_path), u"A,B"_s);
}

void TestRecordSource::deleteAndEmptyResult()
{
    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    source.setSelection(VacationTable::TableName(), VacationTable::YearListWhere(),
                        VacationTable::YearListValues(u"2024"_s), VacationTable::YearListOrder());
    Field type;
    type.bindTo(source, u"Type"_s);
    QString error;
    QVERIFY(source.refresh(&error));
    type.text = u"edited, then deleted"_s;
    QVERIFY(source.deleteCurrent(&error));
    QCOMPARE(type.text, u"B"_s);
    QVERIFY(source.deleteCurrent(&error));
    QVERIFY(source.isBOF() && source.isEOF());
    QCOMPARE(source.currentIndex(), -1);
    QVERIFY(!source.deleteCurrent(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(source.refresh(&error));
    QCOMPARE(source.recordCount(), 0);
    QCOMPARE(TypesInFile(m_path), QString());
}

void TestRecordSource::failedWriteIsReportedAndNothingIsLost_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only file") << u"readOnly"_s;
    QTest::newRow("file locked by another program") << u"locked"_s;
}

void TestRecordSource::failedWriteIsReportedAndNothingIsLost()
{
    QFETCH(QString, cause);
    RecordSource source;
    QVERIFY(source.setDatabaseName(m_path));
    source.setSelection(VacationTable::TableName());
    Field type;
    type.bindTo(source, u"Type"_s);
    QString error;
    QVERIFY(source.refresh(&error));

    CalendarDatabase other;
    QSqlQuery lock;
    if (cause == u"readOnly"_s) {
        if (geteuid() == 0)
            QSKIP("file permissions do not stop the super-user");
        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadUser));
        QVERIFY(source.setDatabaseName(m_path)); // reading still works
        source.setSelection(VacationTable::TableName());
        QVERIFY(source.refresh(&error));
    } else {
        QVERIFY(other.open(m_path));
        lock = QSqlQuery(other.connection());
        QVERIFY(lock.exec(u"BEGIN EXCLUSIVE"_s));
    }
    const QByteArray before = Fingerprint(m_path);

    type.text = u"Q"_s;
    error.clear();
    QVERIFY(!source.writeNow(&error));
    QVERIFY2(error.contains(QFileInfo(m_path).fileName()) && !error.contains(u'\n'),
             qPrintable(error));
    error.clear();
    QVERIFY(!source.close(&error));
    QVERIFY(!error.isEmpty());
    QVERIFY(source.hasDatabase()); // still attached: the edit can be stored later
    QCOMPARE(type.text, u"Q"_s);
    QCOMPARE(Fingerprint(m_path), before);

    if (cause == u"readOnly"_s)
        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner));
    else
        QVERIFY(lock.exec(u"ROLLBACK"_s));
    if (cause == u"readOnly"_s) // the connection saw a read-only file: attach again
        return;
    QVERIFY2(source.close(&error), qPrintable(error));
    QCOMPARE(TypesInFile(m_path), u"Q,B"_s);
}

QTEST_GUILESS_MAIN(TestRecordSource)
#include "tst_recordsource.moc"
