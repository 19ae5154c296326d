#include "common/modulekeys.h"
#include "common/printui/dialogoimpresora.h"
#include "common/ui/moduleregistry.h"
#include "screenshot.h"
#include "sid3/ui/activitylinesmodel.h"
#include "sid3/ui/frm_registraciones.h"
#include "sid3/ui/frm_sid3.h"
#include "sid3/ui/gridfooter.h"
#include "sid3uifixture.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

namespace {

struct Frm_SID3Test : Sid3UiFixture
{
    std::unique_ptr<Frm_SID3> screen = std::make_unique<Frm_SID3>(f.t.db(), f.cmdId, f.cp01Id);

    QListWidget* periodos() { return child<QListWidget>(screen.get(), QStringLiteral("Lst_Periodos")); }
    QAbstractItemModel* grid()
    {
        return child<QTableView>(screen.get(), QStringLiteral("TDBGrid1"))->model();
    }
    QString footer(int column)
    {
        return child<GridFooter>(screen.get(), QStringLiteral("TDBGrid1_Footer"))->text(column);
    }
    QString field(const QString& name) { return text(screen.get(), name); }

    // The new-period dialog answered with the month, year and procedure row.
    void expectNewPeriod(ModalDialogs& dialogs, const QString& month, const QString& year, int procedure)
    {
        dialogs.expect([=](QDialog* d) {
            EXPECT_EQ(d->objectName(), QStringLiteral("NuevoTramite"));
            type(d, QStringLiteral("Tasa1"), month);
            type(d, QStringLiteral("Tasa2"), year);
            child<QListWidget>(d, QStringLiteral("List1"))->setCurrentRow(procedure);
            saveScreenshot(d, QStringLiteral("sid3_nuevotramite"));
            click(d, QStringLiteral("Salir"));
        });
    }
    // A receipt typed into the register screen and stored.
    static void addReceipt(QDialog* d, const QString& fecha, const QString& concepto, const QString& monto)
    {
        click(d, QStringLiteral("Nuevo"));
        type(d, QStringLiteral("Fecha"), fecha);
        type(d, QStringLiteral("Text1_0"), concepto);
        type(d, QStringLiteral("Monto"), monto);
        type(d, QStringLiteral("Text1_1"), QStringLiteral("Banco Provincia"));
        type(d, QStringLiteral("CUIT"), QStringLiteral("20-12345678/6"));
        click(d, QStringLiteral("Guardar"));
    }
};

}

TEST_F(Frm_SID3Test, AWholeDeclarationIsStartedComputedStoredReloadedAndDeleted)
{
    ASSERT_TRUE(screen->opened());
    EXPECT_EQ(periodos()->count(), 0);
    EXPECT_EQ(field(QStringLiteral("CP01_Contribuyente")), QStringLiteral("Pérez Juan"));

    // New period: March 2003, Anticipo; no annual declaration of 2002, kept as it is.
    ModalDialogs dialogs;
    expectNewPeriod(dialogs, QStringLiteral("3"), QStringLiteral("2003"), 0);
    boxes.answer(Answer::No);
    click(screen.get(), QStringLiteral("Cmb_NuevoPer"));
    ASSERT_TRUE(dialogs.allOpened());
    ASSERT_EQ(periodos()->count(), 1);
    EXPECT_EQ(periodos()->item(0)->text(), QStringLiteral("3 / 2003 Anticipo"));
    EXPECT_EQ(field(QStringLiteral("Txt_Mes")), QStringLiteral("3"));
    EXPECT_EQ(field(QStringLiteral("Txt_Tramite_Desc")), QStringLiteral("Anticipo"));
    EXPECT_EQ(field(QStringLiteral("Txt_Tasa")), QStringLiteral("3,00"));
    ASSERT_EQ(grid()->rowCount(), 1);
    EXPECT_EQ(grid()->index(0, ActivityLinesModel::Actividad).data().toString(), QStringLiteral("624101"));
    EXPECT_EQ(
        grid()->index(0, ActivityLinesModel::Denominacion).data().toString(), QStringLiteral("Com1:Venta"));

    // The base typed in the grid: 3,50 % of 10.000,00; the minimum of the nomenclature is lower.
    ASSERT_TRUE(grid()->setData(grid()->index(0, ActivityLinesModel::BaseImp), QStringLiteral("10.000,00")));
    EXPECT_EQ(grid()->index(0, ActivityLinesModel::Impuesto).data().toString(), QStringLiteral("350,00"));
    EXPECT_EQ(footer(ActivityLinesModel::Minimo), QStringLiteral("75,00"));
    EXPECT_EQ(footer(ActivityLinesModel::BaseImp), QStringLiteral("10.000,00"));
    EXPECT_EQ(footer(ActivityLinesModel::Impuesto), QStringLiteral("350,00"));
    EXPECT_EQ(field(QStringLiteral("Gravado")), QStringLiteral("10.000,00"));
    EXPECT_EQ(field(QStringLiteral("Max_ImpMin")), QStringLiteral("350,00"));
    type(screen.get(), QStringLiteral("NoGravado"), QStringLiteral("500"));
    EXPECT_EQ(field(QStringLiteral("NoGravado")), QStringLiteral("500,00"));
    EXPECT_EQ(field(QStringLiteral("TotalExentos")), QStringLiteral("500,00"));
    EXPECT_EQ(field(QStringLiteral("TotalImpuestos")), QStringLiteral("10.500,00"));
    saveScreenshot(screen.get(), QStringLiteral("sid3_actividades"));

    // The withholdings register: the declaration is stored first, then two receipts; one dated
    // past the 15 days after the month is refused.
    dialogs.expect([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Retenciones..."));
        addReceipt(d, QStringLiteral("10/03/2003"), QStringLiteral("Recibo 1"), QStringLiteral("50"));
        type(d, QStringLiteral("Fecha"), QStringLiteral("16/04/2003"));
        EXPECT_EQ(boxes.last(), QStringLiteral("Error la fecha debe ser anterior a 15/04/2003..."));
        EXPECT_EQ(text(d, QStringLiteral("Fecha")), QString());
        addReceipt(d, QStringLiteral("15/04/2003"), QStringLiteral("Recibo 2"), QStringLiteral("25,5"));
        EXPECT_EQ(text(d, QStringLiteral("Lab_TotalRegistros")), QStringLiteral("2"));
        EXPECT_EQ(text(d, QStringLiteral("Lab_MontoTotal")), QStringLiteral("75,50"));
        saveScreenshot(d, QStringLiteral("sid3_registraciones"));
        click(d, QStringLiteral("Cmd_Aceptar"));
    });
    click(screen.get(), QStringLiteral("Cmd_Registro0"));
    ASSERT_TRUE(dialogs.allOpened());
    EXPECT_EQ(rows(QStringLiteral("Form_Sid3")), 1);
    EXPECT_EQ(rows(QStringLiteral("Retenciones")), 2);
    EXPECT_EQ(field(QStringLiteral("Contrib0")), QStringLiteral("75,50"));
    EXPECT_EQ(field(QStringLiteral("Lab_Contrib_Reg0")), QStringLiteral("Retenciones: cantidad = 2"));
    EXPECT_EQ(field(QStringLiteral("Alias1")), QStringLiteral("75,50"));
    EXPECT_EQ(field(QStringLiteral("Alias2")), QStringLiteral("274,50"));
    EXPECT_EQ(field(QStringLiteral("Saldo_AGT")), QStringLiteral("274,50"));
    EXPECT_EQ(periodos()->item(0)->text(), QStringLiteral("3/2003 Anticipo 20/04/2003"));

    // Dates: due 15/04/2003 proposed; paid ten days later at 0,1 a day = 1 % of 274,50.
    EXPECT_EQ(field(QStringLiteral("FechaVto")), QStringLiteral("15/04/2003"));
    type(screen.get(), QStringLiteral("FechaPago"), QStringLiteral("25/04/2003"));
    EXPECT_EQ(field(QStringLiteral("Interes")), QStringLiteral("2,75"));
    EXPECT_EQ(field(QStringLiteral("TotalContrib")), QStringLiteral("277,25"));
    type(screen.get(), QStringLiteral("FechaVto"), QStringLiteral("15/05/2003"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Ud. solo puede modificar el día de vencimiento.\nLa modificación de la fecha es "
                       "aceptada si el día propuesto por el sistema es feriado..."));
    EXPECT_EQ(field(QStringLiteral("FechaVto")), QStringLiteral("15/04/2003"));
    type(screen.get(), QStringLiteral("ImporteDepositado"), QStringLiteral("abc"));
    EXPECT_EQ(field(QStringLiteral("ImporteDepositado")), QStringLiteral("0,00"));
    type(screen.get(), QStringLiteral("ImporteDepositado"), QStringLiteral("277,25"));
    child<QTabWidget>(screen.get(), QStringLiteral("vsIndexTab1"))->setCurrentIndex(Frm_SID3::SaldoTab);
    saveScreenshot(screen.get(), QStringLiteral("sid3_saldo"));

    click(screen.get(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(periodos()->item(0)->text(), QStringLiteral("3/2003 Anticipo 25/04/2003"));

    // Reloaded by a new screen, every figure is back.
    Frm_SID3 again(f.t.db(), f.cmdId, f.cp01Id);
    EXPECT_EQ(text(&again, QStringLiteral("Txt_Mes")), QStringLiteral("3"));
    EXPECT_EQ(text(&again, QStringLiteral("NoGravado")), QStringLiteral("500,00"));
    EXPECT_EQ(text(&again, QStringLiteral("Contrib0")), QStringLiteral("75,50"));
    EXPECT_EQ(text(&again, QStringLiteral("FechaPago")), QStringLiteral("25/04/2003"));
    EXPECT_EQ(text(&again, QStringLiteral("Interes")), QStringLiteral("2,75"));
    EXPECT_EQ(text(&again, QStringLiteral("TotalContrib")), QStringLiteral("277,25"));
    EXPECT_EQ(text(&again, QStringLiteral("ImporteDepositado")), QStringLiteral("277,25"));
    auto* grid2 = child<QTableView>(&again, QStringLiteral("TDBGrid1"))->model();
    EXPECT_EQ(grid2->index(0, ActivityLinesModel::BaseImp).data().toString(), QStringLiteral("10.000,00"));

    // Deleting asks, and takes the registers with it.
    boxes.answer(Answer::Yes);
    click(screen.get(), QStringLiteral("Cmb_Borrar"));
    EXPECT_TRUE(boxes.texts().contains(QStringLiteral(
        "Está seguro que desea borrar los datos del contribuyente Pérez Juan\ndel período 3 del "
        "año 2003 del trámite Anticipo")));
    EXPECT_EQ(periodos()->count(), 0);
    EXPECT_EQ(field(QStringLiteral("Txt_Mes")), QString());
    EXPECT_EQ(rows(QStringLiteral("Form_Sid3")), 0);
    EXPECT_EQ(rows(QStringLiteral("Retenciones")), 0);
}

TEST_F(Frm_SID3Test, TheNewPeriodDialogRefusesWithTheAuthoritysWords)
{
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* d) {
        auto* year = child<QLineEdit>(d, QStringLiteral("Tasa2"));
        EXPECT_EQ(text(d, QStringLiteral("Tasa1")), QStringLiteral("3")); // the previous month
        EXPECT_EQ(year->text(), QStringLiteral("2003"));
        type(d, QStringLiteral("Tasa2"), QStringLiteral("3"));
        EXPECT_EQ(year->text(), QStringLiteral("1903"));
        type(d, QStringLiteral("Tasa2"), QStringLiteral("2500"));
        EXPECT_EQ(year->text(), QStringLiteral("2200"));
        type(d, QStringLiteral("Tasa1"), QStringLiteral("13"));
        EXPECT_EQ(boxes.last(), QStringLiteral("El mes debe ser un número comprendido entre 1 y 12..."));
        type(d, QStringLiteral("Tasa1"), QStringLiteral("5"));
        type(d, QStringLiteral("Tasa2"), QStringLiteral("2003"));
        click(d, QStringLiteral("Salir"));
        EXPECT_EQ(boxes.last(), QStringLiteral("Ud. no puede liquidar el CP03 por anticipado..."));
        type(d, QStringLiteral("Tasa1"), QStringLiteral("4")); // the current month is accepted...
        click(d, QStringLiteral("Salir"));
        EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione el trámite..."));
        child<QListWidget>(d, QStringLiteral("List1"))->setCurrentRow(1);
        click(d, QStringLiteral("Salir"));
        EXPECT_EQ(boxes.last(),
            QStringLiteral("Ud. no tiene ingresado el anticipo para el período 4/2003...\nNo puede realizar "
                           "rectificativa en éstas condiciones..."));
        click(d, QStringLiteral("Command1"));
    });
    click(screen.get(), QStringLiteral("Cmb_NuevoPer"));
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_EQ(periodos()->count(), 0);
    EXPECT_EQ(field(QStringLiteral("Txt_Mes")), QString());
}

TEST_F(Frm_SID3Test, WhatTheScreenRefusesOrCannotDoYet)
{
    click(screen.get(), QStringLiteral("Cmd_Registro1"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Debe ingresar un nuevo período..."));
    boxes.clear();
    QTest::mouseClick(child(screen.get(), QStringLiteral("Contrib2")), Qt::LeftButton);
    EXPECT_EQ(boxes.last(), QStringLiteral("Debe ingresar un nuevo período..."));

    auto* name = child<QLineEdit>(screen.get(), QStringLiteral("CP01_Contribuyente"));
    QTest::keyClicks(name, QStringLiteral("x"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Estos datos solo pueden modificarse a través del CP01 ..."));
    EXPECT_EQ(name->text(), QStringLiteral("Pérez Juan"));

    click(screen.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Debe ingresar un nuevo período..."));

    // Amount cells let only digits and the separators in.
    auto* view = child<QTableView>(screen.get(), QStringLiteral("TDBGrid1"));
    QStyleOptionViewItem option;
    std::unique_ptr<QWidget> editor(
        view->itemDelegateForColumn(ActivityLinesModel::BaseImp)->createEditor(nullptr, option, {}));
    QTest::keyClicks(editor.get(), QStringLiteral("1a.234,5x0"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(editor.get())->text(), QStringLiteral("1.234,50"));
}

TEST_F(Frm_SID3Test, ARectificativaTakesTheTypedInterestAndStoresItAtOnce)
{
    Declaration anticipo;
    anticipo.cp01Id = f.cp01Id;
    anticipo.month = 3;
    anticipo.year = 2003;
    anticipo.tramite = 4;
    anticipo.tramiteDescrip = QStringLiteral("Anticipo");
    ASSERT_TRUE(f.store.Guardar_Sid3(anticipo, {}));
    screen = std::make_unique<Frm_SID3>(f.t.db(), f.cmdId, f.cp01Id);
    EXPECT_TRUE(child<QLineEdit>(screen.get(), QStringLiteral("Interes"))->isReadOnly());

    ModalDialogs dialogs;
    expectNewPeriod(dialogs, QStringLiteral("3"), QStringLiteral("2003"), 1);
    boxes.answer(Answer::No);
    click(screen.get(), QStringLiteral("Cmb_NuevoPer"));
    ASSERT_TRUE(dialogs.allOpened());
    EXPECT_FALSE(child<QLineEdit>(screen.get(), QStringLiteral("Interes"))->isReadOnly());
    ASSERT_TRUE(grid()->setData(grid()->index(0, ActivityLinesModel::BaseImp), QStringLiteral("10000")));
    click(screen.get(), QStringLiteral("Cmd_Guardar"));
    ASSERT_EQ(rows(QStringLiteral("Form_Sid3")), 2);
    ASSERT_EQ(field(QStringLiteral("Txt_Tramite_Desc")), QStringLiteral("Rectificativa"));
    type(screen.get(), QStringLiteral("Interes"), QStringLiteral("12,5"));
    EXPECT_EQ(field(QStringLiteral("Interes")), QStringLiteral("12,50"));
    EXPECT_EQ(field(QStringLiteral("TotalContrib")), QStringLiteral("362,50"));
    EXPECT_EQ(
        countRows(f.t.db(), QStringLiteral("SELECT Sid_Interes FROM Form_Sid3 WHERE Sid_Tramite = 5")), 1250);
}

TEST_F(Frm_SID3Test, TheMainWindowShowsTheScreenOnlyWhenLastYearsAnnualDeclarationIsNotPending)
{
    ModuleRegistry registry;
    registerSid3Windows(registry);
    const ModuleLaunch launch { f.t.db(), f.cmdId, f.cp01Id };

    // With no declaration yet nothing is asked of the annual one; the screen offers a new period.
    ModalDialogs dialogs;
    dialogs.expect([](QDialog* d) {
        EXPECT_EQ(d->objectName(), QStringLiteral("Frm_SID3"));
        QTest::qWait(50);
        d->reject();
    });
    boxes.answer(Answer::No);
    EXPECT_TRUE(registry.runModal(modulekey::Sid3, launch, nullptr));
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("Desea liquidar un nuevo período...") });

    Declaration anticipo;
    anticipo.cp01Id = f.cp01Id;
    anticipo.month = 3;
    anticipo.year = 2003;
    anticipo.tramite = 4;
    ASSERT_TRUE(f.store.Guardar_Sid3(anticipo, {}));
    boxes.answer(Answer::Yes);
    EXPECT_FALSE(registry.runModal(modulekey::Sid3, launch, nullptr));
    EXPECT_EQ(boxes.last(), QStringLiteral("Complete el período 2002 en el formulario \"CP02\"..."));
}

TEST_F(Frm_SID3Test, CompletingLastYearsAnnualDeclarationFirstClosesTheScreen)
{
    boxes.answer(Answer::No); // no new period offered on showing
    screen->show();
    QTest::qWait(20);
    ModalDialogs dialogs;
    expectNewPeriod(dialogs, QStringLiteral("3"), QStringLiteral("2003"), 0);
    boxes.answer(Answer::Yes);
    click(screen.get(), QStringLiteral("Cmb_NuevoPer"));
    ASSERT_TRUE(dialogs.allOpened());
    QTest::qWait(20);
    EXPECT_EQ(boxes.last(), QStringLiteral("Complete el período 2002 en el formulario \"CP02\"..."));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(rows(QStringLiteral("Form_Sid3")), 0);
}

TEST_F(Frm_SID3Test, PrintStoresThenGoesThroughThePrinterAndThePreviewAndLeavesTheDeliveryFile)
{
    QTemporaryDir dir;
    const QString archivos = dir.filePath(QStringLiteral("Archivos"));
    screen->setArchivosFolder(archivos);
    const QString pdf = dir.filePath(QStringLiteral("cp03.pdf"));
    int printerShown = 0;
    print::setPrinterDialogRunner([&](QPrinter& printer, QWidget*) {
        ++printerShown;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });

    ModalDialogs dialogs;
    expectNewPeriod(dialogs, QStringLiteral("3"), QStringLiteral("2003"), 0);
    boxes.answer(Answer::No);
    click(screen.get(), QStringLiteral("Cmb_NuevoPer"));
    ASSERT_TRUE(dialogs.allOpened());
    ASSERT_TRUE(grid()->setData(grid()->index(0, ActivityLinesModel::BaseImp), QStringLiteral("10.000,00")));

    // Without an amount deposited nothing is stored or printed.
    click(screen.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Ingrese el importe que desea depositar..."));
    EXPECT_EQ(rows(QStringLiteral("Form_Sid3")), 0);
    EXPECT_EQ(printerShown, 0);

    type(screen.get(), QStringLiteral("FechaPago"), QStringLiteral("25/04/2003"));
    type(screen.get(), QStringLiteral("ImporteDepositado"), field(QStringLiteral("TotalContrib")));
    dialogs.expect([](QDialog* preview) {
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Formulario CP03"));
        preview->findChild<QPushButton*>(QStringLiteral("Cmd_PreviewPrint"))->click();
    });
    boxes.clear();
    click(screen.get(), QStringLiteral("Cmd_Imprimir"));
    print::setPrinterDialogRunner({});
    ASSERT_TRUE(dialogs.allOpened());
    EXPECT_EQ(printerShown, 1);
    EXPECT_EQ(rows(QStringLiteral("Form_Sid3")), 1);
    EXPECT_GT(QFile(pdf).size(), 5000);
    const QStringList files = QDir(archivos).entryList({ QStringLiteral("CP03SID3_*.txt") }, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(QFileInfo(QDir(archivos).filePath(files.first())).size(), 377);
    EXPECT_TRUE(boxes.texts().join(u'\n').contains(QStringLiteral("Por favor ingrese el disquette")));
    // The list is reloaded and shows the stored declaration with its payment date.
    ASSERT_EQ(periodos()->count(), 1);
    EXPECT_EQ(periodos()->item(0)->text(), QStringLiteral("3/2003 Anticipo 25/04/2003"));
}
