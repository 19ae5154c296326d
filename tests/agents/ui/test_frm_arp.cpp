#include "agents/ui/frm_arp.h"
#include "agentsuifixture.h"
#include "common/ui/timedstatusline.h"
#include "fakeprinter.h"
#include "screenshot.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

struct ArpScreen : AgentsUiFixture
{
    Scripted drawn;
    // Indices of the days the month before today and March 2005 are worked out with.
    bool indices = setIndex(QDate(2005, 4, 15), 1000000) && setIndex(QDate(2005, 4, 20), 1035000)
        && setIndex(QDate(2005, 4, 21), -1) && indicesForOpening();

    ArpScreen() { RandomSource::install(&drawn); }
    ~ArpScreen() override { RandomSource::install(nullptr); }

    std::unique_ptr<Frm_ARP> open()
    {
        auto screen = std::make_unique<Frm_ARP>(launch());
        EXPECT_TRUE(screen->opened());
        return screen;
    }
    // Withholdings of March 2005 worth the amounts, in cents.
    void withhold(std::initializer_list<qint64> cents)
    {
        OperationStore store(access, RegisterKind::retenciones());
        for (qint64 c : cents) {
            AgentOperation op = sampleOperation();
            op.importe = Money::fromUnits(c);
            ASSERT_TRUE(store.save(op, cp01Id));
        }
    }
    // Retención chosen, March 2005, paid on the 20th of April.
    void march2005(Frm_ARP* s)
    {
        click(s, QStringLiteral("Option3d1_0"));
        setText(s, QStringLiteral("MaskDesde"), QStringLiteral("03/2005"));
        setText(s, QStringLiteral("Arp_FechaPago"), QStringLiteral("20/04/2005"));
    }
};

}

TEST_F(ArpScreen, OpensOnTheMonthBeforeTodayWithTheAgentsNumbers)
{
    ASSERT_TRUE(indices);
    auto s = open();
    EXPECT_EQ(s->windowTitle(), QStringLiteral("Formulario ARP "));
    EXPECT_EQ(text(s.get(), QStringLiteral("Num_Retencion")), QStringLiteral("1234/1"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Num_Percepcion")), QStringLiteral("4321/5"));
    EXPECT_EQ(text(s.get(), QStringLiteral("CP01_Contribuyente")), QStringLiteral("Agente SA"));
    EXPECT_EQ(text(s.get(), QStringLiteral("MaskDesde")), QStringLiteral("11/2026"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Lab_Desde")), QStringLiteral("01/11/2026"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Lab_Hasta")), QStringLiteral("30/11/2026"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Arp_FechaVto")), QStringLiteral("15/12/2026"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Arp_FechaPago")), QStringLiteral("07/12/2026"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_100")), QStringLiteral("0,00"));
    // With both numbers the user chooses: no operation, no payment or declaration button yet.
    EXPECT_FALSE(s->operation());
    EXPECT_FALSE(child<QPushButton>(s.get(), QStringLiteral("Cmd_PrintPago_0"))->isEnabled());
    EXPECT_FALSE(child<QPushButton>(s.get(), QStringLiteral("Cmd_PrintDDJJ_1"))->isEnabled());
    click(s.get(), QStringLiteral("Option3d1_1"));
    EXPECT_EQ(text(s.get(), QStringLiteral("OptionResul")), QStringLiteral("Percepción"));
    EXPECT_EQ(
        child<QLabel>(s.get(), QStringLiteral("Lab_ImporteTipo"))->text(), QStringLiteral("Total Percibido"));
    EXPECT_TRUE(child<QPushButton>(s.get(), QStringLiteral("Cmd_PrintPago_1"))->isEnabled());
    EXPECT_FALSE(child<QPushButton>(s.get(), QStringLiteral("Cmd_PrintPago_0"))->isEnabled());
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.last().toStdString();
    s->show();
    saveScreenshot(s.get(), QStringLiteral("frm_arp_open"));
}

TEST_F(ArpScreen, OneNumberChoosesItsOperationAndNoneClosesTheScreen)
{
    QSqlQuery(t.db()).exec(QStringLiteral("UPDATE CMD SET CMD_NumAgentePercepcion = NULL"));
    {
        auto s = open();
        EXPECT_EQ(s->operation(), AgentRegister::Retenciones);
        EXPECT_FALSE(child<QRadioButton>(s.get(), QStringLiteral("Option3d1_1"))->isEnabled());
        EXPECT_EQ(child<QLabel>(s.get(), QStringLiteral("Lab_ImporteTipo"))->text(),
            QStringLiteral("Total Retenido"));
        EXPECT_TRUE(child<QPushButton>(s.get(), QStringLiteral("Cmd_PrintDDJJ_0"))->isEnabled());
        // "&Crédito" needs the withholding number, which is there: the credit notes open.
        ModalDialogs modals;
        QString title;
        modals.expect([&title](QDialog* credits) {
            title = credits->windowTitle();
            credits->reject();
        });
        click(s.get(), QStringLiteral("Command1"));
        EXPECT_TRUE(modals.allOpened());
        EXPECT_TRUE(title.startsWith(QStringLiteral("Registro de Notas de Crédito ")));
        EXPECT_TRUE(boxes.shown().isEmpty());
    }
    QSqlQuery(t.db()).exec(
        QStringLiteral("UPDATE CMD SET CMD_NumAgenteRetencion = NULL, CMD_NumAgentePercepcion = '4321/5'"));
    {
        auto s = open();
        click(s.get(), QStringLiteral("Command1"));
        EXPECT_EQ(boxes.last(),
            QStringLiteral(
                "Ud. no tiene ingresado el número de agente de retención suministrado por la "
                "A.G.T.\nEl mismo deberá ser ingresado a través del botón \"Claves\" del menú..."));
    }
    QSqlQuery(t.db()).exec(QStringLiteral("UPDATE CMD SET CMD_NumAgentePercepcion = NULL"));
    Frm_ARP none(launch());
    EXPECT_FALSE(none.opened());
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Ud. necesita ingresar el número de Retención y/o Percepción para poder utilizar éste "
                       "módulo...\nLos números son suministrados por la A.G.T. ..."));
}

TEST_F(ArpScreen, TheMonthGivesItsDaysAndTheDueDatePastTheWeekend)
{
    auto s = open();
    const QList<std::pair<QString, QString>> months { { QStringLiteral("03/2005"),
                                                          QStringLiteral("15/04/2005") },
        { QStringLiteral("03/2006"), QStringLiteral("17/04/2006") },
        { QStringLiteral("03/2007"), QStringLiteral("16/04/2007") } };
    for (const auto& [month, due] : months) {
        setText(s.get(), QStringLiteral("MaskDesde"), month);
        EXPECT_EQ(text(s.get(), QStringLiteral("Lab_Desde")), QStringLiteral("01/") + month);
        EXPECT_EQ(text(s.get(), QStringLiteral("Lab_Hasta")), QStringLiteral("31/") + month);
        EXPECT_EQ(text(s.get(), QStringLiteral("Arp_FechaVto")), due);
    }
    boxes.clear();
    setText(s.get(), QStringLiteral("MaskDesde"), QStringLiteral("00/2005"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Error en la especificación del mes..."));
    EXPECT_EQ(text(s.get(), QStringLiteral("Lab_Hasta")), QStringLiteral("31/03/2007"));
}

TEST_F(ArpScreen, TotalsInterestAndBalanceOfTheMonth)
{
    withhold({ 60000, 40000 });
    addDeposit(QStringLiteral("Retención"), QDate(2005, 3, 1), QDate(2005, 3, 31));
    QSqlQuery(t.db()).exec(QStringLiteral("UPDATE Form_ARP SET Arp_Importe_Depositado = 20000"));
    auto s = open();
    march2005(s.get());
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_100")), QStringLiteral("1.000,00"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_101")), QStringLiteral("200,00"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_0")), QStringLiteral("35,00"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_1")), QStringLiteral("835,00"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_102")), QStringLiteral("165,00"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_2")), QStringLiteral("835,00"));
    s->show();
    saveScreenshot(s.get(), QStringLiteral("frm_arp_march2005"));

    // Paid on the due date: no interest.
    setText(s.get(), QStringLiteral("Arp_FechaPago"), QStringLiteral("15/04/2005"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_0")), QStringLiteral("0,00"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_1")), QStringLiteral("800,00"));

    // A day without its index leaves interest and balance blank and says why.
    boxes.clear();
    setText(s.get(), QStringLiteral("Arp_FechaPago"), QStringLiteral("21/04/2005"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Ud. está tratando de ingresar una fecha de pago para la cual no existe el índice de "
                       "actualiazación en el sistema...\nUd. debe tener cargado el índice correspondiente al "
                       "mes de pago..."));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_0")), QString());
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_1")), QString());
    EXPECT_EQ(text(s.get(), QStringLiteral("Arp_FechaPago")), QStringLiteral("21/04/2005"));
}

TEST_F(ArpScreen, TheDueDateMayOnlyChangeItsDay)
{
    auto s = open();
    march2005(s.get());
    boxes.clear();
    setText(s.get(), QStringLiteral("Arp_FechaVto"), QStringLiteral("18/04/2005"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Arp_FechaVto")), QStringLiteral("18/04/2005"));
    ASSERT_FALSE(boxes.shown().isEmpty());
    EXPECT_TRUE(boxes.shown().first().text.startsWith(
        QStringLiteral("Recuerde que ud. está completando una declaración jurada y la fecha de vencimiento "
                       "debe coincidir")));
    boxes.clear();
    setText(s.get(), QStringLiteral("Arp_FechaVto"), QStringLiteral("15/05/2005"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Ud. solo puede modificar el día de vencimiento.\nLa modificación de la fecha es "
                       "aceptada si el día propuesto por el sistema es feriado..."));
    EXPECT_EQ(text(s.get(), QStringLiteral("Arp_FechaVto")), QStringLiteral("15/04/2005"));
}

TEST_F(ArpScreen, APaymentAsksDrawsItsNumberOnceAndPrints)
{
    withhold({ 100000 });
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ar01.pdf"));
    FakePrinter printer(pdf);
    auto s = open();
    march2005(s.get());
    setText(s.get(), QStringLiteral("Numero_2"), QStringLiteral("2000"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_2")), QStringLiteral("2.000,00"));

    // More than the balance asks first, No by default; No stores nothing.
    boxes.clear();
    boxes.answer(Answer::No);
    click(s.get(), QStringLiteral("Cmd_PrintPago_0"));
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(
        boxes.last(), QStringLiteral("Está seguro que desea pagar un importe superior al saldo actual...?"));
    EXPECT_EQ(boxes.shown().first().defaultAnswer, Answer::No);
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP")), 0);

    // Then the amount itself; No stops again.
    boxes.clear();
    boxes.answer(Answer::Yes);
    boxes.answer(Answer::No);
    click(s.get(), QStringLiteral("Cmd_PrintPago_0"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Está seguro que desea pagar $2.000,00..."));
    EXPECT_EQ(printer.shown, 0);
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP")), 0);

    drawn.next = { 4567 };
    boxes.answer(Answer::Yes);
    boxes.answer(Answer::Yes);
    ModalDialogs modals;
    modals.expect([](QDialog* preview) {
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Formulario IB08"));
        preview->findChild<QPushButton*>(QStringLiteral("Cmd_PreviewPrint"))->click();
    });
    click(s.get(), QStringLiteral("Cmd_PrintPago_0"));
    EXPECT_TRUE(modals.allOpened());
    EXPECT_EQ(printer.shown, 1);
    EXPECT_GT(QFile(pdf).size(), 3000);
    EXPECT_EQ(text(s.get(), QStringLiteral("Lab_NumFormulario")), QStringLiteral("0004567"));
    EXPECT_EQ(stored(QStringLiteral("SELECT Arp_NumFormulario FROM Form_ARP")).toString(),
        QStringLiteral("0004567"));
    EXPECT_EQ(stored(QStringLiteral("SELECT Arp_Importe_Depositado FROM Form_ARP")).toString(),
        QStringLiteral("200000"));

    // Saved and printed again with "&Imprimir", the deposit keeps its number (the printer
    // cancelled this time).
    drawn.next = { 9999 };
    printer.accept = false;
    boxes.answer(Answer::Yes);
    boxes.answer(Answer::Yes);
    click(s.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_EQ(printer.shown, 2);
    EXPECT_EQ(drawn.next.size(), 1);
    EXPECT_EQ(
        countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP WHERE Arp_NumFormulario = '0004567'")),
        1);
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP")), 1);
}

TEST_F(ArpScreen, AnAmountTheBanksCodeCannotCarryIsRefusedBeforeItIsStored)
{
    withhold({ 100000 });
    auto s = open();
    march2005(s.get());
    setText(s.get(), QStringLiteral("Numero_2"), QStringLiteral("12345678901"));
    boxes.clear();
    click(s.get(), QStringLiteral("Cmd_PrintPago_0"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "El valor de \"Importe a Depositar\" no cabe en el código de barras del formulario de pago..."));
    setText(s.get(), QStringLiteral("Numero_2"), QStringLiteral("-5"));
    click(s.get(), QStringLiteral("Cmd_PrintPago_0"));
    EXPECT_EQ(boxes.last(), QStringLiteral("El importe a depositar no puede ser negativo..."));
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP")), 0);
}

TEST_F(ArpScreen, DeclaredDepositsRefuseChangesAndDeletion)
{
    withhold({ 100000 });
    auto s = open();
    march2005(s.get());
    click(s.get(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(s->statusLine()->text(), QStringLiteral("O.K"));
    ASSERT_GT(s->depositId(), 0);

    // Changing the operation of a stored deposit asks; No keeps it.
    boxes.clear();
    boxes.answer(Answer::No);
    click(s.get(), QStringLiteral("Option3d1_1"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "No se pueden modificar pagos almacenados...\nUd. debe borrarlo y volverlo a ingresar..."
            "\n¿Desea cambiar de Operación Percepción/Retención...?"));
    EXPECT_EQ(s->operation(), AgentRegister::Retenciones);
    EXPECT_TRUE(child<QRadioButton>(s.get(), QStringLiteral("Option3d1_0"))->isChecked());
    EXPECT_GT(s->depositId(), 0);

    QSqlQuery(t.db()).exec(QStringLiteral("UPDATE Form_ARP SET Arp_FechaDDJJ = '2005-05-02', Arp_DDJJNumForm "
                                          "= '0000077', Arp_DDJJFechaPres = '2005-05-02'"));
    boxes.clear();
    click(s.get(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("El pago que desea guardar ya está incorporado en la DDJJ mensual del período 03/2005 "
                       "presentada el 02/05/2005\nPor tal motivo no puede almacenar las modificaciones..."));
    click(s.get(), QStringLiteral("Cmd_Borrar"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("El pago que desea borrar está incorporado en la DDJJ mensual del período 03/2005 "
                       "presentada el 02/05/2005\nPor tal motivo no puede borrarlo..."));
    QSqlQuery(t.db()).exec(
        QStringLiteral("UPDATE Form_ARP SET Arp_FechaDDJJ = NULL, Arp_Periodo_DDJJOutDate = '04/2005'"));
    click(s.get(), QStringLiteral("Cmd_Borrar"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("El pago que desea borrar está incorporado en la DDJJ mensual del período 04/2005 "
                       "aunque fue realizado en el período 03/2005\nPor tal motivo no puede borrarlo..."));
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP")), 1);

    // Undeclared, it is deleted after the question (No by default).
    QSqlQuery(t.db()).exec(
        QStringLiteral("UPDATE Form_ARP SET Arp_Periodo_DDJJOutDate = NULL, Arp_DDJJNumForm = NULL"));
    boxes.clear();
    boxes.answer(Answer::No);
    click(s.get(), QStringLiteral("Cmd_Borrar"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Está seguro que desea borrar ..."));
    EXPECT_EQ(boxes.shown().first().defaultAnswer, Answer::No);
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP")), 1);
    boxes.answer(Answer::Yes);
    click(s.get(), QStringLiteral("Cmd_Borrar"));
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP")), 0);
    EXPECT_EQ(s->depositId(), 0);
}

TEST_F(ArpScreen, TheSearchListsTheOperationsDepositsAndLoadsOne)
{
    withhold({ 100000 });
    auto s = open();
    march2005(s.get());
    setText(s.get(), QStringLiteral("Numero_2"), QStringLiteral("300"));
    click(s.get(), QStringLiteral("Cmd_Guardar"));
    click(s.get(), QStringLiteral("Cmd_Alta"));
    EXPECT_EQ(s->depositId(), 0);
    setText(s.get(), QStringLiteral("Arp_FechaPago"), QStringLiteral("15/04/2005"));
    click(s.get(), QStringLiteral("Cmd_Guardar"));
    // The second deposit saw the first one's amount.
    EXPECT_EQ(
        stored(QStringLiteral("SELECT Arp_SumTotDepositado FROM Form_ARP ORDER BY ARP_ID DESC")).toString(),
        QStringLiteral("30000"));
    addDeposit(QStringLiteral("Percepción"), QDate(2005, 3, 1), QDate(2005, 3, 31));

    click(s.get(), QStringLiteral("Cmb_Buscar"));
    auto* list = child<QComboBox>(s.get(), QStringLiteral("Cbox_Buscar"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("03/2005-20/04/2005"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("03/2005-15/04/2005"));
    emit list->activated(0);
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_2")), QStringLiteral("300,00"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Arp_FechaPago")), QStringLiteral("20/04/2005"));
    EXPECT_EQ(text(s.get(), QStringLiteral("MaskDesde")), QStringLiteral("03/2005"));
    EXPECT_GT(s->depositId(), 0);

    // Yes to changing the operation of the loaded deposit starts a new one of the other operation.
    boxes.answer(Answer::Yes);
    click(s.get(), QStringLiteral("Option3d1_1"));
    EXPECT_EQ(s->depositId(), 0);
    EXPECT_EQ(s->operation(), AgentRegister::Percepciones);
    EXPECT_EQ(text(s.get(), QStringLiteral("OptionResul")), QStringLiteral("Percepción"));
    EXPECT_EQ(text(s.get(), QStringLiteral("MaskDesde")), QStringLiteral("03/2005"));
    EXPECT_EQ(text(s.get(), QStringLiteral("Numero_100")), QStringLiteral("0,00"));
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_ARP")), 3);
}

TEST_F(ArpScreen, TheDeclarationNeedsADepositThenMarksTheMonth)
{
    withhold({ 100000 });
    QTemporaryDir dir;
    FakePrinter printer(dir.filePath(QStringLiteral("ddjj.pdf")));
    auto s = open();
    march2005(s.get());
    boxes.clear();
    click(s.get(), QStringLiteral("Cmd_PrintDDJJ_0"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "Ud. debe tener al menos un pago en el período antes de realizar la Declaración Jurada..."));
    click(s.get(), QStringLiteral("Cmd_Guardar"));

    drawn.next = { 77 };
    boxes.answer(Answer::Yes);
    // The printer is chosen before the marks; the pages then go out through the preview and
    // the delivery file follows them.
    ModalDialogs modals;
    QString title;
    modals.expect([&title](QDialog* preview) {
        title = preview->windowTitle();
        preview->findChild<QPushButton*>(QStringLiteral("Cmd_PreviewPrint"))->click();
    });
    click(s.get(), QStringLiteral("Cmd_PrintDDJJ_0"));
    EXPECT_TRUE(modals.allOpened());
    EXPECT_EQ(title, QStringLiteral("Formulario IB16")) << printer.shown;
    EXPECT_TRUE(QFile::exists(QDir(t.folder()).filePath(QStringLiteral("Archivos/IB16_0000077.txt"))));
    EXPECT_EQ(printer.shown, 1);
    EXPECT_EQ(
        stored(QStringLiteral("SELECT Arp_DDJJNumForm FROM Form_ARP")).toString(), QStringLiteral("0000077"));
    EXPECT_EQ(stored(QStringLiteral("SELECT AgRet_DDJJNumForm FROM Form_AgentRetencion")).toString(),
        QStringLiteral("0000077"));
    EXPECT_TRUE(boxes.texts().contains(QStringLiteral("Declaración Jurada procesada correctamente...")));
}

TEST_F(ArpScreen, WithoutADesktopCalculatorTheUserIsTold)
{
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", empty.path().toLocal8Bit());
    auto s = open();
    click(s.get(), QStringLiteral("Cmd_CallAccesorios"));
    qputenv("PATH", path);
    EXPECT_EQ(boxes.last(),
        QStringLiteral("No se encontró una calculadora instalada en el sistema...\nPuede instalar "
                       "gnome-calculator, kcalc, galculator, mate-calc o xcalc."));
}
