#pragma once

class QWidget;

namespace kalmira {

class Database;

// The login dialog: true when the user may go on. Until users and login
// exist every run is admitted.
bool ShowLogin(QWidget *parent, Database &db);

// The splash window shown on first display; shows nothing yet.
void ShowSplash(QWidget *parent);

} // namespace kalmira
