#include "cp01/activityrules.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp01;

namespace {

const QString Exenta = QStringLiteral("!Esta actividad se encuentra exenta del impuesto sobre los Ing. "
                                      "Brutos por lo que deberá informar sus ingresos en "
                                      "el FORMULARIO CP03 en la tarjeta LIQUIDACION DEL IMPUESTO opción "
                                      "DISTRIBUCION DE LOS INGRESOS, item EXENTOS...");
const QString VentaConsumidor = QStringLiteral("!Seleccione la actividad de venta a consumidor final. Si su "
                                               "actividad se encuentra exenta del impuesto sobre los "
                                               "Ing. Brutos deberá informar sus ingresos en el FORMULARIO "
                                               "CP03 en la tarjeta LIQUIDACION DEL IMPUESTO opción "
                                               "DISTRIBUCION DE LOS INGRESOS, item EXENTOS...");
const QString Consumidor = QStringLiteral("?Vende a Consumidor Final? |question");
const QString Hidro
    = QStringLiteral("?Se vincula con actividades de exploración y explotación hidrocaburífera?|none");
const QString Hidrocarburifera
    = QStringLiteral("?Está vinculado con la actividad Hidrocarburífera...? |question");
const QString ObraNueva = QStringLiteral("?Es Obra nueva o el valor de la mejora supera el 20 % del valor de "
                                         "la construc. según Ley Imp. a las Ganancias "
                                         "\nY\nCumple los requisitos del Dto 4757/98\nY ADEMAS\nNO está "
                                         "vinculado con actividades de exploración y "
                                         "explotación hidrocarburífera?|none");
const QString Matanza
    = QStringLiteral("No es parte de un proceso integrado de matanza, preparación y conservación de carne");

QString fab(int code, const QString& d)
{
    return QStringLiteral("Fabricación: Código de Actividad %1...|").arg(code) + d;
}

// Answers with preset choices and writes down every question and notice in order.
struct Recorder : ActivityQuestions
{
    FabricacionOption option = FabricacionOption::None;
    bool yes = false;
    QStringList log;

    FabricacionOption askFabricacion(const QString& title, const QString& optionD) override
    {
        log << QStringLiteral("Fabricación: ") + title + u'|' + optionD;
        return option;
    }
    bool askYesNo(const QString& text, MessageIcon icon) override
    {
        log << u'?' + text + u'|'
                + (icon == MessageIcon::Question ? QStringLiteral("question") : QStringLiteral("none"));
        return yes;
    }
    void notice(const QString& text) override { log << u'!' + text; }
};

struct Row
{
    int code;
    FabricacionOption option;
    bool yes;
    const char* rate; // "" when the nomenclature's rate stays
    QStringList log;
    int companion = 0;
    const char* caption = "Número de empleados";
    bool toSalePage = false;
};

using F = FabricacionOption;

}

TEST(ActivityRules, EveryRowOfTheAuthoritysTable)
{
    const QList<Row> rows {
        { 353019, F::None, false, "3.50", {} },
        { 353020, F::None, false, "1.00", {} },
        { 355127, F::None, false, "2.00", {} },
        { 384372, F::None, false, "2.00", {} },
        { 321044, F::None, false, "2.00", {} },
        { 321087, F::None, false, "2.00", {} },
        { 342025, F::None, false, "2.00", {} },
        { 311118, F::CumpleDecreto, false, "0.00", { fab(311118, Matanza) } },
        { 311162, F::NoCumpleDecreto, false, "1.50", { fab(311162, Matanza) } },
        { 311170, F::Otra, false, "2.00", { fab(311170, {}) } },
        { 382116, F::Otra, false, "2.00", { fab(382116, QStringLiteral("Es Reparación")) } },
        { 382930, F::CumpleDecreto, false, "0.00", { fab(382930, QStringLiteral("Es Reparación")) } },
        { 382950, F::CumpleDecreto, false, "0.00", { fab(382950, {}) } },
        { 385123, F::NoCumpleDecreto, false, "1.50", { fab(385123, QStringLiteral("Es Reparación")) } },
        { 390976, F::ConsumidorFinal, false, "2.00", { fab(390976, {}) } },
        { 311320, F::ConsumidorFinal, false, "", { fab(311320, {}), VentaConsumidor }, 311320,
            "Número de empleados", true },
        // No option chosen: the rows below decide.
        { 311320, F::None, true, "2.00", { fab(311320, {}), Consumidor } },
        { 311340, F::None, false, "", { fab(311340, {}), Consumidor, Exenta } },
        { 320000, F::None, false, "", { fab(320000, {}) } },
        { 632031, F::None, false, "", {}, 0, "Cantidad de habitaciones existentes" },
        { 831026, F::None, false, "", {}, 0, "Cuantos inmuebles alquila" },
        { 614076, F::None, false, "", { Exenta } },
        { 614084, F::None, false, "", { Exenta } },
        { 111112, F::None, true, "2.00", { Consumidor } },
        { 111481, F::None, false, "", { Consumidor, Exenta } },
        { 113018, F::None, true, "2.00", { Consumidor } },
        { 121029, F::None, true, "2.00", { Consumidor } },
        { 122017, F::None, false, "", { Consumidor, Exenta } },
        { 230103, F::None, true, "2.00", { Consumidor } },
        { 290904, F::None, true, "2.00", { Consumidor } },
        { 121030, F::None, false, "", {} },
        { 500011, F::None, true, "0.00", { ObraNueva } },
        { 500046, F::None, false, "2.00", { ObraNueva } },
        { 500047, F::None, true, "2.00", {} },
        { 500053, F::None, false, "2.00", {} },
        { 500054, F::None, true, "3.00", { Hidro } },
        { 500100, F::None, true, "3.00", { Hidro } },
        { 500194, F::None, false, "2.00", { Hidro } },
        { 833010, F::None, true, "3.00", { Hidro } },
        { 833037, F::None, false, "2.00", { Hidro } },
        { 833053, F::None, true, "3.00", { Hidro } },
        { 834060, F::None, false, "2.00", { Hidro } },
        { 834010, F::None, true, "", {} },
        { 834059, F::None, true, "", {} },
        { 833029, F::None, true, "2.00", {} },
        { 833045, F::None, false, "2.00", {} },
        { 833011, F::None, true, "3.00", { Hidrocarburifera } },
        { 833052, F::None, false, "", { Hidrocarburifera } },
        { 624101, F::None, true, "", {} },
        { 951500, F::None, true, "", {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        Recorder r;
        r.option = row.option;
        r.yes = row.yes;
        const ActivityChoice c = decideActivity(row.code, r);
        EXPECT_EQ(c.effectiveCode, row.code);
        EXPECT_EQ(c.rateOverride ? c.rateOverride->toPlain() : QString(), QString::fromUtf8(row.rate));
        EXPECT_EQ(c.companionCode, row.companion);
        EXPECT_EQ(c.quantityCaption, QString::fromUtf8(row.caption));
        EXPECT_EQ(c.toSalePage, row.toSalePage);
        EXPECT_EQ(r.log, row.log);
    }
}

TEST(ActivityRules, TheSaleActivityTakesThePlaceOfTheManufacturingCode)
{
    Recorder r;
    r.option = FabricacionOption::ConsumidorFinal;
    ActivityChoice c = decideActivity(311320, r);
    chooseSaleActivity(c, 624101);
    EXPECT_EQ(c.effectiveCode, 624101);
    EXPECT_EQ(c.companionCode, 311320);
    EXPECT_FALSE(c.toSalePage);
    EXPECT_FALSE(c.rateOverride.has_value());
}
