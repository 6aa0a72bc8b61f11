#include "ledgers/ui/ledger_grid.h"

#include "ledgers/display_format.h"
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

namespace {

// The row indicator: a title-less margin with a small triangle at the current row.
class RowIndicator final : public QHeaderView
{
public:
    explicit RowIndicator(QWidget *parent) : QHeaderView(Qt::Vertical, parent) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        // The style may leave the painter clipped to nothing after a section.
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        const auto *view = static_cast<const QTableView *>(parentWidget());
        if (view->currentIndex().row() != logicalIndex)
            return;
        const QPointF centre = QRectF(rect).center();
        const QPointF triangle[3] = {centre + QPointF(-2.5, -4), centre + QPointF(2.5, 0),
                                     centre + QPointF(-2.5, 4)};
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::WindowText));
        painter->drawPolygon(triangle, 3);
        painter->restore();
    }
};

} // namespace

LedgerGrid::LedgerGrid(QWidget *parent)
    : QTableView(parent), m_delegate(new LedgerCellDelegate(this))
{
    setVerticalHeader(new RowIndicator(this));
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
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(11);
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

// A share of the width never makes a column narrower than its title, so a
// narrow window still shows "kiadás" and "00001" whole.
void LedgerGrid::applyWidthRule()
{
    for (int column = 0; column < m_widths.size(); ++column) {
        const Width &rule = m_widths[column];
        if (rule.pixels > 0) {
            setColumnWidth(column, rule.pixels);
            continue;
        }
        const int share = int(std::trunc((width() - m_base) * rule.fraction));
        const int title = model() ? horizontalHeader()->sectionSizeHint(column) : 0;
        setColumnWidth(column, std::max(share, title));
    }
}

namespace {

// A long value of the field as the grid shows it; text fields are judged by
// their first ten characters, the rest of a long text may be cut.
QString sampleText(const schema::Field &field)
{
    switch (field.kind) {
    case schema::Kind::Date:
        return displayText(field, QStringLiteral("2006-12-28"));
    case schema::Kind::Number:
        return displayText(field, 99999999.0);
    case schema::Kind::LongInt:
    case schema::Kind::AutoInc:
        return displayText(field, 99999);
    case schema::Kind::Alpha:
        break;
    }
    return QString(std::min(field.size, 10), QLatin1Char('n'));
}

} // namespace

int LedgerGrid::preferredWidth() const
{
    if (!m_model)
        return m_base;
    // The rule already keeps each column as wide as its title, so the share
    // has to cover only values wider than their title.
    const int padding = 8; // the cell's margins
    double share = 0;
    QList<int> titles;
    for (int column = 0; column < m_widths.size(); ++column) {
        const Width &rule = m_widths[column];
        titles << horizontalHeader()->sectionSizeHint(column);
        if (rule.pixels > 0 || rule.fraction <= 0)
            continue;
        const schema::Field *field = m_model->table().field(m_model->fieldOf(column));
        const int value = field ? fontMetrics().horizontalAdvance(sampleText(*field)) + padding : 0;
        if (value > titles[column])
            share = std::max(share, value / rule.fraction);
    }
    // Then wide enough that the columns, titles included, fit side by side.
    int width = int(std::ceil(share)) + m_base;
    const auto columnsFit = [&] {
        int used = m_base;
        for (int column = 0; column < m_widths.size(); ++column) {
            const Width &rule = m_widths[column];
            if (rule.pixels == 0)
                used += std::max(int(std::trunc((width - m_base) * rule.fraction)), titles[column]);
        }
        return used <= width;
    };
    while (!columnsFit() && width < 4000) // a rule whose shares pass 1 never fits
        width += 8;
    return width;
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

void LedgerGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    verticalHeader()->viewport()->update();
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
