#include "agents/certificate.h"
#include "agents/ui/counterpartidedit.h"
#include "agents/ui/frm_agenbuscar.h"
#include "agents/ui/frm_agenimportar.h"
#include "agents/ui/frm_agenoperacion.h"
#include "agentsuifixture.h"
#include "common/print/pageoutput.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "screenshot.h"

#include <QTableWidget>
#include <QTemporaryDir>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

struct RetTest : AgentsUiFixture
{
    std::unique_ptr<Frm_AgenRet> screen = std::make_unique<Frm_AgenRet>(launch());

    QWidget* w() { return screen.get(); }
    void fillOperation()
    {
        fillCounterpart(w(), QStringLiteral("AgRet"));
        setText(w(), QStringLiteral("AgRet_Fecha_Retencion"), QStringLiteral("10/03/2005"));
        setText(w(), QStringLiteral("AgRet_BaseImp"), QStringLiteral("1000"));
        setText(w(), QStringLiteral("AgRet_Alicuota"), QStringLiteral("2,5"));
        type(w(), QStringLiteral("AgRet_NumRecibo"), QStringLiteral("0001-00001234"));
        type(w(), QStringLiteral("AgRet_Lugar"), QStringLiteral("Capital"));
        setText(w(), QStringLiteral("AgRet_Lugar_Fecha"), QStringLiteral("11/03/2005"));
    }
    qint64 savedId() { return child<QLabel>(w(), QStringLiteral("AgRet_ID"))->text().toLongLong(); }
};

}

TEST_F(RetTest, RecordsAWithholdingWithTheAgentsDataAndNumber)
{
    EXPECT_TRUE(screen->opened());
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Constancia de Retención Agente SA"));
    EXPECT_EQ(text(w(), QStringLiteral("CP01_Contribuyente")), QStringLiteral("Agente SA"));
    EXPECT_TRUE(child<QLineEdit>(w(), QStringLiteral("CP01_CUIT"))->isReadOnly());
    EXPECT_EQ(text(w(), QStringLiteral("Txt_NumAgente")), QStringLiteral("1234/1"));
    EXPECT_EQ(child<QLabel>(w(), QStringLiteral("Lab_Minimo"))->text(),
        QStringLiteral("El mínimo no sujeto a retención podrá consultarlo mensualmente a la A.G.T."));

    fillOperation();
    // Base 1000 at 2.5 % withholds 25.00; the rate shows four places.
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_BaseImp")), QStringLiteral("1.000,00"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Alicuota")), QStringLiteral("2,5000"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Imp_Retenido")), QStringLiteral("25,00"));
    saveScreenshot(w(), QStringLiteral("frm_agenret"));
    EXPECT_TRUE(screen->Check_Datos());

    click(w(), QStringLiteral("Cmd_Guardar"));
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.last().toStdString();
    ASSERT_GT(savedId(), 0);
    EXPECT_EQ(stored(QStringLiteral("SELECT AgRet_NumAgReten FROM Form_AgentRetencion")).toString(),
        QStringLiteral("1234/1"));
    EXPECT_EQ(stored(QStringLiteral("SELECT AgRet_Provincia FROM Form_AgentRetencion")).toString(),
        QStringLiteral("CHACO"));
    const AgentOperation row = storedOperation(RegisterKind::retenciones());
    EXPECT_EQ(row.importe, Money::fromUnits(2500));
    EXPECT_EQ(row.alicuota, Fixed<4>::fromUnits(25000));
    EXPECT_EQ(row.fecha, QDate(2005, 3, 10));

    click(w(), QStringLiteral("Cmd_Alta"));
    EXPECT_EQ(child<QLabel>(w(), QStringLiteral("AgRet_ID"))->text(), QString());
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Contribuyente")), QString());
    EXPECT_EQ(text(w(), QStringLiteral("Txt_NumAgente")), QStringLiteral("1234/1"));
}

TEST_F(RetTest, AmountsAreRecomputedOnLeavingTheBaseOrRateOnly)
{
    // An empty rate with a base of 500: rate 0 and amount 0.
    setText(w(), QStringLiteral("AgRet_BaseImp"), QStringLiteral("500"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Alicuota")), QStringLiteral("0,0000"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Imp_Retenido")), QStringLiteral("0,00"));
    // An amount typed over stays until the base or the rate is left again.
    setText(w(), QStringLiteral("AgRet_Imp_Retenido"), QStringLiteral("12,5"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Imp_Retenido")), QStringLiteral("12,50"));
    setText(w(), QStringLiteral("AgRet_Alicuota"), QStringLiteral("1"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Imp_Retenido")), QStringLiteral("5,00"));
    // Negatives in red; a non-number is blanked.
    setText(w(), QStringLiteral("AgRet_BaseImp"), QStringLiteral("-100"));
    auto* base = child<QLineEdit>(w(), QStringLiteral("AgRet_BaseImp"));
    EXPECT_EQ(base->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_EQ(child<QLineEdit>(w(), QStringLiteral("AgRet_Imp_Retenido"))->palette().color(QPalette::Text),
        QColor(Qt::red));
    setText(w(), QStringLiteral("AgRet_BaseImp"), QStringLiteral("100"));
    EXPECT_NE(base->palette().color(QPalette::Text), QColor(Qt::red));
    setText(w(), QStringLiteral("AgRet_Alicuota"), QStringLiteral("abc"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Alicuota")), QStringLiteral("0,0000"));
    // More than four places of a rate are rounded; fifteen whole digits of a base are refused.
    setText(w(), QStringLiteral("AgRet_Alicuota"), QStringLiteral("2,55555"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Alicuota")), QStringLiteral("2,5556"));
    EXPECT_TRUE(boxes.shown().isEmpty());
    setText(w(), QStringLiteral("AgRet_BaseImp"), QStringLiteral("123456789012345"));
    EXPECT_EQ(boxes.last(), QStringLiteral("El importe ingresado excede el máximo que admite el campo..."));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_BaseImp")), QStringLiteral("0,00"));
}

TEST_F(RetTest, DeclaredRowsAreNeitherSavedNorDeleted)
{
    fillOperation();
    click(w(), QStringLiteral("Cmd_Guardar"));
    const qint64 id = savedId();
    ASSERT_GT(id, 0);
    setColumn(RegisterKind::retenciones(), id, QStringLiteral("FechaDDJJ"), QDate(2005, 4, 20));
    setColumn(
        RegisterKind::retenciones(), id, QStringLiteral("Periodo_DDJJOutDate"), QStringLiteral("02/2005"));
    type(w(), QStringLiteral("AgRet_Contribuyente"), QStringLiteral("Otro Nombre"));
    click(w(), QStringLiteral("Cmd_Guardar"));
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.shown().last().icon, MessageIcon::Critical);
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "El pago que desea almacenar ya está incorporado en la DDJJ mensual presentada el 20/04/2005\n"
            "Por tal motivo no puede almacenar las modificaciones..."));
    click(w(), QStringLiteral("Cmd_Borrar"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "El pago que desea borrar está incorporado en la DDJJ mensual presentada el 20/04/2005\n"
            "Por tal motivo no puede borrarlo..."));
    EXPECT_EQ(boxes.shown().size(), 2); // refused without asking
    EXPECT_EQ(stored(QStringLiteral("SELECT AgRet_Contribuyente FROM Form_AgentRetencion")).toString(),
        QStringLiteral("Proveedor SRL"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Contribuyente")), QStringLiteral("Otro Nombre"));
}

TEST_F(RetTest, BorrarAsksAndClearsTheScreen)
{
    fillOperation();
    click(w(), QStringLiteral("Cmd_Guardar"));
    boxes.answer(Answer::Yes);
    click(w(), QStringLiteral("Cmd_Borrar"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Está seguro que desea borrar Proveedor SRL..."));
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentRetencion")), 0);
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Contribuyente")), QString());
}

TEST_F(RetTest, TheAgentCannotWithholdFromItselfAndKnownSuppliersFillIn)
{
    auto* cuit = child<CounterpartIdEdit>(w(), QStringLiteral("CUIT"));
    cuit->setText(QStringLiteral("20-12345678/6"));
    emit cuit->left();
    EXPECT_EQ(boxes.last(), QStringLiteral("No se puede realizar una autoretención..."));
    EXPECT_EQ(cuit->value(), QStringLiteral("20-12345678/6"));

    fillOperation();
    click(w(), QStringLiteral("Cmd_Guardar"));
    click(w(), QStringLiteral("Cmd_Alta"));
    // Typed after a click past the mask's places, as a user does in an empty field.
    cuit->setValue(QString());
    QTest::mouseClick(cuit, Qt::LeftButton, {}, QPoint(cuit->width() - 4, cuit->height() / 2));
    QTest::keyClicks(cuit, QStringLiteral("20111111112"));
    EXPECT_EQ(cuit->value(), QStringLiteral("20-11111111/2"));
    emit cuit->left();
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Contribuyente")), QStringLiteral("Proveedor SRL"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Domicilio")), QStringLiteral("San Martín"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Fecha_Retencion")), QString());
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_BaseImp")), QString());
}

TEST_F(RetTest, APeriodWithTwoDepositsIsPointedOutAndTheRowStillSaved)
{
    addDeposit(QStringLiteral("Retención"), QDate(2005, 3, 1), QDate(2005, 3, 31));
    addDeposit(QStringLiteral("Retención"), QDate(2005, 3, 1), QDate(2005, 3, 31));
    fillOperation();
    EXPECT_EQ(boxes.texts().value(0),
        QStringLiteral(
            "Ud. ya tiene presentado 2 pagos de éste período. Ud. tiene que incluir ésta retención en el "
            "próximo págo."));
    click(w(), QStringLiteral("Cmd_Guardar"));
    EXPECT_GT(savedId(), 0);
}

TEST_F(RetTest, SearchAndBuscarBaseBringSuppliersBack)
{
    fillOperation();
    click(w(), QStringLiteral("Cmd_Guardar"));
    const qint64 id = savedId();
    click(w(), QStringLiteral("Cmd_Alta"));

    auto* list = child<QComboBox>(w(), QStringLiteral("Cbox_Buscar"));
    list->setEditText(QStringLiteral("pro srl"));
    click(w(), QStringLiteral("Cmb_Buscar"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), QStringLiteral("10/03/2005,Proveedor SRL"));
    screen->Cbox_Buscar_Click(0);
    EXPECT_EQ(savedId(), id);
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Imp_Retenido")), QStringLiteral("25,00"));

    click(w(), QStringLiteral("Cmd_Alta"));
    ModalDialogs dialogs;
    dialogs.expect([](QDialog* d) {
        auto* buscar = qobject_cast<Frm_AgenBuscar*>(d);
        ASSERT_NE(buscar, nullptr);
        EXPECT_EQ(buscar->mode(), QStringLiteral("Retencion"));
        child<QLineEdit>(d, QStringLiteral("Text1"))->setText(QStringLiteral("123456"));
        click(d, QStringLiteral("Command1"));
        auto* grid = child<QTableWidget>(d, QStringLiteral("Grilla"));
        ASSERT_EQ(grid->rowCount(), 1);
        EXPECT_EQ(grid->item(0, Frm_AgenBuscar::Brutos)->text(), QStringLiteral("001-123456/00"));
        saveScreenshot(d, QStringLiteral("frm_agenbuscar"));
        click(d, QStringLiteral("Command2"));
        EXPECT_EQ(buscar->key(), QStringLiteral("Proveedor SRL@20-11111111/2@001-123456/00"));
    });
    click(w(), QStringLiteral("Command1"));
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Localidad")), QStringLiteral("Capital"));
    EXPECT_EQ(text(w(), QStringLiteral("AgRet_Fecha_Retencion")), QString());
    EXPECT_EQ(child<QLabel>(w(), QStringLiteral("AgRet_ID"))->text(), QString());
}

TEST_F(RetTest, ImportWarnsAboutTheBackupFirst)
{
    Frm_AgenImportar::setFileChooser([](QWidget*) { return QString(); });
    click(w(), QStringLiteral("Cmd_Importar"));
    Frm_AgenImportar::setFileChooser(nullptr);
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.texts().value(0),
        QStringLiteral(
            "No olvide de hacer la copia de seguridad del archivo \"Impuest.MDB\" antes de realizar la "
            "importación de datos.\nAl salir del programa en la ventana \"Backup y Recuperación\" existe un "
            "botón que permite hacer una copia del archivo \"Impuest.Mdb\" en la carpeta \"Archivos\" que "
            "está ubicada en el mismo directorio en que está instalado el programa..."));
}

TEST_F(RetTest, PrintingSavesAndShowsTheCertificateWithANewNumberEachTime)
{
    print::setPrinterDialogRunner([](QPrinter&, QWidget*) { return true; });
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("constancia.pdf"));
    // Without the rate nothing is saved nor printed.
    fillCounterpart(w(), QStringLiteral("AgRet"));
    click(w(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_TRUE(boxes.last().startsWith(
        QStringLiteral("Para poder almacenar los datos es necesario tener completo")));
    EXPECT_FALSE(screen->ultimaConstancia());

    fillOperation();
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* d) {
        auto* preview = qobject_cast<print::PrintPreview*>(d);
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Form Agente Retencion"));
        EXPECT_EQ(child<QAbstractButton>(d, QStringLiteral("Cmd_PreviewCancel"))->text(),
            QStringLiteral("Cancelar Impresión"));
        saveScreenshot(d, QStringLiteral("constancia_preview"));
        preview->setPdfPathAsker([&] { return pdf; });
        click(d, QStringLiteral("Cmd_PreviewPdf"));
        click(d, QStringLiteral("Cmd_PreviewCancel"));
    });
    click(w(), QStringLiteral("Cmd_Imprimir"));
    ASSERT_TRUE(dialogs.allOpened());
    ASSERT_TRUE(screen->ultimaConstancia());
    const CertificateData first = *screen->ultimaConstancia();
    EXPECT_GT(savedId(), 0);
    EXPECT_EQ(first.numero.size(), 7);
    EXPECT_EQ(first.retenido[0].value, QStringLiteral("Proveedor SRL"));
    EXPECT_EQ(first.sonPesos, QStringLiteral("25,00"));
    EXPECT_EQ(first.lugarYFecha, QStringLiteral("Capital 11/03/2005"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));

    ConstanciaRetencion page(first);
    const QImage image = print::PageOutput::renderPage(page, 0, 100);
    EXPECT_EQ(image.width(), qRound(210 / 25.4 * 100));
    if (const QString folder = qEnvironmentVariable("VENTRIX_SCREENSHOT_DIR"); !folder.isEmpty())
        image.save(folder + QStringLiteral("/constancia_pagina.png"));

    dialogs.expect([](QDialog* d) { click(d, QStringLiteral("Cmd_PreviewCancel")); });
    click(w(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_NE(screen->ultimaConstancia()->numero, first.numero);
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentRetencion")), 1);
    print::setPrinterDialogRunner({});
}
