#include "cp01/ui/frm_cp01menu.h"
#include "cp01/ui/modifact.h"
#include "cp01uifixture.h"
#include "screenshot.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

struct MenuTest : Cp01UiFixture
{
    std::unique_ptr<Frm_CP01Menu> menu = std::make_unique<Frm_CP01Menu>(t.db(), cmdId, 0);

    void chooseOption(int option)
    {
        if (menu->currentPage() == Frm_CP01Menu::PersonPage)
            click(menu.get(), QStringLiteral("Cmd_Prox"));
        child<QRadioButton>(menu.get(), QStringLiteral("Option1_%1").arg(option))->setChecked(true);
        click(menu.get(), QStringLiteral("Cmd_Prox"));
    }
    QTableWidget* list() { return child<QTableWidget>(menu.get(), QStringLiteral("Grilla")); }
    // Leaves the form with its question answered Yes.
    void leave(QDialog* form)
    {
        boxes.answer(Answer::Yes);
        click(form, QStringLiteral("Cmd_Aceptar"));
    }
};

TEST_F(MenuTest, InscribingATaxpayerFromTheWizardStoresItAndListsIt)
{
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* d) {
        auto* form = qobject_cast<Frm_CP01*>(d);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Formulario CP01 1 - Inscripción"));
        EXPECT_EQ(text(form, QStringLiteral("Lab_Personas")), QStringLiteral("FISICAS"));
        setText(form, QStringLiteral("CP01_Contribuyente"), QStringLiteral("Pérez Juan"));
        saveScreenshot(form, QStringLiteral("frm_cp01_persona_fisica"));
        setText(form, QStringLiteral("CP01_Activ_Nombre"), QStringLiteral("Almacén Don Pepe"));
        setText(form, QStringLiteral("CP01_Activ_FhInicio"), QStringLiteral("01022003"));
        EXPECT_EQ(child<QLineEdit>(form, QStringLiteral("CP01_Activ_FhInicio"))->text(),
            QStringLiteral("01/02/2003"));
        dialogs.expect([](QDialog* editor) {
            ASSERT_TRUE(
                selectRow(child<QTableWidget>(editor, QStringLiteral("Grilla")), QStringLiteral("621013")));
            click(editor, QStringLiteral("Cmd_Siguiente"));
            setText(editor, QStringLiteral("Txt_NumEmp"), QStringLiteral("2"));
            saveScreenshot(editor, QStringLiteral("modifact_figuras"));
            EXPECT_EQ(text(editor, QStringLiteral("Lab_Minimo")), QStringLiteral("126,00"));
            click(editor, QStringLiteral("Cmd_Aceptar"));
        });
        click(form, QStringLiteral("Cmd_Agregar1"));
        QAbstractItemModel* grid = gridModel(form, 1);
        EXPECT_EQ(grid->index(0, 0).data().toString(), QStringLiteral("621013"));
        EXPECT_EQ(grid->index(0, 3).data().toString(), QStringLiteral("2"));
        EXPECT_TRUE(grid->setData(grid->index(0, 5), QStringLiteral("01022003")));
        child<QTabWidget>(form, QStringLiteral("vsIndexTab1"))->setCurrentIndex(3);
        saveScreenshot(form, QStringLiteral("frm_cp01_actividades"));
        click(form, QStringLiteral("Guardar"));
        EXPECT_FALSE(text(form, QStringLiteral("CP01_ID")).isEmpty())
            << boxes.texts().join(u'|').toStdString();
        leave(form);
    });
    saveScreenshot(menu.get(), QStringLiteral("frm_cp01menu_persona"));
    chooseOption(1);
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_TRUE(boxes.texts().contains(QStringLiteral("Está seguro que desea salir...")));

    chooseOption(Frm_CP01Menu::ListOption);
    saveScreenshot(menu.get(), QStringLiteral("frm_cp01menu_lista"));
    ASSERT_EQ(list()->rowCount(), 1);
    EXPECT_EQ(list()->item(0, 0)->text(), QStringLiteral("Pérez Juan"));
    EXPECT_EQ(list()->item(0, 1)->text(), QStringLiteral("1 - Inscripción"));
    EXPECT_EQ(list()->item(0, 2)->text(), QStringLiteral("07/12/2026"));
    EXPECT_EQ(list()->item(0, 3)->text(), QStringLiteral("Almacén Don Pepe"));
    EXPECT_EQ(countOf(t.db(),
                  QStringLiteral("SELECT COUNT(*) FROM Form_Cp01_Act WHERE Act_Codigo = '621013' "
                                 "AND Act_NumEmp = 2")),
        1);
}

TEST_F(MenuTest, ASecondInscriptionIsRefused)
{
    storeInscription(QDate(2026, 12, 1));
    chooseOption(1);
    EXPECT_EQ(boxes.last(), QStringLiteral("Ya está inscripto el contribuyente..."));
    EXPECT_EQ(menu->currentPage(), Frm_CP01Menu::OptionPage);
}

TEST_F(MenuTest, AModificationOfAddressAndActivitiesIsStoredAsANewProcedureWithOnlyItsTabsOpen)
{
    const qint64 inscription = storeInscription(QDate(2026, 12, 1));
    ModalDialogs dialogs;
    dialogs.expect([&](QDialog* d) {
        auto* tabs = child<QTabWidget>(d, QStringLiteral("vsIndexTab1"));
        EXPECT_EQ(tabs->currentIndex(), 2);
        tabs->setCurrentIndex(0);
        EXPECT_EQ(tabs->currentIndex(), 2);
        EXPECT_EQ(boxes.last(),
            QStringLiteral("Ud. seleccionó la opción: \n3 - Modificar Datos - Actividades - Domicilio"));
        tabs->setCurrentIndex(3);
        EXPECT_EQ(tabs->currentIndex(), 3);
        EXPECT_EQ(gridModel(d, 1)->index(0, 0).data().toString(), QStringLiteral("621013"));
        setText(d, QStringLiteral("CP01_DomFisc_Domicilio"), QStringLiteral("San Martín"));
        click(d, QStringLiteral("Guardar"));
        leave(qobject_cast<QDialog*>(d));
    });
    chooseOption(3);
    ASSERT_EQ(menu->currentPage(), Frm_CP01Menu::SectionsPage);
    saveScreenshot(menu.get(), QStringLiteral("frm_cp01menu_secciones"));
    child<QCheckBox>(menu.get(), QStringLiteral("Opt_Modif1"))->setChecked(true); // Actividades
    child<QCheckBox>(menu.get(), QStringLiteral("Opt_Modif2"))->setChecked(true); // Domicilio
    click(menu.get(), QStringLiteral("Cmd_Prox"));
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_TRUE(boxes.texts().contains(
        QStringLiteral("Deberá presentar el CP01 en la AGT con carácter obligatorio...")));

    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 2);
    EXPECT_EQ(countOf(t.db(),
                  QStringLiteral("SELECT COUNT(*) FROM Form_Cp01 WHERE CP01_ID = %1 AND "
                                 "CP01_DomFisc_Domicilio IS NULL")
                      .arg(inscription)),
        1);
    click(menu.get(), QStringLiteral("Cmd_Previo"));
    chooseOption(Frm_CP01Menu::ListOption);
    ASSERT_EQ(list()->rowCount(), 2);
    EXPECT_EQ(list()->item(0, 1)->text(), QStringLiteral("3 - Modificar Datos - Actividades - Domicilio"));
}

TEST_F(MenuTest, DeletingAsksFirstAndTheInscriptionTakesEveryProcedure)
{
    storeInscription(QDate(2026, 12, 1));
    storeInscription(QDate(2026, 12, 2), QStringLiteral("5 - Alta/Baja Actividades"));
    chooseOption(Frm_CP01Menu::ListOption);
    ASSERT_EQ(list()->rowCount(), 2);

    click(menu.get(), QStringLiteral("Cmd_BorrarTramite"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione el trámite que desea borrar..."));

    list()->selectRow(0);
    boxes.answer(Answer::No);
    click(menu.get(), QStringLiteral("Cmd_BorrarTramite"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Operación cancelada por el operador..."));
    EXPECT_EQ(list()->rowCount(), 2);

    list()->selectRow(1);
    boxes.clear();
    boxes.answer(Answer::Yes);
    click(menu.get(), QStringLiteral("Cmd_BorrarTramite"));
    EXPECT_EQ(boxes.texts(),
        QStringList(
            { QStringLiteral("Advertencia: al borrar el trámite de Inscripción se borrarán todos los otros "
                             "trámites..."),
                QStringLiteral(
                    "Está seguro que desea borrar todos los trámites del contribuyente Pérez Juan ..."),
                QStringLiteral("Trámites borrado..."), QStringLiteral("No hay registros...") }));
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 0);
    EXPECT_EQ(list()->rowCount(), 0);
}

}
