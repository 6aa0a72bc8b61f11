#pragma once

#include "foundation/schema.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QVariantMap>

#include <functional>

namespace kalmira {

class Database;

// One grid column: a field of the table and, where the grid titles it
// otherwise than the field's label, its own title.
struct ModelColumn
{
    QString field;
    QString title;
    Qt::Alignment titleAlignment = {}; // empty: the grid's own
};

// A read-only view of one ledger table that never holds the whole table:
// rows are read in pages as the grid asks for them, ordered and filtered by
// the database. Ordering is by one field (an indexed one, text in HU_CI
// order) with the order of entry (the rowid) breaking ties, so the order is
// total, served by the index, and a page can be read from either end.
class PagedTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The stored value of a cell (also given for Qt::EditRole).
    static constexpr int RawRole = Qt::UserRole;
    static constexpr int PageSize = 200;

    PagedTableModel(Database &db, const schema::Table &table, QList<ModelColumn> columns,
                    QObject *parent = nullptr);

    const schema::Table &table() const { return m_table; }
    QString keyField() const { return m_keyField; }

    // A condition every row shown meets, such as one tax type ("adotip=:ptip").
    void setBaseFilter(const QString &condition, const QVariantMap &params);
    // The user's filter, such as one period; an empty condition switches it off.
    void setFilter(const QString &condition, const QVariantMap &params);
    bool isFiltered() const { return !m_filter.isEmpty(); }

    int sortColumn() const { return m_sortColumn; }
    QString sortField() const { return m_columns.value(m_sortColumn).field; }
    void setSortColumn(int column);

    // Counts the rows again and forgets every page read; call after a change.
    void refresh();

    int columnOf(const QString &field) const;
    QString fieldOf(int column) const { return m_columns.value(column).field; }
    // Any field of the table in that row of the view.
    QVariant value(int row, const QString &field) const;
    // The row of the view that holds that key, or -1 when none does.
    int rowOfKey(const QVariant &key) const;
    // How many pages are held now; never more than MaxPages.
    int cachedPages() const { return int(m_pages.size()); }
    static constexpr int MaxPages = 12;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // A page could not be read; the grid shows empty cells meanwhile.
    void readFailed(const QString &text);

private:
    using Row = QVariantList; // every field of the table, in stored order

    QString whereClause() const;
    QVariantMap whereParams() const;
    QString orderTerm(const QString &field, bool descending) const;
    int countRows(const QString &extraCondition = {}, const QVariantMap &extraParams = {}) const;
    const Row *rowAt(int row) const;
    QList<Row> readPage(int page) const;
    void applyAndReset(const std::function<void()> &change);

    Database &m_db;
    schema::Table m_table;
    QList<ModelColumn> m_columns;
    QString m_keyField;
    QString m_selectList;
    QString m_baseFilter;
    QVariantMap m_baseParams;
    QString m_filter;
    QVariantMap m_filterParams;
    int m_sortColumn = 0;
    int m_rowCount = 0;

    mutable QHash<int, QList<Row>> m_pages;
    mutable QList<int> m_recent; // page numbers, most recently used last
    mutable bool m_failed = false;
};

} // namespace kalmira
