#include "cp01/cp01form.h"

#include "common/clock.h"
#include "cp01fixture.h"
#include "scriptedmessages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

const QDate Today { 2026, 12, 7 }; // a Monday
const QDate Start { 2003, 2, 1 };

ChosenActivity chosen(const QString& code, qint64 rateHundredths = 300)
{
    return { code, QStringLiteral("Actividad ") + code, Rate::fromUnits(rateHundredths), 1,
        Money::fromUnits(7000) };
}

struct FormFixture : Cp01Fixture
{
    FixedClock clock { Today };
    ScriptedMessages boxes;
    QList<ActivitySelection> editorAnswers;
    QStringList status;
    QList<CheckFailure> failures;
    Cp01Form form { store, cmdId,
        { [this](const QString& text, int ms) { status << text + u'|' + QString::number(ms); },
            [this] { return editorAnswers.isEmpty() ? ActivitySelection {} : editorAnswers.takeFirst(); },
            [this](const CheckFailure& failure) { failures << failure; }, {}, {} } };

    FormFixture() { Clock::install(&clock); }
    ~FormFixture() { Clock::install(nullptr); }

    void named(const QString& tramite)
    {
        ASSERT_TRUE(form.open({ tramite, Fisicas, 0, false }));
        form.record().set(col::Contribuyente, QStringLiteral("Pérez Juan"));
    }
};

}

TEST(Cp01Form, CompanionNeedingTwoRowsWithFiveUsedAddsNeither)
{
    FormFixture f;
    f.named(QStringLiteral("1 - Inscripción"));
    ActivityTable& t = f.form.activities(2);
    for (int i = 0; i < 5; ++i)
        t.row(i).codigo = QString::number(621013 + i);
    const ActivityTable before = t;
    f.editorAnswers << ActivitySelection { chosen(QStringLiteral("624101")),
        chosen(QStringLiteral("311320"), 150) };
    EXPECT_FALSE(f.form.agregarActividad(2));
    EXPECT_EQ(t, before);
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral(
            "Ud. ha seleccionado la actividad 624101 la misma debe ir acompañada por la actividad "
            "311320 el programa permite ingresar solo 6 actividades y Ud. ya tiene seleccionadas 5 "
            "actividades y por limitación del software no puede incorporar éstas dos actividades por "
            "lo tanto la incorporación de las mismas fue cancelada por el sistema..."));

    // A sixth single activity fits; then the grid is full before the editor opens.
    f.editorAnswers << ActivitySelection { chosen(QStringLiteral("624101")), std::nullopt };
    EXPECT_TRUE(f.form.agregarActividad(2));
    EXPECT_EQ(t.count(), 6);
    EXPECT_FALSE(f.form.agregarActividad(2));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("El sistema admite un máximo de 6 actividades..."));
}

TEST(Cp01Form, AddingTheSameActivityTwiceIsRefused)
{
    FormFixture f;
    f.named(QStringLiteral("1 - Inscripción"));
    f.editorAnswers << ActivitySelection { chosen(QStringLiteral("624101")),
        chosen(QStringLiteral("311320"), 150) };
    ASSERT_TRUE(f.form.agregarActividad(1));
    EXPECT_EQ(f.form.activities(1).row(1).codigo, QStringLiteral("311320"));
    f.editorAnswers << ActivitySelection { chosen(QStringLiteral("624101")), std::nullopt };
    EXPECT_FALSE(f.form.agregarActividad(1));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("Ud. ya tiene ingresada la actividad 624101 Actividad 624101 alicuota 3..."));
    f.editorAnswers << ActivitySelection { chosen(QStringLiteral("624101")), std::nullopt };
    f.form.activities(3).add(chosen(QStringLiteral("624101")));
    EXPECT_FALSE(f.form.agregarActividad(3));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Ud. ya tiene ingresada la actividad 624101..."));
    // Another rate is another activity; a cancelled editor adds nothing.
    f.editorAnswers << ActivitySelection { chosen(QStringLiteral("624101"), 0), std::nullopt };
    EXPECT_TRUE(f.form.agregarActividad(1));
    EXPECT_FALSE(f.form.agregarActividad(1));
    EXPECT_EQ(f.form.activities(1).count(), 3);

    f.boxes.clear();
    EXPECT_FALSE(f.form.borrarActividad(1, 5));
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("Seleccione la actividad que desea borrar haciendo click con el mouse en "
                       "renglón que corresponda..."));
    f.boxes.answer(Answer::Yes);
    EXPECT_TRUE(f.form.borrarActividad(1, 0));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Está seguro que desea borrar la actividad \n624101 ..."));
    EXPECT_EQ(f.form.activities(1).row(0).codigo, QStringLiteral("311320"));
}

TEST(Cp01Form, MarkingAnExemptServiceWarnsOfArticle183)
{
    FormFixture f;
    f.named(QStringLiteral("1 - Inscripción"));
    f.form.activities(1).add(chosen(QStringLiteral("951500")));
    f.form.activities(1).add(chosen(QStringLiteral("951928")));
    f.form.marcarExenta(1, 1, true);
    EXPECT_TRUE(f.boxes.shown().isEmpty());
    f.form.marcarExenta(1, 0, true);
    ASSERT_EQ(f.boxes.shown().size(), 1);
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral(
            "Ud. deberá complir con los requisitos del artículo 183 inc. \"o\" para estar exento."));
    EXPECT_EQ(f.boxes.shown().at(0).icon, MessageIcon::Critical);
    EXPECT_TRUE(f.form.activities(1).row(0).exento);
}

TEST(Cp01Form, StoringRefusalsAndTheDateOfPresentation)
{
    FormFixture f;
    ASSERT_TRUE(f.form.open({ QStringLiteral("1 - Inscripción"), Juridicas, 0, false }));
    EXPECT_EQ(f.form.record().text(col::Firma), QStringLiteral("Individual"));
    EXPECT_FALSE(f.form.Guardar());
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("Para poder almacenar los datos es necesario tener completo el Apellido y "
                       "Nombre o Razón Social del Contribuyente..."));

    f.form.record().set(col::Contribuyente, QStringLiteral("Acme S.A."));
    f.form.activities(1).add(chosen(QStringLiteral("624101")));
    EXPECT_FALSE(f.form.Guardar());
    ASSERT_EQ(f.failures.size(), 1);
    EXPECT_EQ(f.failures.at(0).field, QStringLiteral("CP01_Activ_FhInicio"));

    f.form.record().set(col::premises(1, QStringLiteral("FhInicio")), Start);
    EXPECT_FALSE(f.form.Guardar());
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("Error: La actividad 624101 no tiene fecha de inicio \n"
                       "Los datos no serán almacenados..."));
    // The store itself refuses undated activities too, with its own message and status line.
    EXPECT_FALSE(f.form.GuardarCP01(false));
    ASSERT_FALSE(f.status.isEmpty());
    EXPECT_EQ(f.status.last(), QStringLiteral("Operación Cancelada por el Sistema...|1400"));

    f.form.activities(1).row(0).fecha = Start;
    ASSERT_TRUE(f.form.Guardar());
    EXPECT_GT(f.form.record().id(), 0);
    EXPECT_EQ(f.form.record().date(col::FechaPres), Today);

    // A Sunday is refused and the date stays.
    f.boxes.answerText(QStringLiteral("13/12/2026"));
    EXPECT_FALSE(f.form.GuardarCP01(true));
    EXPECT_EQ(f.status.last(), QStringLiteral("Operación cancelada por el sistema...|2000"));
    EXPECT_EQ(f.store.load(f.form.record().id())->date(col::FechaPres), Today);
}

TEST(Cp01Form, ANewProcedureFromTheCurrentOneLeavesItUnchanged)
{
    FormFixture f;
    f.named(QStringLiteral("4 - Apertura Comercio"));
    OpenedPremises& p = f.form.openedPremises();
    p.fields.insert(col::ComNombre, QStringLiteral("Sucursal"));
    p.fields.insert(col::ComNumero, 2);
    ASSERT_TRUE(f.form.Cmd_Com_Guardar()); // stores the procedure first
    const qint64 first = f.form.record().id();
    ASSERT_GT(first, 0);

    EXPECT_EQ(f.boxes.texts().first(),
        QStringLiteral("Ud. seleccionó apertura de comercio, no podrá actualizar otro "
                       "tipo de datos\nque no esté relacionado con la misma..."));
    Cp01Form next(f.store, f.cmdId, {});
    ASSERT_TRUE(next.open({ QStringLiteral("6 - Cese Total"), {}, first, true }));
    EXPECT_EQ(next.record().id(), 0);
    EXPECT_FALSE(next.Cmd_Com_Nuevo());
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("Ud. debe seleccionar el trámite apertura de comercio para poder igresar "
                       "un nuevo comercio..."));
    ASSERT_TRUE(next.Guardar());
    ASSERT_TRUE(next.Guardar());
    EXPECT_NE(next.record().id(), first);
    EXPECT_EQ(f.store.load(first)->tramite(), QStringLiteral("4 - Apertura Comercio"));
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 2);
    EXPECT_EQ(next.openedPremisesList().size(), 1);

    // The premises number of the copied premises is free for itself, taken for a new one.
    ASSERT_TRUE(f.form.seleccionarComercio(p.comId));
    EXPECT_TRUE(f.form.numeroComercioLibre(4, QStringLiteral("2")));
    ASSERT_TRUE(f.form.Cmd_Com_Nuevo());
    EXPECT_FALSE(f.form.numeroComercioLibre(4, QStringLiteral("2")));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Este número de comercio ya existe..."));
}

TEST(Cp01Form, AModificationOpensOnlyTheTabsOfItsSections)
{
    FormFixture f;
    f.named(QStringLiteral("3 - Modificar Datos - Domicilio"));
    EXPECT_EQ(f.form.title(), QStringLiteral("Formulario CP01 3 - Modificar Datos - Domicilio"));
    EXPECT_TRUE(f.form.pedirTab(FormTab::DomicilioFiscal));
    EXPECT_TRUE(f.boxes.shown().isEmpty());
    EXPECT_FALSE(f.form.pedirTab(FormTab::Actividades));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Ud. seleccionó la opción: \n3 - Modificar Datos - Domicilio"));
}
