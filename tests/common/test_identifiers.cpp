#include "common/identifiers.h"

#include <gtest/gtest.h>

#include <random>

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

// The import's quick check of identifiers already in their stored shape answers as the full
// check does, over every kind of digits, and leaves every other spelling to it.
TEST(Identifiers, ShapedCheckAgreesWithTheFullCheck)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digit(0, 9);
    int accepted = 0;
    for (const IdentifierKind kind : { IdentifierKind::Cuit, IdentifierKind::IngBrutos }) {
        const QString shape = identifierShape(kind);
        for (int n = 0; n < 20000; ++n) {
            QString text = shape;
            // Some all-zero numbers, which sum right and are still refused.
            const bool zeros = n % 500 == 0;
            for (QChar& c : text) {
                if (c == u'#')
                    c = QChar(u'0' + (zeros ? 0 : digit(random)));
            }
            const QByteArray ascii = text.toLatin1();
            const std::optional<bool> quick = checkShapedIdentifier(kind, ascii.toStdString());
            const IdentifierCheck full = validateIdentifier(kind, text);
            ASSERT_TRUE(quick.has_value()) << ascii.constData();
            ASSERT_EQ(*quick, full.valid) << ascii.constData();
            if (full.valid) {
                EXPECT_EQ(full.text, text);
                ++accepted;
            }
        }
    }
    EXPECT_GT(accepted, 1500); // about one CUIT in eleven, one I.B. number in a hundred
    for (const char* other : { "20-12345678-6", " 20-12345678/6", "20-1234567_/6", "20123456786", "",
             "2A-12345678/6", "20-12345678/66" })
        EXPECT_EQ(checkShapedIdentifier(IdentifierKind::Cuit, other), std::nullopt) << other;
    for (const char* other : { "012-123456/0", "012.123456/00", "012-123456/0_", "01212345600" })
        EXPECT_EQ(checkShapedIdentifier(IdentifierKind::IngBrutos, other), std::nullopt) << other;
    EXPECT_EQ(checkShapedIdentifier(IdentifierKind::Cuit, "20-12345678/6"), std::optional(true));
    EXPECT_EQ(checkShapedIdentifier(IdentifierKind::Cuit, "20-12345678/5"), std::optional(false));
    EXPECT_EQ(checkShapedIdentifier(IdentifierKind::Cuit, "00-00000000/0"), std::optional(false));
    EXPECT_EQ(checkShapedIdentifier(IdentifierKind::IngBrutos, "012-000006/10"), std::optional(true));
    EXPECT_EQ(checkShapedIdentifier(IdentifierKind::IngBrutos, "012-000000/00"), std::optional(false));
    EXPECT_EQ(checkShapedIdentifier(IdentifierKind::Agente, "1234/1"), std::nullopt);

    std::array<char, MaxIdentifierChars> out {};
    EXPECT_EQ(shapeBareDigits(IdentifierKind::Cuit, "20123456786", out),
        std::optional<std::string_view>("20-12345678/6"));
    EXPECT_EQ(shapeBareDigits(IdentifierKind::IngBrutos, "91212345603", out),
        std::optional<std::string_view>("912-123456/03"));
    EXPECT_EQ(shapeBareDigits(IdentifierKind::Cuit, "2012345678", out), std::nullopt);
    EXPECT_EQ(shapeBareDigits(IdentifierKind::Cuit, "2012345678a", out), std::nullopt);
}
