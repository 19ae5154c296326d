#include "common/clock.h"
#include "sid3/nuevotramite.h"
#include "sid3fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

namespace {

// Today is 20/03/2003; indices exist from 2003 to the end of March.
struct NuevoTramiteTest : ::testing::Test
{
    Sid3Fixture f;
    FixedClock clock { QDate(2003, 3, 20) };
    NuevoTramite dialog { f.store, f.indices, f.cmdId, f.cp01Id };

    void SetUp() override
    {
        Clock::install(&clock);
        f.addIndices(QDate(2002, 12, 1), QDate(2003, 4, 30));
    }
    void TearDown() override { Clock::install(nullptr); }

    void storeAnticipo(qint64 cp01Id, int month, int year)
    {
        auto started = dialog.accept(month, year, Procedure::Anticipo);
        ASSERT_TRUE(started) << started.error().toStdString();
        Declaration d = started->declaration(cp01Id);
        ASSERT_TRUE(f.store.Guardar_Sid3(d, {}));
    }
};

}

TEST_F(NuevoTramiteTest, ProposesThePreviousMonth)
{
    EXPECT_EQ(NuevoTramite::CargaTasa(), (Period { 2, 2003 }));
    clock.set(QDate(2003, 1, 5).startOfDay());
    EXPECT_EQ(NuevoTramite::CargaTasa(), (Period { 12, 2002 }));
}

TEST_F(NuevoTramiteTest, TheCurrentMonthIsAcceptedTheNextIsNot)
{
    auto march = dialog.accept(3, 2003, Procedure::Anticipo);
    ASSERT_TRUE(march) << march.error().toStdString();
    EXPECT_EQ(march->tasa.toPlain(), QStringLiteral("3.00"));
    const Declaration d = march->declaration(f.cp01Id);
    EXPECT_EQ(d.tramite, 4);
    EXPECT_EQ(d.tramiteDescrip, QStringLiteral("Anticipo"));
    EXPECT_EQ(d.id, 0);

    auto april = dialog.accept(4, 2003, Procedure::Anticipo);
    ASSERT_FALSE(april);
    EXPECT_EQ(april.error(), QStringLiteral("Ud. no puede liquidar el CP03 por anticipado..."));
}

TEST_F(NuevoTramiteTest, NeedsTheIndexOfThePaymentMonth)
{
    clock.set(QDate(2003, 6, 2).startOfDay());
    // The period's own rate exists (April) but not the index of 01/05/2003.
    auto april = dialog.accept(4, 2003, Procedure::Anticipo);
    ASSERT_FALSE(april);
    EXPECT_EQ(april.error(),
        QStringLiteral("Ud. no puede liquidar un período sin tener ingresada la tasa correspondiente...\n"
                       "Ud. debe cargar el índice correspondiente al mes de pago..."));
    auto before = dialog.accept(11, 2002, Procedure::Anticipo); // 01/12/2002 exists, 01/11/2002 does not
    ASSERT_FALSE(before);
    EXPECT_EQ(before.error(), QStringLiteral("No tiene la tasa correspondiente al periodo 11 del 2002..."));
}

TEST_F(NuevoTramiteTest, MonthYearAndProcedureChecks)
{
    auto month = dialog.accept(13, 2003, Procedure::Anticipo);
    ASSERT_FALSE(month);
    EXPECT_EQ(month.error(), QStringLiteral("El mes debe ser un número comprendido entre 1 y 12..."));
    auto none = dialog.accept(2, 2003, std::nullopt);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error(), QStringLiteral("Seleccione el trámite..."));

    EXPECT_EQ(normalizeYear(3), 1903);
    EXPECT_EQ(normalizeYear(2500), 2200);
    EXPECT_EQ(normalizeYear(2003), 2003);
    EXPECT_EQ(yearText(normalizeYear(3)), QStringLiteral("1903"));
    EXPECT_EQ(yearText(150), QStringLiteral("0150"));
}

TEST_F(NuevoTramiteTest, OneAnticipoPerPeriodAndInscription)
{
    storeAnticipo(f.cp01Id, 2, 2003);
    auto second = dialog.accept(2, 2003, Procedure::Anticipo);
    ASSERT_FALSE(second);
    EXPECT_EQ(second.error(), QStringLiteral("Ud. ya tiene ingresado un anticipo para el período 2/2003..."));
    EXPECT_TRUE(dialog.accept(1, 2003, Procedure::Anticipo));
}

TEST_F(NuevoTramiteTest, RectificativaNeedsAnAnticipoOfAnyInscriptionOfTheTaxpayer)
{
    auto alone = dialog.accept(2, 2003, Procedure::Rectificativa);
    ASSERT_FALSE(alone);
    EXPECT_EQ(alone.error(),
        QStringLiteral("Ud. no tiene ingresado el anticipo para el período 2/2003...\n"
                       "No puede realizar rectificativa en éstas condiciones..."));

    // The anticipo was filed under an older inscription of the same taxpayer.
    const qint64 older = f.addInscription(QStringLiteral("2002-05-01"));
    storeAnticipo(older, 2, 2003);
    for (int i = 0; i < 2; ++i) {
        auto rect = dialog.accept(2, 2003, Procedure::Rectificativa);
        ASSERT_TRUE(rect) << rect.error().toStdString();
        Declaration d = rect->declaration(f.cp01Id);
        EXPECT_EQ(d.tramiteDescrip, QStringLiteral("Rectificativa"));
        ASSERT_TRUE(f.store.Guardar_Sid3(d, {}));
    }

    // Another taxpayer's anticipo does not count.
    const qint64 other
        = insertRow(f.t.db(), QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES ('Otro')"), {});
    NuevoTramite otherDialog(f.store, f.indices, other, f.addInscription(QStringLiteral("2003-01-01")));
    EXPECT_FALSE(otherDialog.accept(2, 2003, Procedure::Rectificativa));
}
