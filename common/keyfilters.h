#pragma once

#include <QChar>

namespace ventrix {

// Character codes the filters see besides printable characters.
inline constexpr char16_t KeyEnter = 13;
inline constexpr char16_t KeyBackspace = 8;

// What a field does with a typed character.
struct FilteredKey
{
    enum Action { Pass, Drop, NextField };
    Action action = Pass;
    QChar key; // the character passed on (may differ from the one typed)
    bool operator==(const FilteredKey&) const = default;
};

// The kinds of filtered field.
enum class FieldKeys {
    Text, // only Enter moves on
    Integer, // Tecla_Numerica
    Date, // Tecla_Fecha
    Decimal, // rates and quantities with decimals
    Amount, // money as typed in the regional format
};

// Integer fields: digits, blank, "-" and Backspace pass; Enter moves on; anything else is dropped.
FilteredKey Tecla_Numerica(QChar key);
// Day/month/date fields: digits, the date separator and Backspace pass; Enter moves on.
FilteredKey Tecla_Fecha(QChar key);
// Decimal fields: digits, "-", the decimal separator and Backspace pass; "." (the keypad's
// decimal key) is read as the decimal separator; Enter moves on.
FilteredKey teclaDecimal(QChar key);
// Amount fields: as decimal fields, and "." passes as the grouping separator.
FilteredKey teclaImporte(QChar key);

FilteredKey filterKey(FieldKeys kind, QChar key);

}
