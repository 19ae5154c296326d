#include "agents/ui/counterpartidedit.h"
#include "agents/ui/frm_agenoperacion.h"
#include "agentsuifixture.h"
#include "screenshot.h"

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

struct PerTest : AgentsUiFixture
{
    std::unique_ptr<Frm_AgenPer> screen = std::make_unique<Frm_AgenPer>(launch());

    QWidget* w() { return screen.get(); }
    void fillWithoutRate()
    {
        fillCounterpart(w(), QStringLiteral("AgPer"));
        setText(w(), QStringLiteral("AgPer_Fecha_Percepcion"), QStringLiteral("15/06/2005"));
        type(w(), QStringLiteral("AgPer_BaseImp"), QStringLiteral("500"));
        setText(w(), QStringLiteral("AgPer_Imp_Percibido"), QStringLiteral("15"));
        type(w(), QStringLiteral("AgPer_NumFactura"), QStringLiteral("0001-00000077"));
    }
};

}

TEST_F(PerTest, APerceptionWithoutRateButWithATypedAmountIsSaved)
{
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Registro de Percepción Agente SA"));
    EXPECT_EQ(text(w(), QStringLiteral("Txt_NumAgente")), QStringLiteral("4321/5"));
    EXPECT_EQ(w()->findChild<QWidget*>(QStringLiteral("Cmd_Imprimir")), nullptr);
    EXPECT_EQ(w()->findChild<QWidget*>(QStringLiteral("AgPer_Lugar")), nullptr);

    fillWithoutRate();
    EXPECT_EQ(text(w(), QStringLiteral("AgPer_Imp_Percibido")), QStringLiteral("15,00"));
    EXPECT_TRUE(screen->Check_Datos());
    saveScreenshot(w(), QStringLiteral("frm_agenper"));
    click(w(), QStringLiteral("Cmd_Guardar"));
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.last().toStdString();
    const AgentOperation row = storedOperation(RegisterKind::percepciones());
    EXPECT_EQ(row.importe, Money::fromUnits(1500));
    EXPECT_EQ(row.base, Money::fromUnits(50000));
    EXPECT_FALSE(row.alicuota);
    EXPECT_EQ(stored(QStringLiteral("SELECT AgPer_NumAgPercep FROM Form_AgentPercepcion")).toString(),
        QStringLiteral("4321/5"));
    EXPECT_EQ(stored(QStringLiteral("SELECT AgPer_NumFactura FROM Form_AgentPercepcion")).toString(),
        QStringLiteral("0001-00000077"));

    // Leaving the base computes the amount again from the rate 0.
    setText(w(), QStringLiteral("AgPer_BaseImp"), QStringLiteral("500"));
    EXPECT_EQ(text(w(), QStringLiteral("AgPer_Imp_Percibido")), QStringLiteral("0,00"));
}

TEST_F(PerTest, TheCustomersIdentifiersAreRequiredAndNotTheAgentsOwn)
{
    fillWithoutRate();
    auto* cuit = child<CounterpartIdEdit>(w(), QStringLiteral("CUIT"));
    cuit->setValue(QString());
    click(w(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "Para poder almacenar los datos es necesario tener completo Contribuyente, Calle, Número, "
            "Código Postal, Localidad, Provincia, I.Brutos, CUIT, Fecha Percepción, Base Imponible, "
            "Importe Percepción..."));
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentPercepcion")), 0);

    cuit->setText(QStringLiteral("20-12345678/6"));
    emit cuit->left();
    EXPECT_EQ(boxes.last(), QStringLiteral("No se puede realizar una autopercepción..."));
    click(w(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(boxes.last(), QStringLiteral("No se puede realizar una autopercepción..."));
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentPercepcion")), 0);
}

TEST_F(PerTest, BadDatesAreRefusedAndNamesWithApostrophesKept)
{
    setText(w(), QStringLiteral("AgPer_Fecha_Percepcion"), QStringLiteral("31/12/1899"));
    EXPECT_EQ(boxes.last(), QStringLiteral("La fecha ingresada no es válida..."));
    EXPECT_EQ(text(w(), QStringLiteral("AgPer_Fecha_Percepcion")), QString());
    boxes.clear();
    setText(w(), QStringLiteral("AgPer_Fecha_Percepcion"), QStringLiteral("01/01/2100"));
    EXPECT_EQ(boxes.last(), QStringLiteral("La fecha ingresada no es válida..."));

    fillWithoutRate();
    type(w(), QStringLiteral("AgPer_Contribuyente"), QStringLiteral("O'Higgins \"La Ñata\""));
    click(w(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(stored(QStringLiteral("SELECT AgPer_Contribuyente FROM Form_AgentPercepcion")).toString(),
        QStringLiteral("O'Higgins \"La Ñata\""));
    click(w(), QStringLiteral("Cmd_Alta"));
    auto* list = child<QComboBox>(w(), QStringLiteral("Cbox_Buscar"));
    list->setEditText(QStringLiteral("O'H"));
    click(w(), QStringLiteral("Cmb_Buscar"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), QStringLiteral("15/06/2005,O'Higgins \"La Ñata\""));
}
