#include "ledgers/ui/quarter_closing_command.h"

#include "foundation/beall.h"
#include "foundation/clock.h"
#include "foundation/codes.h"
#include "foundation/database.h"
#include "foundation/input_prompts.h"
#include "foundation/prompt.h"
#include "ledgers/quarter_closing.h"
#include "ledgers/quarters.h"
#include "ledgers/ui/open_obligation_ledger.h"

namespace kalmira {

void aZarExecute(Database &db, QMdiArea *area, const std::function<void()> &refreshIncome)
{
    const QString closed = QStringLiteral("Az időszak már le lett zárva.");
    try {
        QString negyedev = negyedevOf(Clock::today());
        if (!InputNegyedev(negyedev))
            return;
        if (NegyedevLezarva(db, negyedev)) {
            HibaBox(closed);
            return;
        }
        if (!KerdesBox(QStringLiteral("Valóban lezárjam a negyedévet? A művelet nem "
                                      "visszafordítható!"),
                       QStringLiteral("Megerősítés")))
            return;
        // Closed meanwhile from another computer: nothing is written.
        if (!NegyedevZarasa(db, negyedev, Beall.eva, Beall.evaszorzo, Clock::today())) {
            HibaBox(closed);
            return;
        }
        if (refreshIncome)
            refreshIncome();
        if (area)
            OpenAdo(area, db, Beall.eva, Beall.eva_nev);
    } catch (const Error &error) {
        ErrorBox(error.text());
    }
}

} // namespace kalmira
