#pragma once

#include <QString>

class QWidget;

namespace kalmira {

class Database;

// The income and expense registers for a range of periods ("yyyymm", both
// ends included), sent where the user chooses. They read the tables
// themselves: a ledger window's filter and order do not apply.
void printBevetel(Database &db, const QString &tol, const QString &ig, QWidget *parent);
void printKiadas(Database &db, const QString &tol, const QString &ig, QWidget *parent);

} // namespace kalmira
