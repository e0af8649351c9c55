#include "CalendarFixture.h"
#include "store/CalendarDatabase.h"
#include "store/MonthNotesTable.h"
#include "store/RecordSource.h"
#include "store/RecordTableModel.h"
#include "store/VacationTable.h"

#include <QAbstractItemModelTester>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStringDecoder>
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

private:
    DatabaseFolder m_db;

    // Attaches `source` to the Vacation table of the test file (2024's year list, in month
    // order, when `yearList`), reads it and shows its "Type" in `type`.
    bool openVacations(RecordSource& source, Field& type, bool yearList = false)
    {
        if (!source.setDatabaseName(m_db.path))
            return false;
        if (yearList)
            source.setSelection(VacationTable::TableName(), VacationTable::YearListWhere(),
                                VacationTable::YearListValues(u"2024"_s),
                                VacationTable::YearListOrder());
        else
            source.setSelection(VacationTable::TableName());
        QString error;
        const bool read = source.refresh(&error);
        type.bindTo(source, u"Type"_s);
        return read;
    }

private slots:
    void init()
    {
        m_db.reset();
        QVERIFY(AddVacation(m_db.path, 2024, 1, 1, u"A"_s));
        QVERIFY(AddVacation(m_db.path, 2024, 2, 2, u"B"_s));
    }

    // A table view of the rows shows every change as it happens, read from the source itself.
    void tableModelFollowsTheSource()
    {
        RecordSource source;
        Field type;
        QVERIFY(openVacations(source, type));
        RecordTableModel model(source, {u"Type"_s, u"Month"_s});
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy current(&model, &RecordTableModel::currentRowMoved);
        // Like a view, a sorted proxy keeps its own rows and order and sees only what it is told.
        QSortFilterProxyModel view;
        view.setSourceModel(&model);
        view.sort(0);
        const auto shown = [&view] {
            QStringList types;
            for (int row = 0; row < view.rowCount(); ++row)
                types << view.index(row, 0).data().toString();
            return types;
        };
        const auto inFile = [this] {
            QStringList types = TypesInFile(m_db.path).split(u',', Qt::SkipEmptyParts);
            types.sort();
            return types;
        };
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), u"Month"_s);

        type.text = u"X"_s; // typed over the first record, stored when moving on
        QVERIFY(source.moveTo(1));
        QCOMPARE(shown(), inFile());
        QCOMPARE(current.last().at(0).toInt(), 1);
        QVERIFY(source.addNew());
        QCOMPARE(current.last().at(0).toInt(), -1);
        type.text = u"C"_s;
        QVERIFY(source.writeNow());
        QCOMPARE(shown(), inFile());
        QCOMPARE(current.last().at(0).toInt(), 2);
        QVERIFY(source.deleteCurrent());
        QCOMPARE(shown(), inFile());
        QVERIFY(AddVacation(m_db.path, 2024, 3, 3, u"D"_s)); // another program
        QVERIFY(source.refresh());
        QCOMPARE(shown(), inFile());
        QVERIFY(source.close());
        QCOMPARE(view.rowCount(), 0);
    }

    void boundEditsAreWrittenWhenLeavingTheRecord_data()
    {
        QTest::addColumn<QString>("trigger");
        for (const char* trigger : {"move", "refresh", "writeNow", "addNew", "close"})
            QTest::newRow(trigger) << QString::fromLatin1(trigger);
    }

    void boundEditsAreWrittenWhenLeavingTheRecord()
    {
        QFETCH(QString, trigger);
        RecordSource source;
        Field type;
        Field month;
        QVERIFY(openVacations(source, type, true));
        month.bindTo(source, u"Month"_s);
        QCOMPARE(type.text, u"A"_s);
        QCOMPARE(month.text, u"1"_s);

        type.text = u"V"_s;
        month.text = u"3"_s;
        QCOMPARE(source.value(u"Type"_s).toString(), u"V"_s);
        QString error;
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
        QCOMPARE(TypesInFile(m_db.path), u"V,B"_s);
        // Stored as a number, so the statements that compare months still find it.
        QCOMPARE(
            Scalar(m_db.path, u"SELECT typeof(\"Month\") FROM \"Vacation\" WHERE \"Type\" = 'V'"_s)
                .toString(),
            u"integer"_s);
        if (trigger == u"refresh"_s) {
            QCOMPARE(source.currentIndex(), 0);
            QCOMPARE(type.text, u"B"_s); // re-read in month order: February is now first
        }
        if (trigger == u"close"_s)
            QVERIFY(!source.hasDatabase());
    }

    // Half of an emoji (a surrogate without its pair) never reaches the file as invalid UTF-8.
    void storedTextIsValidUtf8()
    {
        RecordSource source;
        Field type;
        QVERIFY(openVacations(source, type));
        type.text = u"V"_s + QChar(0xd83d);
        QString error;
        QVERIFY2(source.writeNow(&error), qPrintable(error));
        const QByteArray stored =
            Scalar(m_db.path, u"SELECT CAST(\"Type\" AS BLOB) FROM \"Vacation\" ORDER BY rowid"_s)
                .toByteArray();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(stored);
        QVERIFY2(!utf8.hasError(), stored.toHex().constData());
        QCOMPARE(text, u"V\ufffd"_s);
    }

    void newRecordShowsDefaultsAndIsStoredOnWrite()
    {
        RecordSource source;
        QVERIFY(source.setDatabaseName(m_db.path));
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
        QCOMPARE(Scalar(m_db.path, u"SELECT count(*) FROM \"Monthly Notes\""_s).toInt(), 0);

        QVERIFY(source.writeNow(&error));
        QVERIFY(!source.isNewRecord());
        QCOMPARE(source.currentIndex(), 0);
        QCOMPARE(Scalar(m_db.path, u"SELECT \"Month\" || \"Note7\" || \"Highlight7\" FROM "
                                   "\"Monthly Notes\""_s)
                     .toString(),
                 u"5/1/2024Click0"_s);
    }

    void untouchedNewRecordIsNotStored()
    {
        RecordSource source;
        Field type;
        QVERIFY(openVacations(source, type));
        QString error;
        QVERIFY(source.addNew(&error));
        QVERIFY(source.moveTo(1, &error));
        QCOMPARE(type.text, u"B"_s);
        QVERIFY(source.close(&error));
        QCOMPARE(TypesInFile(m_db.path), u"A,B"_s);
    }

    void emptyMonthIsStoredAsMissingAndCleanedUp()
    {
        // A new entry abandoned before its month was typed must be removed by the clean-up.
        RecordSource source;
        Field year, month, type;
        QVERIFY(openVacations(source, type));
        year.bindTo(source, u"Year"_s);
        month.bindTo(source, u"Month"_s);
        QString error;
        QVERIFY(source.addNew(&error));
        year.text = u"2024"_s;
        month.text = u""_s;
        type.text = u"V"_s;
        QVERIFY(source.close(&error));
        QCOMPARE(TypesInFile(m_db.path), u"A,B,V"_s);

        CalendarDatabase db;
        QVERIFY(db.open(m_db.path));
        QVERIFY(VacationTable(db).cleanUp(&error));
        QCOMPARE(TypesInFile(m_db.path), u"A,B"_s);
    }

    void deleteAndEmptyResult()
    {
        RecordSource source;
        Field type;
        QVERIFY(openVacations(source, type, true));
        type.text = u"edited, then deleted"_s;
        QString error;
        QVERIFY(source.deleteCurrent(&error));
        QCOMPARE(type.text, u"B"_s);
        QVERIFY(source.deleteCurrent(&error));
        QVERIFY(source.isBOF() && source.isEOF());
        QCOMPARE(source.currentIndex(), -1);
        QVERIFY(!source.deleteCurrent(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(source.refresh(&error));
        QCOMPARE(source.recordCount(), 0);
        QCOMPARE(TypesInFile(m_db.path), QString());
    }

    void twoProgramsOnOneMonthKeepEachOthersNotes_data()
    {
        QTest::addColumn<bool>("keyColumn");
        QTest::newRow("key column") << true;
        QTest::newRow("no key column") << false;
    }

    void twoProgramsOnOneMonthKeepEachOthersNotes()
    {
        QFETCH(bool, keyColumn);
        if (!keyColumn)
            MakeUnkeyedDatabase(m_db.dir.path());
        // Two running copies of the program show the same month; each stores only what its
        // user changed, so neither overwrites the other's notes.
        const QDate month(2025, 6, 1);
        RecordSource first;
        RecordSource second;
        Field firstNote;
        Field untouchedInFirst;
        Field secondNote;
        Field untouchedInSecond;
        firstNote.bindTo(first, MonthNotesTable::NoteField(0));
        untouchedInFirst.bindTo(first, MonthNotesTable::NoteField(1));
        secondNote.bindTo(second, MonthNotesTable::NoteField(1));
        untouchedInSecond.bindTo(second, MonthNotesTable::NoteField(0));
        for (RecordSource* source : {&first, &second}) {
            QVERIFY(source->setDatabaseName(m_db.path));
            QString error;
            QVERIFY2(MonthNotesTable::OpenMonthNotes(*source, month, &error), qPrintable(error));
        }
        QCOMPARE(untouchedInSecond.text, u"Click"_s);
        firstNote.text = u"Dentist"_s;
        secondNote.text = u"Swap shift"_s;
        QString error;
        QVERIFY2(first.close(&error), qPrintable(error));
        QVERIFY2(second.close(&error), qPrintable(error));
        QCOMPARE(Scalar(m_db.path, u"SELECT count(*) FROM \"Monthly Notes\""_s).toInt(), 1);
        QCOMPARE(Scalar(m_db.path, u"SELECT \"Note1\" || '|' || \"Note2\" FROM \"Monthly Notes\""_s)
                     .toString(),
                 u"Dentist|Swap shift"_s);
    }

    void editOfRecordGoneElsewhereLandsNowhereElse_data()
    {
        QTest::addColumn<bool>("keyColumn");
        QTest::addColumn<bool>("remove"); // else an edit of the gone record
        for (const bool keyColumn : {true, false}) {
            for (const bool remove : {false, true}) {
                const QString name = (keyColumn ? u"key column, "_s : u"no key column, "_s) +
                                     (remove ? u"delete"_s : u"edit"_s);
                QTest::newRow(qPrintable(name)) << keyColumn << remove;
            }
        }
    }

    void editOfRecordGoneElsewhereLandsNowhereElse()
    {
        QFETCH(bool, keyColumn);
        QFETCH(bool, remove);
        if (!keyColumn) {
            MakeUnkeyedDatabase(m_db.dir.path());
            QVERIFY(AddVacation(m_db.path, 2024, 1, 1, u"A"_s));
            QVERIFY(AddVacation(m_db.path, 2024, 2, 2, u"B"_s));
        }
        RecordSource mine;
        Field myType;
        QVERIFY(openVacations(mine, myType, true));
        QVERIFY(mine.moveTo(1));

        // Another copy deletes that last record and adds one for the same day.
        RecordSource other;
        Field otherType;
        QVERIFY(openVacations(other, otherType, true));
        QVERIFY(other.moveTo(1));
        QVERIFY(other.deleteCurrent());
        QVERIFY(other.addNew());
        otherType.text = u"C"_s;
        for (const auto& [field, value] :
             {std::pair{u"Year"_s, 2024}, {u"Month"_s, 2}, {u"Day"_s, 2}})
            other.setValue(field, value);
        QVERIFY(other.close());
        QCOMPARE(TypesInFile(m_db.path), u"A,C"_s);

        QString error;
        if (remove) {
            QVERIFY(mine.deleteCurrent(&error));
            QCOMPARE(TypesInFile(m_db.path), u"A,C"_s);
            return;
        }
        myType.text = u"Q"_s;
        QVERIFY(!mine.writeNow(&error));
        QVERIFY2(error.contains(RecordSource::GoneText()), qPrintable(error));
        QCOMPARE(TypesInFile(m_db.path), u"A,C"_s);
        // What was typed stays, and is stored as a record of its own.
        QCOMPARE(myType.text, u"Q"_s);
        QVERIFY(mine.isNewRecord());
        QVERIFY2(mine.close(&error), qPrintable(error));
        QCOMPARE(TypesInFile(m_db.path), u"A,C,Q"_s);
        QCOMPARE(Scalar(m_db.path, u"SELECT \"Month\" || '/' || \"Day\" FROM \"Vacation\" "
                                   "WHERE \"Type\" = 'Q'"_s)
                     .toString(),
                 u"2/2"_s);
    }

    void failedWriteIsReportedAndNothingIsLost_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only file") << true;
        QTest::newRow("file locked by another program") << false;
    }

    void failedWriteIsReportedAndNothingIsLost()
    {
        QFETCH(bool, readOnly);
        const QString& path = m_db.path;
        RecordSource source;
        Field type;
        QVERIFY(openVacations(source, type));

        QString error;
        CalendarDatabase other;
        QSqlQuery lock;
        if (readOnly) {
            if (geteuid() == 0)
                QSKIP("file permissions do not stop the super-user");
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
            QVERIFY(source.setDatabaseName(path)); // reading still works
            source.setSelection(VacationTable::TableName());
            QVERIFY(source.refresh(&error));
        } else {
            QVERIFY(other.open(path));
            lock = QSqlQuery(other.connection());
            QVERIFY(lock.exec(u"BEGIN EXCLUSIVE"_s));
        }
        const QByteArray before = Fingerprint(path);

        type.text = u"Q"_s;
        error.clear();
        QVERIFY(!source.writeNow(&error));
        QVERIFY2(error.contains(QFileInfo(path).fileName()) && !error.contains(u'\n'),
                 qPrintable(error));
        error.clear();
        QVERIFY(!source.close(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(source.hasDatabase()); // still attached: the edit can be stored later
        QCOMPARE(type.text, u"Q"_s);
        QCOMPARE(Fingerprint(path), before);

        if (readOnly) // the connection saw a read-only file: attach again
            return;
        QVERIFY(lock.exec(u"ROLLBACK"_s));
        QVERIFY2(source.close(&error), qPrintable(error));
        QCOMPARE(TypesInFile(path), u"Q,B"_s);
    }
};

QTEST_GUILESS_MAIN(TestRecordSource)
#include "tst_recordsource.moc"
