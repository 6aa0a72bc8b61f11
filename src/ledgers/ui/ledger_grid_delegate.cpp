#include "ledgers/ui/ledger_grid_delegate.h"

#include "ledgers/paged_table_model.h"
#include "shell/ui/icons.h"

#include <QApplication>
#include <QPainter>

namespace kalmira {

LedgerGridDelegate::LedgerGridDelegate(PagedTableModel *model, QSet<int> tickColumns,
                                       QObject *parent)
    : QStyledItemDelegate(parent), m_model(model), m_tickColumns(std::move(tickColumns))
{
}

QPixmap LedgerGridDelegate::tick()
{
    return kalmiraIcon(IconRole::Tick).pixmap(16, 16);
}

void LedgerGridDelegate::initStyleOption(QStyleOptionViewItem *option,
                                         const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QPalette &palette = option->palette;
    option->backgroundBrush =
        index.column() == m_model->sortColumn() ? palette.button() : palette.base();
}

void LedgerGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    if (!m_tickColumns.contains(index.column())) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
    if (index.data(PagedTableModel::RawRole).toString() == QLatin1String("I"))
        painter->drawPixmap(option.rect.left() + 1, option.rect.top(), tick());
}

} // namespace kalmira
