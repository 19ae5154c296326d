#pragma once

#include <QString>
#include <QStringView>

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

// Bare digits of the right count ("20123456786") put into the identifier's shape; other text unchanged.
QString shapeIdentifierDigits(IdentifierKind kind, QStringView text);

}
