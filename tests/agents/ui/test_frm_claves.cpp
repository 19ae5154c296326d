#include "agents/ui/frm_claves.h"
#include "agentsuifixture.h"
#include "common/ui/identifieredit.h"
#include "screenshot.h"

#include <QCheckBox>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

struct ClavesTest : AgentsUiFixture
{
    // The taxpayer is not an agent yet: the set-up opens this screen.
    bool notYetAnAgent = QSqlQuery(t.db()).exec(
        QStringLiteral("UPDATE CMD SET CMD_NumAgenteRetencion = NULL, CMD_NumAgentePercepcion = NULL"));
    std::unique_ptr<Frm_Claves> screen = std::make_unique<Frm_Claves>(launch());

    QWidget* w() { return screen.get(); }
    IdentifierEdit* retencion()
    {
        return child<IdentifierEdit>(w(), QStringLiteral("CMD_NumAgenteRetencion"));
    }
    IdentifierEdit* percepcion()
    {
        return child<IdentifierEdit>(w(), QStringLiteral("CMD_NumAgentePercepcion"));
    }
    QString cmd(const QString& column)
    {
        return stored(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM CMD")).toString();
    }
};

}

TEST_F(ClavesTest, AValidNumberIsStoredAndTheScreenCloses)
{
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Autorizaciones Agente SA"));
    EXPECT_EQ(text(w(), QStringLiteral("CP01_Contribuyente")), QStringLiteral("Agente SA"));
    click(w(), QStringLiteral("Command1"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "Debe ingresar el número de agente de retención y/o percepción para poder guardar los datos..."));

    // 1234/1: 4 + 6 + 27 + 28 = 65, 65 mod 11 = 10, 11 - 10 = 1.
    retencion()->setText(QStringLiteral("1234/1"));
    saveScreenshot(w(), QStringLiteral("frm_claves"));
    click(w(), QStringLiteral("Command1"));
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(cmd(QStringLiteral("CMD_NumAgenteRetencion")), QStringLiteral("1234/1"));
    EXPECT_EQ(cmd(QStringLiteral("CMD_NumAgentePercepcion")), QString());
}

TEST_F(ClavesTest, WrongCheckDigitsAndZeroNumbersAreRefusedAndEmptied)
{
    retencion()->setText(QStringLiteral("1234/2"));
    click(w(), QStringLiteral("Command1"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Error en el número de agente de retención..."));
    EXPECT_EQ(retencion()->value(), QString());
    EXPECT_NE(screen->result(), QDialog::Accepted);

    percepcion()->setText(QStringLiteral("0000/1"));
    click(w(), QStringLiteral("Command1"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Error en el número de agente de percepción..."));
    EXPECT_EQ(percepcion()->value(), QString());
    EXPECT_EQ(cmd(QStringLiteral("CMD_NumAgentePercepcion")), QString());

    // Leaving a field with a wrong number empties it and says why.
    boxes.clear();
    retencion()->setText(QStringLiteral("1234/2"));
    EXPECT_FALSE(Frm_Claves::NumAgente_Check(retencion()));
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("Error en el número de agente de retención...") });
    EXPECT_EQ(retencion()->value(), QString());

    // Only the perception number filled is enough.
    percepcion()->setText(QStringLiteral("1234/1"));
    click(w(), QStringLiteral("Command1"));
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(cmd(QStringLiteral("CMD_NumAgentePercepcion")), QStringLiteral("1234/1"));
}

TEST_F(ClavesTest, TheInscriptionDataChangeOnlyWithFormCp01Ticked)
{
    auto* name = child<QLineEdit>(w(), QStringLiteral("CP01_Contribuyente"));
    auto* tick = child<QCheckBox>(w(), QStringLiteral("Chk_Form_Cp01"));
    EXPECT_FALSE(tick->isChecked());
    EXPECT_TRUE(name->isReadOnly());
    tick->setChecked(true);
    EXPECT_FALSE(name->isReadOnly());

    name->setText(QString());
    retencion()->setText(QStringLiteral("1234/1"));
    click(w(), QStringLiteral("Command1"));
    EXPECT_EQ(
        boxes.last(), QStringLiteral("Complete el apellido y nombre o razón social del contribuyente..."));
    EXPECT_EQ(cmd(QStringLiteral("CMD_NumAgenteRetencion")), QString());

    name->setText(QStringLiteral("Agente O'Neil SA"));
    click(w(), QStringLiteral("Command1"));
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(stored(QStringLiteral("SELECT CP01_Contribuyente FROM Form_Cp01")).toString(),
        QStringLiteral("Agente O'Neil SA"));
}
