#include "exchange/ui/grid2html.h"

namespace kalmira {

void Grid2HtmlExport(QTableView *, const QString &, const QString &) {}

} // namespace kalmira
