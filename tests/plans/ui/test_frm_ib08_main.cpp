#include "../ib08fixture.h"
#include "app/ui/frm_principal.h"
#include "app/ui/programwindows.h"
#include "modaldialogs.h"
#include "plans/ui/frm_ib08.h"
#include "screenshot.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

// The main window over the fixture's database with the program's own module windows.
struct Ib08FromMain : ::testing::Test, Ib08Fixture
{
    bool registered = (app::registerModuleWindows(), true);
    std::unique_ptr<app::Frm_Principal> window = std::make_unique<app::Frm_Principal>(t.db());

    void pressIb08(qint64 cmd)
    {
        window->setCmdId(cmd);
        window->findChild<QAbstractButton*>(QStringLiteral("Cmd_IB08"))->click();
    }
};

}

TEST_F(Ib08FromMain, TheButtonOpensTheFormOfTheSelectedTaxpayer)
{
    ModalDialogs dialogs;
    QString cuit;
    dialogs.expect([&cuit](QDialog* d) {
        ASSERT_NE(qobject_cast<Frm_IB08*>(d), nullptr);
        cuit = d->findChild<QLineEdit*>(QStringLiteral("CP01_CUIT"))->text();
        saveScreenshot(d, QStringLiteral("frm_ib08_desde_principal"));
        d->findChild<QAbstractButton*>(QStringLiteral("Cmd_Aceptar"))->click();
    });
    pressIb08(cmdId);
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_EQ(cuit, QStringLiteral("20-12345678/6"));
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.last().toStdString();
}

TEST_F(Ib08FromMain, WithoutAnInscriptionTheFormSaysWhyAndStaysShut)
{
    pressIb08(taxpayer(QStringLiteral("Sin CP01")));
    EXPECT_EQ(boxes.last(), QStringLiteral("Debe completar el CP01 (Formulario de Inscripción)"));
}
