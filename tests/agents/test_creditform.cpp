#include "agents/creditform.h"

#include "common/clock.h"
#include "common/print/pageoutput.h"
#include "creditfixture.h"
#include "scriptedmessages.h"

#include <QAbstractItemModelTester>
#include <QImage>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using ventrix::test::CreditFixture;

namespace {

const RegisterKind& ret = RegisterKind::retenciones();

struct CreditFormTest : ::testing::Test, CreditFixture
{
    test::ScriptedMessages boxes;
    test::Scripted drawn;
    FixedClock clock { QDate(2026, 12, 7) };
    QStringList status;
    std::optional<Money> nextCredit;
    Money offered;
    int printerAsked = 0;
    bool printerAnswer = true;
    bool previewAnswer = true;
    std::optional<NcarpData> previewed;
    CreditForm form { credits, cmdId, cp01Id, AgentRegister::Retenciones, hooks() };

    CreditFormTest()
    {
        RandomSource::install(&drawn);
        Clock::install(&clock);
    }
    ~CreditFormTest() override
    {
        RandomSource::install(nullptr);
        Clock::install(nullptr);
    }

    CreditForm::Hooks hooks()
    {
        CreditForm::Hooks h;
        h.status = [this](const QString& text, int) { status << text; };
        h.askCredit = [this](const DeclaredOperation&, Money disponible) {
            offered = disponible;
            return nextCredit;
        };
        h.choosePrinter = [this] {
            ++printerAsked;
            return printerAnswer;
        };
        h.preview = [this](NcarpForm& f) {
            previewed = f.data();
            return previewAnswer;
        };
        return h;
    }

    void addCredit(int row, qint64 cents)
    {
        nextCredit = Money::fromUnits(cents);
        ASSERT_TRUE(form.AddCreditoDe(row));
    }
};

}

TEST(CreditChecks, TheCreditIsNeverGreaterThanTheOperationAndAmountsAreRewritten)
{
    CreditFields typed { QStringLiteral("50"), QStringLiteral("10/03/2005"), QStringLiteral("40"),
        QStringLiteral("1600"), QStringLiteral("0001-1"), QStringLiteral("2,5") };
    CreditCheck check = Calc_ImpCredito(typed, Money::fromUnits(4000));
    ASSERT_TRUE(check.refusal);
    EXPECT_EQ(*check.refusal, QStringLiteral("El crédito no puede ser mayor al importe Ret/Per..."));
    EXPECT_EQ(check.shown.credito, QStringLiteral("50,00"));
    EXPECT_EQ(check.shown.importe, QStringLiteral("40,00"));
    EXPECT_EQ(check.shown.base, QStringLiteral("1.600,00"));
    EXPECT_EQ(check.shown.alicuota, QStringLiteral("2,5000"));
    EXPECT_EQ(check.shown.factura, QStringLiteral("0001-1"));

    typed.credito = QStringLiteral("40,00");
    EXPECT_FALSE(Calc_ImpCredito(typed, Money::fromUnits(4000)).refusal);
    typed.credito = QStringLiteral("40,01");
    EXPECT_TRUE(Calc_ImpCredito(typed, Money::fromUnits(4000)).refusal);

    typed.credito.clear();
    typed.base.clear();
    check = Calc_ImpCredito(typed, Money::fromUnits(4000));
    EXPECT_EQ(check.shown.credito, QStringLiteral("0,00"));
    EXPECT_EQ(check.shown.base, QStringLiteral("0,00"));
    EXPECT_FALSE(check.refusal);
    // Aceptar also refuses a credit of nothing.
    EXPECT_EQ(creditoRechazado(Money(), Money::fromUnits(4000)),
        QStringLiteral("El importe del crédito debe ser mayor a cero..."));
    EXPECT_EQ(creditoRechazado(Money::fromUnits(5000), Money::fromUnits(4000)),
        QStringLiteral("El crédito no puede ser mayor al importe Ret/Per..."));
    EXPECT_FALSE(creditoRechazado(Money::fromUnits(4000), Money::fromUnits(4000)));
}

TEST_F(CreditFormTest, AddingACreditAsksForTheRowAndCountsWhatWasAlreadyCredited)
{
    operation(ret, QStringLiteral("Uno"), QDate(2005, 3, 10), 4000);
    ASSERT_TRUE(form.cargar());
    QAbstractItemModelTester tester(
        &form.operations(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester tester2(&form.credits(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(form.operations().headerData(0, Qt::Horizontal).toString(), QStringLiteral("Imp. Crédito"));
    EXPECT_EQ(form.credits().headerData(0, Qt::Horizontal).toString(), QStringLiteral("Imprimir"));

    EXPECT_FALSE(form.AddCreditoDe(-1));
    EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione un registro..."));
    nextCredit.reset();
    EXPECT_FALSE(form.AddCreditoDe(0));
    EXPECT_EQ(status.last(), QStringLiteral("Operación Cancelada..."));
    EXPECT_EQ(offered, Money::fromUnits(4000));

    addCredit(0, 1500);
    const CreditLine& line = form.credits().lines().at(0);
    EXPECT_TRUE(line.isPending());
    EXPECT_TRUE(line.imprimir);
    EXPECT_EQ(line.ddjjNumForm, QStringLiteral("0001234"));
    EXPECT_EQ(form.credits().data(form.credits().index(0, CreditLinesModel::Importe)).toString(),
        QStringLiteral("15,00"));
    // The next credit may only give back what is left, pending credits included.
    addCredit(0, 1000);
    EXPECT_EQ(offered, Money::fromUnits(2500));
    ASSERT_TRUE(form.Guardar());
    EXPECT_EQ(status.last(), QStringLiteral("Guardando datos..."));
    EXPECT_EQ(storedCredits(), 2);
    EXPECT_EQ(
        form.operations().data(form.operations().index(0, DeclaredOperationsModel::ImpCredito)).toString(),
        QStringLiteral("25,00"));
    nextCredit = Money::fromUnits(1501);
    EXPECT_FALSE(form.AddCreditoDe(0));
    EXPECT_EQ(offered, Money::fromUnits(1500));
    EXPECT_EQ(boxes.last(), QStringLiteral("El crédito no puede ser mayor al importe Ret/Per..."));
    EXPECT_EQ(form.credits().rowCount(), 2);
}

TEST_F(CreditFormTest, AFailedSaveKeepsThePendingLinesAndTellsTheLine)
{
    const qint64 a = operation(ret, QStringLiteral("Uno"), QDate(2005, 3, 10), 4000);
    ASSERT_TRUE(form.cargar());
    addCredit(0, 100);
    addCredit(0, 100);
    // The operation disappears behind the screen's back: the database refuses the credits.
    test::execInsert(t.db(), QStringLiteral("PRAGMA foreign_keys = OFF"), {});
    test::execInsert(t.db(), QStringLiteral("DELETE FROM Form_AgentRetencion WHERE AgRet_ID = ?"), { a });
    test::execInsert(t.db(), QStringLiteral("PRAGMA foreign_keys = ON"), {});
    EXPECT_FALSE(form.Guardar());
    EXPECT_EQ(
        boxes.last(), QStringLiteral("No se pudieron almacenar los datos...\nError al ingresar la fila 1"));
    EXPECT_EQ(storedCredits(), 0);
    EXPECT_EQ(form.credits().rowCount(), 2);
}

TEST_F(CreditFormTest, BorrarAsksWithTheInvoiceAndNoKeepsTheCredit)
{
    operation(ret, QStringLiteral("Uno"), QDate(2005, 3, 10), 4000);
    ASSERT_TRUE(form.cargar());
    addCredit(0, 100);
    ASSERT_TRUE(form.Guardar());
    boxes.answer(Answer::No);
    EXPECT_FALSE(form.Borrar(0));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Está seguro que desea borrar el crédito de la factura n°0001-00001234..."));
    EXPECT_EQ(boxes.shown().back().defaultAnswer, Answer::No);
    EXPECT_EQ(status.last(), QStringLiteral("Operación cancelada por el usuario..."));
    EXPECT_EQ(storedCredits(), 1);
    boxes.answer(Answer::Yes);
    EXPECT_TRUE(form.Borrar(0));
    EXPECT_EQ(storedCredits(), 0);
    EXPECT_EQ(form.credits().rowCount(), 0);
    EXPECT_FALSE(form.Borrar(0));
    EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione un registro..."));
}

TEST_F(CreditFormTest, TheInvoiceFilterIsAskedAndPrintingNeedsTheViewOfCreditsNotPrinted)
{
    operation(ret, QStringLiteral("Uno"), QDate(2005, 3, 10), 4000);
    ASSERT_TRUE(form.cargar());
    addCredit(0, 100);
    ASSERT_TRUE(form.Guardar());
    boxes.answer(Answer::Yes);
    ASSERT_TRUE(form.QueryVerImprimir(true, QStringLiteral(" 999 ")));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Desea seleccionar solamente aquellas facturas que contengan el número 999..."));
    EXPECT_EQ(form.credits().rowCount(), 0);
    boxes.answer(Answer::No);
    ASSERT_TRUE(form.QueryVerImprimir(true, QStringLiteral("999")));
    EXPECT_EQ(form.credits().rowCount(), 1);

    ASSERT_TRUE(form.QueryVerImprimir(false, {}));
    EXPECT_FALSE(form.printEnabled());
    EXPECT_FALSE(form.Imprimir_DDJJ());
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Seleccione \"Ver registros no impresos\" para habilitar éste botón..."));
    EXPECT_EQ(printerAsked, 0);
}

TEST_F(CreditFormTest, PrintingStoresPendingCreditsAndMarksThemOnlyWhenThePagesLeft)
{
    operation(ret, QStringLiteral("Uno"), QDate(2005, 3, 10), 4000);
    operation(ret, QStringLiteral("Dos"), QDate(2005, 3, 12), 9000);
    ASSERT_TRUE(form.cargar());
    addCredit(0, 1000);
    addCredit(1, 2550);
    addCredit(1, 100);
    form.credits().setMarked(0, false); // the last one added is left out

    drawn.next = { 4711, 815, 99 };
    printerAnswer = false;
    EXPECT_FALSE(form.Imprimir_DDJJ());
    EXPECT_EQ(storedCredits(), 3); // stored before the printer was chosen
    EXPECT_FALSE(previewed);

    printerAnswer = true;
    previewAnswer = false;
    EXPECT_FALSE(form.Imprimir_DDJJ());
    ASSERT_TRUE(previewed);
    EXPECT_EQ(previewed->numero, QStringLiteral("0000815"));
    EXPECT_EQ(test::countOf(
                  t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentCredito WHERE AgCre_Impreso <> 0")),
        0);

    previewAnswer = true;
    // Stored, the line left out is still left out.
    ASSERT_EQ(form.credits().rowCount(), 3);
    EXPECT_EQ(form.credits().lines().at(0).importeNC, Money::fromUnits(100));
    EXPECT_FALSE(form.credits().lines().at(0).imprimir);
    EXPECT_TRUE(form.credits().lines().at(1).imprimir);
    EXPECT_TRUE(form.Imprimir_DDJJ());
    ASSERT_TRUE(form.ultimoFormulario());
    const NcarpData& data = *form.ultimoFormulario();
    EXPECT_EQ(data.numero, QStringLiteral("0000099"));
    EXPECT_EQ(data.fecha, QDate(2026, 12, 7));
    EXPECT_EQ(data.agente, QStringLiteral("Agente SA"));
    EXPECT_EQ(data.numAgenteRetencion, QStringLiteral("1234/1"));
    EXPECT_EQ(data.numAgentePercepcion, QStringLiteral("4321/5"));
    ASSERT_EQ(data.creditos.size(), 2);
    EXPECT_EQ(data.total().toDisplay(), QStringLiteral("35,50"));
    EXPECT_EQ(test::countOf(
                  t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentCredito WHERE AgCre_Impreso <> 0")),
        2);
    // The view of credits not printed keeps only the one left out.
    ASSERT_EQ(form.credits().rowCount(), 1);
    EXPECT_EQ(form.credits().lines().at(0).importeNC, Money::fromUnits(100));
}

TEST(NcarpForm, RowsPagesAndTotal)
{
    CreditLine line;
    line.fecha = QDate(2005, 3, 10);
    line.contribuyente = QStringLiteral("Proveedor SRL");
    line.numFactura = QStringLiteral("0001-00001234");
    line.ddjjNumForm = QStringLiteral("0001234");
    line.ddjjFechaPres = QDate(2005, 4, 15);
    line.base = Money::fromUnits(123456);
    line.importe = Money::fromUnits(3086);
    line.importeNC = Money::fromUnits(1050);
    EXPECT_EQ(ncarpRow(line),
        (NcarpRow { QStringLiteral("10/03/2005"), QStringLiteral("Proveedor SRL"),
            QStringLiteral("0001-00001234"), QStringLiteral("03/2005"), QStringLiteral("0001234"),
            QStringLiteral("15/04/2005"), QStringLiteral("1.234,56"), QStringLiteral("30,86"),
            QStringLiteral("10,50") }));

    NcarpData data;
    data.numero = QStringLiteral("0000815");
    EXPECT_EQ(NcarpForm(data).pageCount(), 1);
    for (int i = 0; i < NcarpForm::RowsPerPage; ++i)
        data.creditos << line;
    EXPECT_EQ(NcarpForm(data).pageCount(), 1);
    data.creditos << line;
    NcarpForm form(data);
    EXPECT_EQ(form.pageCount(), 2);
    EXPECT_EQ(form.documentName(), QStringLiteral("Formulario NCARP"));
    EXPECT_EQ(data.total(), Money::fromUnits(1050 * (NcarpForm::RowsPerPage + 1)));
    for (int page = 0; page < form.pageCount(); ++page) {
        const QImage image = print::PageOutput::renderPage(form, page, 60);
        EXPECT_EQ(image.width(), qRound(210 / 25.4 * 60));
        if (const QString folder = qEnvironmentVariable("VENTRIX_SCREENSHOT_DIR"); !folder.isEmpty())
            image.save(folder + QStringLiteral("/ncarp_%1.png").arg(page + 1));
    }
}
