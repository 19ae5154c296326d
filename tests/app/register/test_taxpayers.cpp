#include "app/register/passwordcheck.h"
#include "app/register/passwordhash.h"
#include "app/register/taxpayers.h"
#include "app/register/textfold.h"

#include "registerfixture.h"
#include "scriptedmessages.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::app;
using namespace ventrix::test;

namespace {

QStringList names(const TaxpayerRegister& reg, const QString& search)
{
    QStringList out;
    const auto keys = reg.search(search);
    if (!keys)
        return { QStringLiteral("<error>") };
    const auto rows = reg.gridRows(*keys);
    for (const TaxpayerGridRow& row : *rows)
        out << row.contribuyente;
    return out;
}

}

TEST(TaxpayerSearch, BlanksAreWildcardsAndReferenceNumbersMatch)
{
    TestDatabase t;
    addTaxpayer(t.db(), QStringLiteral("Gómez Pérez, Juan Carlos"), QStringLiteral("20-111/3"));
    addTaxpayer(t.db(), QStringLiteral("Pérez Juan"), QStringLiteral("30-999/1"));
    addTaxpayer(t.db(), QStringLiteral("Acme S.A."), QStringLiteral("ref gomez carlos"));
    TaxpayerRegister reg(t.db());

    // Both words in that order, anything between, any case; the reference number matches too.
    EXPECT_EQ(names(reg, QStringLiteral("gómez carlos")),
        QStringList { QStringLiteral("Gómez Pérez, Juan Carlos") });
    EXPECT_EQ(names(reg, QStringLiteral("gomez carlos")), QStringList { QStringLiteral("Acme S.A.") });
    EXPECT_EQ(names(reg, QStringLiteral("999")), QStringList { QStringLiteral("Pérez Juan") });
    // Words in the other order do not match.
    EXPECT_TRUE(names(reg, QStringLiteral("carlos gómez")).isEmpty());
    // Empty and blank searches list everybody, ordered by identification.
    EXPECT_EQ(names(reg, QStringLiteral("   ")),
        (QStringList { QStringLiteral("Acme S.A."), QStringLiteral("Gómez Pérez, Juan Carlos"),
            QStringLiteral("Pérez Juan") }));
}

TEST(TaxpayerSearch, WildcardCharactersTypedAreLiteral)
{
    TestDatabase t;
    addTaxpayer(t.db(), QStringLiteral("100% Algodón SRL"));
    addTaxpayer(t.db(), QStringLiteral("1000 Algodones"));
    addTaxpayer(t.db(), QStringLiteral("Mi_Kiosco"));
    addTaxpayer(t.db(), QStringLiteral("MiXKiosco"));
    addTaxpayer(t.db(), QStringLiteral("O'Brien \\ Hijos"));
    TaxpayerRegister reg(t.db());

    EXPECT_EQ(names(reg, QStringLiteral("100%")), QStringList { QStringLiteral("100% Algodón SRL") });
    EXPECT_EQ(names(reg, QStringLiteral("i_K")), QStringList { QStringLiteral("Mi_Kiosco") });
    EXPECT_EQ(names(reg, QStringLiteral("o'brien \\")), QStringList { QStringLiteral("O'Brien \\ Hijos") });
}

TEST(TaxpayerSearch, AccentedLettersIgnoreCaseAndSortLikeSpanish)
{
    TestDatabase t;
    addTaxpayer(t.db(), QStringLiteral("Ñandú SA"));
    addTaxpayer(t.db(), QStringLiteral("Ortega"));
    addTaxpayer(t.db(), QStringLiteral("Nuñez"));
    addTaxpayer(t.db(), QStringLiteral("álvarez"));
    addTaxpayer(t.db(), QStringLiteral("Zapata"));
    TaxpayerRegister reg(t.db());

    EXPECT_EQ(names(reg, QStringLiteral("ÑANDÚ")), QStringList { QStringLiteral("Ñandú SA") });
    EXPECT_EQ(names(reg, {}),
        (QStringList { QStringLiteral("álvarez"), QStringLiteral("Nuñez"), QStringLiteral("Ñandú SA"),
            QStringLiteral("Ortega"), QStringLiteral("Zapata") }));
}

TEST(TaxpayerSearch, OrderFollowsRenamesAndNewRows)
{
    TestDatabase t;
    TaxpayerRegister grid(t.db());
    const qint64 zeta = addTaxpayer(t.db(), QStringLiteral("Zeta"));
    addTaxpayer(t.db(), QStringLiteral("Mora"));
    EXPECT_EQ(names(grid, {}), (QStringList { QStringLiteral("Mora"), QStringLiteral("Zeta") }));

    // Renamed through another screen's register, to a name of the same length.
    TaxpayerRegister screen(t.db());
    Taxpayer renamed = **screen.read(zeta);
    renamed.contribuyente = QStringLiteral("Abel");
    ASSERT_EQ(screen.save(renamed), SaveOutcome::Saved);
    EXPECT_EQ(names(grid, {}), (QStringList { QStringLiteral("Abel"), QStringLiteral("Mora") }));
    EXPECT_EQ(names(grid, QStringLiteral("e")), (QStringList { QStringLiteral("Abel") }));
    addTaxpayer(t.db(), QStringLiteral("Beto"));
    EXPECT_EQ(
        names(grid, QStringLiteral("e")), (QStringList { QStringLiteral("Abel"), QStringLiteral("Beto") }));
}

TEST(TaxpayerSearch, OrderIsTheDatabasesOwnOrderBySortKey)
{
    TestDatabase t;
    const QStringList identifications { QStringLiteral("Zoë"), QStringLiteral("alvarez"),
        QStringLiteral("Álvarez"), QStringLiteral("ALVAREZ"), QStringLiteral("Ñandú"),
        QStringLiteral("Nuñez"), QStringLiteral("Straße"), QStringLiteral("Ōtani"), QStringLiteral("Ωmega"),
        QString(), QStringLiteral("Alvarez Z"), QStringLiteral("Alvare"), QStringLiteral("~tilde"),
        QStringLiteral("ÿ"), QString(300, u'é') + u'b', QString(300, u'é') + u'a' };
    for (const QString& name : identifications)
        addTaxpayer(t.db(), name);
    QSqlQuery(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (NULL), (NULL)"), t.db());
    TaxpayerRegister reg(t.db());

    // Ties (same letters in other case or accents, missing identifications) go by key; a
    // missing one first, a shorter key before a longer one that starts with it.
    QList<qint64> expected;
    QSqlQuery q(
        QStringLiteral("SELECT CMD_ID FROM CMD ORDER BY vx_sortkey(CMD_Contribuyente), CMD_ID"), t.db());
    while (q.next())
        expected.append(q.value(0).toLongLong());
    ASSERT_EQ(expected.size(), identifications.size() + 2);
    EXPECT_EQ(reg.search({}), expected);
}

TEST(TaxpayerSearch, OrderFollowsChangesFromOtherConnections)
{
    TestDatabase t;
    const qint64 zeta = addTaxpayer(t.db(), QStringLiteral("Zeta"));
    const qint64 mora = addTaxpayer(t.db(), QStringLiteral("Mora"));
    TaxpayerRegister grid(t.db());
    EXPECT_EQ(names(grid, {}), (QStringList { QStringLiteral("Mora"), QStringLiteral("Zeta") }));

    // Another copy of the program renames to a name of the same length, then deletes a row.
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(t.path());
        ASSERT_TRUE(other.open());
        QSqlQuery rename(other);
        rename.prepare(QStringLiteral("UPDATE CMD SET CMD_Contribuyente = 'Abel' WHERE CMD_ID = ?"));
        rename.addBindValue(zeta);
        ASSERT_TRUE(rename.exec());
        EXPECT_EQ(names(grid, {}), (QStringList { QStringLiteral("Abel"), QStringLiteral("Mora") }));
        QSqlQuery remove(other);
        remove.prepare(QStringLiteral("DELETE FROM CMD WHERE CMD_ID = ?"));
        remove.addBindValue(mora);
        ASSERT_TRUE(remove.exec());
        EXPECT_EQ(names(grid, QStringLiteral("a")), QStringList { QStringLiteral("Abel") });
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));

    // A statement of this same connection that no register ran.
    QSqlQuery(QStringLiteral("UPDATE CMD SET CMD_Contribuyente = 'Yago'"), t.db());
    addTaxpayer(t.db(), QStringLiteral("Bea"));
    EXPECT_EQ(names(grid, {}), (QStringList { QStringLiteral("Bea"), QStringLiteral("Yago") }));
}

TEST(TaxpayerRecord, IdentificationIsRequiredAndUniqueWhateverTheCase)
{
    TestDatabase t;
    TaxpayerRegister reg(t.db());
    Taxpayer first { 0, QStringLiteral("  Peña, María  "), QStringLiteral("Belgrano 10"), {}, {}, {}, {},
        {} };
    ASSERT_EQ(reg.save(first), SaveOutcome::Saved);
    EXPECT_GT(first.id, 0);
    EXPECT_EQ((*reg.read(first.id))->contribuyente, QStringLiteral("Peña, María"));

    Taxpayer twin { 0, QStringLiteral("PEÑA, MARÍA"), {}, {}, {}, {}, {}, {} };
    EXPECT_EQ(reg.findIdentification(twin.contribuyente), first.id);
    EXPECT_EQ(reg.save(twin), SaveOutcome::DuplicateIdentification);
    twin.contribuyente = QStringLiteral("Pena, Maria"); // other letters: another taxpayer
    EXPECT_EQ(reg.save(twin), SaveOutcome::Saved);

    // Renaming a taxpayer onto itself in another case is allowed, onto the other one is not.
    first.contribuyente = QStringLiteral("PEÑA, maría");
    EXPECT_EQ(reg.save(first), SaveOutcome::Saved);
    first.contribuyente = QStringLiteral("pena, MARIA");
    EXPECT_EQ(reg.save(first), SaveOutcome::DuplicateIdentification);

    Taxpayer blank { 0, QStringLiteral("   "), {}, {}, {}, {}, {}, {} };
    EXPECT_EQ(reg.save(blank), SaveOutcome::EmptyIdentification);
    EXPECT_EQ(count(t.db(), QStringLiteral("SELECT COUNT(*) FROM CMD")), 2);
}

TEST(TaxpayerRecord, EstadoCp01ReadsTheNewestProcedure)
{
    TestDatabase t;
    TaxpayerRegister reg(t.db());
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Uno"));
    const auto estado = [&](qint64 key) { return *reg.estadoCp01(key); };
    EXPECT_EQ(estado(id), 2); // no CP01 yet
    addCp01(t.db(), id, QDate(2020, 5, 1), 1);
    addCp01(t.db(), id, QDate(2021, 3, 1), 0);
    addCp01(t.db(), id, QDate(2019, 1, 1), 1);
    EXPECT_EQ(estado(id), 0);
    addCp01(t.db(), id, QDate(2021, 3, 1), QVariant()); // same date, newer row, no mark
    EXPECT_EQ(estado(id), 2);
    EXPECT_EQ(estado(id + 100), std::nullopt);
}

TEST(TaxpayerRecord, MissingRowsAndFailedReadsAreToldApart)
{
    TestDatabase t;
    TaxpayerRegister reg(t.db());
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Uno"), {}, QStringLiteral("1234/5"));
    const qint64 older = addCp01(t.db(), id, QDate(2020, 1, 1), 1);
    const qint64 newest = addCp01(t.db(), id, QDate(2020, 1, 1), QVariant(), QStringLiteral(" 20-1/1 "));
    addCp01(t.db(), id, QDate(2019, 12, 31), 0);

    const auto cp01 = reg.newestCp01(id);
    ASSERT_TRUE(cp01.ok());
    ASSERT_TRUE(cp01->has_value());
    EXPECT_GT(newest, older);
    EXPECT_EQ((*cp01)->cp01Id, newest); // same date: the higher key
    EXPECT_EQ((*cp01)->cuit, QStringLiteral("20-1/1"));
    EXPECT_EQ((*cp01)->formCp01, std::nullopt);
    EXPECT_EQ((*reg.read(id))->numAgenteRetencion, QStringLiteral("1234/5"));

    EXPECT_TRUE(reg.read(id + 1).ok());
    EXPECT_FALSE(reg.read(id + 1)->has_value());
    EXPECT_TRUE(reg.newestCp01(id + 1).ok());
    EXPECT_FALSE(reg.newestCp01(id + 1)->has_value());

    QSqlQuery(QStringLiteral("ALTER TABLE Form_Cp01 RENAME TO Form_Cp01_Aparte"), t.db());
    EXPECT_FALSE(reg.newestCp01(id).ok());
    EXPECT_FALSE(reg.newestCp01(id).error().isEmpty());
    EXPECT_FALSE(reg.estadoCp01(id).ok());
    QSqlQuery(QStringLiteral("ALTER TABLE CMD RENAME TO CMD_Aparte"), t.db());
    EXPECT_FALSE(reg.read(id).ok());
    EXPECT_FALSE(reg.storedPassword(id).ok());
}

TEST(Passwords, HashIsSaltedCaseInsensitiveAndNeverTheClearText)
{
    const int rounds = passwordhash::MinIterations;
    const QString stored = passwordhash::hash(QStringLiteral("Secreto"), rounds);
    EXPECT_TRUE(passwordhash::isHash(stored));
    EXPECT_FALSE(stored.contains(QStringLiteral("SECRETO"), Qt::CaseInsensitive));
    EXPECT_NE(stored, passwordhash::hash(QStringLiteral("Secreto"), rounds));
    EXPECT_TRUE(passwordhash::verify(QStringLiteral("sEcReTo"), stored));
    EXPECT_FALSE(passwordhash::verify(QStringLiteral("Secret"), stored));
    EXPECT_FALSE(passwordhash::verify(QString(), stored));
    EXPECT_TRUE(
        passwordhash::verify(QStringLiteral("ñandú"), passwordhash::hash(QStringLiteral("ÑANDÚ"), rounds)));
    EXPECT_TRUE(passwordhash::hash(QString()).isEmpty());
    EXPECT_TRUE(passwordhash::hash(QStringLiteral("   ")).isEmpty());
}

TEST(Passwords, BlanksAroundThePasswordCountNeitherWhenSavedNorWhenTyped)
{
    const QString stored = passwordhash::hash(QStringLiteral(" clave "), passwordhash::MinIterations);
    EXPECT_TRUE(passwordhash::verify(QStringLiteral("clave"), stored));
    EXPECT_TRUE(passwordhash::verify(QStringLiteral(" clave "), stored));
    EXPECT_TRUE(passwordhash::verify(QStringLiteral("CLAVE\t"), stored));
    EXPECT_FALSE(passwordhash::verify(QStringLiteral("cla ve"), stored));
    // Inside the password a blank is a letter like any other.
    const QString twoWords = passwordhash::hash(QStringLiteral("mi clave"), passwordhash::MinIterations);
    EXPECT_TRUE(passwordhash::verify(QStringLiteral(" Mi Clave "), twoWords));
    EXPECT_FALSE(passwordhash::verify(QStringLiteral("miclave"), twoWords));
}

TEST(Passwords, StoredIterationCountsOutsideTheBoundsAreRefused)
{
    // A hash made with PBKDF2-HMAC-SHA256 of "CLAVE", salt "sal" (c2Fs), at each count.
    const auto stored = [](int rounds, const char* key) -> QString {
        return QStringLiteral("pbkdf2-sha256$") + QString::number(rounds) + QStringLiteral("$c2Fs$")
            + QString::fromLatin1(key);
    };
    const char* key9999 = "cd1v+GYEpELMSZ/e8KUrVvRzPeCQ8+S4J5EBKguyzYc=";
    const char* key10000 = "VwtBiHFnJIbHIa6YU2dkhDgsP0JZTCR6iOpsmNO9AlQ=";
    EXPECT_FALSE(passwordhash::verify(QStringLiteral("clave"), stored(9999, key9999)));
    EXPECT_TRUE(passwordhash::verify(QStringLiteral("clave"), stored(10000, key10000)));
    for (const QString& bad : { QStringLiteral("pbkdf2-sha256$0$AAAA$AAAA"),
             QStringLiteral("pbkdf2-sha256$-5$AAAA$AAAA"), QStringLiteral("pbkdf2-sha256$10000001$c2Fs$AAAA"),
             QStringLiteral("pbkdf2-sha256$2147483647$c2Fs$AAAA"),
             QStringLiteral("pbkdf2-sha256$99999999999$c2Fs$AAAA"),
             QStringLiteral("pbkdf2-sha256$diez$c2Fs$AAAA"), QStringLiteral("pbkdf2-sha256$10000$c2Fs"),
             QStringLiteral("pbkdf2-sha256$10000$c2Fs$") })
        EXPECT_FALSE(passwordhash::verify(QStringLiteral("clave"), bad)) << bad.toStdString();
    EXPECT_TRUE(passwordhash::hash(QStringLiteral("clave"), 9999).isEmpty());
    EXPECT_TRUE(passwordhash::hash(QStringLiteral("clave"), 10000001).isEmpty());
}

TEST(Passwords, ClearTextFromAnOlderDatabaseMatchesOnlyTheWholePassword)
{
    EXPECT_TRUE(passwordhash::verify(QStringLiteral("viejo"), QStringLiteral(" VIEJO ")));
    EXPECT_TRUE(passwordhash::verify(QStringLiteral(" Viejo"), QStringLiteral("viejo")));
    EXPECT_FALSE(passwordhash::verify(QStringLiteral("viej"), QStringLiteral("viejo")));
    EXPECT_FALSE(passwordhash::verify(QStringLiteral("viejos"), QStringLiteral("viejo")));
    EXPECT_FALSE(passwordhash::verify(QString(), QStringLiteral("viejo")));
}

TEST(Passwords, VerificaPwdAsksOnlyWhenSetAndNeverShowsTheStoredOne)
{
    TestDatabase t;
    ScriptedMessages boxes;
    TaxpayerRegister reg(t.db());
    const qint64 open = addTaxpayer(t.db(), QStringLiteral("Sin clave"));
    const qint64 locked = addTaxpayer(t.db(), QStringLiteral("Con clave"));
    reg.setPasswordHash(locked, passwordhash::hash(QStringLiteral("Tango"), passwordhash::MinIterations));

    int asked = 0;
    QString typed;
    const PasswordPrompt prompt = [&]() -> std::optional<QString> {
        ++asked;
        return typed;
    };
    EXPECT_TRUE(VerificaPwd(reg, open, prompt));
    EXPECT_EQ(asked, 0);

    typed = QStringLiteral(" tANGO ");
    EXPECT_TRUE(VerificaPwd(reg, locked, prompt));
    EXPECT_TRUE(boxes.shown().isEmpty());

    typed = QStringLiteral("Vals");
    EXPECT_FALSE(VerificaPwd(reg, locked, prompt));
    ASSERT_EQ(boxes.texts(), QStringList { QStringLiteral("La clave ingresada es inválida...") });
    EXPECT_EQ(boxes.shown().front().icon, MessageIcon::Warning);
    EXPECT_FALSE(VerificaPwd(reg, locked, [] { return std::optional<QString>(); }));
    EXPECT_EQ(asked, 2);
}

TEST(Passwords, ClearTextFromAnOlderDatabaseIsHashedOnceTypedRight)
{
    TestDatabase t;
    ScriptedMessages boxes;
    TaxpayerRegister reg(t.db());
    const qint64 id = addTaxpayer(t.db(), QStringLiteral("Antiguo"));
    reg.setPasswordHash(id, QStringLiteral("  viejo "));
    EXPECT_FALSE(VerificaPwd(reg, id, [] { return std::optional<QString>(QStringLiteral("nuevo")); }));
    EXPECT_EQ(*reg.storedPassword(id), QStringLiteral("viejo"));
    EXPECT_TRUE(VerificaPwd(reg, id, [] { return std::optional<QString>(QStringLiteral("VIEJO")); }));
    const QString now = *reg.storedPassword(id);
    EXPECT_TRUE(passwordhash::isHash(now));
    EXPECT_TRUE(passwordhash::verify(QStringLiteral("Viejo"), now));
}

TEST(TaxpayerDelete, RemovesTheTaxpayerWithItsInscriptionsAndLeavesOthers)
{
    // The full cascade through every form family is covered by the schema tests; here the
    // register's own delete must reach it (foreign keys on for this connection).
    TestDatabase t;
    QSqlDatabase db = t.db();
    const qint64 gone = addTaxpayer(db, QStringLiteral("Se va"));
    const qint64 stays = addTaxpayer(db, QStringLiteral("Se queda"));
    addCp01(db, gone, QDate(2020, 1, 1), 1);
    addCp01(db, stays, QDate(2020, 1, 1), 1);

    TaxpayerRegister reg(db);
    ASSERT_TRUE(reg.remove(gone));
    EXPECT_FALSE(reg.read(gone)->has_value());
    EXPECT_TRUE(reg.read(stays)->has_value());
    EXPECT_EQ(count(db, QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 1);
}

TEST(TextFold, SortKeyPlacesEnieBetweenNAndO)
{
    EXPECT_LT(sortKey(QStringLiteral("Nuñez")), sortKey(QStringLiteral("Ñandú")));
    EXPECT_LT(sortKey(QStringLiteral("Ñandú")), sortKey(QStringLiteral("oca")));
    EXPECT_EQ(sortKey(QStringLiteral("Álvarez")), sortKey(QStringLiteral("alvarez")));
}
