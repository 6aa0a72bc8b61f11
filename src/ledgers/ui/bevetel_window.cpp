#include "ledgers/ui/bevetel_window.h"

#include "exchange/ui/grid2html.h"
#include "foundation/schema.h"
#include "ledgers/ui/szerkeszt_bev.h"
#include "reports/ui/ledger_reports.h"

#include <QAction>

namespace kalmira {

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
    grid()->cellDelegate()->setPictureColumn(Zar, QPixmap(QStringLiteral(":/icons/padlock.png")),
                                             QPixmap(QStringLiteral(":/icons/dot_grey.png")));
    grid()->cellDelegate()->setPictureColumn(Fiz, QPixmap(QStringLiteral(":/icons/tick_green.png")),
                                             QPixmap());

    aUj = addCommand("aUj", QStringLiteral("Új sor"), QStringLiteral("Új sor"), Qt::Key_Insert,
                     QStringLiteral(":/icons/ledger_new.png"), [this] { EditBevetel(true); });
    aSzerkeszt = addCommand(
        "aSzerkeszt", QStringLiteral("Szerkeszt"), QStringLiteral("Szerkesztés"), Qt::Key_F2,
        QStringLiteral(":/icons/ledger_edit.png"), [this] { EditBevetel(false); });
    aTorol = addCommand("aTorol", QStringLiteral("Töröl"), QStringLiteral("Töröl"),
                        QKeySequence(Qt::CTRL | Qt::Key_Delete),
                        QStringLiteral(":/icons/ledger_delete.png"),
                        [this] { Torles(NumberedTable::bevetel()); });
    aZar = addCommand("aZar", QStringLiteral("Zárás"), QStringLiteral("Időszak zárása"),
                      QKeySequence(Qt::CTRL | Qt::Key_F8),
                      QStringLiteral(":/icons/ledger_close_quarter.png"),
                      [this] { Q_EMIT quarterClosingRequested(); });
    aSzur = addCommand("aSzur", QStringLiteral("Szűrés"), QStringLiteral("Szűrés időszakra"),
                       Qt::Key_F3, QStringLiteral(":/icons/ledger_filter.png"),
                       [this] { Szures(aSzur); });
    aSzur->setCheckable(true);
    aNyomtat = addCommand("aNyomtat", QStringLiteral("Nyomtat"), QStringLiteral("Nyomtat"),
                          QKeySequence(Qt::CTRL | Qt::Key_P),
                          QStringLiteral(":/icons/ledger_print.png"), [this] {
                              Nyomtatas([this](const QString &tol, const QString &ig) {
                                  printBevetel(database(), tol, ig, this);
                              });
                          });
    aHtml = addCommand(
        "aHtml", QStringLiteral("Html export"), QStringLiteral("Html export"),
        QKeySequence(Qt::CTRL | Qt::Key_H), QStringLiteral(":/icons/ledger_html.png"), [this] {
            Grid2HtmlExport(grid(), QStringLiteral("Bevételek"),
                            QStringLiteral("osszeg;novelo;csokkento;adoalap;adoeloleg"));
        });
    aBezar = addCommand("aBezar", QStringLiteral("Bezár"), QStringLiteral("Bezár"), aBezarKeys(),
                        QStringLiteral(":/icons/ledger_close.png"), [this] { Bezaras(); });

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
