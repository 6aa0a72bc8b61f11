#pragma once

#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTableView>

namespace kalmira {

class PagedTableModel;

// Paints the ledger cells: the sort column in the button-face grey, and the
// flag columns as a picture 3 pixels from the cell's left edge at its top.
class LedgerCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // "I" shows whenSet, anything else whenNot (a null pixmap shows nothing).
    void setPictureColumn(int column, const QPixmap &whenSet, const QPixmap &whenNot);
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    struct Pictures
    {
        QPixmap whenSet;
        QPixmap whenNot;
    };
    QHash<int, Pictures> m_pictures;
};

// The read-only grid of a ledger window: whole rows selected, a row
// indicator, resizable columns, a title click orders by that column, and
// column widths follow a rule of fixed pixels and fractions of the width.
class LedgerGrid : public QTableView
{
    Q_OBJECT
public:
    struct Width
    {
        int pixels = 0;      // fixed width, when not 0
        double fraction = 0; // else trunc((grid width - base) * fraction), at least the title
    };

    explicit LedgerGrid(QWidget *parent = nullptr);

    void setLedgerModel(PagedTableModel *model);
    PagedTableModel *ledgerModel() const { return m_model; }
    LedgerCellDelegate *cellDelegate() const { return m_delegate; }
    void setWidthRule(const QList<Width> &widths, int base);
    void applyWidthRule();
    // The width at which the rule leaves every column room for its title and
    // a full value of its field.
    int preferredWidth() const;

    int currentRow() const;
    // The key of the current row, or an invalid QVariant on an empty view.
    QVariant currentKey() const;
    void selectRow(int row);
    // Makes the row of that key current; returns false when the view lacks it.
    bool selectKey(const QVariant &key);

Q_SIGNALS:
    void rowActivated(); // double-click on a row
    void titleClicked(int column);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    PagedTableModel *m_model = nullptr;
    LedgerCellDelegate *m_delegate;
    QList<Width> m_widths;
    int m_base = 0;
};

} // namespace kalmira
