#pragma once

#include "agents/registerkind.h"
#include "common/fieldvalues.h"
#include "common/fixed.h"
#include "common/result.h"

#include <QDate>

#include <optional>

namespace ventrix::agents {

// A rate in percent with four decimals ("2,5000").
using Percent = Fixed<4>;

// The withheld or perceived taxpayer and its address.
struct Counterpart
{
    QString contribuyente;
    QString cuit;
    QString iBrutos;
    QString domicilio;
    QString domNumero;
    QString piso;
    QString depto;
    QString oficina;
    QString monoblock;
    QString planta;
    QString codPostal;
    QString localidad;
    QString provincia;
    QString teCaract;
    QString telefono;
    bool operator==(const Counterpart&) const = default;
};

// What the agent's monthly declaration wrote on a row; a declared row is locked.
struct DeclarationMarks
{
    QDate fechaDDJJ;
    QString periodoOutDate; // "03/2005": taken in late by that month's declaration
    QString numForm;
    QDate fechaPres;

    bool isDeclared() const { return fechaDDJJ.isValid() || !periodoOutDate.isEmpty(); }
};

// One withholding or perception the agent made.
struct AgentOperation
{
    qint64 id = 0; // 0 while never stored
    qint64 cp01Id = 0;
    QString numAgente;
    Counterpart counterpart;
    QString documento; // receipt (withholding) or invoice (perception) number
    QString lugar; // withholdings only: where and when the certificate was issued
    QDate lugarFecha;
    QDate fecha; // decides the period
    std::optional<Money> base;
    std::optional<Percent> alicuota;
    std::optional<Money> importe;
    DeclarationMarks marks;
};

// The row's columns the screen writes, by the register's column names (no key, no parent, no marks).
FieldValues operationFields(const RegisterKind& kind, const AgentOperation& op);
// The row as the screen's fields or a stored row hold it. Amounts that are not numbers are empty,
// as the fields blank them; a date that is not a calendar day is refused.
Result<AgentOperation> operationFromFields(const RegisterKind& kind, const FieldValues& fields);
DeclarationMarks marksFromFields(const RegisterKind& kind, const FieldValues& fields);

// A date field as typed: an invalid date for an empty field, refused when it is not a calendar day
// of the years the forms carry (1900 to 2099).
Result<QDate> fechaIngresada(const QString& typed);

// The same counterpart on a new operation: what "Buscar Base" and the look-up by CUIT copy.
AgentOperation newOperationFor(const Counterpart& counterpart);

}
