#pragma once

#include <QString>

class QWidget;

namespace kalmira {

class Database;

// The registers of one tax or contribution type over a range of period
// codes. The report engine is not part of the program yet: until it is, the
// entry points return without output.
void PrintAdo(QWidget *parent, Database &db, const QString &tol, const QString &ig, int adotip);
void PrintJarulek(QWidget *parent, Database &db, const QString &tol, const QString &ig,
                  int jarulektip);

} // namespace kalmira
