#include "../agents/agentsfixture.h"
#include "clirun.h"
#include "common/clock.h"
#include "data/database.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::test;

namespace {

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

// A data folder with one agent: a withholding of March 2005 and its deposit, a perception of
// March without deposit.
class ArpCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(runCli(m_data, { qs("init") }).code, cli::ExitOk);
        data::Database database(qs("setup"));
        ASSERT_TRUE(database.open(dbPath()).ok());
        const QSqlDatabase db = database.connection();
        m_cmd = execInsert(db,
            qs("INSERT INTO CMD (CMD_Contribuyente, CMD_NumAgenteRetencion, CMD_NumAgentePercepcion) VALUES "
               "(?, "
               "?, ?)"),
            { qs("Agente SA"), qs("1234/1"), qs("4321/5") })
                    .toLongLong();
        const qint64 cp01 = execInsert(db,
            qs("INSERT INTO Form_Cp01 (CMD_ID, CP01_Contribuyente, CP01_CUIT, CP01_IngBrut) VALUES (?, ?, ?, "
               "?)"),
            { m_cmd, qs("Agente SA"), qs("20-12345678/6"), qs("901-123456/03") })
                                .toLongLong();
        execInsert(db,
            qs("INSERT INTO Form_AgentRetencion (CP01_ID, AgRet_Contribuyente, AgRet_CUIT, AgRet_IBrutos, "
               "AgRet_NumRecibo, AgRet_Fecha_Retencion, AgRet_BaseImp, AgRet_Alicuota, AgRet_Imp_Retenido) "
               "VALUES "
               "(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            { cp01, qs("Proveedor SRL"), qs("20-11111111/2"), qs("001-123456/00"), qs("1234"),
                qs("2005-03-10"), 100000, 25000, 2500 });
        execInsert(db,
            qs("INSERT INTO Form_ARP (CP01_ID, Arp_Operacion, Arp_Desde, Arp_Hasta, Arp_FechaPago, "
               "Arp_NumFormulario, Arp_Importe_Depositado) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            { cp01, qs("Retención"), qs("2005-03-01"), qs("2005-03-31"), qs("2005-04-14"), qs("0004711"),
                2500 });
        execInsert(db,
            qs("INSERT INTO Form_AgentPercepcion (CP01_ID, AgPer_Fecha_Percepcion, AgPer_Imp_Percibido) "
               "VALUES "
               "(?, ?, ?)"),
            { cp01, qs("2005-03-10"), 300 });
        Clock::install(&m_clock);
        RandomSource::install(&m_numbers);
    }
    void TearDown() override
    {
        Clock::install(nullptr);
        RandomSource::install(nullptr);
    }

    QString dbPath() const { return QDir(m_data).filePath(qs("Impuest.db")); }
    QString archivo(const char* name) const { return QDir(m_data).filePath(qs("Archivos/") + qs(name)); }
    CliOutcome arp(const QStringList& args) { return runCli(m_data, QStringList { qs("arp") } + args); }
    CliOutcome declare(const char* period = "03/2005", const char* operation = "ret")
    {
        return arp({ qs("declare"), qs("--taxpayer"), QString::number(m_cmd), qs("--operation"),
            qs(operation), qs("--period"), qs(period) });
    }
    QString numberOfWithholding()
    {
        data::Database database(qs("check"));
        if (!database.open(dbPath()).ok())
            return qs("?");
        QSqlQuery q(qs("SELECT AgRet_DDJJNumForm FROM Form_AgentRetencion"), database.connection());
        return q.next() ? q.value(0).toString() : qs("?");
    }

    QTemporaryDir m_dir;
    QString m_data = m_dir.filePath(qs("datos"));
    qint64 m_cmd = 0;
    FixedClock m_clock { QDate(2005, 3, 30) };
    Scripted m_numbers;
};

}

TEST_F(ArpCli, DeclaresWithTheScreensChecksMarksTheMonthAndWritesTheFileAndPdf)
{
    const auto early = declare();
    EXPECT_EQ(early.code, cli::ExitRefused);
    EXPECT_EQ(early.err, qs("La DDJJ para el período 03/2005 no puede realizarse antes de 01/04/2005\n"));
    EXPECT_EQ(numberOfWithholding(), QString());

    m_clock.set(QDate(2005, 3, 31).startOfDay()); // the month's last day is allowed
    const auto noDeposit = declare("03/2005", "per");
    EXPECT_EQ(noDeposit.code, cli::ExitRefused);
    EXPECT_EQ(noDeposit.err,
        qs("Ud. debe tener al menos un pago en el período antes de realizar la Declaración Jurada...\n"));

    const QString pdf = m_dir.filePath(qs("ddjj.pdf"));
    m_numbers.next = { 815 };
    const auto made = arp({ qs("declare"), qs("--taxpayer"), QString::number(m_cmd), qs("--operation"),
        qs("ret"), qs("--period"), qs("03/2005"), qs("--pdf"), pdf });
    ASSERT_EQ(made.code, cli::ExitOk) << made.err.toStdString();
    EXPECT_TRUE(made.out.startsWith(qs("Declaración Jurada procesada correctamente...\n"
                                       "DDJJ Nº 0000815 del período 03/2005 presentada el 31/03/2005\n")))
        << made.out.toStdString();
    EXPECT_EQ(numberOfWithholding(), qs("0000815"));
    EXPECT_TRUE(QFile::exists(archivo("IB16_0000815.txt")));
    EXPECT_GT(QFile(pdf).size(), 1000);

    // check-delivery reads the file back; a changed byte is refused.
    const auto shown = runCli(m_data, { qs("check-delivery"), archivo("IB16_0000815.txt") });
    ASSERT_EQ(shown.code, cli::ExitOk) << shown.err.toStdString();
    EXPECT_EQ(shown.out,
        qs("Archivo de entrega IB16: IB16_0000815.txt\n  DDJJ Nº: 0000815\n  Nº de agente: 12341\n"
           "  Total retenido del mes: 25,00\n  Registros de detalle: 1\n  Suma de lo retenido: 25,00\n"
           "El archivo es correcto.\n"));
    QFile file(archivo("IB16_0000815.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[72 + 15] = char(bytes[72 + 15] + 30); // a digit of the detail's I.S.I.B. number becomes a letter
    file.seek(0);
    file.write(bytes);
    file.close();
    const auto tampered = runCli(m_data, { qs("check-delivery"), archivo("IB16_0000815.txt") });
    EXPECT_EQ(tampered.code, cli::ExitRefused);
    EXPECT_TRUE(tampered.err.contains(qs("el registro 2 no tiene dígitos en las posiciones 14 a 24")))
        << tampered.err.toStdString();

    // Declared again on another day: the same number, the first presentation day, no new draw.
    m_clock.set(QDate(2005, 4, 9).startOfDay());
    QFile::remove(archivo("IB16_0000815.txt"));
    const auto again = declare();
    ASSERT_EQ(again.code, cli::ExitOk) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(qs("DDJJ Nº 0000815 del período 03/2005 presentada el 31/03/2005")));
    EXPECT_TRUE(QFile::exists(archivo("IB16_0000815.txt")));
}

TEST_F(ArpCli, UndoClearsTheMarksByNumberAndRedeclaringDrawsANewOne)
{
    m_clock.set(QDate(2005, 4, 5).startOfDay());
    m_numbers.next = { 815 };
    ASSERT_EQ(declare().code, cli::ExitOk);

    const auto unknown
        = arp({ qs("undo"), qs("--taxpayer"), QString::number(m_cmd), qs("--number"), qs("0000999") });
    EXPECT_EQ(unknown.code, cli::ExitRefused);
    EXPECT_EQ(unknown.err, qs("No tiene DDJJ para borrar...\n"));

    const auto undone
        = arp({ qs("undo"), qs("--taxpayer"), QString::number(m_cmd), qs("--number"), qs("0000815") });
    ASSERT_EQ(undone.code, cli::ExitOk) << undone.err.toStdString();
    EXPECT_EQ(undone.out, qs("DDJJ borradas...\n"));
    EXPECT_EQ(numberOfWithholding(), QString());

    m_numbers.next = { 816 };
    const auto redeclared = declare();
    ASSERT_EQ(redeclared.code, cli::ExitOk) << redeclared.err.toStdString();
    EXPECT_TRUE(redeclared.out.contains(qs("DDJJ Nº 0000816"))) << redeclared.out.toStdString();
    EXPECT_EQ(numberOfWithholding(), qs("0000816"));
}

TEST_F(ArpCli, RefusesAPdfOverTheDatabaseAndAnIncompleteCommandLine)
{
    m_clock.set(QDate(2005, 4, 5).startOfDay());
    const auto onDatabase = arp({ qs("declare"), qs("--taxpayer"), QString::number(m_cmd), qs("--operation"),
        qs("ret"), qs("--period"), qs("03/2005"), qs("--pdf"), dbPath() });
    EXPECT_EQ(onDatabase.code, cli::ExitRefused);
    EXPECT_TRUE(onDatabase.err.contains(qs("archivos de trabajo"))) << onDatabase.err.toStdString();
    EXPECT_EQ(numberOfWithholding(), QString()); // refused before any mark

    EXPECT_EQ(arp({ qs("declare"), qs("--taxpayer"), QString::number(m_cmd), qs("--operation"), qs("otra"),
                      qs("--period"), qs("03/2005") })
                  .code,
        cli::ExitUsage);
    EXPECT_EQ(declare("13/2005").code, cli::ExitUsage);
    EXPECT_EQ(arp({ qs("undo"), qs("--taxpayer"), QString::number(m_cmd) }).code, cli::ExitUsage);
}
