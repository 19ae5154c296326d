#include "../cli/clirun.h"
#include "common/scrambler.h"
#include "cp01/cp01store.h"
#include "cp02/cp02store.h"
#include "cp02printfixture.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::test;

TEST(PrintCp02Cli, WritesThePdfAndTheDeliveryFile)
{
    std::optional<TestDatabase> seed;
    seed.emplace(QStringLiteral("seed"));
    const QString folder = seed->folder();
    qint64 key = 0;
    {
        data::AccesoDatos access(seed->db());
        QSqlQuery(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('Peña')"), seed->db());
        cp01::Cp01Store cp01(access);
        cp01::Cp01Record inscription;
        inscription.fields = sampleTaxpayer().fields;
        inscription.set(cp01::col::Tramite, QStringLiteral("1 - Inscripción"));
        ASSERT_TRUE(cp01.GuardarCP01(inscription, 1, 0));
        cp02::Cp02Record r = sampleDeclaration();
        r.fields.remove(cp02::col::Id);
        ASSERT_TRUE(cp02::Cp02Store(access).save(r, inscription.id()));
        key = r.id();
    }
    seed->database().close();
    DrawnNumbers random;
    random.next = { 42 };

    const QString pdf = QDir(folder).filePath(QStringLiteral("cp02.pdf"));
    const CliOutcome done = runCli(folder,
        { QStringLiteral("print"), QStringLiteral("cp02"), QStringLiteral("--declaration"),
            QString::number(key), QStringLiteral("--pdf"), pdf });
    EXPECT_EQ(done.code, cli::ExitOk) << done.err.toStdString();
    EXPECT_TRUE(done.out.startsWith(QStringLiteral("Comprobante Nº 000000042\n")));
    QFile file(QDir(folder).filePath(QStringLiteral("Archivos/CP02_000000042.txt")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = unscrambleText(file.readAll(), "000000042").split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.at(0).startsWith("000000042|2025|Pe\xf1"
                                       "a \xc1LVAREZ, Jos\xe9|20-12345678/6|"));
    EXPECT_TRUE(lines.at(1).endsWith("|31-12-2025|3|Responsable Inscripto|V1.0||OK\r"));
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");

    const CliOutcome missing = runCli(folder,
        { QStringLiteral("print"), QStringLiteral("cp02"), QStringLiteral("--declaration"),
            QStringLiteral("99"), QStringLiteral("--pdf"), pdf });
    EXPECT_EQ(missing.code, cli::ExitRefused);
    EXPECT_EQ(missing.err, QStringLiteral("No existe la declaración jurada CP02 número 99.\n"));
    EXPECT_EQ(
        runCli(folder, { QStringLiteral("print"), QStringLiteral("cp02"), QStringLiteral("--pdf") }).code,
        cli::ExitUsage);
    EXPECT_EQ(runCli(folder, { QStringLiteral("print"), QStringLiteral("cp03") }).code, cli::ExitUsage);
}
