#include "ledgers/paged_table_model.h"

#include "foundation/database.h"
#include "ledgers/display_format.h"

#include <QMetaObject>
#include <QSqlQuery>

#include <algorithm>
#include <tuple>

namespace kalmira {

PagedTableModel::PagedTableModel(Database &db, const schema::Table &table,
                                 QList<ModelColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_db(db), m_table(table), m_columns(std::move(columns)),
      m_keyField(table.key.last())
{
    QStringList names;
    for (const schema::Field &field : m_table.fields)
        names << field.name;
    m_selectList = names.join(QStringLiteral(", "));
    m_sortColumn = std::max(0, columnOf(m_keyField));
}

int PagedTableModel::columnOf(const QString &field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field == field)
            return i;
    return -1;
}

void PagedTableModel::setBaseFilter(const QString &condition, const QVariantMap &params)
{
    applyAndReset([&] {
        m_baseFilter = condition;
        m_baseParams = params;
    });
}

void PagedTableModel::setFilter(const QString &condition, const QVariantMap &params)
{
    applyAndReset([&] {
        m_filter = condition;
        m_filterParams = condition.isEmpty() ? QVariantMap() : params;
    });
}

void PagedTableModel::setSortColumn(int column)
{
    if (column < 0 || column >= m_columns.size())
        return;
    applyAndReset([&] { m_sortColumn = column; });
}

void PagedTableModel::refresh()
{
    applyAndReset([] {});
}

// The new state is counted before the grid hears of it, so a failing count
// (thrown to the command that asked) leaves the model as it was.
void PagedTableModel::applyAndReset(const std::function<void()> &change)
{
    const auto saved =
        std::tuple(m_baseFilter, m_baseParams, m_filter, m_filterParams, m_sortColumn);
    change();
    int count = 0;
    try {
        count = countRows();
    } catch (...) {
        std::tie(m_baseFilter, m_baseParams, m_filter, m_filterParams, m_sortColumn) = saved;
        throw;
    }
    beginResetModel();
    m_rowCount = count;
    m_pages.clear();
    m_recent.clear();
    m_failed = false;
    endResetModel();
}

QString PagedTableModel::whereClause() const
{
    QStringList conditions;
    if (!m_baseFilter.isEmpty())
        conditions << QLatin1Char('(') + m_baseFilter + QLatin1Char(')');
    if (!m_filter.isEmpty())
        conditions << QLatin1Char('(') + m_filter + QLatin1Char(')');
    return conditions.isEmpty()
               ? QString()
               : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

QVariantMap PagedTableModel::whereParams() const
{
    QVariantMap params = m_baseParams;
    params.insert(m_filterParams);
    return params;
}

QString PagedTableModel::orderTerm(const QString &field, bool descending) const
{
    const schema::Field *f = m_table.field(field);
    QString term = field;
    if (f && f->isText())
        term += QStringLiteral(" COLLATE HU_CI");
    if (descending)
        term += QStringLiteral(" DESC");
    return term;
}

int PagedTableModel::countRows(const QString &extraCondition, const QVariantMap &extraParams) const
{
    QString where = whereClause();
    if (!extraCondition.isEmpty())
        where += (where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) +
                 QLatin1Char('(') + extraCondition + QLatin1Char(')');
    QVariantMap params = whereParams();
    params.insert(extraParams);
    return m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + m_table.name + where, params)
        .toInt();
}

// A page near the end is read backwards from the end, so that the last rows
// of a big book come as quickly as the first ones.
QList<PagedTableModel::Row> PagedTableModel::readPage(int page) const
{
    const int start = page * PageSize;
    const int size = std::min(PageSize, m_rowCount - start);
    if (size <= 0)
        return {};
    const int after = m_rowCount - start - size;
    const bool backwards = after < start;
    // Equal values keep the order the rows were entered in: every index
    // carries the rowid, so this tie-break costs no sorting.
    QStringList order{orderTerm(sortField(), backwards)};
    if (sortField() != m_keyField)
        order << orderTerm(QStringLiteral("rowid"), backwards);

    QVariantMap params = whereParams();
    params.insert(QStringLiteral("ppagesize"), size);
    params.insert(QStringLiteral("ppageoffset"), backwards ? after : start);
    QSqlQuery query = m_db.exec(
        QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4 LIMIT :ppagesize OFFSET :ppageoffset")
            .arg(m_selectList, m_table.name, whereClause(), order.join(QStringLiteral(", "))),
        params);
    QList<Row> rows;
    rows.reserve(size);
    const int fieldCount = int(m_table.fields.size());
    while (query.next()) {
        Row row;
        row.reserve(fieldCount);
        for (int i = 0; i < fieldCount; ++i)
            row << query.value(i);
        rows << row;
    }
    if (backwards)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

const PagedTableModel::Row *PagedTableModel::rowAt(int row) const
{
    if (row < 0 || row >= m_rowCount)
        return nullptr;
    const int page = row / PageSize;
    auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        if (m_failed)
            return nullptr;
        try {
            found = m_pages.insert(page, readPage(page));
        } catch (const Error &error) {
            // Reached while painting: no exception may leave; the window is told later.
            m_failed = true;
            auto *self = const_cast<PagedTableModel *>(this);
            QMetaObject::invokeMethod(
                self, [self, text = error.text()] { Q_EMIT self->readFailed(text); },
                Qt::QueuedConnection);
            return nullptr;
        }
        m_recent.append(page);
        while (m_recent.size() > MaxPages)
            m_pages.remove(m_recent.takeFirst());
    } else if (m_recent.last() != page) {
        m_recent.removeOne(page);
        m_recent.append(page);
    }
    const int at = row - page * PageSize;
    return at < found->size() ? &found->at(at) : nullptr;
}

QVariant PagedTableModel::value(int row, const QString &field) const
{
    const Row *values = rowAt(row);
    const int at = m_table.fieldIndex(field);
    return values && at >= 0 ? values->value(at) : QVariant();
}

int PagedTableModel::rowOfKey(const QVariant &key) const
{
    const QString where = whereClause();
    QVariantMap params = whereParams();
    params.insert(QStringLiteral("pkey"), key);
    const QString sort = sortField();
    QSqlQuery found = m_db.exec(
        QStringLiteral("SELECT %1, rowid FROM %2%3%4 %5=:pkey")
            .arg(sort, m_table.name, where,
                 where.isEmpty() ? QStringLiteral(" WHERE") : QStringLiteral(" AND"), m_keyField),
        params);
    if (!found.next())
        return -1;
    if (sort == m_keyField)
        return countRows(m_keyField + QStringLiteral("<:pkey"), {{QStringLiteral("pkey"), key}});
    const QVariant sortValue = found.value(0);
    const QVariant rowid = found.value(1);
    const QVariantMap byRowid{{QStringLiteral("prowid"), rowid}};
    const QString rowidBefore = QStringLiteral("rowid<:prowid");
    if (sortValue.isNull())
        return countRows(sort + QStringLiteral(" IS NULL AND ") + rowidBefore, byRowid);
    // Nulls come first; then smaller values; then equal values entered earlier.
    const schema::Field *f = m_table.field(sort);
    const QString compared = f && f->isText() ? sort + QStringLiteral(" COLLATE HU_CI") : sort;
    const QVariantMap bySort{{QStringLiteral("pval"), sortValue}};
    return countRows(sort + QStringLiteral(" IS NULL")) +
           countRows(compared + QStringLiteral("<:pval"), bySort) +
           countRows(compared + QStringLiteral("=:pval AND ") + rowidBefore,
                     {{QStringLiteral("pval"), sortValue}, {QStringLiteral("prowid"), rowid}});
}

int PagedTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int PagedTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant PagedTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const schema::Field *field = m_table.field(m_columns[index.column()].field);
    if (!field)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayText(*field, value(index.row(), field->name));
    case Qt::EditRole:
    case RawRole:
        return value(index.row(), field->name);
    case Qt::TextAlignmentRole: {
        const bool number = field->kind != schema::Kind::Alpha && field->kind != schema::Kind::Date;
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

QVariant PagedTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    const ModelColumn &column = m_columns[section];
    if (role == Qt::TextAlignmentRole && column.titleAlignment)
        return int(column.titleAlignment);
    if (role != Qt::DisplayRole)
        return {};
    if (!column.title.isEmpty())
        return column.title;
    const schema::Field *field = m_table.field(column.field);
    return field ? field->title() : column.field;
}

} // namespace kalmira
