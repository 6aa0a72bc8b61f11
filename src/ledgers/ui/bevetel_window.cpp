#include "ledgers/ui/bevetel_window.h"

#include "exchange/ui/grid2html.h"
#include "foundation/schema.h"
#include "ledgers/ui/quarter_closing_command.h"
#include "ledgers/ui/szerkeszt_bev.h"
#include "reports/ui/ledger_reports.h"
#include "shell/ui/mdi_children.h"

#include <QAction>
#include <QMdiSubWindow>

namespace kalmira {

Tfrm_Bevetel *Tfrm_Bevetel::Open(QMdiArea &area, Database &db)
{
    return qobject_cast<Tfrm_Bevetel *>(MdiChildren::of(&area).showSingle(
        QStringLiteral("frm_Bevetel"), {}, [&db] { return new Tfrm_Bevetel(db); }));
}

Tfrm_Bevetel::Tfrm_Bevetel(Database &db, QWidget *parent)
    : LedgerWindow(db, QStringLiteral("frm_Bevetel"), QStringLiteral("Bevételek"), parent)
{
    const auto column = [](const char *field, const QString &title = {}) {
        return ModelColumn{QString::fromLatin1(field), title};
    };
    QList<ModelColumn> columns{
        {QStringLiteral("lezarva"), QStringLiteral("zár"), Qt::AlignCenter},
        column("fizetve"),
        column("bevetel"),
        column("datum"),
        column("bizonylat"),
        column("leiras"),
        column("osszeg"),
        column("novelo"),
        column("csokkento"),
        column("adoalap"),
        column("adoeloleg"),
        column("megjegyzes"),
    };
    setupGrid(schema::table(QStringLiteral("bevetel")), columns,
              {{25, 0},
               {25, 0},
               {0, 0.06},
               {0, 0.11},
               {0, 0.11},
               {0, 0.12},
               {0, 0.10},
               {0, 0.10},
               {0, 0.10},
               {0, 0.10},
               {0, 0.10},
               {0, 0.09}},
              83);
    const auto picture = [](IconRole role) { return kalmiraIcon(role).pixmap(16, 16); };
    grid()->cellDelegate()->setPictureColumn(Zar, picture(IconRole::Padlock),
                                             picture(IconRole::GreyDot));
    grid()->cellDelegate()->setPictureColumn(Fiz, picture(IconRole::Tick), QPixmap());

    aUj = addCommand("aUj", QStringLiteral("Új sor"), QStringLiteral("Új sor"), Qt::Key_Insert,
                     IconRole::New, [this] { EditBevetel(true); });
    aSzerkeszt =
        addCommand("aSzerkeszt", QStringLiteral("Szerkeszt"), QStringLiteral("Szerkesztés"),
                   Qt::Key_F2, IconRole::Edit, [this] { EditBevetel(false); });
    aTorol = addCommand("aTorol", QStringLiteral("Töröl"), QStringLiteral("Töröl"),
                        QKeySequence(Qt::CTRL | Qt::Key_Delete), IconRole::Delete,
                        [this] { Torles(NumberedTable::bevetel()); });
    aZar = addCommand("aZar", QStringLiteral("Zárás"), QStringLiteral("Időszak zárása"),
                      QKeySequence(Qt::CTRL | Qt::Key_F8), IconRole::CloseQuarter, [this] {
                          // The EVA tax ledger comes forward in the area this window is in.
                          auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
                          aZarExecute(database(), frame ? frame->mdiArea() : nullptr,
                                      [this] { refresh(); });
                      });
    aSzur = addCommand("aSzur", QStringLiteral("Szűrés"), QStringLiteral("Szűrés időszakra"),
                       Qt::Key_F3, IconRole::Filter, [this] { Szures(aSzur); });
    aSzur->setCheckable(true);
    aNyomtat = addCommand("aNyomtat", QStringLiteral("Nyomtat"), QStringLiteral("Nyomtat"),
                          QKeySequence(Qt::CTRL | Qt::Key_P), IconRole::Print, [this] {
                              Nyomtatas([this](const QString &tol, const QString &ig) {
                                  printBevetel(database(), tol, ig, this);
                              });
                          });
    aHtml =
        addCommand("aHtml", QStringLiteral("Html export"), QStringLiteral("Html export"),
                   QKeySequence(Qt::CTRL | Qt::Key_H), IconRole::Html, [this] {
                       Grid2HtmlExport(grid(), QStringLiteral("Bevételek"),
                                       QStringLiteral("osszeg;novelo;csokkento;adoalap;adoeloleg"));
                   });
    aBezar = addCommand("aBezar", QStringLiteral("Bezár"), QStringLiteral("Bezár"), aBezarKeys(),
                        IconRole::Close, [this] { Bezaras(); });

    arrange({aUj, aSzerkeszt, aTorol, nullptr, aZar, nullptr, aSzur, nullptr, aNyomtat, aHtml,
             nullptr, aBezar},
            {aUj, aSzerkeszt, aTorol, nullptr, aSzur, nullptr, aNyomtat, aHtml, nullptr, aBezar});
    // The toolbar names the closing after what it closes.
    aZar->setIconText(QStringLiteral("Zárása"));
    connect(grid(), &LedgerGrid::rowActivated, aSzerkeszt, &QAction::trigger);
}

void Tfrm_Bevetel::EditBevetel(bool uj)
{
    const QVariant key = grid()->currentKey();
    if (!uj && !key.isValid())
        return;
    showPosted(Tfrm_Szerkeszt_Bev::Edit(database(), uj, key.toInt(), this));
}

} // namespace kalmira
