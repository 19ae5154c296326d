#include "common/print/pagecanvas.h"
#include "common/print/pageoutput.h"
#include "pagerecorder.h"
#include "plans/slipprintflow.h"
#include "plansfixture.h"
#include "scriptedmessages.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

const QString Line = QStringLiteral("20123456786"
                                    "0000123"
                                    "0004"
                                    "130526"
                                    "0000100000"
                                    "0000001000"
                                    "0000101000"
                                    "230526");

// Instalment 4 of plan 123, due Wednesday 13 May 2026, paid ten days late at 3.00 %.
InstalmentSlip lateSlip()
{
    const PaymentPlan plan = grantedPlan(QStringLiteral("123"), QDate(2026, 1, 13));
    const QDate due = CalculaVto(plan.fechaVtoCta2, 4);
    return instalmentSlip(plan, 4, due, due.addDays(10));
}

SlipTaxpayer taxpayer()
{
    FieldValues cp01;
    const auto set = [&cp01](const char* column, const QVariant& v) {
        cp01.insert(QStringLiteral("CP01_") + QString::fromLatin1(column), v);
    };
    set("Contribuyente", QStringLiteral("Peña ÁLVAREZ, José"));
    set("CUIT", QStringLiteral("20-12345678/6"));
    set("IngBrut", QStringLiteral("012-123456/00"));
    set("DomFisc_Domicilio", QStringLiteral("San Martín"));
    set("DomFisc_DomNumero", QStringLiteral("1234"));
    set("DomFisc_Piso", QStringLiteral("2"));
    set("DomFisc_Depto", QStringLiteral("B"));
    set("DomFisc_Localidad", QStringLiteral("Capital"));
    set("DomFisc_Provincia", QStringLiteral("VALDERA"));
    set("DomFisc_CodPostal", 5000);
    return SlipTaxpayer::fromFields(cp01);
}

QList<PlacedText> paintedTexts(SlipPage& page)
{
    PlacedTextRecorder device;
    QPainter painter(&device);
    print::PageCanvas canvas(painter);
    page.paintPage(0, canvas);
    painter.end();
    return device.texts;
}

// Every place the text was painted at.
QList<PlacedText> all(const QList<PlacedText>& texts, const QString& text)
{
    QList<PlacedText> out;
    for (const PlacedText& t : texts) {
        if (t.text == text)
            out << t;
    }
    return out;
}

// The stub (0 to 2) a place on the page belongs to.
int stubOf(const PlacedText& t)
{
    return static_cast<int>(t.mm.y() / SlipPage::StubHeight);
}

}

TEST(SlipPage, ThreeStubsEachWithItsTitleTextsValuesAndLine)
{
    auto built = SlipPrintFlow::page(lateSlip(), taxpayer());
    ASSERT_TRUE(built) << built.error().toStdString();
    EXPECT_EQ(built->documentName(), QStringLiteral("Formulario IB08"));
    EXPECT_EQ(built->pageCount(), 1);
    const QList<PlacedText> page = paintedTexts(*built);

    const QStringList stubTitles { QStringLiteral("TALON  PARA  LA  A.G.T."),
        QStringLiteral("TALON PARA EL BANCO"), QStringLiteral("TALON PARA EL CONTRIBUYENTE") };
    for (int stub = 0; stub < 3; ++stub) {
        const QList<PlacedText> title = all(page, stubTitles.at(stub));
        ASSERT_EQ(title.size(), 1) << stub;
        EXPECT_EQ(stubOf(title.front()), stub);
    }
    // Texts and values every stub carries once, inside the stub.
    const QStringList everyStub { QStringLiteral("A.G.T. - PLAN DE FACILIDADES DE PAGO"),
        QStringLiteral("AGENCIA GENERAL TRIBUTARIA"), QStringLiteral("PROVINCIA DEL VALDERA"),
        QStringLiteral("PLAN Nº"), QStringLiteral("0000123"), QStringLiteral("CUOTA Nº"),
        QStringLiteral("DATOS  DEL CONTRIBUYENTE"), QStringLiteral("Peña ÁLVAREZ, José"),
        QStringLiteral("San Martín 1234, Piso 2, Dpto. B"), QStringLiteral("C.P. 5000 - Capital - VALDERA"),
        QStringLiteral("I.B.:"), QStringLiteral("012-123456/00"), QStringLiteral("CUIT:"),
        QStringLiteral("20-12345678/6"), QStringLiteral("Fecha"), QStringLiteral("Importe"),
        QStringLiteral("Depositado"), QStringLiteral("Efectivo"),
        QStringLiteral("Cheque                 Nº________________________"),
        QStringLiteral("C/Banco_________________________________"),
        QStringLiteral("Sucursal_________________________________"),
        QStringLiteral("Cantidad de Cuotas Total del Plan:"), QStringLiteral("Importe Cuota:"),
        QStringLiteral("1.000,00"), QStringLiteral("Vto.:"), QStringLiteral("13/05/2026"),
        QStringLiteral("Interés:"), QStringLiteral("10,00"), QStringLiteral("Tasa:"), QStringLiteral("3,00"),
        QStringLiteral("Total:"), QStringLiteral("Son Pesos :"),
        QStringLiteral("Firma y Sello del cajero al dorso"), QStringLiteral("23/05/2026"),
        QStringLiteral("12"), QStringLiteral("4"), Line };
    for (const QString& text : everyStub) {
        const QList<PlacedText> found = all(page, text);
        ASSERT_EQ(found.size(), 3) << text.toStdString();
        for (int stub = 0; stub < 3; ++stub)
            EXPECT_EQ(stubOf(found.at(stub)), stub) << text.toStdString();
    }
    // The total is in the plan data, after "Son Pesos :" and in the payment box.
    EXPECT_EQ(all(page, QStringLiteral("1.010,00")).size(), 9);
    // The amounts end at one column: the instalment, the interest and the total of the plan data.
    const qreal cuotaEnd = all(page, QStringLiteral("1.000,00")).front().mm.x();
    const qreal interesEnd = all(page, QStringLiteral("10,00")).front().mm.x();
    EXPECT_LT(cuotaEnd, interesEnd);
    // Within a stub, the places repeat 99 mm lower.
    const QList<PlacedText> lines = all(page, Line);
    EXPECT_NEAR(lines.at(1).mm.y() - lines.at(0).mm.y(), 99, 0.01);
    EXPECT_NEAR(lines.at(2).mm.y() - lines.at(1).mm.y(), 99, 0.01);
    EXPECT_NEAR(lines.at(0).mm.x(), lines.at(2).mm.x(), 0.01);
    // Nothing falls off the page.
    for (const PlacedText& t : page) {
        EXPECT_GE(t.mm.x(), 0) << t.text.toStdString();
        EXPECT_LE(t.mm.y(), 297) << t.text.toStdString();
    }
}

TEST(SlipPrintFlow, RefusedSlipsNeverReachThePrinter)
{
    ScriptedMessages boxes;
    int asked = 0;
    SlipPrintFlow flow({ [&asked] {
                            ++asked;
                            return true;
                        },
        [](SlipPage&) { return true; } });
    InstalmentSlip unpaid = lateSlip();
    unpaid.pago = QDate();
    EXPECT_FALSE(flow.Imprimir(unpaid, taxpayer()));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Para poder almacenar los datos es necesario tener completo todos los campos..."));

    InstalmentSlip big = lateSlip();
    big.plan.importeCuota = money("99999999.99");
    big = instalmentSlip(big.plan, 4, big.vencimiento, big.pago);
    EXPECT_FALSE(flow.Imprimir(big, taxpayer()));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("El valor de \"Total\" tiene 11 dígitos y el formulario admite 10.\n"
                       "No se imprimió el formulario."));
    EXPECT_EQ(asked, 0);
}

TEST(SlipPrintFlow, ACancelledPrinterChoicePrintsNothing)
{
    ScriptedMessages boxes;
    bool shown = false;
    SlipPrintFlow cancelled({ [] { return false; }, [&shown](SlipPage&) { return shown = true; } });
    EXPECT_FALSE(cancelled.Imprimir(lateSlip(), taxpayer()));
    EXPECT_FALSE(shown);

    QString line;
    SlipPrintFlow printed({ [] { return true; },
        [&line](SlipPage& page) {
            line = all(paintedTexts(page), Line).isEmpty() ? QString() : Line;
            return true;
        } });
    EXPECT_TRUE(printed.Imprimir(lateSlip(), taxpayer()));
    EXPECT_EQ(line, Line);
    EXPECT_TRUE(boxes.texts().isEmpty());
}
