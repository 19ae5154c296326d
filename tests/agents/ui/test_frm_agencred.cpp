#include "agents/ui/frm_agencred.h"
#include "agents/ui/frm_agencredadd.h"
#include "agentsuifixture.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/ui/timedstatusline.h"
#include "screenshot.h"

#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

struct CredTest : AgentsUiFixture
{
    Scripted drawn;

    CredTest()
    {
        RandomSource::install(&drawn);
        drawn.next = { 4711 };
        declare(QStringLiteral("Proveedor SRL"), QDate(2005, 3, 10), 4000);
        declare(QStringLiteral("Otro SA"), QDate(2005, 3, 20), 9000);
    }
    ~CredTest() override
    {
        RandomSource::install(nullptr);
        print::setPrinterDialogRunner({});
    }

    void declare(const QString& name, QDate fecha, qint64 cents)
    {
        OperationStore store(access, RegisterKind::retenciones());
        AgentOperation op = sampleOperation(name);
        op.fecha = fecha;
        op.importe = Money::fromUnits(cents);
        ASSERT_TRUE(store.save(op, cp01Id));
        setColumn(
            RegisterKind::retenciones(), op.id, QStringLiteral("FechaDDJJ"), QStringLiteral("2005-04-15"));
        setColumn(
            RegisterKind::retenciones(), op.id, QStringLiteral("DDJJNumForm"), QStringLiteral("0001234"));
    }

    static void select(QWidget* w, const QString& grid, int row)
    {
        auto* view = child<QTableView>(w, grid);
        view->setCurrentIndex(view->model()->index(row, 1));
    }
    static int rows(QWidget* w, const QString& grid)
    {
        return child<QTableView>(w, grid)->model()->rowCount();
    }
    static QString status(QWidget* w) { return w->findChild<TimedStatusLine*>()->text(); }
    int stored(const QString& where = QStringLiteral("1 = 1"))
    {
        return countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentCredito WHERE ") + where);
    }
};

}

TEST_F(CredTest, WithoutTheWithholdingNumberTheScreenDoesNotOpen)
{
    execInsert(t.db(), QStringLiteral("UPDATE CMD SET CMD_NumAgenteRetencion = NULL"), {});
    Frm_AgenCred screen(launch());
    EXPECT_FALSE(screen.opened());
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "Ud. no tiene ingresado el número de agente de retención suministrado por la A.G.T.\nEl mismo "
            "deberá ser ingresado a través del botón \"Claves\" del menú..."));
    EXPECT_EQ(screen.exec(), int(QDialog::Rejected));
}

TEST_F(CredTest, ACreditIsTypedInTheDialogCheckedAndStored)
{
    Frm_AgenCred screen(launch());
    ASSERT_TRUE(screen.opened());
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Registro de Notas de Crédito Agente SA"));
    EXPECT_EQ(rows(&screen, QStringLiteral("TDBGrid1")), 2);
    EXPECT_EQ(child<QTableView>(&screen, QStringLiteral("TDBGrid1"))
                  ->model()
                  ->headerData(9, Qt::Horizontal)
                  .toString(),
        QStringLiteral("Teléfono"));
    EXPECT_EQ(child<QAbstractButton>(&screen, QStringLiteral("Opt_TipoSelec_0"))->text(),
        QStringLiteral("Ver registros no impresos"));

    click(&screen, QStringLiteral("Cmd_VerCred"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione un registro..."));

    select(&screen, QStringLiteral("TDBGrid1"), 0);
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Nota de Crédito"));
        EXPECT_EQ(text(d, QStringLiteral("Txt_ImporteOperacion")), QStringLiteral("40,00"));
        EXPECT_EQ(text(d, QStringLiteral("Txt_Fecha")), QStringLiteral("10/03/2005"));
        EXPECT_EQ(text(d, QStringLiteral("Txt_Alicuota")), QStringLiteral("2,5000"));
        setText(d, QStringLiteral("Txt_Importe"), QStringLiteral("50"));
        EXPECT_EQ(boxes.last(), QStringLiteral("El crédito no puede ser mayor al importe Ret/Per..."));
        EXPECT_EQ(text(d, QStringLiteral("Txt_Importe")), QStringLiteral("50,00"));
        boxes.clear();
        click(d, QStringLiteral("Command2"));
        EXPECT_EQ(boxes.last(), QStringLiteral("El crédito no puede ser mayor al importe Ret/Per..."));
        EXPECT_TRUE(d->isVisible());
        setText(d, QStringLiteral("Txt_Importe"), QStringLiteral("15,5"));
        saveScreenshot(d, QStringLiteral("frm_agencredadd"));
        click(d, QStringLiteral("Command2"));
    });
    click(&screen, QStringLiteral("Cmd_VerCred"));
    ASSERT_TRUE(dialogs.allOpened());
    ASSERT_EQ(rows(&screen, QStringLiteral("TDB_Credito")), 1);
    EXPECT_EQ(screen.form().credits().lines().at(0).importeNC.toDisplay(), QStringLiteral("15,50"));

    dialogs.expect([](QDialog* d) { click(d, QStringLiteral("Command3")); });
    click(&screen, QStringLiteral("Cmd_VerCred"));
    EXPECT_EQ(status(&screen), QStringLiteral("Operación Cancelada..."));
    EXPECT_EQ(stored(), 0);

    // Leaving with the credit not stored asks first; No stays.
    screen.show();
    click(&screen, QStringLiteral("Cmd_Aceptar"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Hay créditos ingresados que no fueron guardados.\nDesea salir sin guardarlos...?"));
    EXPECT_TRUE(screen.isVisible());
    click(&screen, QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(stored(), 1);
    saveScreenshot(&screen, QStringLiteral("frm_agencred"));

    select(&screen, QStringLiteral("TDB_Credito"), 0);
    boxes.answer(Answer::Yes);
    click(&screen, QStringLiteral("Cmd_Borrar"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Está seguro que desea borrar el crédito de la factura n°0001-00001234..."));
    EXPECT_EQ(stored(), 0);
}

TEST_F(CredTest, ThePrintButtonWorksOnlyInTheViewOfCreditsNotPrinted)
{
    Frm_AgenCred screen(launch());
    ASSERT_TRUE(screen.opened());
    screen.setCreditAsker([](const DeclaredOperation&, Money) { return Money::fromUnits(1000); });
    select(&screen, QStringLiteral("TDBGrid1"), 1);
    click(&screen, QStringLiteral("Cmd_VerCred"));
    click(&screen, QStringLiteral("Cmd_Guardar"));

    child<QRadioButton>(&screen, QStringLiteral("Opt_TipoSelec_1"))->setChecked(true);
    auto* imprimir = child<QAbstractButton>(&screen, QStringLiteral("Cmd_Imprimir"));
    EXPECT_FALSE(imprimir->isEnabled());
    boxes.clear();
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    QTest::mouseClick(imprimir, Qt::LeftButton);
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Seleccione \"Ver registros no impresos\" para habilitar éste botón..."));

    child<QRadioButton>(&screen, QStringLiteral("Opt_TipoSelec_0"))->setChecked(true);
    EXPECT_TRUE(imprimir->isEnabled());
    // The invoice filter is asked before it narrows the list.
    type(&screen, QStringLiteral("Txt_Busc_x_Factura"), QStringLiteral("777"));
    boxes.answer(Answer::Yes);
    click(&screen, QStringLiteral("Cmd_BuscarReg"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Desea seleccionar solamente aquellas facturas que contengan el número 777..."));
    EXPECT_EQ(rows(&screen, QStringLiteral("TDB_Credito")), 0);
    type(&screen, QStringLiteral("Txt_Busc_x_Factura"), QString());
    click(&screen, QStringLiteral("Cmb_Buscar"));
    EXPECT_EQ(rows(&screen, QStringLiteral("TDB_Credito")), 1);
}

TEST_F(CredTest, PrintedOrSavedAsPdfTheCreditsAreMarkedPrinted)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ncarp.pdf"));
    int printerDialogs = 0;
    print::setPrinterDialogRunner([&](QPrinter&, QWidget*) { return ++printerDialogs > 1; });
    Frm_AgenCred screen(launch());
    ASSERT_TRUE(screen.opened());
    screen.setCreditAsker([](const DeclaredOperation&, Money) { return Money::fromUnits(2550); });
    select(&screen, QStringLiteral("TDBGrid1"), 0);
    click(&screen, QStringLiteral("Cmd_VerCred"));
    select(&screen, QStringLiteral("TDBGrid1"), 1);
    click(&screen, QStringLiteral("Cmd_VerCred"));

    drawn.next = { 4711, 815 };
    click(&screen, QStringLiteral("Cmd_Imprimir")); // the printer dialog is cancelled
    EXPECT_EQ(stored(), 2);
    EXPECT_EQ(stored(QStringLiteral("AgCre_Impreso <> 0")), 0);

    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* d) {
        auto* preview = qobject_cast<print::PrintPreview*>(d);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Formulario NCARP"));
        saveScreenshot(d, QStringLiteral("ncarp_preview"));
        click(d, QStringLiteral("Cmd_PreviewCancel"));
    });
    click(&screen, QStringLiteral("Cmd_Imprimir"));
    ASSERT_TRUE(dialogs.allOpened());
    EXPECT_EQ(stored(QStringLiteral("AgCre_Impreso <> 0")), 0);

    drawn.next = { 816 };
    dialogs.expect([&](QDialog* d) {
        auto* preview = qobject_cast<print::PrintPreview*>(d);
        ASSERT_NE(preview, nullptr);
        preview->setPdfPathAsker([&] { return pdf; });
        click(d, QStringLiteral("Cmd_PreviewPdf"));
        click(d, QStringLiteral("Cmd_PreviewCancel"));
    });
    click(&screen, QStringLiteral("Cmd_Imprimir"));
    ASSERT_TRUE(dialogs.allOpened());
    EXPECT_EQ(stored(QStringLiteral("AgCre_Impreso <> 0")), 2);
    EXPECT_EQ(screen.form().ultimoFormulario()->numero, QStringLiteral("0000816"));
    EXPECT_EQ(screen.form().ultimoFormulario()->total().toDisplay(), QStringLiteral("51,00"));
    EXPECT_EQ(rows(&screen, QStringLiteral("TDB_Credito")), 0);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    if (const QString folder = qEnvironmentVariable("VENTRIX_SCREENSHOT_DIR"); !folder.isEmpty())
        QFile::copy(pdf, folder + QStringLiteral("/ncarp.pdf"));
}

TEST_F(CredTest, OpenedForPerceptionsItCreditsTheDeclaredPerceptions)
{
    OperationStore store(access, RegisterKind::percepciones());
    AgentOperation op = sampleOperation(QStringLiteral("Cliente SA"));
    op.documento = QStringLiteral("B-0002-000077");
    ASSERT_TRUE(store.save(op, cp01Id));
    setColumn(RegisterKind::percepciones(), op.id, QStringLiteral("Periodo_DDJJOutDate"),
        QStringLiteral("04/2005"));

    Frm_AgenCred screen(launch(), AgentRegister::Percepciones);
    ASSERT_TRUE(screen.opened());
    ASSERT_EQ(rows(&screen, QStringLiteral("TDBGrid1")), 1);
    screen.setCreditAsker([](const DeclaredOperation&, Money disponible) { return disponible; });
    select(&screen, QStringLiteral("TDBGrid1"), 0);
    click(&screen, QStringLiteral("Cmd_VerCred"));
    click(&screen, QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(stored(QStringLiteral("AgPer_ID = ") + QString::number(op.id)
                  + QStringLiteral(" AND AgRet_ID IS NULL "
                                   "AND AgCre_ImporteNC = 2500")),
        1);
    EXPECT_EQ(
        child<QTableView>(&screen, QStringLiteral("TDB_Credito"))->model()->index(0, 1).data().toString(),
        QStringLiteral("B-0002-000077"));
}
