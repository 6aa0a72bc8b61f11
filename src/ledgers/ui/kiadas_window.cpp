#include "ledgers/ui/kiadas_window.h"

#include "exchange/ui/grid2html.h"
#include "foundation/schema.h"
#include "ledgers/ui/szerkeszt_kiad.h"
#include "reports/ui/ledger_reports.h"
#include "shell/ui/mdi_children.h"

#include <QAction>

namespace kalmira {

Tfrm_Kiadas *Tfrm_Kiadas::Open(QMdiArea &area, Database &db)
{
    return qobject_cast<Tfrm_Kiadas *>(MdiChildren::of(&area).showSingle(
        QStringLiteral("frm_Kiadas"), {}, [&db] { return new Tfrm_Kiadas(db); }));
}

Tfrm_Kiadas::Tfrm_Kiadas(Database &db, QWidget *parent)
    : LedgerWindow(db, QStringLiteral("frm_Kiadas"), QStringLiteral("Kiadások"), parent)
{
    QList<ModelColumn> columns;
    for (const char *field : {"kiadas", "datum", "bizonylat", "leiras", "osszeg", "megjegyzes"})
        columns.append({QString::fromLatin1(field), {}});
    setupGrid(schema::table(QStringLiteral("kiadas")), columns,
              {{0, 0.05}, {0, 0.21}, {0, 0.21}, {0, 0.22}, {0, 0.15}, {0, 0.15}}, 33);

    aUj = addCommand("aUj", QStringLiteral("Új sor"), QStringLiteral("Új sor"), Qt::Key_Insert,
                     IconRole::New, [this] { EditKiadas(true); });
    aSzerkeszt =
        addCommand("aSzerkeszt", QStringLiteral("Szerkesztés"), QStringLiteral("Szerkesztés"),
                   Qt::Key_F2, IconRole::Edit, [this] { EditKiadas(false); });
    aTorol = addCommand("aTorol", QStringLiteral("Töröl"), QStringLiteral("Töröl"),
                        QKeySequence(Qt::CTRL | Qt::Key_Delete), IconRole::Delete,
                        [this] { Torles(NumberedTable::kiadas()); });
    aSzur = addCommand("aSzur", QStringLiteral("Szűrés"), QStringLiteral("Szűrés időszakra"),
                       Qt::Key_F3, IconRole::Filter, [this] { Szures(aSzur); });
    aSzur->setCheckable(true);
    aNyomtat = addCommand("aNyomtat", QStringLiteral("Nyomtat"), QStringLiteral("Nyomtat"),
                          QKeySequence(Qt::CTRL | Qt::Key_P), IconRole::Print, [this] {
                              Nyomtatas([this](const QString &tol, const QString &ig) {
                                  printKiadas(database(), tol, ig, this);
                              });
                          });
    aHtml = addCommand(
        "aHtml", QStringLiteral("Html export"), QStringLiteral("Html export"),
        QKeySequence(Qt::CTRL | Qt::Key_H), IconRole::Html,
        [this] { Grid2HtmlExport(grid(), QStringLiteral("Kiadások"), QStringLiteral("osszeg")); });
    aBezar = addCommand("aBezar", QStringLiteral("Bezár"), QStringLiteral("Bezár"), aBezarKeys(),
                        IconRole::Close, [this] { Bezaras(); });

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
