#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <string_view>

namespace ventrix {

// The three identifiers the authority issues, always stored with their separators.
enum class IdentifierKind { Cuit, IngBrutos, Agente };

// "##-########/#", "###-######/##", "####/#": the shape of each identifier ("#" is a digit).
QString identifierShape(IdentifierKind kind);
// What an untyped field shows: the shape with "_" in every digit position.
QString identifierEmptyPattern(IdentifierKind kind);
// The same shape as a QLineEdit input mask with "_" as the placeholder.
QString identifierInputMask(IdentifierKind kind);

// The outcome of checking a field: whether it is accepted and the text the field holds afterwards
// (empty when the field was empty or was refused; the refused field gets its mask back).
struct IdentifierCheck
{
    bool valid = false;
    QString text;
    bool operator==(const IdentifierCheck&) const = default;
};

// Check digits of the authority's identifiers, on the field's text as it shows it.
// An empty field (its empty pattern, or nothing at all) is accepted.
IdentifierCheck Valida_CUIT(QStringView fieldText);
IdentifierCheck Valida_IngBrutos(QStringView fieldText);
IdentifierCheck NumAgente_Check(QStringView fieldText);
IdentifierCheck validateIdentifier(IdentifierKind kind, QStringView fieldText);

// A CUIT or I.B. number already written in its stored shape ("20-14788953/5"), checked without
// allocating: whether its check digits pass, or nullopt when the text is not in that exact shape
// (the full check above then decides). Agent numbers always give nullopt.
std::optional<bool> checkShapedIdentifier(IdentifierKind kind, std::string_view text);

// The longest identifier's shape.
inline constexpr std::size_t MaxIdentifierChars = 13;
// Bare digits of the right count ("20123456786") put into the identifier's shape inside out,
// without allocating; nullopt for any other text.
std::optional<std::string_view> shapeBareDigits(
    IdentifierKind kind, std::string_view digits, std::array<char, MaxIdentifierChars>& out);

// Bare digits of the right count ("20123456786") put into the identifier's shape; other text unchanged.
QString shapeIdentifierDigits(IdentifierKind kind, QStringView text);

}
