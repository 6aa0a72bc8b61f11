#include "foundation/password_hash.h"

#include "foundation/error.h"

#include <sodium.h>

namespace kalmira {
namespace {

void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw Error(QStringLiteral("A jelszókezelő könyvtár nem indítható."));
}

} // namespace

QString hashPassword(const QString &password)
{
    ensureSodium();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        throw Error(QStringLiteral("Nincs elég memória a jelszó titkosításához."));
    return QString::fromLatin1(out);
}

bool verifyPassword(const QString &password, const QString &storedHash)
{
    ensureSodium();
    const QByteArray utf8 = password.toUtf8();
    const QByteArray hash = storedHash.toLatin1();
    return crypto_pwhash_str_verify(hash.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

} // namespace kalmira
