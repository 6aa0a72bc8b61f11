#include "ledgers/ui/ledger_grid.h"

#include "ledgers/paged_table_model.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace kalmira {

void LedgerCellDelegate::setPictureColumn(int column, const QPixmap &whenSet,
                                          const QPixmap &whenNot)
{
    m_pictures.insert(column, {whenSet, whenNot});
}

void LedgerCellDelegate::initStyleOption(QStyleOptionViewItem *option,
                                         const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto *model = qobject_cast<const PagedTableModel *>(index.model());
    if (model && index.column() == model->sortColumn())
        option->backgroundBrush = option->palette.button();
    if (m_pictures.contains(index.column()))
        option->text.clear();
}

void LedgerCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const auto picture = m_pictures.constFind(index.column());
    if (picture == m_pictures.constEnd()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // Background first, so that the selection shows under the picture.
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    const bool set = index.data(PagedTableModel::RawRole).toString() == QLatin1String("I");
    const QPixmap &pixmap = set ? picture->whenSet : picture->whenNot;
    if (!pixmap.isNull())
        painter->drawPixmap(option.rect.left() + 3, option.rect.top(), pixmap);
}

QSize LedgerCellDelegate::sizeHint(const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const auto picture = m_pictures.constFind(index.column());
    if (picture != m_pictures.constEnd())
        size = size.expandedTo(picture->whenSet.deviceIndependentSize().toSize());
    return size;
}

LedgerGrid::LedgerGrid(QWidget *parent)
    : QTableView(parent), m_delegate(new LedgerCellDelegate(this))
{
    setItemDelegate(m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(8); // the picture columns are 25 pixels
    // The row indicator: a narrow title-less margin that marks the current row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(12);
    verticalHeader()->setHighlightSections(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &LedgerGrid::titleClicked);
}

void LedgerGrid::setLedgerModel(PagedTableModel *model)
{
    m_model = model;
    setModel(model);
}

void LedgerGrid::setWidthRule(const QList<Width> &widths, int base)
{
    m_widths = widths;
    m_base = base;
    applyWidthRule();
}

void LedgerGrid::applyWidthRule()
{
    for (int column = 0; column < m_widths.size(); ++column) {
        const Width &rule = m_widths[column];
        const int width = rule.pixels > 0
                              ? rule.pixels
                              : int(std::trunc((this->width() - m_base) * rule.fraction));
        setColumnWidth(column, std::max(width, 0));
    }
}

void LedgerGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    applyWidthRule();
}

void LedgerGrid::showEvent(QShowEvent *event)
{
    QTableView::showEvent(event);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 6, 18));
    applyWidthRule();
}

void LedgerGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        Q_EMIT rowActivated();
}

int LedgerGrid::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

QVariant LedgerGrid::currentKey() const
{
    const int row = currentRow();
    return m_model && row >= 0 ? m_model->value(row, m_model->keyField()) : QVariant();
}

void LedgerGrid::selectRow(int row)
{
    if (!m_model || m_model->rowCount() == 0)
        return;
    row = std::clamp(row, 0, m_model->rowCount() - 1);
    const int column = std::max(0, currentIndex().column());
    const QModelIndex index = m_model->index(row, column);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

bool LedgerGrid::selectKey(const QVariant &key)
{
    if (!m_model || !key.isValid())
        return false;
    const int row = m_model->rowOfKey(key);
    if (row < 0)
        return false;
    selectRow(row);
    return true;
}

} // namespace kalmira
