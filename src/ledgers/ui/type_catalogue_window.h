#pragma once

#include "ledgers/type_catalogue.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class QMenu;
class QTableView;

namespace kalmira {

class Database;
class PagedTableModel;
class TypeEditorDialog;

// A type catalogue, shown modally to pick a type: the types by name or rate,
// with new, edit and delete, and a search box that follows what is typed.
// Accepting closes it with the current type chosen.
class TypeCatalogueWindow : public QDialog
{
    Q_OBJECT
public:
    PagedTableModel *model() const { return m_model; }
    QTableView *grid() const { return m_grid; }
    QLineEdit *searchBox() const { return m_search; }
    QMenu *popupMenu() const { return m_popup; }

    // The key and name of the current type; empty in an empty catalogue.
    std::optional<int> currentKey() const;
    QString currentName() const;
    // Makes the type current; false when it is not listed.
    bool selectKey(int key);

protected:
    using EditorFactory =
        std::function<std::unique_ptr<TypeEditorDialog>(Database &, const Tipus &, QWidget *)>;
    struct Side
    {
        const KotelezettsegOldal *oldal;
        QString objectName;
        QString caption;
        QString panelTitle;
        QString nameTitle;
        QString deleteCaption;
        QSize designSize;
        EditorFactory editor;
    };
    TypeCatalogueWindow(Database &db, const Side &side, QWidget *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildCommands();
    void setColumnWidths();
    void orderBy(int column);
    void search(const QString &text);
    void editType(bool uj);
    void guarded(const std::function<void()> &command);

    void aUjExecute();
    void aSzerkesztExecute();
    void aTorolExecute();
    void aKeresoExecute();

    Database &m_db;
    Side m_side;
    PagedTableModel *m_model = nullptr;
    QTableView *m_grid = nullptr;
    QLineEdit *m_search = nullptr;
    QMenu *m_popup = nullptr;
};

class Tfrm_TorzsAdoTip : public TypeCatalogueWindow
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsAdoTip(Database &db, QWidget *parent = nullptr);
};

class Tfrm_TorzsJarulekTip : public TypeCatalogueWindow
{
    Q_OBJECT
public:
    explicit Tfrm_TorzsJarulekTip(Database &db, QWidget *parent = nullptr);
};

// Shows the catalogue on the type of key start (the first by name when there
// is none) and returns the accepted type's key with its name in nev: 0 and an
// empty name when the catalogue is empty, -1 (nev untouched) when closed.
int ChooseAdoTip(QWidget *parent, Database &db, int start, QString &nev);
int ChooseJarulekTip(QWidget *parent, Database &db, int start, QString &nev);

} // namespace kalmira
