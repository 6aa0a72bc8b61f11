#include "ledgers/ui/kiadas_window.h"

#include "exchange/ui/grid2html.h"
#include "foundation/schema.h"
#include "ledgers/ui/szerkeszt_kiad.h"
#include "reports/ui/ledger_reports.h"

#include <QAction>

namespace kalmira {

Tfrm_Kiadas::Tfrm_Kiadas(Database &db, QWidget *parent)
    : LedgerWindow(db, QStringLiteral("frm_Kiadas"), QStringLiteral("Kiadások"), parent)
{
    QList<ModelColumn> columns;
    for (const char *field : {"kiadas", "datum", "bizonylat", "leiras", "osszeg", "megjegyzes"})
        columns.append({QString::fromLatin1(field), {}});
    setupGrid(schema::table(QStringLiteral("kiadas")), columns,
              {{0, 0.05}, {0, 0.21}, {0, 0.21}, {0, 0.22}, {0, 0.15}, {0, 0.15}}, 33);

    aUj = addCommand("aUj", QStringLiteral("Új sor"), QStringLiteral("Új sor"), Qt::Key_Insert,
                     QStringLiteral(":/icons/ledger_new.png"), [this] { EditKiadas(true); });
    aSzerkeszt = addCommand(
        "aSzerkeszt", QStringLiteral("Szerkesztés"), QStringLiteral("Szerkesztés"), Qt::Key_F2,
        QStringLiteral(":/icons/ledger_edit.png"), [this] { EditKiadas(false); });
    aTorol = addCommand("aTorol", QStringLiteral("Töröl"), QStringLiteral("Töröl"),
                        QKeySequence(Qt::CTRL | Qt::Key_Delete),
                        QStringLiteral(":/icons/ledger_delete.png"),
                        [this] { Torles(NumberedTable::kiadas()); });
    aSzur = addCommand("aSzur", QStringLiteral("Szűrés"), QStringLiteral("Szűrés időszakra"),
                       Qt::Key_F3, QStringLiteral(":/icons/ledger_filter.png"),
                       [this] { Szures(aSzur); });
    aSzur->setCheckable(true);
    aNyomtat = addCommand("aNyomtat", QStringLiteral("Nyomtat"), QStringLiteral("Nyomtat"),
                          QKeySequence(Qt::CTRL | Qt::Key_P),
                          QStringLiteral(":/icons/ledger_print.png"), [this] {
                              Nyomtatas([this](const QString &tol, const QString &ig) {
                                  printKiadas(database(), tol, ig, this);
                              });
                          });
    aHtml = addCommand(
        "aHtml", QStringLiteral("Html export"), QStringLiteral("Html export"),
        QKeySequence(Qt::CTRL | Qt::Key_H), QStringLiteral(":/icons/ledger_html.png"),
        [this] { Grid2HtmlExport(grid(), QStringLiteral("Kiadások"), QStringLiteral("osszeg")); });
    aBezar = addCommand("aBezar", QStringLiteral("Bezár"), QStringLiteral("Bezár"), aBezarKeys(),
                        QStringLiteral(":/icons/ledger_close.png"), [this] { Bezaras(); });

    arrange({aUj, aSzerkeszt, aTorol, nullptr, aSzur, nullptr, aNyomtat, aHtml, nullptr, aBezar},
            {aUj, aSzerkeszt, aTorol, nullptr, aSzur, nullptr, aNyomtat, nullptr, aBezar});
    connect(grid(), &LedgerGrid::rowActivated, aSzerkeszt, &QAction::trigger);
}

void Tfrm_Kiadas::EditKiadas(bool uj)
{
    const QVariant key = grid()->currentKey();
    if (!uj && !key.isValid())
        return;
    showPosted(Tfrm_Szerkeszt_Kiad::Edit(database(), uj, key.toInt(), this));
}

} // namespace kalmira
