#pragma once

#include <QString>

class QTableView;

namespace kalmira {

// Writes the rows of a ledger grid as it shows them into an HTML page titled
// title, with totals of the fields listed in summedFields (separated by ";"),
// then opens or mails it.
void Grid2HtmlExport(QTableView *grid, const QString &title, const QString &summedFields);

} // namespace kalmira
