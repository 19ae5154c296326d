#include "common/identifiers.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ventrix {
namespace {

constexpr QChar Placeholder = u'_';

// Digit at 1-based position p; the caller has checked it is one.
int digitAt(QStringView text, int p)
{
    return text[p - 1].unicode() - u'0';
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

// The check digits, on a text that fits the shape; digit(p) is the digit at 1-based position p.
template <typename Digit> bool cuitDigitsPass(Digit digit)
{
    static constexpr std::array<std::pair<int, int>, 11> weights { { { 1, 5 }, { 2, 4 }, { 4, 3 }, { 5, 2 },
        { 6, 7 }, { 7, 6 }, { 8, 5 }, { 9, 4 }, { 10, 3 }, { 11, 2 }, { 13, 1 } } };
    int sum = 0;
    bool allZero = true;
    for (const auto& [position, weight] : weights) {
        sum += weight * digit(position);
        allZero = allZero && digit(position) == 0;
    }
    // All zeros adds up to a multiple of eleven but is no CUIT.
    return !allZero && sum % 11 == 0;
}

template <typename Digit> bool ingBrutosDigitsPass(Digit digit)
{
    bool zeroNumber = true;
    for (int p = 5; p <= 10; ++p)
        zeroNumber = zeroNumber && digit(p) == 0;
    if (zeroNumber)
        return false;
    // Only whether the prefix begins with "0" matters; the prefix itself is not summed.
    const bool zeroPrefix = digit(1) == 0;
    static constexpr std::array<int, 6> zeroWeights { 4, 5, 6, 7, 8, 9 };
    static constexpr std::array<int, 6> otherWeights { 1, 3, 9, 7, 1, 3 };
    const auto& weights = zeroPrefix ? zeroWeights : otherWeights;
    int sum = 0;
    for (int i = 0; i < 6; ++i)
        sum += weights[static_cast<size_t>(i)] * digit(5 + i);
    const int checkNumber = digit(12) * 10 + digit(13);
    return zeroPrefix ? checkNumber == sum % 11 : checkNumber == (11 - sum % 11) % 10;
}

constexpr std::string_view shapeOf(IdentifierKind kind)
{
    switch (kind) {
    case IdentifierKind::Cuit:
        return "##-########/#";
    case IdentifierKind::IngBrutos:
        return "###-######/##";
    case IdentifierKind::Agente:
        break;
    }
    return "####/#";
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
    const std::string_view shape = shapeOf(kind);
    return QString::fromLatin1(shape.data(), static_cast<qsizetype>(shape.size()));
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
    return check(IdentifierKind::Cuit, fieldText,
        [](QStringView t) { return cuitDigitsPass([t](int p) { return digitAt(t, p); }); });
}

IdentifierCheck Valida_IngBrutos(QStringView fieldText)
{
    return check(IdentifierKind::IngBrutos, fieldText,
        [](QStringView t) { return ingBrutosDigitsPass([t](int p) { return digitAt(t, p); }); });
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

std::optional<bool> checkShapedIdentifier(IdentifierKind kind, std::string_view text)
{
    const std::string_view shape = shapeOf(kind);
    if (kind == IdentifierKind::Agente || text.size() != shape.size())
        return std::nullopt;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == '#' ? !digit : text[i] != shape[i])
            return std::nullopt;
    }
    const auto digit = [text](int p) { return text[static_cast<std::size_t>(p - 1)] - '0'; };
    return kind == IdentifierKind::Cuit ? cuitDigitsPass(digit) : ingBrutosDigitsPass(digit);
}

std::optional<std::string_view> shapeBareDigits(
    IdentifierKind kind, std::string_view digits, std::array<char, MaxIdentifierChars>& out)
{
    const std::string_view shape = shapeOf(kind);
    const auto count = static_cast<std::size_t>(std::count(shape.begin(), shape.end(), '#'));
    if (digits.size() != count
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::size_t next = 0;
    for (std::size_t i = 0; i < shape.size(); ++i)
        out[i] = shape[i] == '#' ? digits[next++] : shape[i];
    return std::string_view(out.data(), shape.size());
}

QString shapeIdentifierDigits(IdentifierKind kind, QStringView text)
{
    // Anything beyond Latin-1 becomes "?", which is no digit: such a text stays as it is.
    const QByteArray latin = text.toLatin1();
    std::array<char, MaxIdentifierChars> out {};
    const auto shaped = shapeBareDigits(
        kind, std::string_view(latin.constData(), static_cast<std::size_t>(latin.size())), out);
    return shaped ? QString::fromLatin1(shaped->data(), static_cast<qsizetype>(shaped->size()))
                  : text.toString();
}

}
