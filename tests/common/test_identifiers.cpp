#include "common/identifiers.h"

#include <gtest/gtest.h>

using namespace ventrix;

namespace {
IdentifierCheck accepted(const char16_t* text)
{
    return { true, QString::fromUtf16(text) };
}
const IdentifierCheck Refused { false, {} };
const IdentifierCheck Empty { true, {} };
}

TEST(Identifiers, CuitCheckDigit)
{
    // 20 12345678 weighs 148 (mod 11 = 5): only 6 closes it.
    EXPECT_EQ(Valida_CUIT(u"20-12345678/6"), accepted(u"20-12345678/6"));
    EXPECT_EQ(Valida_CUIT(u"20-12345678/5"), Refused);
    EXPECT_EQ(Valida_CUIT(u"30-71234567/1"), accepted(u"30-71234567/1"));
    EXPECT_EQ(Valida_CUIT(u"30-71234567/2"), Refused);
    // Sums to zero, yet no CUIT.
    EXPECT_EQ(Valida_CUIT(u"00-00000000/0"), Refused);
}

TEST(Identifiers, CuitShapeAndBlanks)
{
    EXPECT_EQ(Valida_CUIT(u"  20-12345678/6 "), accepted(u"20-12345678/6"));
    // Another separator in the separator places is stored with the field's own.
    EXPECT_EQ(Valida_CUIT(u"20-12345678-6"), accepted(u"20-12345678/6"));
    EXPECT_EQ(Valida_CUIT(u"20-1234567_/6"), Refused); // one digit short
    EXPECT_EQ(Valida_CUIT(u"20123456786"), Refused);
    EXPECT_EQ(Valida_CUIT(u"2A-12345678/6"), Refused);
    EXPECT_EQ(Valida_CUIT(u"20-12345678/66"), Refused);
}

TEST(Identifiers, EmptyFieldIsAccepted)
{
    EXPECT_EQ(Valida_CUIT(u"__-________/_"), Empty);
    EXPECT_EQ(Valida_CUIT(u""), Empty);
    EXPECT_EQ(Valida_CUIT(u"-/"), Empty); // a masked line edit with nothing typed
    EXPECT_EQ(Valida_IngBrutos(u" ___-______/__ "), Empty);
    EXPECT_EQ(NumAgente_Check(u"____/_"), Empty);
    // A partly typed field is not empty.
    EXPECT_EQ(NumAgente_Check(u"1___/_"), Refused);
}

TEST(Identifiers, IngBrutosCheckNumberDependsOnlyOnLeadingZero)
{
    // 123456 sums 154 (mod 11 = 0) with a "0" prefix and 85 otherwise: check numbers 0 and 3.
    EXPECT_EQ(Valida_IngBrutos(u"012-123456/00"), accepted(u"012-123456/00"));
    EXPECT_EQ(Valida_IngBrutos(u"012-123456/03"), Refused);
    EXPECT_EQ(Valida_IngBrutos(u"912-123456/03"), accepted(u"912-123456/03"));
    EXPECT_EQ(Valida_IngBrutos(u"100-123456/03"), accepted(u"100-123456/03"));
    EXPECT_EQ(Valida_IngBrutos(u"912-123456/00"), Refused);
    // With a "0" prefix the check number can be 10.
    EXPECT_EQ(Valida_IngBrutos(u"012-000006/10"), accepted(u"012-000006/10"));
    EXPECT_EQ(Valida_IngBrutos(u"012-000006/00"), Refused);
    EXPECT_EQ(Valida_IngBrutos(u"012-000000/00"), Refused);
    EXPECT_EQ(Valida_IngBrutos(u"912-123456/3_"), Refused);
}

TEST(Identifiers, AgentNumber)
{
    // 1234 sums 65 (mod 11 = 10): check digit 1.
    EXPECT_EQ(NumAgente_Check(u"1234/1"), accepted(u"1234/1"));
    EXPECT_EQ(NumAgente_Check(u"1234/0"), Refused);
    EXPECT_EQ(NumAgente_Check(u"0000/0"), Refused);
    EXPECT_EQ(NumAgente_Check(u"0000/1"), Refused);
}

TEST(Identifiers, MasksAndDigitShaping)
{
    EXPECT_EQ(identifierEmptyPattern(IdentifierKind::IngBrutos), QStringLiteral("___-______/__"));
    EXPECT_EQ(identifierInputMask(IdentifierKind::Agente), QStringLiteral("9999/9;_"));
    EXPECT_EQ(shapeIdentifierDigits(IdentifierKind::Cuit, u"20123456786"), QStringLiteral("20-12345678/6"));
    EXPECT_EQ(shapeIdentifierDigits(IdentifierKind::Cuit, u"2012345678"), QStringLiteral("2012345678"));
}
