#include "../cp01/cp01printfixture.h"
#include "clirun.h"
#include "cp01/cp01delivery.h"
#include "cp01/cp01store.h"
#include "data/accesodatos.h"
#include "data/database.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::test;

TEST(PrintCp01Cli, PrintsTheProcedureToPdfAndWritesItsDeliveryFile)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("datos"));
    ASSERT_EQ(runCli(data, { QStringLiteral("init") }).code, cli::ExitOk);
    qint64 key = 0;
    {
        data::Database database(QStringLiteral("setup"));
        ASSERT_TRUE(database.open(QDir(data).filePath(QStringLiteral("Impuest.db"))).ok());
        QSqlQuery q(database.connection());
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('La Esquina')")));
        const qint64 cmd = q.lastInsertId().toLongLong();
        data::AccesoDatos access(database.connection());
        cp01::Cp01Store store(access);
        cp01::Cp01Record record = legalPersonProcedure();
        ASSERT_TRUE(store.GuardarCP01(record, cmd, 0));
        key = record.id();
    }
    ScriptedNumbers numbers({ 987654321 });
    const QString pdf = dir.filePath(QStringLiteral("tramite.pdf"));
    const auto r = runCli(data,
        { QStringLiteral("print"), QStringLiteral("cp01"), QStringLiteral("--procedure"),
            QString::number(key), QStringLiteral("--pdf"), pdf });
    ASSERT_EQ(r.code, cli::ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Formulario CP01, comprobante N° 987654321, 2 páginas.")))
        << r.out.toStdString();
    EXPECT_GT(QFile(pdf).size(), 10000);
    const auto read
        = cp01::checkCp01Delivery(QDir(data).filePath(QStringLiteral("Archivos/CP01_987654321.txt")));
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read->pages.size(), 2);

    // check-delivery reads the same file back and shows its fields; one changed byte is refused.
    const QString delivered = QDir(data).filePath(QStringLiteral("Archivos/CP01_987654321.txt"));
    const auto shown = runCli(data, { QStringLiteral("check-delivery"), delivered });
    ASSERT_EQ(shown.code, cli::ExitOk) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.contains(QStringLiteral("Comprobante Nº: 987654321"))) << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains(QStringLiteral("Páginas: 2")));
    EXPECT_TRUE(shown.out.contains(QStringLiteral("El archivo es correcto.")));
    QFile file(delivered);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[10] = char(bytes[10] ^ 0x11);
    file.seek(0);
    file.write(bytes);
    file.close();
    const auto tampered = runCli(data, { QStringLiteral("check-delivery"), delivered });
    EXPECT_EQ(tampered.code, cli::ExitRefused);
    EXPECT_TRUE(tampered.err.contains(QStringLiteral("no es un archivo de entrega válido")))
        << tampered.err.toStdString();

    // A procedure that is not there, and a command line that is not whole.
    EXPECT_EQ(runCli(data,
                  { QStringLiteral("print"), QStringLiteral("cp01"), QStringLiteral("--procedure"),
                      QStringLiteral("999"), QStringLiteral("--pdf"), pdf })
                  .code,
        cli::ExitRefused);
    EXPECT_EQ(
        runCli(data, { QStringLiteral("print"), QStringLiteral("cp01"), QStringLiteral("--pdf"), pdf }).code,
        cli::ExitUsage);
}
