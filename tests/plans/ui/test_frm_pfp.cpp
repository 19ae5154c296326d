#include "app/ui/frm_principal.h"
#include "app/ui/programwindows.h"
#include "common/modulekeys.h"
#include "common/ui/moduleregistry.h"
#include "plans/plangridmodel.h"
#include "plans/ui/frm_ib09.h"
#include "plans/ui/frm_pfp.h"
#include "plansuifixture.h"
#include "rates/indicestable.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

struct FrmPfpTest : PlansUiFixture
{
    std::unique_ptr<Frm_PFP> open()
    {
        auto w = std::make_unique<Frm_PFP>(t.db(), cmdId, newestCp01);
        EXPECT_TRUE(w->opened());
        return w;
    }
    static QStringList column(Frm_PFP& w, int c)
    {
        QStringList out;
        for (int r = 0; r < w.grid()->rowCount(); ++r)
            out << w.grid()->index(r, c).data().toString();
        return out;
    }
    static void choose(Frm_PFP& w, int row)
    {
        auto* view = w.findChild<QTableView*>(QStringLiteral("TDBGrid1"));
        view->selectionModel()->select(
            w.grid()->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // The fields of a whole request, as a user types them.
    static void typeRequest(QWidget* w)
    {
        setText(w, col::TipoForm, QStringLiteral("IB09"));
        setText(w, col::NumPFP, QStringLiteral("4711"));
        setText(w, col::Tasa, QStringLiteral("3"));
        setText(w, col::ImporteAnticipo, QStringLiteral("500"));
        setText(w, col::ImporteCuota, QStringLiteral("1.000,00"));
        setText(w, col::ImporteDeuda, QStringLiteral("12500,40"));
        setText(w, col::CantCuotas, QStringLiteral("12"));
        setText(w, col::FechaAprob, QStringLiteral("05/10/2026"));
        setText(w, col::FechaVtoCta2, QStringLiteral("10/12/2026"));
    }
};

}

TEST_F(FrmPfpTest, ATaxpayerWithTwoInscriptionsSeesThePlansOfBoth)
{
    storePlan(firstCp01, QStringLiteral("101"), QDate(2019, 3, 1));
    storePlan(newestCp01, QStringLiteral("102"), QDate(2021, 6, 1));
    auto w = open();
    QAbstractItemModelTester check(w->grid(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Plan Facilidades de Pago Pérez Juan"));
    EXPECT_EQ(text(w.get(), QStringLiteral("CP01_CUIT")), QStringLiteral("20-12345678/6"));
    EXPECT_EQ(text(w.get(), QStringLiteral("CP01_IngBrut")), QStringLiteral("012-123456/00"));
    EXPECT_TRUE(child<QLineEdit>(w.get(), QStringLiteral("CP01_Contribuyente"))->isReadOnly());
    EXPECT_EQ(
        column(*w, PlanGridModel::NumPFP), (QStringList { QStringLiteral("102"), QStringLiteral("101") }));
    EXPECT_EQ(column(*w, PlanGridModel::FechaAprob),
        (QStringList { QStringLiteral("01/06/2021"), QStringLiteral("01/03/2019") }));
    EXPECT_FALSE(w->entering());
    EXPECT_TRUE(duplicates(mnemonics(w.get())).isEmpty());
    w->show();
    saveScreenshot(w.get(), QStringLiteral("frm_pfp_planes"));
}

TEST_F(FrmPfpTest, ANewPlanIsTypedRefusedWhileIncompleteThenStored)
{
    auto w = open();
    w->show();
    click(w.get(), QStringLiteral("Command2"));
    EXPECT_TRUE(w->entering());
    for (const char* hidden : { "Command2", "Command3", "Command4", "Com_Help" })
        EXPECT_FALSE(child<QPushButton>(w.get(), QString::fromLatin1(hidden))->isVisible()) << hidden;

    typeRequest(w.get());
    // Letters in an amount become 0 when the field is left; an empty amount stays empty.
    setText(w.get(), col::ImporteAnticipo, QStringLiteral("abc"));
    EXPECT_EQ(text(w.get(), col::ImporteAnticipo), QStringLiteral("0"));
    setText(w.get(), col::Tasa, QStringLiteral("tres"));
    EXPECT_EQ(text(w.get(), col::Tasa), QStringLiteral("0"));
    setText(w.get(), col::Tasa, QStringLiteral("3"));
    setText(w.get(), col::ImporteCuota, QString());
    setText(w.get(), col::ImporteDeuda, QString());
    saveScreenshot(w.get(), QStringLiteral("frm_pfp_ingreso"));

    click(w.get(), QStringLiteral("Salir"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Complete todos los campos..."));
    EXPECT_TRUE(w->entering());
    EXPECT_EQ(text(w.get(), col::NumPFP), QStringLiteral("4711"));
    EXPECT_EQ(stored(QStringLiteral("SELECT COUNT(*) FROM Form_PFP")).toInt(), 0);

    setText(w.get(), col::ImporteCuota, QStringLiteral("1.000,00"));
    setText(w.get(), col::ImporteDeuda, QStringLiteral("12500,40"));
    boxes.clear();
    click(w.get(), QStringLiteral("Salir"));
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.last().toStdString();
    EXPECT_FALSE(w->entering());
    EXPECT_TRUE(child<QPushButton>(w.get(), QStringLiteral("Command2"))->isVisible());
    ASSERT_EQ(w->grid()->rowCount(), 1);
    const PaymentPlan& plan = *w->grid()->plan(0);
    EXPECT_EQ(plan.cp01Id, newestCp01);
    EXPECT_EQ(plan.importeAnticipo, Money());
    EXPECT_EQ(plan.importeDeuda, money("12500.40"));
    EXPECT_EQ(plan.fechaVtoCta2, QDate(2026, 12, 10));
    // Amounts are kept in cents.
    EXPECT_EQ(stored(QStringLiteral("SELECT PFP_ImporteCuota FROM Form_PFP")).toLongLong(), 100000);
}

TEST_F(FrmPfpTest, DeletingTheOnlyPlanThenFormPagoOffersToRegisterOne)
{
    storePlan(newestCp01, QStringLiteral("101"), QDate(2019, 3, 1));
    auto w = open();
    click(w.get(), QStringLiteral("Command4"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione el plan que desea borrar..."));
    choose(*w, 0);
    boxes.answer(Answer::Yes);
    click(w.get(), QStringLiteral("Command4"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Está seguro que desea borrar el plan de fecha 01/03/2019..."));
    EXPECT_EQ(w->grid()->rowCount(), 0);
    EXPECT_EQ(
        child<QLabel>(w.get(), QStringLiteral("Mensaje"))->text(), QStringLiteral("Registro borrado..."));
    click(w.get(), QStringLiteral("Command4"));
    EXPECT_EQ(boxes.last(), QStringLiteral("No se encontraron planes para borrar..."));

    boxes.answer(Answer::No);
    click(w.get(), QStringLiteral("Command6"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Ud. necesita registrar el Plan de Pagos...\nDesea registrarlo ahora..."));
    EXPECT_FALSE(w->entering());
    boxes.answer(Answer::Yes);
    click(w.get(), QStringLiteral("Command6"));
    EXPECT_TRUE(w->entering());
}

TEST_F(FrmPfpTest, FormPagoOpensTheInstalmentsOfTheTaxpayer)
{
    storePlan(firstCp01, QStringLiteral("101"), QDate(2019, 3, 1));
    auto w = open();
    w->show();
    ModalDialogs dialogs;
    dialogs.expect([](QDialog* d) {
        ASSERT_NE(qobject_cast<Frm_IB09*>(d), nullptr);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Formulario de Pago Pérez Juan"));
        d->reject();
    });
    click(w.get(), QStringLiteral("Command6"));
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(FrmPfpTest, TheMainWindowsButtonOpensThePlans)
{
    ASSERT_TRUE(rates::IndicesTable(t.db()).append(
        { { QDate(2026, 12, 1), Index4::fromUnits(10000), Rate::fromUnits(100) } }));
    app::registerModuleWindows();
    EXPECT_TRUE(ModuleRegistry::instance().contains(modulekey::Pfp));
    app::Frm_Principal main(t.db());
    main.setCmdId(cmdId);
    ModalDialogs dialogs;
    dialogs.expect([](QDialog* d) {
        auto* pfp = qobject_cast<Frm_PFP*>(d);
        ASSERT_NE(pfp, nullptr);
        EXPECT_EQ(text(d, QStringLiteral("CP01_CUIT")), QStringLiteral("20-12345678/6"));
        click(d, QStringLiteral("Command3"));
    });
    click(&main, QStringLiteral("Cmd_PFP"));
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.last().toStdString();
}
