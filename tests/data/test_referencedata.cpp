#include "testdatabase.h"

#include "data/database.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

int scalar(QSqlDatabase db, const QString& sql, const QVariantList& params = {})
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& p : params)
        q.addBindValue(p);
    return q.exec() && q.next() ? q.value(0).toInt() : -1;
}

int codesBetween(QSqlDatabase db, int from, int to)
{
    return scalar(db, qs("SELECT COUNT(*) FROM Nomencla WHERE Codigo BETWEEN ? AND ?"), { from, to });
}

}

class ReferenceData : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { s_db = new test::TestDatabase(qs("reference")); }
    static void TearDownTestSuite() { delete s_db; }
    QSqlDatabase db() const { return s_db->db(); }
    static inline test::TestDatabase* s_db = nullptr;
};

TEST_F(ReferenceData, NomenclatureHoldsEveryCodeTheActivityRulesName)
{
    EXPECT_GE(scalar(db(), qs("SELECT COUNT(*) FROM Nomencla")), 300);
    for (int code : { 353019, 353020, 355127, 384372, 321044, 321087, 342025, 632031, 831026, 311320, 500100,
             833010, 833029, 833037, 833045, 833053, 834060, 951500, 951928 }) {
        EXPECT_EQ(codesBetween(db(), code, code), 1) << code;
    }
    const QList<std::pair<int, int>> ranges = { { 111112, 111481 }, { 113018, 121029 }, { 122017, 210013 },
        { 230103, 290904 }, { 311111, 311162 }, { 311316, 311340 }, { 382116, 382914 }, { 382930, 382949 },
        { 382965, 383139 }, { 385115, 385123 }, { 311111, 390976 }, { 500011, 500046 }, { 500047, 500053 },
        { 500054, 500194 }, { 614076, 614084 }, { 621013, 622028 }, { 623016, 624241 }, { 624284, 624403 },
        { 833011, 833052 }, { 834010, 834059 }, { 951110, 951927 }, { 959111, 959138 } };
    for (const auto& [from, to] : ranges) {
        EXPECT_EQ(codesBetween(db(), from, from), 1) << from;
        EXPECT_EQ(codesBetween(db(), to, to), 1) << to;
        EXPECT_GE(codesBetween(db(), from, to), 2) << from << "-" << to;
    }
}

TEST_F(ReferenceData, NomenclatureRowsAreSixDigitsNamedAndTheirMinimumsGrowWithEmployees)
{
    EXPECT_EQ(scalar(db(),
                  qs("SELECT COUNT(*) FROM Nomencla WHERE Codigo NOT BETWEEN 100000 AND 999999 "
                     "OR trim(Actividad) = '' OR Alicuota < 0 OR Minimo1 > Minimo2 OR Minimo2 > Minimo3")),
        0);
    // Spanish names, with their accents intact.
    EXPECT_GT(scalar(db(), qs("SELECT COUNT(*) FROM Nomencla WHERE Actividad LIKE '%ó%'")), 0);
}

TEST_F(ReferenceData, ListsHoldTheHomeProvinceArgentinaAndTheFormsChoices)
{
    EXPECT_EQ(scalar(db(), qs("SELECT COUNT(*) FROM Provincias WHERE Provincia = 'VALDERA'")), 1);
    EXPECT_GE(scalar(db(), qs("SELECT COUNT(*) FROM Provincias")), 24);
    EXPECT_EQ(scalar(db(), qs("SELECT COUNT(*) FROM Paises WHERE Pais = 'Argentina'")), 1);
    EXPECT_GE(
        scalar(db(), qs("SELECT COUNT(*) FROM TipoDoc WHERE TipoDoc = 'DNI' AND Descripcion <> ''")), 1);
    EXPECT_GE(scalar(db(), qs("SELECT COUNT(*) FROM EstadoCivil")), 4);
    EXPECT_GE(scalar(db(), qs("SELECT COUNT(*) FROM Cond_Iva WHERE CondIva = 'Responsable Inscripto'")), 1);
    // Legal natures are listed by their leading number, so each must start with one.
    EXPECT_EQ(
        scalar(db(), qs("SELECT COUNT(*) FROM Nat_Juridica WHERE CAST(Nat_Juridica AS INTEGER) = 0")), 0);
    EXPECT_GE(scalar(db(), qs("SELECT COUNT(*) FROM Nat_Juridica")), 10);
}

TEST(ReferenceDataLoad, WhatAnotherLibraryAddsIsPartOfTheSameTransaction)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(qs("Impuest.db"));
    Database database(qs("more"));
    int listsSeen = -1;
    const OpenResult refused = database.create(path, [&](QSqlDatabase db) -> Status {
        listsSeen = scalar(db, qs("SELECT COUNT(*) FROM Provincias"));
        QSqlQuery(qs("INSERT INTO Indices (Fecha, Indice, Tasa) VALUES ('2000-01-01', 484, 150)"), db);
        return Error { qs("sin historia") };
    });
    EXPECT_GE(listsSeen, 24); // the lists are already there when it runs
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.reason, qs("sin historia"));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());

    ASSERT_TRUE(database.create(path, {}).ok());
    EXPECT_EQ(scalar(database.connection(), qs("SELECT COUNT(*) FROM Indices")), 0);
    EXPECT_GE(scalar(database.connection(), qs("SELECT COUNT(*) FROM Provincias")), 24);
}
