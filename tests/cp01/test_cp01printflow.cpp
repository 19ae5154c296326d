#include "common/clock.h"
#include "common/print/printableform.h"
#include "cp01/cp01delivery.h"
#include "cp01/cp01printflow.h"
#include "cp01fixture.h"
#include "cp01printfixture.h"
#include "scriptedmessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

const QDate Today { 2026, 12, 7 }; // a Monday

struct PrintFixture : Cp01Fixture
{
    FixedClock clock { Today };
    ScriptedMessages boxes;
    ScriptedNumbers numbers { { 1234, 5678 } };
    QTemporaryDir dir;
    QString archivos = QDir(dir.path()).filePath(QStringLiteral("Archivos"));
    Cp01Form form { store, cmdId, {} };

    bool printerAccepted = true;
    PreviewOutcome outcome = PreviewOutcome::Printed;
    QList<int> previewedPages;
    QStringList copied;

    PrintFixture() { Clock::install(&clock); }
    ~PrintFixture() { Clock::install(nullptr); }

    Cp01PrintFlow flow()
    {
        return Cp01PrintFlow(archivos,
            { [this] { return printerAccepted; },
                [this](print::PrintableForm& f) {
                    previewedPages << f.pageCount();
                    return outcome;
                },
                [this](const QString& folder, const QString& name) { copied << QDir(folder).filePath(name); },
                {} });
    }
    QStringList files() const { return QDir(archivos).entryList(QDir::Files); }
    // The presentation date typed, then confirmed.
    void present(const QString& date)
    {
        boxes.answerText(date);
        boxes.answer(Answer::Yes);
    }
};

}

TEST(Cp01PrintFlow, TheProcedurePrintsAfterItsChecksAndWritesTheFileOnlyWhenPrinted)
{
    PrintFixture f;
    ASSERT_TRUE(f.form.open({ QStringLiteral("1 - Inscripción"), Fisicas, 0, false }));
    f.form.record() = legalPersonProcedure();

    // The storing checks come before any question.
    f.form.record().set(col::responsible(3, QStringLiteral("CUIT")), QStringLiteral("20-20111222/1"));
    EXPECT_FALSE(f.flow().Imprimir(f.form));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("Error: El N° de CUIT del Responsable 1 es igual al del Responsable 3..."));
    f.form.record().set(col::responsible(3, QStringLiteral("CUIT")), QString());

    // A cancelled printer choice prints nothing and writes no file; the procedure stays stored.
    f.printerAccepted = false;
    f.present(QStringLiteral("07/12/2026"));
    EXPECT_FALSE(f.flow().Imprimir(f.form));
    EXPECT_TRUE(f.previewedPages.isEmpty());
    EXPECT_TRUE(f.files().isEmpty());
    const qint64 stored = f.form.record().id();
    ASSERT_GT(stored, 0);
    EXPECT_EQ(f.store.load(stored)->date(col::FechaPres), Today);

    // Closing the preview without printing writes nothing either.
    f.printerAccepted = true;
    f.outcome = PreviewOutcome::Dropped;
    f.present(QStringLiteral("07/12/2026"));
    EXPECT_FALSE(f.flow().Imprimir(f.form));
    EXPECT_EQ(f.previewedPages, QList<int> { 2 });
    EXPECT_TRUE(f.files().isEmpty());

    f.outcome = PreviewOutcome::SavedPdf;
    f.present(QStringLiteral("07/12/2026"));
    const auto printed = f.flow().Imprimir(f.form);
    ASSERT_TRUE(printed);
    EXPECT_EQ(printed->receipt, QStringLiteral("000005678"));
    EXPECT_EQ(f.files(), QStringList { QStringLiteral("CP01_000005678.txt") });
    EXPECT_EQ(f.copied, QStringList { printed->deliveryPath });
    const auto read = checkCp01Delivery(printed->deliveryPath);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read->pages.size(), 2);
    EXPECT_EQ(read->pages[0].record, printed->pages[0].closedRecord());
}

TEST(Cp01PrintFlow, APresentationDateBeforeTodayOrAMissingActivityStopsThePrint)
{
    PrintFixture f;
    ASSERT_TRUE(f.form.open({ QStringLiteral("1 - Inscripción"), Fisicas, 0, false }));
    f.form.record() = naturalPersonProcedure();
    f.form.record().set(col::premises(2, QStringLiteral("Nombre")), QStringLiteral("Kiosco"));
    EXPECT_FALSE(f.flow().Imprimir(f.form));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral(
            "Para poder imprimir los datos es necesario tener ingresada al menos una actividad..."));

    f.form.record().set(col::premises(2, QStringLiteral("Nombre")), QString());
    f.form.record().premisesActivities(3).row(0)
        = printedActivity(QStringLiteral("711000"), QStringLiteral("Transporte"), QDate(2010, 1, 4));
    f.present(QStringLiteral("04/12/2026"));
    EXPECT_FALSE(f.flow().Imprimir(f.form));
    EXPECT_TRUE(f.form.record().premisesActivities(3).isEmpty());
    EXPECT_TRUE(f.boxes.texts().contains(QStringLiteral(
        "Los datos del Comercio 3 serán eliminados por estar incompleto el nombre de fantasía...")));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("La fecha de presentación no puede ser anterior a la de su sistema..."));
    EXPECT_TRUE(f.previewedPages.isEmpty());
    EXPECT_TRUE(f.files().isEmpty());
}

TEST(Cp01PrintFlow, AnOpenedPremisesPrintsOnOnePageWithItsOwnChecks)
{
    PrintFixture f;
    ASSERT_TRUE(f.form.open({ QStringLiteral("4 - Apertura Comercio"), Fisicas, 0, false }));
    const QString tramite = f.form.record().tramite();
    f.form.record() = naturalPersonProcedure();
    f.form.record().set(col::Tramite, tramite);
    OpenedPremises& p = f.form.openedPremises();
    p.activities.row(0)
        = printedActivity(QStringLiteral("621013"), QStringLiteral("Venta"), QDate(2026, 11, 2));

    EXPECT_FALSE(f.flow().Imprimir_ApertComercio(f.form));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral(
            "Los datos del Comercio serán eliminados por estar incompleto el nombre de fantasía..."));
    EXPECT_TRUE(p.activities.isEmpty());

    p.fields.insert(col::ComNombre, QStringLiteral("Sucursal Ñandú"));
    EXPECT_FALSE(f.flow().Imprimir_ApertComercio(f.form));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral(
            "Para poder imprimir los datos es necesario tener ingresada al menos una actividad..."));

    p.activities.row(0)
        = printedActivity(QStringLiteral("621013"), QStringLiteral("Venta"), QDate(2026, 11, 2));
    EXPECT_FALSE(f.flow().Imprimir_ApertComercio(f.form));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("Error: Debe ingresar la fecha de inicio del Comercio \n"
                       "Los datos no serán almacenados..."));

    p.fields.insert(col::ComInicio, QDate(2026, 11, 2));
    p.fields.insert(col::ComNumero, 4);
    f.present(QStringLiteral("07/12/2026"));
    const auto printed = f.flow().Imprimir_ApertComercio(f.form);
    ASSERT_TRUE(printed);
    EXPECT_GT(f.form.openedPremises().comId, 0);
    ASSERT_EQ(printed->pages.size(), 1);
    EXPECT_EQ(printed->pages[0].closedRecord(),
        QStringLiteral("000001234|4 - Apertura Comercio|20-12345678/6|901-123456/03|Peña ÁLVAREZ, José|"
                       "4|2-11-2026|Sucursal Ñandú||||||||||||621013|Venta|2-11-2026||V1.0||OK"));
    EXPECT_EQ(f.files(), QStringList { QStringLiteral("CP01_000001234.txt") });
}

TEST(Cp01PrintFlow, TheCommandLinePrintWritesThePdfAndTheFile)
{
    PrintFixture f;
    const QString pdf = f.dir.filePath(QStringLiteral("cp01.pdf"));
    Cp01Record nameless = naturalPersonProcedure();
    nameless.set(col::Contribuyente, QString());
    const auto refused = printProcedureToPdf(nameless, pdf, f.archivos);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
        QStringLiteral("Para poder imprimir los datos es necesario tener completo el "
                       "Apellido y Nombre o Razón Social del Contribuyente..."));
    EXPECT_FALSE(QFile::exists(pdf));

    const auto printed = printProcedureToPdf(naturalPersonProcedure(), pdf, f.archivos);
    ASSERT_TRUE(printed) << printed.error().toStdString();
    EXPECT_GT(QFile(pdf).size(), 5000);
    EXPECT_EQ(f.files(), QStringList { QStringLiteral("CP01_000001234.txt") });
    EXPECT_TRUE(checkCp01Delivery(printed->deliveryPath));
}
