#include "foundation/schema.h"

#include <stdexcept>

namespace kalmira::schema {
namespace {

const QString kAmount = QStringLiteral("### ### ##0");
const QString kRate = QStringLiteral("### ### ##0.00");

Field alpha(const char *name, int size, const QString &label = {})
{
    return {QString::fromUtf8(name), Kind::Alpha, size, label, {}};
}
Field longInt(const char *name, const QString &label = {}, const QString &format = {})
{
    return {QString::fromUtf8(name), Kind::LongInt, 0, label, format};
}
Field autoInc(const char *name)
{
    return {QString::fromUtf8(name), Kind::AutoInc, 0, {}, {}};
}
Field number(const char *name, const QString &label = {}, const QString &format = {})
{
    return {QString::fromUtf8(name), Kind::Number, 0, label, format};
}
Field date(const char *name, const QString &label = {})
{
    return {QString::fromUtf8(name), Kind::Date, 0, label, {}};
}

QList<Index> indexesOn(std::initializer_list<const char *> fields)
{
    QList<Index> list;
    for (const char *field : fields)
        list.append({QStringLiteral("idx_") + QString::fromUtf8(field), QString::fromUtf8(field)});
    return list;
}

// ado and jarulek share their layout; only the type field and labels differ.
Table obligationTable(const char *name, const char *typeField, bool contribution)
{
    const auto label = [&](const char *tax, const char *contrib) {
        return QString::fromUtf8(contribution ? contrib : tax);
    };
    const QString none;
    return {
        QString::fromUtf8(name),
        {
            longInt(typeField),
            longInt("sorszam", QStringLiteral("sorszám")),
            date("dat_esedekes", QStringLiteral("esedékes")),
            alpha("idoszak", 6, contribution ? none : QStringLiteral("időszak")),
            number("adoalap", label("adóalap", "járulékalap"), kAmount),
            number("mertek", QStringLiteral("mérték"), kRate),
            number("csokkento", QStringLiteral("csökkentő"), kAmount),
            number("fizetendo", QStringLiteral("fizetendő"), kAmount),
            date("dat_kifizet", label("kifizetés", "megfizetve")),
            date("dat_bevall", label("bevallás", "bevallva")),
            alpha("kifizetve", 1),
            alpha("bevallva", 1),
            number("novelo", contribution ? QStringLiteral("növelő") : none, kAmount),
            number("ft_fizetve", contribution ? QStringLiteral("kifizetve") : none, kAmount),
            number("ft_hatralek", none, kAmount),
        },
        {QString::fromUtf8(typeField), QStringLiteral("sorszam")},
        indexesOn({"sorszam", "dat_esedekes", "adoalap", "mertek", "csokkento", "novelo",
                   "fizetendo", "dat_kifizet", "dat_bevall", "kifizetve", "bevallva",
                   "ft_fizetve"}),
    };
}

Table typeTable(const char *name, const char *nameField, const QString &nameLabel)
{
    return {
        QString::fromUtf8(name),
        {
            autoInc(name),
            alpha(nameField, 25, nameLabel),
            number("mertek", QStringLiteral("mérték"), kRate),
            number("csokkmertek", QStringLiteral("csökkentés mérték"), kRate),
            alpha("fix", 1, QStringLiteral("Fix?")),
            number("novmertek", QStringLiteral("növelés mérték"), kRate),
        },
        {QString::fromUtf8(name)},
        indexesOn({nameField, "mertek"}),
    };
}

QList<Table> buildTables()
{
    Table bevetel{
        QStringLiteral("bevetel"),
        {
            longInt("bevetel", QStringLiteral("sorszám")),
            alpha("idoszak", 6, QStringLiteral("időszak")),
            alpha("negyedev", 5, QStringLiteral("negyedév")),
            date("datum", QStringLiteral("dátum")),
            alpha("bizonylat", 25),
            alpha("leiras", 50, QStringLiteral("leírás")),
            number("osszeg", QStringLiteral("összeg"), kAmount),
            number("novelo", QStringLiteral("növelő"), kAmount),
            number("csokkento", QStringLiteral("csökkentő"), kAmount),
            number("adoalap", QStringLiteral("adóalap"), kAmount),
            number("adoeloleg", QStringLiteral("adóelőleg"), kAmount),
            alpha("lezarva", 1),
            alpha("megjegyzes", 50, QStringLiteral("megjegyzés")),
            alpha("fizetve", 1, QStringLiteral("fiz?")),
        },
        {QStringLiteral("bevetel")},
        indexesOn({"lezarva", "datum", "bizonylat", "leiras", "osszeg", "novelo", "csokkento",
                   "adoalap", "adoeloleg", "megjegyzes", "fizetve"}),
    };
    Table kiadas{
        QStringLiteral("kiadas"),
        {
            longInt("kiadas", QStringLiteral("kiadás"), QStringLiteral("00000")),
            alpha("idoszak", 6, QStringLiteral("időszak")),
            alpha("negyedev", 5, QStringLiteral("negyedév")),
            date("datum", QStringLiteral("dátum")),
            alpha("bizonylat", 25),
            alpha("leiras", 50, QStringLiteral("leírás")),
            number("osszeg", QStringLiteral("összeg"), kAmount),
            alpha("lezarva", 1, QStringLiteral("lezárva")),
            alpha("megjegyzes", 50, QStringLiteral("megjegyzés")),
        },
        {QStringLiteral("kiadas")},
        indexesOn({"lezarva", "datum", "bizonylat", "leiras", "osszeg", "megjegyzes"}),
    };
    Table beallit{
        QStringLiteral("beallit"),
        {
            autoInc("beallit"),
            alpha("vanbelep", 1, QStringLiteral("Belépésnél jelszót kér")),
            number("evaszorzo", QStringLiteral("EVA szorzó")),
            date("dat_tevkezd", QStringLiteral("tevékenység kezdete")),
            alpha("adoszam", 11, QStringLiteral("adószám")),
            alpha("cegnev", 100, QStringLiteral("cégnév")),
            longInt("eva"),
            longInt("tarsasagi"),
        },
        {QStringLiteral("beallit")},
        {},
    };
    Table felhasznalo{
        QStringLiteral("felhasznalo"),
        {
            alpha("felhasznalo", 20, QStringLiteral("kód")),
            alpha("felhasznalo_nev", 20, QStringLiteral("felhasználó")),
            alpha("jelszo", 10, QStringLiteral("jelszó")),
            alpha("rendszergazda", 1),
            alpha("torzsszerkeszt", 1, QStringLiteral("törzs.szerkeszt")),
        },
        {QStringLiteral("felhasznalo")},
        indexesOn({"felhasznalo_nev", "rendszergazda", "torzsszerkeszt"}),
    };
    Table zaras{QStringLiteral("zaras"), {alpha("negyedev", 5)}, {QStringLiteral("negyedev")}, {}};
    Table tmpNyereseg{
        QStringLiteral("tmp_nyereseg"),
        {
            alpha("idoszak", 6),
            number("bevetel", {}, kAmount),
            number("ado", {}, kAmount),
            number("jarulek", {}, kAmount),
            number("haszon", {}, kAmount),
            number("kiadas", {}, kAmount),
        },
        {QStringLiteral("idoszak")},
        {},
    };
    return {
        bevetel,
        kiadas,
        obligationTable("ado", "adotip", false),
        obligationTable("jarulek", "jarulektip", true),
        typeTable("adotip", "adotip_nev", QStringLiteral("adótípus")),
        typeTable("jarulektip", "jarulektip_nev", QStringLiteral("járuléktípus")),
        beallit,
        felhasznalo,
        zaras,
        tmpNyereseg,
    };
}

QString declaredType(const Field &field)
{
    switch (field.kind) {
    case Kind::Alpha:
        return QStringLiteral("CHAR(%1)").arg(field.size);
    case Kind::LongInt:
        return QStringLiteral("INTEGER");
    case Kind::AutoInc:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case Kind::Number:
        return QStringLiteral("FLOAT");
    case Kind::Date:
        return QStringLiteral("DATE");
    }
    return {};
}

} // namespace

const Field *Table::field(const QString &fieldName) const
{
    const int at = fieldIndex(fieldName);
    return at < 0 ? nullptr : &fields[at];
}

int Table::fieldIndex(const QString &fieldName) const
{
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const Index *Table::indexOn(const QString &fieldName) const
{
    for (const Index &index : indexes)
        if (index.field.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &index;
    return nullptr;
}

const QList<Table> &tables()
{
    static const QList<Table> all = buildTables();
    return all;
}

const Table &table(const QString &name)
{
    for (const Table &t : tables())
        if (t.name == name)
            return t;
    throw std::out_of_range("unknown table: " + name.toStdString());
}

QString storedIndexName(const Table &table, const Index &index)
{
    return table.name + QLatin1Char('_') + index.name;
}

QString createTableSql(const Table &table)
{
    QStringList columns;
    bool keyIsAutoInc = false;
    for (const Field &field : table.fields) {
        columns << field.name + QLatin1Char(' ') + declaredType(field);
        keyIsAutoInc = keyIsAutoInc || field.kind == Kind::AutoInc;
    }
    if (!keyIsAutoInc) {
        // A running number is deliberately not the rowid: deleting a row
        // renumbers every later one, and a changed rowid would move the row
        // in all eleven secondary indexes instead of in the key's own index.
        for (const QString &keyField : table.key) {
            const Field *key = table.field(keyField);
            const QString type = key->kind == Kind::LongInt ? QStringLiteral("INT") : declaredType(*key);
            columns[table.fieldIndex(keyField)] = keyField + QLatin1Char(' ') + type + QStringLiteral(" NOT NULL");
        }
        columns << QStringLiteral("PRIMARY KEY (%1)").arg(table.key.join(QStringLiteral(", ")));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, columns.join(QStringLiteral(", ")));
}

QString createIndexSql(const Table &table, const Index &index)
{
    const Field *field = table.field(index.field);
    const QString collate = field && field->isText() ? QStringLiteral(" COLLATE HU_CI") : QString();
    return QStringLiteral("CREATE INDEX %1 ON %2 (%3%4)")
        .arg(storedIndexName(table, index), table.name, index.field, collate);
}

} // namespace kalmira::schema
