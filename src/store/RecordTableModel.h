#pragma once

#include "store/RecordSource.h"

#include <QAbstractTableModel>
#include <QStringList>

// A read-only table of a record source's rows for a view: one column per given field, headed
// by the field's name. It reads the record source directly (nothing is copied) and follows its
// reloads, stored and removed records, and the moves of its current record. Destroy it before
// the record source.
class RecordTableModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    RecordTableModel(RecordSource& source, const QStringList& fields, QObject* parent = nullptr);
    ~RecordTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    // The record source's current record is now `row`: -1 while a new record is current, or
    // when there is none. A view's selection is not the model's to set; this is its cue.
    void currentRowMoved(int row);

private:
    void follow(RecordSource::Change change, int row);

    RecordSource& m_source;
    QStringList m_fields;
};
