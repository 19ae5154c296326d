#include "agents/declarationstore.h"

#include "agentsfixture.h"
#include "data/crashpoint.h"
#include "data/database.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

// One row's marks as stored: FechaDDJJ|OutDate|NumForm|FechaPres.
struct Marks
{
    QString fecha, outDate, numero, fechaPres;
    bool operator==(const Marks&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const Marks& m)
    {
        return os << QString(m.fecha + u'|' + m.outDate + u'|' + m.numero + u'|' + m.fechaPres).toStdString();
    }
};

class DeclarationStoreTest : public ::testing::Test, public AgentsFixture
{
protected:
    DeclarationStore withholdings { access, RegisterKind::retenciones() };
    DeclarationStore perceptions { access, RegisterKind::percepciones() };
    const ArpPeriod march = periodOf(QDate(2005, 3, 1));
    const ArpPeriod april = periodOf(QDate(2005, 4, 1));

    qint64 withholding(QDate fecha, qint64 cents, qint64 cp01 = 0)
    {
        return execInsert(t.db(),
            qs("INSERT INTO Form_AgentRetencion (CP01_ID, AgRet_Fecha_Retencion, AgRet_Imp_Retenido) VALUES "
               "(?, ?, ?)"),
            { cp01 ? cp01 : cp01Id, fecha.toString(Qt::ISODate), cents })
            .toLongLong();
    }
    qint64 perception(QDate fecha, qint64 cents)
    {
        return execInsert(t.db(),
            qs("INSERT INTO Form_AgentPercepcion (CP01_ID, AgPer_Fecha_Percepcion, AgPer_Imp_Percibido) "
               "VALUES (?, ?, ?)"),
            { cp01Id, fecha.toString(Qt::ISODate), cents })
            .toLongLong();
    }
    qint64 deposit(
        const ArpPeriod& p, qint64 cents, const QString& operacion = qs("Retención"), qint64 cp01 = 0)
    {
        return execInsert(t.db(),
            qs("INSERT INTO Form_ARP (CP01_ID, Arp_Operacion, Arp_Desde, Arp_Hasta, Arp_Importe_Depositado) "
               "VALUES (?, ?, ?, ?, ?)"),
            { cp01 ? cp01 : cp01Id, operacion, p.desde.toString(Qt::ISODate), p.hasta.toString(Qt::ISODate),
                cents })
            .toLongLong();
    }
    // Another taxpayer's inscription.
    qint64 otherAgent()
    {
        const qint64 cmd
            = execInsert(t.db(), qs("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"), { qs("Otro") })
                  .toLongLong();
        return addCp01(cmd, qs("Otro"));
    }
    Marks marksOf(const QString& table, const QString& prefix, qint64 id)
    {
        QSqlQuery q(t.db());
        q.prepare(qs("SELECT %1_FechaDDJJ, %1_Periodo_DDJJOutDate, %1_DDJJNumForm, %1_DDJJFechaPres FROM %2 "
                     "WHERE %3 = ?")
                      .arg(prefix, table, prefix == qs("Arp") ? qs("ARP_ID") : prefix + qs("_ID")));
        q.addBindValue(id);
        if (!q.exec() || !q.next())
            return { qs("?"), {}, {}, {} };
        return { q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString() };
    }
    Marks ret(qint64 id) { return marksOf(qs("Form_AgentRetencion"), qs("AgRet"), id); }
    Marks per(qint64 id) { return marksOf(qs("Form_AgentPercepcion"), qs("AgPer"), id); }
    Marks dep(qint64 id) { return marksOf(qs("Form_ARP"), qs("Arp"), id); }
};

const Marks Undeclared {};

}

TEST_F(DeclarationStoreTest, TotalsSumTheMonthOfTheRegisterAndItsDeposits)
{
    withholding(QDate(2005, 2, 28), 99900); // another month
    withholding(QDate(2005, 3, 1), 60000);
    const qint64 declared = withholding(QDate(2005, 3, 31), 40050);
    withholding(QDate(2005, 4, 1), 77700);
    perception(QDate(2005, 3, 10), 12345);
    withholding(QDate(2005, 3, 15), 11100, otherAgent());
    deposit(march, 30000);
    deposit(march, 5000);
    deposit(march, 8800, qs("Percepción"));
    deposit(april, 7000);
    setColumn(RegisterKind::retenciones(), declared, qs("FechaDDJJ"), qs("2005-04-02"));

    EXPECT_EQ(withholdings.HabilitaImporte(cmdId, march).value(),
        (ArpTotals { Money::fromUnits(100050), Money::fromUnits(35000) }));
    EXPECT_EQ(perceptions.HabilitaImporte(cmdId, march).value(),
        (ArpTotals { Money::fromUnits(12345), Money::fromUnits(8800) }));
    // A month without rows sums to nothing.
    EXPECT_EQ(withholdings.HabilitaImporte(cmdId, periodOf(QDate(2004, 1, 1))).value(), ArpTotals {});
}

TEST_F(DeclarationStoreTest, InterestTakesTheIndicesOfExactlyBothDays)
{
    for (const auto& [fecha, units] :
        { std::pair { "2099-04-15", 1000000 }, std::pair { "2099-05-20", 1035000 } })
        execInsert(t.db(), qs("INSERT INTO Indices (Fecha, Indice, Tasa) VALUES (?, ?, ?)"),
            { qs(fecha), units, 0 });
    EXPECT_EQ(withholdings.indice(QDate(2099, 5, 20)).value(), Index4::fromUnits(1035000));
    const ArpTotals totals { Money::fromUnits(100000), Money::fromUnits(20000) };
    const ArpBalance b = withholdings.CalculaInteres(totals, QDate(2099, 4, 15), QDate(2099, 5, 20)).value();
    EXPECT_EQ(b.intereses, Money::fromUnits(3500));
    EXPECT_EQ(b.saldo, Money::fromUnits(83500));
    EXPECT_EQ(withholdings.CalculaInteres(totals, QDate(2099, 4, 16), QDate(2099, 5, 20)).error(),
        qs("Ud. está tratando de ingresar una fecha de vencimiento para la cual no existe el índice de "
           "actualiazación en el sistema...\nUd. debe tener cargado el índice correspondiente al mes de "
           "pago..."));
    EXPECT_EQ(withholdings.CalculaInteres(totals, QDate(2099, 4, 15), QDate(2099, 5, 21)).error(),
        qs("Ud. está tratando de ingresar una fecha de pago para la cual no existe el índice de "
           "actualiazación "
           "en el sistema...\nUd. debe tener cargado el índice correspondiente al mes de pago..."));
}

TEST_F(DeclarationStoreTest, DeclaringMarksTheMonthAndTakesInEarlierRowsLate)
{
    const qint64 febRet = withholding(QDate(2005, 2, 20), 1000);
    const qint64 marRet = withholding(QDate(2005, 3, 31), 2000);
    const qint64 aprRet = withholding(QDate(2005, 4, 1), 3000);
    const qint64 marPer = perception(QDate(2005, 3, 5), 4000);
    const qint64 febDep = deposit(periodOf(QDate(2005, 2, 1)), 1000);
    const qint64 marDep = deposit(march, 2000);
    const qint64 marPerDep = deposit(march, 4000, qs("Percepción"));
    ASSERT_TRUE(withholdings.hasDeposit(cmdId, march).value());
    ASSERT_FALSE(withholdings.hasDeposit(cmdId, april).value());

    ASSERT_TRUE(withholdings.AlmacenarDDJJ(cmdId, march, qs("0000042"), QDate(2005, 4, 5)));

    const Marks inMonth { qs("2005-04-05"), {}, qs("0000042"), qs("2005-04-05") };
    const Marks late { {}, qs("03/2005"), qs("0000042"), qs("2005-04-05") };
    EXPECT_EQ(ret(marRet), inMonth);
    EXPECT_EQ(dep(marDep), inMonth);
    EXPECT_EQ(ret(febRet), late);
    EXPECT_EQ(dep(febDep), late);
    EXPECT_EQ(ret(aprRet), Undeclared);
    EXPECT_EQ(per(marPer), Undeclared);
    EXPECT_EQ(dep(marPerDep), Undeclared);
}

TEST_F(DeclarationStoreTest, DeclaringAgainKeepsTheNumberAndChangesNoMark)
{
    const qint64 febRet = withholding(QDate(2005, 2, 20), 1000);
    const qint64 marRet = withholding(QDate(2005, 3, 10), 2000);
    deposit(march, 2000);
    Scripted drawn;
    drawn.next = { 42 };
    RandomSource::install(&drawn);
    const QString numero = withholdings.BuscarDDJJ_Numero(cmdId, march).value();
    RandomSource::install(nullptr);
    EXPECT_EQ(numero, qs("0000042"));
    ASSERT_TRUE(withholdings.AlmacenarDDJJ(cmdId, march, numero, QDate(2005, 4, 5)));

    // A row of an earlier month added since is not taken in by printing the month again.
    const qint64 janRet = withholding(QDate(2005, 1, 20), 500);
    EXPECT_EQ(withholdings.BuscarDDJJ_Numero(cmdId, march).value(), qs("0000042"));
    ASSERT_TRUE(withholdings.AlmacenarDDJJ(cmdId, march, qs("0000042"), QDate(2005, 4, 9)));
    EXPECT_EQ(ret(marRet).fecha, qs("2005-04-05"));
    EXPECT_EQ(ret(febRet).fechaPres, qs("2005-04-05"));
    EXPECT_EQ(ret(janRet), Undeclared);
    const auto made = withholdings.declarationOf(cmdId, march).value();
    ASSERT_TRUE(made);
    EXPECT_EQ(made->numero, qs("0000042"));
    EXPECT_EQ(made->fechaPres, QDate(2005, 4, 5));
}

TEST_F(DeclarationStoreTest, NewNumberSkipsEveryNumberAlreadyUsed)
{
    const qint64 usedRet = withholding(QDate(2004, 1, 1), 1);
    setColumn(RegisterKind::retenciones(), usedRet, qs("DDJJNumForm"), qs("0000001"));
    const qint64 usedPer = perception(QDate(2004, 1, 1), 1);
    setColumn(RegisterKind::percepciones(), usedPer, qs("DDJJNumForm"), qs("0000002"));
    const qint64 usedDep = deposit(periodOf(QDate(2004, 1, 1)), 1);
    QSqlQuery(qs("UPDATE Form_ARP SET Arp_DDJJNumForm = '0000003' WHERE ARP_ID = %1").arg(usedDep), t.db());
    Scripted drawn;
    drawn.next = { 1, 2, 3, 9999999 };
    RandomSource::install(&drawn);
    EXPECT_EQ(withholdings.BuscarDDJJ_Numero(cmdId, march).value(), qs("9999999"));
    RandomSource::install(nullptr);
}

TEST_F(DeclarationStoreTest, UndoClearsTheDeclarationOnlyAndRedeclaringDrawsANewNumber)
{
    const qint64 febRet = withholding(QDate(2005, 2, 20), 1000);
    const qint64 marRet = withholding(QDate(2005, 3, 10), 2000);
    const qint64 marDep = deposit(march, 2000);
    const qint64 janRet = withholding(QDate(2005, 1, 10), 700);
    deposit(periodOf(QDate(2005, 1, 1)), 700);
    ASSERT_TRUE(
        withholdings.AlmacenarDDJJ(cmdId, periodOf(QDate(2005, 1, 1)), qs("0000007"), QDate(2005, 2, 1)));
    // The same number on another taxpayer's rows is not touched.
    const qint64 other = withholding(QDate(2005, 3, 10), 1, otherAgent());
    setColumn(RegisterKind::retenciones(), other, qs("DDJJNumForm"), qs("0000042"));
    ASSERT_TRUE(withholdings.AlmacenarDDJJ(cmdId, march, qs("0000042"), QDate(2005, 4, 5)));

    ASSERT_TRUE(withholdings.undo(cmdId, qs("0000042")));
    EXPECT_EQ(ret(marRet), Undeclared);
    EXPECT_EQ(ret(febRet), Undeclared);
    EXPECT_EQ(dep(marDep), Undeclared);
    EXPECT_EQ(ret(janRet).numero, qs("0000007"));
    EXPECT_EQ(ret(other).numero, qs("0000042"));
    EXPECT_FALSE(withholdings.declarationOf(cmdId, march).value());

    Scripted drawn;
    drawn.next = { 42, 43 }; // 42 is still on the other taxpayer's row
    RandomSource::install(&drawn);
    EXPECT_EQ(withholdings.BuscarDDJJ_Numero(cmdId, march).value(), qs("0000043"));
    RandomSource::install(nullptr);
}

// The process dies between the deposits and the register, or between the month and the late rows:
// nothing is marked.
TEST_F(DeclarationStoreTest, ACrashInTheMiddleOfTheDeclarationMarksNoRow)
{
    const qint64 febRet = withholding(QDate(2005, 2, 20), 1000);
    const qint64 marRet = withholding(QDate(2005, 3, 10), 2000);
    const qint64 marDep = deposit(march, 2000);
    const QString path = t.path();
    const qint64 cmd = cmdId;
    for (const char* step : { "ddjj:month-marked", "ddjj:deposits-marked" }) {
        SCOPED_TRACE(step);
        const pid_t pid = fork();
        if (pid == 0) {
            data::crashpoint::install([step](const char* reached) {
                if (std::strcmp(reached, step) == 0)
                    _exit(42);
            });
            data::Database own(qs("hijo"));
            if (!own.open(path).ok())
                _exit(1);
            data::AccesoDatos db(own.connection());
            DeclarationStore store(db, RegisterKind::retenciones());
            (void)store.AlmacenarDDJJ(cmd, periodOf(QDate(2005, 3, 1)), qs("0000042"), QDate(2005, 4, 5));
            _exit(0);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 42);
        EXPECT_EQ(ret(marRet), Undeclared);
        EXPECT_EQ(ret(febRet), Undeclared);
        EXPECT_EQ(dep(marDep), Undeclared);
    }
}
