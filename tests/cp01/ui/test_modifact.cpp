#include "cp01/nomenclature.h"
#include "cp01/ui/modifact.h"
#include "cp01uifixture.h"
#include "screenshot.h"

#include <QRadioButton>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

struct ModifActTest : Cp01UiFixture
{
    Nomenclature nomenclature { access };

    // Chooses the code on the first page and answers the "Fabricación" dialog with the option.
    void chooseManufacturing(QDialog* editor, ModalDialogs& dialogs, const QString& code, char option)
    {
        dialogs.expect([option](QDialog* d) {
            EXPECT_EQ(d->objectName(), QStringLiteral("ModifActOption"));
            child<QRadioButton>(d, QStringLiteral("Option") + QLatin1Char(option))->setChecked(true);
            click(d, QStringLiteral("Cmd_Aceptar"));
        });
        ASSERT_TRUE(selectRow(child<QTableWidget>(editor, QStringLiteral("Grilla")), code));
        click(editor, QStringLiteral("Cmd_Siguiente"));
    }
};

TEST_F(ModifActTest, AManufacturerSellingToFinalConsumersChoosesTheSaleActivityWithItsCompanion)
{
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* editor) {
        chooseManufacturing(editor, dialogs, QStringLiteral("311320"), 'C');
        EXPECT_TRUE(
            boxes.last().startsWith(QStringLiteral("Seleccione la actividad de venta a consumidor final.")));
        ASSERT_EQ(qobject_cast<ModifAct*>(editor)->currentPage(), ModifAct::SalesPage);
        click(editor, QStringLiteral("Cmd_Siguiente2"));
        EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione una actividad..."));
        ASSERT_TRUE(
            selectRow(child<QTableWidget>(editor, QStringLiteral("GrillaVenta")), QStringLiteral("621013")));
        click(editor, QStringLiteral("Cmd_Siguiente2"));
        EXPECT_EQ(text(editor, QStringLiteral("Lab_Codigo")), QStringLiteral("621013"));
        EXPECT_EQ(text(editor, QStringLiteral("Lab_CompCodigo")), QStringLiteral("311320"));
        EXPECT_EQ(text(editor, QStringLiteral("Lab_CompMinimo")), QStringLiteral("65,00"));
        saveScreenshot(editor, QStringLiteral("modifact_acompanante"));
        click(editor, QStringLiteral("Cmd_Aceptar"));
    });
    const ActivitySelection chosen = ModifAct::choose(nomenclature, nullptr);
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_EQ(chosen.activity.codigo, QStringLiteral("621013"));
    ASSERT_TRUE(chosen.companion.has_value());
    EXPECT_EQ(chosen.companion->codigo, QStringLiteral("311320"));
}

TEST_F(ModifActTest, ADecreeCompliantManufacturerPaysNoRateAndNoMinimumAndCancelReturnsNothing)
{
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* editor) {
        chooseManufacturing(editor, dialogs, QStringLiteral("311324"), 'A');
        EXPECT_EQ(text(editor, QStringLiteral("Lab_Alicuota")), QStringLiteral("0"));
        EXPECT_EQ(text(editor, QStringLiteral("Lab_Minimo")), QStringLiteral("0,00"));
        click(editor, QStringLiteral("Cmd_Cancelar2"));
    });
    EXPECT_TRUE(ModifAct::choose(nomenclature, nullptr).cancelled());
    EXPECT_TRUE(dialogs.allOpened());
}

TEST_F(ModifActTest, TheMinimumFollowsTheNumberOfEmployees)
{
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* editor) {
        ASSERT_TRUE(
            selectRow(child<QTableWidget>(editor, QStringLiteral("Grilla")), QStringLiteral("621013")));
        click(editor, QStringLiteral("Cmd_Siguiente"));
        EXPECT_EQ(text(editor, QStringLiteral("Lab_Minimo")), QStringLiteral("70,00"));
        setText(editor, QStringLiteral("Txt_NumEmp"), QStringLiteral("4"));
        EXPECT_EQ(text(editor, QStringLiteral("Lab_Minimo")), QStringLiteral("192,00"));
        setText(editor, QStringLiteral("Txt_NumEmp"), QStringLiteral("0"));
        EXPECT_EQ(child<QLineEdit>(editor, QStringLiteral("Txt_NumEmp"))->text(), QStringLiteral("1"));
        EXPECT_EQ(text(editor, QStringLiteral("Lab_Minimo")), QStringLiteral("70,00"));
        click(editor, QStringLiteral("Cmd_Aceptar"));
    });
    const ActivitySelection chosen = ModifAct::choose(nomenclature, nullptr);
    EXPECT_EQ(chosen.activity.numEmp, 1);
}

}
