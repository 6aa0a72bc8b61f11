#pragma once

#include <QPixmap>
#include <QSet>
#include <QStyledItemDelegate>

namespace kalmira {

class PagedTableModel;

// Paints a ledger grid: the column the rows are ordered by on the button
// face, every other on the window colour, and flag columns as a green tick
// for "I" and nothing otherwise.
class LedgerGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    LedgerGridDelegate(PagedTableModel *model, QSet<int> tickColumns, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    static QPixmap tick();

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    PagedTableModel *m_model;
    QSet<int> m_tickColumns;
};

} // namespace kalmira
