#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>

class CalendarDatabase;

// A record source with bound fields. Bound fields are written to the current record when the
// source moves, is refreshed, is written now, or closes. Every failing operation returns
// false and fills *error (never silent).
class RecordSource
{
public:
    RecordSource();
    ~RecordSource(); // does NOT write (call close())
    RecordSource(const RecordSource&) = delete;
    RecordSource& operator=(const RecordSource&) = delete;

    // Attaches to the file ("" = no database). Pending edits are not written: close() first.
    bool setDatabaseName(const QString& path, QString* error = nullptr);
    QString databaseName() const;
    bool hasDatabase() const;

    // SELECT * FROM "<table>" [WHERE <where>] [ORDER BY <orderBy>], `values` bound to the ?s.
    void setSelection(const QString& table, const QString& where = {},
                      const QVariantList& values = {}, const QString& orderBy = {});
    // The fields that tell one record from another, for tables without a key column: a record
    // whose rowid now holds other values there is another record. Without them every field
    // counts, so a record someone else changed is never written over.
    void setIdentity(const QStringList& fields);
    bool refresh(QString* error = nullptr); // writes bound edits, re-selects, first record current
    bool isBOF() const;                     // before the first record (also when empty)
    bool isEOF() const;                     // after the last record (also when empty)
    int recordCount() const;
    int currentIndex() const; // -1 when none, and while a new record is current
    bool moveTo(int index, QString* error = nullptr); // writes bound edits first
    bool addNew(QString* error = nullptr); // writes bound edits, starts a new record (current,
                                           // stored on the next write); column defaults shown
    bool isNewRecord() const;
    bool hasPendingEdits() const; // the bound controls or setValue() differ from the record
    // Stores bound values into the current record. A record deleted by someone else since it
    // was read (or, in a table without a key column, changed) is never written over: the
    // write fails with GoneText() and the record becomes a new one holding what was typed.
    bool writeNow(QString* error = nullptr);
    static QString GoneText();
    bool deleteCurrent(QString* error = nullptr);
    bool close(QString* error = nullptr);       // writes bound edits, detaches (stays attached when
                                                // the write fails, so nothing is lost)
    QVariant value(const QString& field) const; // current record (after bound values)
    void setValue(const QString& field, const QVariant& value); // into the current record buffer

    // A control bound to a field: `show` is called whenever the current record changes,
    // `read` when the record is written. Empty text from a numeric control should be null.
    void bind(const QString& field, std::function<QVariant()> read,
              std::function<void(const QVariant&)> show);
    void unbindAll();

    // The field names of the selection (known after a refresh), in table order.
    QStringList fieldNames() const;
    // The selected rows' values, for a list view: row `row`, field `field`.
    QVariant rowValue(int row, const QString& field) const;

    // What a view of the rows is told, before and after the rows change and after the current
    // record moves. `row` is the row concerned, -1 where none is.
    enum class Change
    {
        AboutToReload, // every row is replaced, none kept
        Reloaded,
        AboutToAdd, // a stored new record joins the rows at `row`
        Added,
        AboutToRemove, // the current record, at `row`, leaves the rows
        Removed,
        RowChanged,   // the values of the record at `row` changed
        CurrentMoved, // another record, a new one or none is current
    };
    // One watcher at a time (an empty function stops it), so that a view shows the rows
    // themselves rather than a copy.
    void setWatcher(std::function<void(Change, int)> watcher);

private:
    struct Binding
    {
        QString field;
        std::function<QVariant()> read;
        std::function<void(const QVariant&)> show;
    };
    struct Column
    {
        QString name;
        bool numeric = false; // empty text is stored as null
        QVariant defaultValue;
    };
    struct Row
    {
        qint64 rowId = -1;
        QVariantList values; // by column
    };

    bool requireDatabase(QString* error) const;
    bool loadColumns(QString* error);
    int columnOf(const QString& field) const;
    bool hasCurrent() const;
    Row* buffer();
    const Row* buffer() const;
    bool isChanged() const;
    bool writeBound(QString* error);
    bool storeCurrent(QString* error);
    bool readRow(qint64 rowId, Row& row, QString* error);
    bool select(QString* error);
    void showCurrent();
    QString failure(const QString& what, const QString& reason) const;
    QString unchangedCondition(const Row& row, QVariantList& values) const;
    void keepAsNewRecord();
    void tell(Change change, int row = -1) const;
    void removeRow(int row);
    void replaceRows(const QList<Row>& rows);

    std::unique_ptr<CalendarDatabase> m_database;
    QString m_databaseName;
    QString m_table;
    QString m_where;
    QVariantList m_values;
    QString m_orderBy;
    QList<Column> m_columns;
    QStringList m_identity;
    int m_keyColumn = -1; // the INTEGER PRIMARY KEY AUTOINCREMENT column, if the table has one
    QList<Row> m_rows;
    int m_current = -1; // while adding: the record that was current before
    bool m_adding = false;
    Row m_newRow;
    QList<int> m_setColumns; // columns changed through setValue() since the last write
    QList<Binding> m_bindings;
    std::function<void(Change, int)> m_watcher;
};
