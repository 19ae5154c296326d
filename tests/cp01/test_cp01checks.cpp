#include "cp01/activity.h"
#include "cp01/cp01checks.h"
#include "cp01/dateentry.h"

#include "common/clock.h"
#include "scriptedmessages.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

const QDate Start { 2003, 2, 1 };

ActivityRow row(const QString& code, QDate start, QDate cese = {})
{
    ActivityRow r;
    r.codigo = code;
    r.fecha = start;
    r.fhCese = cese;
    return r;
}

Cp01Record legalPerson()
{
    Cp01Record r;
    r.setPersonType(Juridicas);
    r.set(col::Cuit, QStringLiteral("30-12345678/1"));
    return r;
}

QString messageOf(const std::optional<CheckFailure>& f)
{
    return f ? f->message : QStringLiteral("<accepted>");
}

}

TEST(DateEntry, DigitsRunTogetherAndRefusedDates)
{
    EXPECT_EQ(readTypedDate(u"01022003"), QDate(2003, 2, 1));
    EXPECT_EQ(readTypedDate(u"010203"), QDate(2003, 2, 1));
    EXPECT_EQ(readTypedDate(u" 1/2/2003 "), QDate(2003, 2, 1));
    EXPECT_EQ(readTypedDate(u"31122099"), QDate(2099, 12, 31));
    for (const char16_t* bad : { u"31/02/2003", u"31022003", u"00/00/0000", u"00000000", u"01O22003",
             u"1/feb/2003", u"01022", u"010210000", u"01/02/10000", u"01011899", u"", u"1/2/203" }) {
        EXPECT_FALSE(readTypedDate(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    }
    FixedClock clock(QDate(2026, 12, 7));
    Clock::install(&clock);
    EXPECT_EQ(dateEntry(u"31/02/2003").error(), QStringLiteral("El formato para la fecha es: 07/12/2026"));
    Clock::install(nullptr);
}

TEST(DateEntry, PresentationDateOnWorkingDaysWithItsConfirmation)
{
    EXPECT_EQ(*presentationDateAnswer(QStringLiteral(" 07 12 2026 ")), QDate(2026, 12, 7));
    EXPECT_EQ(presentationDateAnswer(QStringLiteral("06122026")).error(),
        QStringLiteral("El día 06/12/2026 es domingo solo se admiten días hábiles de Lunes a Viernes..."));
    EXPECT_EQ(presentationDateAnswer(QStringLiteral("05/12/2026")).error(),
        QStringLiteral("El día 05/12/2026 es sábado solo se admiten días hábiles de Lunes a Viernes..."));

    FixedClock clock(QDate(2026, 12, 7));
    Clock::install(&clock);
    ScriptedMessages boxes;
    boxes.answerText(QStringLiteral("09122026"));
    boxes.answer(Answer::Yes);
    EXPECT_EQ(PreguntaFechaPresent({}), QDate(2026, 12, 9));
    ASSERT_EQ(boxes.shown().size(), 2);
    EXPECT_EQ(boxes.shown().at(0).text,
        QStringLiteral("Ingrese la fecha de presentación del\nformulario CP01 en la A.G.T."));
    EXPECT_EQ(boxes.shown().at(1).text,
        QStringLiteral("Ud. presentará el formulario el miércoles, 9 de diciembre de 2026..."));
    EXPECT_EQ(boxes.shown().at(1).defaultAnswer, Answer::No);

    boxes.clear();
    boxes.answerText(QStringLiteral("06/12/2026"));
    EXPECT_FALSE(PreguntaFechaPresent({}));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("El día 06/12/2026 es domingo solo se admiten días hábiles de Lunes a Viernes..."));
    boxes.answerText(QStringLiteral("09/12/2026"));
    boxes.answer(Answer::No);
    EXPECT_FALSE(PreguntaFechaPresent({}));
    boxes.answerText(std::nullopt);
    EXPECT_FALSE(PreguntaFechaPresent({}));
    Clock::install(nullptr);
}

TEST(Cp01Checks, ActivityDatesBeforeStoring)
{
    std::array<ActivityTable, 3> p {};
    EXPECT_FALSE(Control_Campos(p));
    p[2].row(0) = row(QStringLiteral("624101"), Start, Start.addDays(-1));
    p[1].row(0) = row(QStringLiteral("624102"), {});
    auto f = Control_Campos(p);
    EXPECT_EQ(messageOf(f),
        QStringLiteral("Ud. Tiene actividades sin declarar la fecha de inicio...\n"
                       "Las mismas no pueden ser almacenadas..."));
    EXPECT_EQ(f->icon, MessageIcon::Warning);
    EXPECT_EQ(f->card, 1);
    p[1].row(0).fecha = Start;
    EXPECT_EQ(messageOf(Control_Campos(p)),
        QStringLiteral("Ud. Tiene actividades con fecha de inicio posterior a la "
                       "de cese...\nLas mismas no pueden ser almacenadas..."));
    p[2].row(0).fhCese = Start;
    EXPECT_FALSE(Control_Campos(p));
    ActivityTable opened;
    opened.row(0) = row(QStringLiteral("624101"), {});
    EXPECT_EQ(Control_Campos_Apertura(opened)->card, 3);
}

TEST(Cp01Checks, ResponsiblePersonsCuits)
{
    Cp01Record r = legalPerson();
    const QString mask = QStringLiteral("__-________/_");
    r.set(col::responsible(4, QStringLiteral("CUIT")), mask);
    r.set(col::responsible(5, QStringLiteral("CUIT")), mask);
    EXPECT_FALSE(Control_Campos_Excluyente(r)); // two empty CUITs are no duplicate

    r.set(col::responsible(4, QStringLiteral("CUIT")), QStringLiteral("20-12345678/6"));
    r.set(col::responsible(5, QStringLiteral("CUIT")), QStringLiteral("20-12345678/6"));
    auto f = Control_Campos_Excluyente(r);
    EXPECT_EQ(messageOf(f),
        QStringLiteral("Error: El N° de CUIT del Responsable 4 es igual al del Responsable 5..."));
    EXPECT_EQ(f->tab, FormTab::Persona);
    EXPECT_EQ(f->card, 4);
    EXPECT_EQ(f->field, QStringLiteral("CP01_PerJur_Resp5_CUIT"));

    r.set(col::responsible(2, QStringLiteral("CUIT")), QStringLiteral("30-12345678/1"));
    EXPECT_EQ(messageOf(Control_Campos_Excluyente(r)),
        QStringLiteral("Error: El N° de CUIT de la empresa es igual al del Responsable 1/2/3..."));

    // A natural person has no responsible persons to compare.
    r.setPersonType(Fisicas);
    EXPECT_FALSE(Control_Campos_Excluyente(r));
}

TEST(Cp01Checks, PremisesDatesAgainstTheirActivities)
{
    Cp01Record r;
    ActivityTable& t = r.premisesActivities(2);
    t.row(0) = row(QStringLiteral("624101"), Start);
    auto f = Control_Campos_Excluyente(r);
    EXPECT_EQ(messageOf(f),
        QStringLiteral("Error: Debe ingresar la fecha de inicio del Comercio 2 \n"
                       "Los datos no serán almacenados..."));
    EXPECT_EQ(f->tab, FormTab::Actividades);
    EXPECT_EQ(f->card, 1);
    EXPECT_EQ(f->field, QStringLiteral("CP01_Activ_FhInicio2"));

    r.set(col::premises(2, QStringLiteral("FhInicio")), Start);
    EXPECT_FALSE(Control_Campos_Excluyente(r));
    const QString tail = QStringLiteral("\nLos datos no serán almacenados...");
    t.row(1) = row(QStringLiteral("624102"), {});
    EXPECT_EQ(messageOf(Control_Campos_Excluyente(r)),
        QStringLiteral("Error: La actividad 624102 no tiene fecha de inicio ") + tail);
    t.row(1) = row(QStringLiteral("624102"), Start.addDays(-1));
    EXPECT_EQ(messageOf(Control_Campos_Excluyente(r)),
        QStringLiteral(
            "Error: la fecha de inicio de la actividad 624102 es anterior a la fecha de inicio del "
            "Comercio 2 ")
            + tail);
    t.row(1) = row(QStringLiteral("624102"), Start.addDays(5), Start.addDays(2));
    EXPECT_EQ(messageOf(Control_Campos_Excluyente(r)),
        QStringLiteral("Error: la fecha de inicio de la actividad 624102 es posterior a la de cese ") + tail);

    OpenedPremises opened;
    opened.activities.row(0) = row(QStringLiteral("624101"), Start, Start.addDays(-3));
    EXPECT_EQ(messageOf(openedPremisesDates(opened)),
        QStringLiteral(
            "Error: Debe ingresar la fecha de inicio del Comercio \nLos datos no serán almacenados..."));
    opened.fields.insert(col::ComInicio, Start);
    EXPECT_EQ(messageOf(openedPremisesDates(opened)),
        QStringLiteral("Error: La fecha de cese de la actividad 624101 es anterior a la fecha de inicio del "
                       "Comercio ")
            + tail);
}

TEST(Cp01Checks, PremisesNumbersAndExemptCodes)
{
    Cp01Record r;
    r.set(col::premises(1, QStringLiteral("ComerNum")), 1);
    r.set(col::premises(3, QStringLiteral("ComerNum")), 3);
    OpenedPremises opened;
    opened.fields.insert(col::ComNumero, 7);
    EXPECT_TRUE(premisesNumberOnScreen(r, &opened, 2, QStringLiteral("3")));
    EXPECT_FALSE(premisesNumberOnScreen(r, &opened, 3, QStringLiteral("3")));
    EXPECT_TRUE(premisesNumberOnScreen(r, &opened, 1, QStringLiteral(" 7")));
    EXPECT_FALSE(premisesNumberOnScreen(r, &opened, 4, QStringLiteral("7")));
    EXPECT_TRUE(premisesNumberOnScreen(r, &opened, 4, QStringLiteral("1")));
    EXPECT_FALSE(premisesNumberOnScreen(r, nullptr, 1, QStringLiteral("7")));

    for (const char* c : { "951110", "951500", "951927", "959111", "959138" })
        EXPECT_TRUE(needsArticle183Warning(QString::fromLatin1(c))) << c;
    for (const char* c : { "951109", "951928", "959110", "959139", "", "abc" })
        EXPECT_FALSE(needsArticle183Warning(QString::fromLatin1(c))) << c;
}
