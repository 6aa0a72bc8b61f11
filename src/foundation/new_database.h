#pragma once

namespace kalmira {

class Database;

// Lays down a new installation's database: the ten tables with their
// indexes, the one beallit row, a starter catalogue of tax and contribution
// types and the administrator. Login starts switched off.
void createNewDatabase(Database &db);

// The administrator's login name and first password.
inline constexpr const char *AdminLogin = "rendszergazda";

} // namespace kalmira
