#include "testdatabase.h"

#include "data/schemacatalog.h"

#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

qint64 insert(QSqlDatabase db, const QString& table, const QVariantMap& values)
{
    QStringList marks(values.size(), QStringLiteral("?"));
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(table, values.keys().join(u','), marks.join(u',')));
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        ADD_FAILURE() << table.toStdString() << ": " << q.lastError().text().toStdString();
    return q.lastInsertId().toLongLong();
}

int count(QSqlDatabase db, const QString& table)
{
    QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM ") + table, db);
    return q.next() ? q.value(0).toInt() : -1;
}

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

// The tables that hang from a taxpayer, each filled with one row per taxpayer by fillTaxpayer.
const QStringList DependentTables = {
    qs("Form_Cp01"),
    qs("Form_Cp01_Act"),
    qs("Form_Cp01_Act2"),
    qs("Form_Cp01_Act3"),
    qs("Form_Cp01_Comercios"),
    qs("Form_Cp01_Com_Act"),
    qs("Form_Sid3"),
    qs("Form_Sid3_Act"),
    qs("Retenciones"),
    qs("Percepciones"),
    qs("Compensaciones"),
    qs("PagoACuenta"),
    qs("CP02"),
    qs("Cp02_ImpAnual"),
    qs("Cp02_AnticMin"),
    qs("Form_AgentRetencion"),
    qs("Form_AgentPercepcion"),
    qs("Form_AgentCredito"),
    qs("Form_ARP"),
    qs("Form_PFP"),
    qs("Form_IB08"),
};

struct Taxpayer
{
    qint64 cmd, cp01, sid, com, cp02, ret, per;
};

Taxpayer fillTaxpayer(QSqlDatabase db, const QString& name)
{
    Taxpayer t {};
    t.cmd = insert(db, qs("CMD"), { { qs("CMD_Contribuyente"), name } });
    t.cp01 = insert(
        db, qs("Form_Cp01"), { { qs("CMD_ID"), t.cmd }, { qs("CP01_FechaPres"), qs("2026-01-05") } });
    const QVariantMap activity { { qs("CP01_ID"), t.cp01 }, { qs("Act_Codigo"), qs("621013") } };
    for (const char* table : { "Form_Cp01_Act", "Form_Cp01_Act2", "Form_Cp01_Act3" })
        insert(db, qs(table), activity);
    t.com = insert(
        db, qs("Form_Cp01_Comercios"), { { qs("Cp01_ID"), t.cp01 }, { qs("Com_Activ_Nombre"), name } });
    insert(db, qs("Form_Cp01_Com_Act"), { { qs("Com_ID"), t.com }, { qs("Act_Codigo"), qs("631019") } });
    t.sid = insert(
        db, qs("Form_Sid3"), { { qs("CP01_ID"), t.cp01 }, { qs("Sid_Mes"), 3 }, { qs("Sid_Año"), 2026 } });
    insert(db, qs("Form_Sid3_Act"), { { qs("Sid_ID"), t.sid }, { qs("SidAct_Codigo"), qs("621013") } });
    for (const char* table : { "Retenciones", "Percepciones", "Compensaciones", "PagoACuenta" })
        insert(db, qs(table),
            { { qs("Sid_ID"), t.sid }, { qs("Per_Monto"), 12345 }, { qs("Per_Año"), qs("2026") } });
    t.cp02 = insert(db, qs("CP02"), { { qs("CP01_ID"), t.cp01 }, { qs("CP02_Periodo"), 2025 } });
    insert(db, qs("Cp02_ImpAnual"), { { qs("CP02_ID"), t.cp02 }, { qs("CPIA_Codigo"), qs("621013") } });
    insert(db, qs("Cp02_AnticMin"), { { qs("CP02_ID"), t.cp02 }, { qs("CPAM_Mes"), qs("Enero") } });
    t.ret = insert(db, qs("Form_AgentRetencion"),
        { { qs("CP01_ID"), t.cp01 }, { qs("AgRet_Fecha_Retencion"), qs("2026-02-01") } });
    t.per = insert(db, qs("Form_AgentPercepcion"),
        { { qs("CP01_ID"), t.cp01 }, { qs("AgPer_Fecha_Percepcion"), qs("2026-02-01") } });
    insert(db, qs("Form_AgentCredito"), { { qs("CP01_ID"), t.cp01 }, { qs("AgRet_ID"), t.ret } });
    insert(db, qs("Form_ARP"), { { qs("CP01_ID"), t.cp01 }, { qs("Arp_Operacion"), qs("Retención") } });
    insert(db, qs("Form_PFP"), { { qs("CP01_ID"), t.cp01 }, { qs("PFP_CantCuotas"), 6 } });
    insert(db, qs("Form_IB08"), { { qs("CP01_ID"), t.cp01 }, { qs("IB08_Importe"), 1000 } });
    return t;
}

bool removeRow(QSqlDatabase db, const QString& table, const QString& key, qint64 id, QString* error = nullptr)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(table, key));
    q.addBindValue(id);
    const bool ok = q.exec();
    if (error)
        *error = q.lastError().text();
    return ok;
}

}

TEST(Schema, DeletingATaxpayerRemovesEverythingBelowItAndNothingElse)
{
    test::TestDatabase t;
    const Taxpayer a = fillTaxpayer(t.db(), qs("Pérez Juan"));
    fillTaxpayer(t.db(), qs("Gómez Ana"));
    for (const QString& table : DependentTables)
        ASSERT_EQ(count(t.db(), table), 2) << table.toStdString();

    ASSERT_TRUE(removeRow(t.db(), qs("CMD"), qs("CMD_ID"), a.cmd));
    for (const QString& table : DependentTables)
        EXPECT_EQ(count(t.db(), table), 1) << table.toStdString();
    EXPECT_EQ(count(t.db(), qs("CMD")), 1);
}

TEST(Schema, EveryTableWithAParentIsCoveredByTheCascadeTest)
{
    test::TestDatabase t;
    const SchemaCatalog schema(t.db());
    for (const QString& table : schema.tableNames()) {
        QSqlQuery q(t.db());
        q.prepare(qs("SELECT COUNT(*) FROM pragma_foreign_key_list(?)"));
        q.addBindValue(table);
        ASSERT_TRUE(q.exec() && q.next());
        if (q.value(0).toInt() > 0) {
            EXPECT_TRUE(DependentTables.contains(table)) << table.toStdString();
        }
    }
}

TEST(Schema, EveryParentKeyIsIndexed)
{
    test::TestDatabase t;
    QSqlQuery q(qs("SELECT m.name, f.\"from\" FROM sqlite_master m, pragma_foreign_key_list(m.name) f "
                   "WHERE m.type = 'table'"),
        t.db());
    int checked = 0;
    while (q.next()) {
        const QString table = q.value(0).toString();
        const QString column = q.value(1).toString();
        QSqlQuery idx(t.db());
        idx.prepare(qs("SELECT COUNT(*) FROM pragma_index_list(?) l, pragma_index_info(l.name) i "
                       "WHERE i.seqno = 0 AND i.name = ? COLLATE NOCASE"));
        idx.addBindValue(table);
        idx.addBindValue(column);
        ASSERT_TRUE(idx.exec() && idx.next());
        EXPECT_GT(idx.value(0).toInt(), 0) << table.toStdString() << "." << column.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, DependentTables.size());
}

TEST(Schema, DeletingADeclarationOrPremisesOrAnnualFormRemovesOnlyItsOwnRows)
{
    test::TestDatabase t;
    const Taxpayer a = fillTaxpayer(t.db(), qs("Pérez Juan"));
    fillTaxpayer(t.db(), qs("Gómez Ana"));

    ASSERT_TRUE(removeRow(t.db(), qs("Form_Sid3"), qs("Sid_ID"), a.sid));
    for (const char* table :
        { "Form_Sid3", "Form_Sid3_Act", "Retenciones", "Percepciones", "Compensaciones", "PagoACuenta" })
        EXPECT_EQ(count(t.db(), qs(table)), 1) << table;

    ASSERT_TRUE(removeRow(t.db(), qs("Form_Cp01_Comercios"), qs("Com_ID"), a.com));
    EXPECT_EQ(count(t.db(), qs("Form_Cp01_Com_Act")), 1);

    ASSERT_TRUE(removeRow(t.db(), qs("CP02"), qs("CP02_ID"), a.cp02));
    EXPECT_EQ(count(t.db(), qs("Cp02_ImpAnual")), 1);
    EXPECT_EQ(count(t.db(), qs("Cp02_AnticMin")), 1);

    // The inscription and its other families are untouched.
    EXPECT_EQ(count(t.db(), qs("Form_Cp01")), 2);
    EXPECT_EQ(count(t.db(), qs("Form_AgentRetencion")), 2);
}

TEST(Schema, ACreditedOperationCannotBeDeletedOnItsOwn)
{
    test::TestDatabase t;
    const Taxpayer a = fillTaxpayer(t.db(), qs("Pérez Juan"));
    QString error;
    EXPECT_FALSE(removeRow(t.db(), qs("Form_AgentRetencion"), qs("AgRet_ID"), a.ret, &error));
    EXPECT_TRUE(error.contains(qs("FOREIGN KEY"), Qt::CaseInsensitive)) << error.toStdString();
    EXPECT_EQ(count(t.db(), qs("Form_AgentCredito")), 1);
    // A credit names exactly one operation.
    QSqlQuery q(t.db());
    q.prepare(qs("INSERT INTO Form_AgentCredito (CP01_ID, AgRet_ID, AgPer_ID) VALUES (?, ?, ?)"));
    q.addBindValue(a.cp01);
    q.addBindValue(a.ret);
    q.addBindValue(a.per);
    EXPECT_FALSE(q.exec());
}

TEST(Schema, ColumnsTheFormsNameAreSpelledAsTheyAre)
{
    test::TestDatabase t;
    const SchemaCatalog schema(t.db());
    const auto cp01 = schema.table(qs("Form_Cp01"));
    ASSERT_TRUE(cp01);
    for (const char* name : { "CP01_PerJur_Res2_Cargo", "CP01_PerJur_Resp5_CUIT",
             "CP01_PerJur_Resp1_Monobloc", "CP01_PerJur_DuracionAños", "CP01_RegPubCom_Año",
             "CP01_Activ_Telefono3", "CP01_Activ_Nombre2", "CP01_DomFisc_Email" }) {
        const ColumnInfo* c = cp01->column(qs(name));
        ASSERT_TRUE(c) << name;
        EXPECT_EQ(c->name, qs(name));
    }
    EXPECT_FALSE(cp01->column(qs("CP01_PerJur_Resp2_Cargo")));
    EXPECT_EQ(cp01->columns.size(), 2 + 8 + 6 + 6 + 5 * 15 + 7 + 1 + 13 + 3 * 14);
    const auto cp02 = schema.table(qs("CP02"));
    ASSERT_TRUE(cp02);
    EXPECT_EQ(cp02->withPrefix(qs("CP02_ActEx_")).size(), 35);
    EXPECT_TRUE(cp02->column(qs("CP02_ActEx_Año_5")));
    EXPECT_TRUE(schema.table(qs("Form_Sid3"))->column(qs("Sid_Año")));
    EXPECT_TRUE(schema.table(qs("PagoACuenta"))->column(qs("Per_Año")));
    EXPECT_EQ(
        schema.table(qs("Form_AgentRetencion"))->column(qs("AgRet_Alicuota"))->kind, ColumnKind::Fixed4);
    EXPECT_EQ(schema.table(qs("CMD"))->column(qs("CMD_NumAgenteRetencion"))->width, 6);
}
