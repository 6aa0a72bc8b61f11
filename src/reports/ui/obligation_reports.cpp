#include "reports/ui/obligation_reports.h"

namespace kalmira {

void PrintAdo(QWidget *, Database &, const QString &, const QString &, int) {}

void PrintJarulek(QWidget *, Database &, const QString &, const QString &, int) {}

} // namespace kalmira
