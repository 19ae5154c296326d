#pragma once

#include "common/fieldvalues.h"
#include "common/fixed.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace ventrix::sid3 {

// Procedure codes of a declaration; the interest rule also knows codes 1, 2, 12 and 25.
enum class Procedure { Anticipo = 4, Rectificativa = 5 };

QString procedureName(Procedure procedure);

// The four payments-on-account registers, in the order the declaration screen numbers them.
enum class Register { Retenciones = 0, Percepciones = 1, PagoACuenta = 2, Compensaciones = 3 };
inline constexpr std::array<Register, 4> AllRegisters { Register::Retenciones, Register::Percepciones,
    Register::PagoACuenta, Register::Compensaciones };

QString registerTable(Register r);
QString registerCaption(Register r); // "Retenciones..."
QString registerCountCaption(Register r, int count); // "Retenciones: cantidad = 3"

// A register's total and record count as the declaration keeps them.
struct RegisterTotal
{
    Money total;
    int count = 0;
    bool operator==(const RegisterTotal&) const = default;
};

// The head of a monthly declaration: one row of Form_Sid3.
struct Declaration
{
    qint64 id = 0; // 0 while not yet stored
    qint64 cp01Id = 0;
    int month = 0;
    int year = 0;
    int tramite = 0; // Procedure code
    QString tramiteDescrip;
    std::optional<Rate> tasaMes;
    QString ib;
    QString cuit;
    Money gravado;
    Money noGravado;
    Money exento;
    Money tasaCero;
    std::optional<qint64> numEmpleado;
    std::optional<Money> subTotalAgt; // empty when the total computable cannot be formed
    std::array<RegisterTotal, 4> registers {}; // by Register
    Money saldoContrib;
    Money saldoAgt;
    QDate fhVto;
    QDate fechaPago;
    std::optional<Money> interes;
    std::optional<Money> totalDepositar;
    std::optional<Money> importePagado;

    bool hasPeriod() const { return month >= 1 && month <= 12 && year > 0; }
    RegisterTotal& registerTotal(Register r) { return registers.at(static_cast<size_t>(r)); }
    const RegisterTotal& registerTotal(Register r) const { return registers.at(static_cast<size_t>(r)); }
    bool operator==(const Declaration&) const = default;
};

// The "Sid" columns of the declaration, as its bound fields hold them (Sid_ID and CP01_ID apart).
FieldValues declarationFields(const Declaration& d);
// The declaration with the bound columns taken from the values; missing or empty ones as empty.
Declaration withDeclarationFields(Declaration d, const FieldValues& values);

}
