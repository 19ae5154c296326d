#include "cp01/proceduremenu.h"

#include "cp01fixture.h"
#include "scriptedmessages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

const QDate Day { 2003, 2, 3 };

struct MenuFixture : Cp01Fixture
{
    ScriptedMessages boxes;
    ProcedureMenu menu { store, cmdId, QStringLiteral("Pérez Juan") };

    qint64 stored(const QString& tramite, QDate d)
    {
        Cp01Record r = newRecord(tramite, d);
        EXPECT_TRUE(store.GuardarCP01(r, cmdId, 0));
        return r.id();
    }
};

}

TEST(ProcedureMenu, TheInscriptionIsStartedOnlyOnce)
{
    MenuFixture f;
    auto first = f.menu.Cmd_Prox(ProcedureType::Inscripcion, Fisicas);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->tramite, QStringLiteral("1 - Inscripción"));
    EXPECT_EQ(first->loadKey, 0);
    EXPECT_TRUE(f.boxes.shown().isEmpty());

    f.stored(QStringLiteral("1 - Inscripción"), Day);
    EXPECT_FALSE(f.menu.Cmd_Prox(ProcedureType::Inscripcion, Fisicas));
    EXPECT_EQ(f.boxes.texts(), QStringList { QStringLiteral("Ya está inscripto el contribuyente...") });
}

TEST(ProcedureMenu, OtherProceduresStartFromTheCurrentOne)
{
    MenuFixture f;
    EXPECT_FALSE(f.menu.Cmd_Prox(ProcedureType::AltaBajaActividades, Fisicas));
    EXPECT_EQ(f.boxes.texts(),
        (QStringList { QStringLiteral("Deberá presentar el CP01 en la AGT con carácter obligatorio..."),
            QStringLiteral("No se encontró el trámite de Inscripción...") }));
    f.boxes.clear();
    f.stored(QStringLiteral("1 - Inscripción"), Day);
    const qint64 latest = f.stored(QStringLiteral("4 - Apertura Comercio"), Day.addDays(2));
    auto next = f.menu.Cmd_Prox(ProcedureType::AltaBajaActividades, Juridicas);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->tramite, QStringLiteral("5 - Alta/Baja Actividades"));
    EXPECT_EQ(next->loadKey, latest);
    EXPECT_TRUE(next->asNewProcedure);
    EXPECT_EQ(f.boxes.texts(),
        QStringList { QStringLiteral("Deberá presentar el CP01 en la AGT con carácter obligatorio...") });
}

TEST(ProcedureMenu, AfterACessationOnlyReinscriptionIsAccepted)
{
    MenuFixture f;
    f.stored(QStringLiteral("1 - Inscripción"), Day);
    const qint64 cese = f.stored(QStringLiteral("6 - Cese Total"), Day.addDays(1));
    for (ProcedureType t : { ProcedureType::ModificarDatos, ProcedureType::AperturaComercio,
             ProcedureType::AltaBajaActividades, ProcedureType::CeseTotal }) {
        f.boxes.clear();
        EXPECT_FALSE(f.menu.Cmd_Prox(t, Fisicas));
        EXPECT_EQ(f.boxes.texts(),
            QStringList { QStringLiteral("Sólo se acepta el trámite Reinscripción luego de un Cese...") });
    }
    auto again = f.menu.Cmd_Prox(ProcedureType::Reinscripcion, Fisicas);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->tramite, QStringLiteral("2 - Reinscripción"));
    EXPECT_EQ(again->loadKey, cese);
}

TEST(ProcedureMenu, AModificationNamesItsSectionsAndUnlocksTheirTabs)
{
    MenuFixture f;
    const qint64 inscription = f.stored(QStringLiteral("1 - Inscripción"), Day);
    auto next = f.menu.Cmd_Prox(
        ProcedureType::ModificarDatos, Fisicas, { Section::Domicilio, Section::Actividades });
    ASSERT_TRUE(next);
    EXPECT_EQ(next->tramite, QStringLiteral("3 - Modificar Datos - Domicilio - Actividades"));

    Cp01Record r = f.store.load(next->loadKey)->derived(next->tramite);
    r.set(col::FechaPres, Day.addDays(1));
    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, inscription));
    EXPECT_EQ(
        f.store.load(r.id())->tramite(), QStringLiteral("3 - Modificar Datos - Domicilio - Actividades"));
    EXPECT_EQ(f.store.load(inscription)->tramite(), QStringLiteral("1 - Inscripción"));

    EXPECT_TRUE(tabUnlocked(r.tramite(), FormTab::DomicilioFiscal));
    EXPECT_TRUE(tabUnlocked(r.tramite(), FormTab::Actividades));
    EXPECT_FALSE(tabUnlocked(r.tramite(), FormTab::Persona));
    EXPECT_FALSE(tabUnlocked(r.tramite(), FormTab::InfComplementaria));
    const QString others = modificationText({ Section::OtrosDatos, Section::RazonSocial });
    EXPECT_EQ(others, QStringLiteral("3 - Modificar Datos - Otros Datos - Razón Social"));
    EXPECT_TRUE(tabUnlocked(others, FormTab::InfComplementaria));
    EXPECT_TRUE(tabUnlocked(others, FormTab::Persona));
    EXPECT_FALSE(tabUnlocked(others, FormTab::DomicilioFiscal));
    EXPECT_TRUE(tabUnlocked(QStringLiteral("5 - Alta/Baja Actividades"), FormTab::Persona));
}

TEST(ProcedureMenu, ListingAndDeletingProcedures)
{
    MenuFixture f;
    EXPECT_TRUE(f.menu.CargarGrilla().isEmpty());
    EXPECT_EQ(f.boxes.texts(), QStringList { QStringLiteral("No hay registros...") });
    f.stored(QStringLiteral("1 - Inscripción"), Day);
    f.stored(QStringLiteral("5 - Alta/Baja Actividades"), Day.addDays(1));
    f.stored(QStringLiteral("3 - Modificar Datos - Domicilio"), Day.addDays(2));
    QList<ProcedureListRow> rows = f.menu.CargarGrilla();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(2).tramite, QStringLiteral("1 - Inscripción"));
    EXPECT_EQ(f.menu.Cmd_ModTram(&rows.at(1))->loadKey, rows.at(1).id);
    EXPECT_FALSE(f.menu.Cmd_ModTram(nullptr));

    f.boxes.clear();
    EXPECT_FALSE(f.menu.Cmd_BorrarTramite(nullptr));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Seleccione el trámite que desea borrar..."));

    // One procedure: its question defaults to No.
    f.boxes.clear();
    EXPECT_FALSE(f.menu.Cmd_BorrarTramite(&rows.at(1)));
    ASSERT_EQ(f.boxes.shown().size(), 2);
    EXPECT_EQ(f.boxes.shown().at(0).text,
        QStringLiteral("Está seguro que desea borrar el trámite 5 - Alta/Baja Actividades del contribuyente "
                       "Pérez Juan ..."));
    EXPECT_EQ(f.boxes.shown().at(0).defaultAnswer, Answer::No);
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Operación cancelada por el operador..."));
    f.boxes.answer(Answer::Yes);
    EXPECT_TRUE(f.menu.Cmd_BorrarTramite(&rows.at(1)));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Trámite borrado..."));
    EXPECT_EQ(f.store.CargarGrilla(f.cmdId)->size(), 2);

    // The inscription takes every procedure of the taxpayer with it.
    f.boxes.clear();
    f.boxes.answer(Answer::Yes);
    EXPECT_TRUE(f.menu.Cmd_BorrarTramite(&rows.at(2)));
    EXPECT_EQ(f.boxes.texts(),
        (QStringList {
            QStringLiteral("Advertencia: al borrar el trámite de Inscripción se borrarán todos los "
                           "otros trámites..."),
            QStringLiteral("Está seguro que desea borrar todos los trámites del contribuyente Pérez "
                           "Juan ..."),
            QStringLiteral("Trámites borrado...") }));
    EXPECT_TRUE(f.store.CargarGrilla(f.cmdId)->isEmpty());
}
