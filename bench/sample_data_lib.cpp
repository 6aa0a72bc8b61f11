#include "sample_data_lib.h"

#include "foundation/codes.h"
#include "foundation/database.h"

#include <QDir>
#include <QFileInfo>

#include <random>

namespace kalmira::bench {
namespace {

// Ten years of business, so that period and quarter codes vary as in real books.
constexpr qint64 kSpanDays = 3652;

const char *const kIncomeTexts[] = {
    "Árvíztűrő tükörfúrógép javítása",
    "árvíztűrő tükörfúrógép javítása",
    "Csempézés",
    "Számítógép-szerviz",
    "Könyvelési díj",
    "Ügyfélszolgálati munka",
    "Őrzés-védelem",
    "Szoftverfejlesztés",
    "Tanácsadás",
    "Fordítás angolról magyarra",
    "Zsírtalanítás",
    "Cserépkályha építése",
    "Kertészeti munkák",
    "Útépítés alvállalkozóként",
};
const char *const kExpenseTexts[] = {
    "Irodaszer",   "Üzemanyag",     "Telefonszámla", "Internet-előfizetés",
    "Bérleti díj", "Könyvelő díja", "Szakkönyv",     "Csavarok, szerszámok",
    "Áramdíj",     "Gázdíj",
};
const char *const kNotes[] = {
    "", "", "", "", "átutalással", "készpénz", "részletfizetés", "Sürgős", "sürgős"};

class Random
{
public:
    explicit Random(quint32 seed) : m_engine(seed) {}
    int between(int low, int high)
    {
        return std::uniform_int_distribution<int>(low, high)(m_engine);
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <size_t N> QString pick(const char *const (&texts)[N])
    {
        return QString::fromUtf8(texts[between(0, int(N) - 1)]);
    }
    // A forint amount rounded to tens.
    double amount(int low, int high) { return between(low / 10, high / 10) * 10.0; }

private:
    std::mt19937 m_engine;
};

QDate dayOf(const SampleSize &size, qint64 row, qint64 rows)
{
    return size.firstDay.addDays(rows <= 1 ? 0 : row * kSpanDays / rows);
}

qint64 highest(Database &db, const QString &sql)
{
    return db.scalar(sql).toLongLong();
}

void fillIncome(Database &db, const SampleSize &size, Random &random)
{
    const qint64 first = highest(db, QStringLiteral("SELECT MAX(bevetel) FROM bevetel")) + 1;
    QSqlQuery insert = db.prepare(QStringLiteral(
        "INSERT INTO bevetel (bevetel, idoszak, negyedev, datum, bizonylat, leiras, osszeg, novelo,"
        " csokkento, adoalap, adoeloleg, lezarva, megjegyzes, fizetve) VALUES (:bevetel, :idoszak,"
        " :negyedev, :datum, :bizonylat, :leiras, :osszeg, :novelo, :csokkento, :adoalap,"
        " :adoeloleg, :lezarva, :megjegyzes, :fizetve)"));
    for (qint64 i = 0; i < size.income; ++i) {
        const QDate day = dayOf(size, i, size.income);
        const double osszeg = random.amount(1000, 500000);
        const double novelo = random.chance(10) ? random.amount(100, 20000) : 0;
        const double csokkento = random.chance(10) ? random.amount(100, 20000) : 0;
        const double adoalap = osszeg + novelo - csokkento;
        insert.bindValue(QStringLiteral(":bevetel"), first + i);
        insert.bindValue(QStringLiteral(":idoszak"), idoszakOf(day));
        insert.bindValue(QStringLiteral(":negyedev"), negyedevOf(day));
        insert.bindValue(QStringLiteral(":datum"), day.toString(Qt::ISODate));
        insert.bindValue(
            QStringLiteral(":bizonylat"),
            QStringLiteral("SZ-%1/%2").arg(day.year()).arg(first + i, 7, 10, QLatin1Char('0')));
        insert.bindValue(QStringLiteral(":leiras"), random.pick(kIncomeTexts));
        insert.bindValue(QStringLiteral(":osszeg"), osszeg);
        insert.bindValue(QStringLiteral(":novelo"), novelo);
        insert.bindValue(QStringLiteral(":csokkento"), csokkento);
        insert.bindValue(QStringLiteral(":adoalap"), adoalap);
        insert.bindValue(QStringLiteral(":adoeloleg"), adoalap * 0.15);
        insert.bindValue(QStringLiteral(":lezarva"),
                         i < size.income * 9 / 10 ? QStringLiteral("I") : QStringLiteral("N"));
        insert.bindValue(QStringLiteral(":megjegyzes"), random.pick(kNotes));
        insert.bindValue(QStringLiteral(":fizetve"),
                         random.chance(95) ? QStringLiteral("I") : QStringLiteral("N"));
        db.execPrepared(insert);
    }
}

void fillExpense(Database &db, const SampleSize &size, Random &random)
{
    const qint64 first = highest(db, QStringLiteral("SELECT MAX(kiadas) FROM kiadas")) + 1;
    QSqlQuery insert = db.prepare(QStringLiteral(
        "INSERT INTO kiadas (kiadas, idoszak, negyedev, datum, bizonylat, leiras, osszeg, lezarva,"
        " megjegyzes) VALUES (:kiadas, :idoszak, :negyedev, :datum, :bizonylat, :leiras, :osszeg,"
        " 'N', :megjegyzes)"));
    for (qint64 i = 0; i < size.expense; ++i) {
        const QDate day = dayOf(size, i, size.expense);
        insert.bindValue(QStringLiteral(":kiadas"), first + i);
        insert.bindValue(QStringLiteral(":idoszak"), idoszakOf(day));
        insert.bindValue(QStringLiteral(":negyedev"), negyedevOf(day));
        insert.bindValue(QStringLiteral(":datum"), day.toString(Qt::ISODate));
        insert.bindValue(QStringLiteral(":bizonylat"),
                         QStringLiteral("K-%1").arg(first + i, 7, 10, QLatin1Char('0')));
        insert.bindValue(QStringLiteral(":leiras"), random.pick(kExpenseTexts));
        insert.bindValue(QStringLiteral(":osszeg"), random.amount(500, 200000));
        insert.bindValue(QStringLiteral(":megjegyzes"), random.pick(kNotes));
        db.execPrepared(insert);
    }
}

// Obligation rows (ado or jarulek), spread round-robin over the catalogue's types.
void fillObligations(Database &db, const QString &table, const QString &typeTable, qint64 rows,
                     const SampleSize &size, Random &random)
{
    if (rows <= 0)
        return;
    QList<qint64> types;
    QList<double> rates;
    QSqlQuery typeQuery =
        db.exec(QStringLiteral("SELECT %1, mertek FROM %1 ORDER BY %1").arg(typeTable));
    while (typeQuery.next()) {
        types << typeQuery.value(0).toLongLong();
        rates << typeQuery.value(1).toDouble();
    }
    if (types.isEmpty())
        throw Error(QStringLiteral("A(z) %1 katalógus üres.").arg(typeTable));
    QList<qint64> next;
    for (qint64 type : types)
        next << highest(db, QStringLiteral("SELECT MAX(sorszam) FROM %1 WHERE %2=%3")
                                .arg(table, typeTable)
                                .arg(type)) +
                    1;

    QSqlQuery insert = db.prepare(
        QStringLiteral(
            "INSERT INTO %1 (%2, sorszam, dat_esedekes, idoszak, adoalap, mertek, csokkento, "
            "fizetendo,"
            " dat_kifizet, dat_bevall, kifizetve, bevallva, novelo, ft_fizetve, ft_hatralek) VALUES"
            " (:tipus, :sorszam, :esedekes, :idoszak, :adoalap, :mertek, 0, :fizetendo, :kifizet,"
            " :bevall, :kifizetve, :bevallva, 0, :fizetve, :hatralek)")
            .arg(table, typeTable));
    for (qint64 i = 0; i < rows; ++i) {
        const int t = int(i % types.size());
        const QDate month = dayOf(size, i, rows);
        const QDate due = QDate(month.year(), month.month(), 12).addMonths(1);
        const double base = random.amount(10000, 2000000);
        const double payable = base * rates[t] / 100.0;
        const bool paid = random.chance(90);
        const bool declared = random.chance(90);
        insert.bindValue(QStringLiteral(":tipus"), types[t]);
        insert.bindValue(QStringLiteral(":sorszam"), next[t]++);
        insert.bindValue(QStringLiteral(":esedekes"), due.toString(Qt::ISODate));
        insert.bindValue(QStringLiteral(":idoszak"), idoszakOf(month));
        insert.bindValue(QStringLiteral(":adoalap"), base);
        insert.bindValue(QStringLiteral(":mertek"), rates[t]);
        insert.bindValue(QStringLiteral(":fizetendo"), payable);
        insert.bindValue(QStringLiteral(":kifizet"),
                         paid ? QVariant(due.toString(Qt::ISODate)) : QVariant());
        insert.bindValue(QStringLiteral(":bevall"),
                         declared ? QVariant(due.toString(Qt::ISODate)) : QVariant());
        insert.bindValue(QStringLiteral(":kifizetve"),
                         paid ? QStringLiteral("I") : QStringLiteral("N"));
        insert.bindValue(QStringLiteral(":bevallva"),
                         declared ? QStringLiteral("I") : QStringLiteral("N"));
        insert.bindValue(QStringLiteral(":fizetve"), paid ? payable : 0.0);
        insert.bindValue(QStringLiteral(":hatralek"), paid ? 0.0 : payable);
        db.execPrepared(insert);
    }
}

} // namespace

void fillSampleData(Database &db, const SampleSize &size)
{
    Random random(size.seed);
    Transaction transaction(db);
    fillIncome(db, size, random);
    fillExpense(db, size, random);
    fillObligations(db, QStringLiteral("ado"), QStringLiteral("adotip"), size.tax, size, random);
    fillObligations(db, QStringLiteral("jarulek"), QStringLiteral("jarulektip"), size.contribution,
                    size, random);
    transaction.commit();
}

void createSampleDatabase(const QString &folder, const SampleSize &size)
{
    if (QFileInfo::exists(QDir(folder).filePath(QString::fromLatin1(Database::FileName))))
        throw Error(QStringLiteral("Ebben a mappában már van adatbázis: %1").arg(folder));
    Database db(QStringLiteral("SampleData"));
    db.open(folder, Database::Missing::Create);
    fillSampleData(db, size);
    db.close();
}

} // namespace kalmira::bench
