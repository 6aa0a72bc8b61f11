#include "foundation/new_database.h"

#include "foundation/database.h"
#include "foundation/password_hash.h"
#include "foundation/schema.h"

namespace kalmira {
namespace {

struct StarterType
{
    const char *name;
    double rate;
    const char *fixed;
};

// Types a sole trader under EVA meets first; the user edits them freely.
constexpr StarterType kTaxTypes[] = {
    {"EVA", 15, "N"},
    {"Iparűzési adó", 2, "N"},
    {"Gépjárműadó", 0, "I"},
};
constexpr StarterType kContributionTypes[] = {
    {"Nyugdíjjárulék", 9.5, "N"},
    {"Egészségbiztosítási járulék", 4, "N"},
    {"Vállalkozói járulék", 4, "N"},
    {"Egészségügyi hozzájárulás", 0, "I"},
};

template <size_t N>
void insertTypes(Database &db, const QString &table, const StarterType (&types)[N])
{
    QSqlQuery insert = db.prepare(
        QStringLiteral("INSERT INTO %1 (%1_nev, mertek, csokkmertek, fix, novmertek) "
                       "VALUES (:nev, :mertek, 0, :fix, 0)")
            .arg(table));
    for (const StarterType &type : types) {
        insert.bindValue(QStringLiteral(":nev"), QString::fromUtf8(type.name));
        insert.bindValue(QStringLiteral(":mertek"), type.rate);
        insert.bindValue(QStringLiteral(":fix"), QString::fromLatin1(type.fixed));
        db.execPrepared(insert);
    }
}

} // namespace

void createNewDatabase(Database &db)
{
    Transaction transaction(db);
    for (const schema::Table &table : schema::tables()) {
        db.exec(schema::createTableSql(table));
        for (const schema::Index &index : table.indexes)
            db.exec(schema::createIndexSql(table, index));
    }
    insertTypes(db, QStringLiteral("adotip"), kTaxTypes);
    insertTypes(db, QStringLiteral("jarulektip"), kContributionTypes);

    const QVariant eva = db.scalar(QStringLiteral("SELECT adotip FROM adotip WHERE adotip_nev='EVA'"));
    const QVariant business =
        db.scalar(QStringLiteral("SELECT adotip FROM adotip WHERE adotip_nev=:nev"),
                  {{QStringLiteral("nev"), QStringLiteral("Iparűzési adó")}});
    db.exec(QStringLiteral("INSERT INTO beallit (vanbelep, evaszorzo, adoszam, cegnev, eva, tarsasagi) "
                           "VALUES ('N', 15, '', '', :eva, :tarsasagi)"),
            {{QStringLiteral("eva"), eva}, {QStringLiteral("tarsasagi"), business}});

    const QString admin = QString::fromLatin1(AdminLogin);
    db.exec(QStringLiteral("INSERT INTO felhasznalo VALUES (:kod, 'Rendszergazda', :jelszo, 'I', 'I')"),
            {{QStringLiteral("kod"), admin}, {QStringLiteral("jelszo"), hashPassword(admin)}});
    transaction.commit();
}

} // namespace kalmira
