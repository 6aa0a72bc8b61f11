#pragma once

#include <QString>

namespace kalmira {

// Salted Argon2id hashes in libsodium's self-describing text form.
QString hashPassword(const QString &password);
bool verifyPassword(const QString &password, const QString &storedHash);

} // namespace kalmira
