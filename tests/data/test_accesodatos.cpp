#include "testdatabase.h"

#include "common/fixed.h"
#include "data/accesodatos.h"
#include "data/rowreader.h"
#include "data/transaction.h"

#include <QDate>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

class AccesoDatosTest : public ::testing::Test
{
protected:
    test::TestDatabase t;
    AccesoDatos data { t.db() };

    qint64 newTaxpayer(const QString& name)
    {
        const SaveResult r = data.saveFields(
            { qs("CMD"), qs("CMD_ID"), 0, {}, {}, qs("CMD"), { { qs("CMD_Contribuyente"), name } } });
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        return r.key;
    }

    int rows(const QString& table)
    {
        Recordset rs;
        EXPECT_EQ(data.openRecordset(qs("SELECT COUNT(*) AS n FROM ") + table, {}, rs), AccesoDatos::Opened);
        return rs.value(qs("n")).toInt();
    }
};

}

TEST_F(AccesoDatosTest, RecordsetGivesTypedValuesByColumnName)
{
    Recordset rs;
    ASSERT_EQ(data.openRecordset(
                  qs("SELECT Fecha, Indice, Tasa FROM Indices WHERE Fecha = ?"), { qs("2026-11-30") }, rs),
        AccesoDatos::Opened);
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.value(qs("fecha")).toDate(), QDate(2026, 11, 30));
    EXPECT_EQ(rs.value(qs("Tasa")).value<Rate>(), Rate::fromUnits(200));
    EXPECT_GT(rs.value(qs("Indice")).value<Index4>(), Index4::fromInteger(700));
    EXPECT_FALSE(rs.moveNext());
    EXPECT_TRUE(rs.eof());

    // An empty result is opened, not a failure.
    EXPECT_EQ(data.openRecordset(qs("SELECT * FROM CMD WHERE CMD_ID = ?"), { 0 }, rs), AccesoDatos::Opened);
    EXPECT_TRUE(rs.eof());
    EXPECT_NE(data.openRecordset(qs("SELECT * FROM NoExiste"), {}, rs), AccesoDatos::Opened);
    EXPECT_FALSE(data.lastError().isEmpty());
}

// Stored dates read back as the days they name; a date column holding anything else reads as no date.
TEST_F(AccesoDatosTest, DateColumnsReadEveryStoredDayAndNothingElse)
{
    const qint64 cmd = newTaxpayer(qs("Fechas"));
    const QStringList stored { qs("2026-12-31"), qs("2024-02-29"), qs("1900-01-01"), qs("2025-02-29"),
        qs("2026-13-01"), qs("2026-1-01"), qs("20x6-01-01"), qs("01/12/2026"), qs("") };
    const QList<QDate> expected { QDate(2026, 12, 31), QDate(2024, 2, 29), QDate(1900, 1, 1), {}, {}, {}, {},
        {}, {}, {} };
    for (const QString& day : stored) {
        QSqlQuery q(t.db());
        q.prepare(qs("INSERT INTO Form_Cp01 (CMD_ID, CP01_FechaPres) VALUES (?, ?)"));
        q.addBindValue(cmd);
        q.addBindValue(day);
        ASSERT_TRUE(q.exec());
    }
    Recordset rs;
    ASSERT_EQ(data.openRecordset(
                  qs("SELECT CP01_FechaPres FROM Form_Cp01 WHERE CMD_ID = ? ORDER BY CP01_ID"), { cmd }, rs),
        AccesoDatos::Opened);
    for (qsizetype i = 0; i < stored.size(); ++i, rs.moveNext()) {
        ASSERT_FALSE(rs.eof());
        EXPECT_EQ(rs.value(0).toDate(), expected[i]) << stored[i].toStdString();
    }
}

// Rows read straight give the stored values, take parameters of every kind the program binds,
// stop when asked, and a failing statement gives the engine's reason.
TEST_F(AccesoDatosTest, RowReaderGivesStoredValuesAndStopsWhenAsked)
{
    QStringList seen;
    const QString sql = qs("SELECT Fecha, Indice, Tasa, NULL, 'Pérez' || ? FROM Indices WHERE Fecha >= ? AND "
                           "Fecha <= ? AND ? IS NULL ORDER BY Fecha");
    EXPECT_EQ(RowReader::forEach(t.db(), sql, { qs(" ñ"), QDate(2026, 11, 29), qs("2026-11-30"), QVariant() },
                  [&](const RowView& r) {
                      EXPECT_TRUE(r.isNull(3));
                      EXPECT_EQ(r.text(3), QString());
                      EXPECT_EQ(r.integer(3), 0);
                      EXPECT_FALSE(r.date(3).isValid());
                      EXPECT_GT(r.integer(1), 7000000); // units of 1/10000
                      seen << r.date(0).toString(qs("dd/MM/yyyy")) + u'|' + QString::number(r.integer(2))
                              + u'|' + r.text(4);
                      return true;
                  }),
        QString());
    EXPECT_EQ(seen, (QStringList { qs("29/11/2026|200|Pérez ñ"), qs("30/11/2026|200|Pérez ñ") }));

    int rows = 0;
    EXPECT_EQ(RowReader::forEach(
                  t.db(), qs("SELECT Fecha FROM Indices"), {}, [&](const RowView&) { return ++rows < 3; }),
        QString());
    EXPECT_EQ(rows, 3);
    EXPECT_FALSE(RowReader::forEach(t.db(), qs("SELECT * FROM NoExiste"), {}, [](const RowView&) {
        return true;
    }).isEmpty());
}

TEST_F(AccesoDatosTest, ExecuteAnswersOkOrTheEnginesReason)
{
    EXPECT_EQ(
        data.execute(qs("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"), { qs("O'Brien; DROP TABLE CMD") }),
        qs("OK"));
    EXPECT_EQ(rows(qs("CMD")), 1);
    const QString answer = data.execute(qs("INSERT INTO Form_Cp01 (CMD_ID) VALUES (?)"), { 999 });
    EXPECT_NE(answer, qs("OK"));
    EXPECT_TRUE(answer.contains(qs("FOREIGN KEY"), Qt::CaseInsensitive)) << answer.toStdString();
}

TEST_F(AccesoDatosTest, FieldListAndSizesComeFromTheSchema)
{
    EXPECT_EQ(data.fieldList(qs("CMD"), qs("CMD_Num")),
        qs("CMD_NumRef, CMD_NumAgenteRetencion, CMD_NumAgentePercepcion"));
    // The second person's position is the one column spelled "Res2".
    EXPECT_EQ(data.fieldList(qs("Form_Cp01"), qs("CP01_PerJur_Resp2_")).split(qs(", ")).size(), 14);
    EXPECT_EQ(data.fieldList(qs("Form_Cp01"), qs("CP01_PerJur_Res2_")), qs("CP01_PerJur_Res2_Cargo"));
    EXPECT_TRUE(data.fieldList(qs("CMD; DROP TABLE CMD"), qs("CMD")).isEmpty());
    const auto sizes = data.fieldSizes(qs("Form_Cp01"), qs("CP01"));
    EXPECT_EQ(sizes.value(qs("CP01_CUIT")), 13);
    EXPECT_FALSE(sizes.contains(qs("CP01_FechaPres")));
    EXPECT_EQ(data.fieldSizes(qs("CMD"), qs("CMD")).value(qs("CMD_PassWord")), 20);
}

TEST_F(AccesoDatosTest, SaveInsertsThenUpdatesConvertingScreenTextsAndSettingTheParent)
{
    const qint64 cmd = newTaxpayer(qs("Pérez Juan"));
    SaveRequest request { qs("Form_Cp01"), qs("CP01_ID"), 0, qs("CMD_ID"), cmd, qs("CP01"),
        { { qs("CP01_Contribuyente"), qs("Pérez Juan") }, { qs("CP01_FechaPres"), qs("05/10/1999") },
            { qs("CP01_PerFis_NumDoc"), qs("12345678") }, { qs("CP01_CUIT"), QVariant() } } };
    SaveResult r = data.saveFields(request);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_GT(r.key, 0);

    FieldValues row;
    ASSERT_EQ(data.loadFields(qs("SELECT * FROM Form_Cp01 WHERE CP01_ID = ?"), { r.key }, qs("CP01"), row),
        LoadStatus::Loaded);
    EXPECT_EQ(row.value(qs("CP01_FechaPres")).toDate(), QDate(1999, 10, 5));
    EXPECT_EQ(row.value(qs("CP01_PerFis_NumDoc")).toLongLong(), 12345678);
    EXPECT_TRUE(row.value(qs("CP01_CUIT")).isNull());
    EXPECT_FALSE(row.contains(qs("CMD_ID")));

    request.key = r.key;
    request.values = { { qs("CP01_Contribuyente"), qs("Pérez Juan Carlos") } };
    const SaveResult updated = data.saveFields(request);
    ASSERT_TRUE(updated.ok) << updated.error.toStdString();
    EXPECT_EQ(updated.key, r.key);
    EXPECT_EQ(rows(qs("Form_Cp01")), 1);

    // Amounts are stored as exact hundredths.
    const SaveResult plan
        = data.saveFields({ qs("Form_PFP"), qs("PFP_ID"), {}, qs("CP01_ID"), r.key, qs("PFP"),
            { { qs("PFP_ImporteDeuda"), qs("1.234,50") },
                { qs("PFP_Tasa"), QVariant::fromValue(Rate::fromUnits(150)) } } });
    ASSERT_TRUE(plan.ok) << plan.error.toStdString();
    QSqlQuery raw(qs("SELECT PFP_ImporteDeuda, PFP_Tasa, CP01_ID FROM Form_PFP"), t.db());
    ASSERT_TRUE(raw.next());
    EXPECT_EQ(raw.value(0).toLongLong(), 123450);
    EXPECT_EQ(raw.value(1).toLongLong(), 150);
    EXPECT_EQ(raw.value(2).toLongLong(), r.key);
}

TEST_F(AccesoDatosTest, AFailedSaveLeavesTheDatabaseAsItWas)
{
    const qint64 cmd = newTaxpayer(qs("Pérez Juan"));
    const auto attempt = [&](const FieldValues& values, qint64 parent = 0) {
        return data.saveFields(
            { qs("Form_Cp01"), qs("CP01_ID"), 0, qs("CMD_ID"), parent ? parent : cmd, qs("CP01"), values });
    };
    const QList<FieldValues> bad = {
        { { qs("CP01_FechaPres"), qs("31/02/2026") } },
        { { qs("CP01_PerFis_NumDoc"), qs("12.345.678a") } },
        { { qs("CP01_NoExiste"), qs("x") } },
    };
    for (const FieldValues& values : bad) {
        const SaveResult r = attempt(values);
        EXPECT_FALSE(r.ok) << values.firstKey().toStdString();
        EXPECT_FALSE(r.error.isEmpty());
    }
    EXPECT_FALSE(attempt({ { qs("CP01_Contribuyente"), qs("x") } }, 999).ok); // no such taxpayer
    EXPECT_EQ(rows(qs("Form_Cp01")), 0);

    // Inside a caller's batch the save is a savepoint: its failure leaves the batch usable.
    Transaction batch(t.db());
    EXPECT_TRUE(attempt({ { qs("CP01_Contribuyente"), qs("a") } }).ok);
    EXPECT_FALSE(attempt({ { qs("CP01_FechaPres"), qs("ayer") } }).ok);
    EXPECT_TRUE(batch.commit());
    EXPECT_EQ(rows(qs("Form_Cp01")), 1);
}

TEST_F(AccesoDatosTest, FillListShowsRowsInTheProgramsFormats)
{
    const auto entries = data.fillList(qs("SELECT Codigo, Actividad, Minimo1 FROM Nomencla WHERE Codigo = ?"),
        { 632031 }, qs("{Codigo} - {Actividad} ({Minimo1})"), qs("Codigo"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_TRUE(entries[0].text.startsWith(qs("632031 - Alojamiento"))) << entries[0].text.toStdString();
    EXPECT_TRUE(entries[0].text.endsWith(qs(",00)")));
    EXPECT_EQ(entries[0].key.toLongLong(), 632031);
}
