#include "ib08fixture.h"
#include "plans/ib08barcode.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

const QString Cuit = QStringLiteral("20-12345678/6");
const QString Form = QStringLiteral("000123456");

Ib08Payment payment()
{
    Ib08Payment p = typedPayment();
    p.posFiscal = QStringLiteral("05/26");
    p.total = money("1018.00");
    return p;
}

}

TEST(Ib08Barcode, FieldsInOrderAmountsInCents)
{
    const Result<QString> digits = ib08BarcodeDigits(Cuit, Form, Ib08Concept::Multa, payment());
    ASSERT_TRUE(digits) << digits.error().toStdString();
    EXPECT_EQ(*digits,
        QStringLiteral("20123456786"
                       "0000123456"
                       "1"
                       "0526"
                       "00100000"
                       "00001800"
                       "00101800"
                       "6074"));
    EXPECT_EQ(digits->size(), Ib08BarcodeLength);
}

TEST(Ib08Barcode, MissingValuesKeepTheLength)
{
    Ib08Payment noPosition = payment();
    noPosition.posFiscal.clear();
    const QString without = *ib08BarcodeDigits(Cuit, Form, Ib08Concept::Interes, noPosition);
    EXPECT_EQ(without.size(), 54);
    EXPECT_EQ(without.mid(21, 5), QStringLiteral("00000"));
    EXPECT_EQ(without.mid(26),
        QStringLiteral("00100000"
                       "00001800"
                       "00101800"
                       "6074"));

    const QString nothing = *ib08BarcodeDigits(QString(), QString(), Ib08Concept::Inscripcion, Ib08Payment());
    EXPECT_EQ(nothing, QString(21, u'0') + u'3' + QString(32, u'0'));

    Ib08Payment interestOnly;
    interestOnly.interes = money("7.05");
    interestOnly.total = money("7.05");
    EXPECT_EQ(ib08BarcodeDigits(Cuit, Form, Ib08Concept::Reinscripcion, interestOnly)->mid(21),
        QStringLiteral("2"
                       "0000"
                       "00000000"
                       "00000705"
                       "00000705"
                       "0000"));
}

TEST(Ib08Barcode, AValueThatDoesNotFitOrIsNegativeRefusesTheCode)
{
    Ib08Payment big = payment();
    big.total = money("1000000.00");
    const Result<QString> tooLong = ib08BarcodeDigits(Cuit, Form, Ib08Concept::Multa, big);
    ASSERT_FALSE(tooLong);
    EXPECT_EQ(tooLong.error(),
        QStringLiteral("El valor de \"TOTAL\" tiene 9 dígitos y el formulario admite 8.\n"
                       "No se imprimió el formulario."));

    Ib08Payment widest = payment();
    widest.importe = widest.total = money("999999.99");
    EXPECT_TRUE(ib08BarcodeDigits(Cuit, Form, Ib08Concept::Multa, widest));

    Ib08Payment negative = payment();
    negative.importe = money("-5.00");
    const Result<QString> refused = ib08BarcodeDigits(Cuit, Form, Ib08Concept::Multa, negative);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
        QStringLiteral("El valor de \"Importe\" es negativo y el formulario no admite signo.\n"
                       "No se imprimió el formulario."));
}
