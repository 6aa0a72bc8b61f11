#include "shell/settings_store.h"

#include "foundation/database.h"

#include <QLocale>

namespace kalmira {
namespace {

QVariant nullable(const QVariant &value)
{
    return value.isValid() && !value.isNull() ? value : QVariant();
}

} // namespace

BeallitRow loadBeallitRow(Database &db)
{
    QSqlQuery query = db.exec(
        QStringLiteral("SELECT vanbelep, evaszorzo, eva, tarsasagi, cegnev, adoszam, dat_tevkezd "
                       "FROM beallit ORDER BY beallit LIMIT 1"));
    BeallitRow row;
    if (!query.next())
        return row;
    row.vanbelep = query.value(0).toString() == QLatin1String("I");
    row.evaszorzo = nullable(query.value(1));
    row.eva = nullable(query.value(2));
    row.tarsasagi = nullable(query.value(3));
    row.cegnev = query.value(4).toString().trimmed();
    row.adoszam = query.value(5).toString().trimmed();
    row.dat_tevkezd = QDate::fromString(query.value(6).toString(), Qt::ISODate);
    return row;
}

void saveBeallitRow(Database &db, const BeallitRow &row)
{
    const QVariantMap values{
        {QStringLiteral("vanbelep"), row.vanbelep ? QStringLiteral("I") : QStringLiteral("N")},
        {QStringLiteral("evaszorzo"),
         row.evaszorzo.isValid() ? QVariant(row.evaszorzo.toDouble()) : QVariant()},
        {QStringLiteral("eva"), row.eva.isValid() ? QVariant(row.eva.toInt()) : QVariant()},
        {QStringLiteral("tarsasagi"),
         row.tarsasagi.isValid() ? QVariant(row.tarsasagi.toInt()) : QVariant()},
        {QStringLiteral("cegnev"), row.cegnev},
        {QStringLiteral("adoszam"), row.adoszam},
        {QStringLiteral("dat_tevkezd"),
         row.dat_tevkezd.isValid() ? QVariant(row.dat_tevkezd.toString(Qt::ISODate)) : QVariant()},
    };
    const QVariant first = db.scalar(QStringLiteral("SELECT MIN(beallit) FROM beallit"));
    if (first.isNull() || !first.isValid()) {
        db.exec(QStringLiteral("INSERT INTO beallit (vanbelep, evaszorzo, eva, tarsasagi, cegnev, "
                               "adoszam, dat_tevkezd) "
                               "VALUES (:vanbelep, :evaszorzo, :eva, :tarsasagi, :cegnev, "
                               ":adoszam, :dat_tevkezd)"),
                values);
        return;
    }
    QVariantMap withKey = values;
    withKey.insert(QStringLiteral("beallit"), first);
    db.exec(QStringLiteral("UPDATE beallit SET vanbelep=:vanbelep, evaszorzo=:evaszorzo, eva=:eva, "
                           "tarsasagi=:tarsasagi, cegnev=:cegnev, adoszam=:adoszam, "
                           "dat_tevkezd=:dat_tevkezd WHERE beallit=:beallit"),
            withKey);
}

QList<TypeChoice> adotipChoices(Database &db)
{
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT adotip, adotip_nev FROM adotip ORDER BY adotip"));
    QList<TypeChoice> choices;
    while (query.next())
        choices.append({query.value(0).toInt(), query.value(1).toString().trimmed()});
    return choices;
}

bool readDateField(const QString &text, QDate &date)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        date = QDate();
        return true;
    }
    const QLocale locale;
    const QStringList formats{locale.dateFormat(QLocale::ShortFormat),
                              QStringLiteral("yyyy.MM.dd."), QStringLiteral("yyyy.MM.dd"),
                              QStringLiteral("yyyy. M. d."), QStringLiteral("yyyy-MM-dd")};
    for (const QString &format : formats) {
        const QDate read = locale.toDate(trimmed, format);
        if (read.isValid()) {
            date = read;
            return true;
        }
    }
    return false;
}

QString dateFieldText(QDate date)
{
    return date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString();
}

} // namespace kalmira
