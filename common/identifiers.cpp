#include "common/identifiers.h"

#include <algorithm>
#include <array>

namespace ventrix {
namespace {

constexpr QChar Placeholder = u'_';

// Digit at 1-based position p; the caller has checked it is one.
int digitAt(QStringView text, int p)
{
    return text[p - 1].unicode() - u'0';
}

int numberAt(QStringView text, int from, int count)
{
    int value = 0;
    for (int p = from; p < from + count; ++p)
        value = value * 10 + digitAt(text, p);
    return value;
}

// The field's text without placeholders matches the shape: digits where "#" stands and a
// non-digit where a separator stands (the shape's own separator is what gets stored).
bool fitsShape(QStringView text, const QString& shape)
{
    if (text.size() != shape.size())
        return false;
    for (qsizetype i = 0; i < shape.size(); ++i) {
        const bool digit = text[i] >= u'0' && text[i] <= u'9';
        if ((shape[i] == u'#') != digit)
            return false;
    }
    return true;
}

bool isEmptyField(QStringView text, IdentifierKind kind)
{
    if (text.isEmpty() || text.compare(identifierEmptyPattern(kind), Qt::CaseInsensitive) == 0)
        return true;
    // A masked line edit with nothing typed reads as its separators alone.
    QString separators = identifierShape(kind);
    separators.remove(u'#');
    return text == separators;
}

// The checks common to the three identifiers; digitsOk runs on a text that fits the shape.
template <typename Rule> IdentifierCheck check(IdentifierKind kind, QStringView fieldText, Rule digitsOk)
{
    const QString trimmed = fieldText.trimmed().toString();
    if (isEmptyField(trimmed, kind))
        return { true, {} };
    QString text = trimmed;
    text.remove(Placeholder);
    const QString shape = identifierShape(kind);
    if (!fitsShape(text, shape) || !digitsOk(QStringView(text)))
        return { false, {} };
    for (qsizetype i = 0; i < shape.size(); ++i) {
        if (shape[i] != u'#')
            text[i] = shape[i];
    }
    return { true, text };
}

}

QString identifierShape(IdentifierKind kind)
{
    switch (kind) {
    case IdentifierKind::Cuit:
        return QStringLiteral("##-########/#");
    case IdentifierKind::IngBrutos:
        return QStringLiteral("###-######/##");
    case IdentifierKind::Agente:
        break;
    }
    return QStringLiteral("####/#");
}

QString identifierEmptyPattern(IdentifierKind kind)
{
    return identifierShape(kind).replace(u'#', Placeholder);
}

QString identifierInputMask(IdentifierKind kind)
{
    return identifierShape(kind).replace(u'#', u'9') + QStringLiteral(";_");
}

IdentifierCheck Valida_CUIT(QStringView fieldText)
{
    return check(IdentifierKind::Cuit, fieldText, [](QStringView t) {
        // All zeros adds up to a multiple of eleven but is no CUIT.
        if (std::all_of(t.begin(), t.end(), [](QChar c) { return c == u'0' || c > u'9' || c < u'0'; }))
            return false;
        static constexpr std::array<std::pair<int, int>, 11> weights { { { 1, 5 }, { 2, 4 }, { 4, 3 },
            { 5, 2 }, { 6, 7 }, { 7, 6 }, { 8, 5 }, { 9, 4 }, { 10, 3 }, { 11, 2 }, { 13, 1 } } };
        int sum = 0;
        for (const auto& [position, weight] : weights)
            sum += weight * digitAt(t, position);
        return sum % 11 == 0;
    });
}

IdentifierCheck Valida_IngBrutos(QStringView fieldText)
{
    return check(IdentifierKind::IngBrutos, fieldText, [](QStringView t) {
        if (t.mid(4, 6) == u"000000")
            return false;
        // Only whether the prefix begins with "0" matters; the prefix itself is not summed.
        const bool zeroPrefix = t[0] == u'0';
        static constexpr std::array<int, 6> zeroWeights { 4, 5, 6, 7, 8, 9 };
        static constexpr std::array<int, 6> otherWeights { 1, 3, 9, 7, 1, 3 };
        const auto& weights = zeroPrefix ? zeroWeights : otherWeights;
        int sum = 0;
        for (int i = 0; i < 6; ++i)
            sum += weights[static_cast<size_t>(i)] * digitAt(t, 5 + i);
        const int checkNumber = numberAt(t, 12, 2);
        return zeroPrefix ? checkNumber == sum % 11 : checkNumber == (11 - sum % 11) % 10;
    });
}

IdentifierCheck NumAgente_Check(QStringView fieldText)
{
    return check(IdentifierKind::Agente, fieldText, [](QStringView t) {
        if (t.first(4) == u"0000")
            return false;
        const int sum = 4 * digitAt(t, 1) + 3 * digitAt(t, 2) + 9 * digitAt(t, 3) + 7 * digitAt(t, 4);
        return digitAt(t, 6) == (11 - sum % 11) % 10;
    });
}

IdentifierCheck validateIdentifier(IdentifierKind kind, QStringView fieldText)
{
    switch (kind) {
    case IdentifierKind::Cuit:
        return Valida_CUIT(fieldText);
    case IdentifierKind::IngBrutos:
        return Valida_IngBrutos(fieldText);
    case IdentifierKind::Agente:
        break;
    }
    return NumAgente_Check(fieldText);
}

QString shapeIdentifierDigits(IdentifierKind kind, QStringView text)
{
    const QString shape = identifierShape(kind);
    const qsizetype digits = shape.count(u'#');
    const bool allDigits
        = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!allDigits || text.size() != digits)
        return text.toString();
    QString out = shape;
    qsizetype next = 0;
    for (QChar& c : out) {
        if (c == u'#')
            c = text[next++];
    }
    return out;
}

}
