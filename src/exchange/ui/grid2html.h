#pragma once

#include <QString>

class QTableView;

namespace kalmira {

// The HTML page of a ledger view: the grid's rows under the title, the
// fields listed (separated by ";") totalled. The export window is not part of
// the program yet: until it is, the entry point returns without output.
void Grid2HtmlExport(QTableView *grid, const QString &title, const QString &summedFields);

} // namespace kalmira
