#include "store/RecordTableModel.h"

RecordTableModel::RecordTableModel(RecordSource& source, const QStringList& fields, QObject* parent)
    : QAbstractTableModel(parent), m_source(source), m_fields(fields)
{
    m_source.setWatcher([this](RecordSource::Change change, int row) { follow(change, row); });
}

RecordTableModel::~RecordTableModel()
{
    m_source.setWatcher({});
}

int RecordTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_source.recordCount();
}

int RecordTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_fields.size());
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const QVariant value = m_source.rowValue(index.row(), m_fields.at(index.column()));
    return value.isNull() ? QString() : value.toString();
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_fields.size())
        return m_fields.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void RecordTableModel::follow(RecordSource::Change change, int row)
{
    using Change = RecordSource::Change;
    switch (change) {
    case Change::AboutToReload:
        beginResetModel();
        break;
    case Change::Reloaded:
        endResetModel();
        // A reset takes the view's selection with it.
        emit currentRowMoved(m_source.currentIndex());
        break;
    case Change::AboutToAdd:
        beginInsertRows({}, row, row);
        break;
    case Change::Added:
        endInsertRows();
        break;
    case Change::AboutToRemove:
        // Only the current record ever leaves. Letting go of it first keeps the view from
        // moving its selection to a neighbour, as if someone had picked that one.
        emit currentRowMoved(-1);
        beginRemoveRows({}, row, row);
        break;
    case Change::Removed:
        endRemoveRows();
        break;
    case Change::RowChanged:
        if (!m_fields.isEmpty())
            emit dataChanged(index(row, 0), index(row, static_cast<int>(m_fields.size()) - 1));
        break;
    case Change::CurrentMoved:
        emit currentRowMoved(m_source.currentIndex());
        break;
    }
}
