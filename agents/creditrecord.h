#pragma once

#include "agents/agentoperation.h"

#include <QList>

namespace ventrix::agents {

// A withholding or perception that a monthly declaration already took in: what can be credited.
struct DeclaredOperation
{
    qint64 id = 0;
    QDate fecha;
    QString contribuyente;
    QString factura; // receipt (withholding) or invoice (perception) number
    Money base;
    Percent alicuota;
    Money importe;
    QString domicilio;
    QString numero;
    QString telefono;
    QString ddjjNumForm; // the declaration that took it in
    QDate ddjjFechaPres;
    Money acreditado; // the credits stored against it so far
};

// One credit note line: pending on screen (id 0), stored, or printed on an NCARP form.
struct CreditLine
{
    qint64 id = 0;
    AgentRegister which = AgentRegister::Retenciones;
    qint64 operationId = 0;
    Money base;
    Percent alicuota;
    Money importe; // of the credited operation
    QDate fecha; // of the credited operation
    QString contribuyente;
    QString domicilio;
    QString domNumero;
    QString telefono;
    QString numFactura;
    QString ddjjNumForm;
    QDate ddjjFechaPres;
    Money importeNC; // the credit
    bool impreso = false;
    bool imprimir = true; // marked to be printed

    bool isPending() const { return id == 0; }
};

// AddCredito: a pending line with the operation's data and the credit, marked for printing.
CreditLine AddCredito(AgentRegister which, const DeclaredOperation& op, Money credito);

// What is still creditable on the operation: its amount less the credits stored and those pending
// in the list.
Money creditoDisponible(const DeclaredOperation& op, const QList<CreditLine>& pending);

// "Fecha", "Base_Imp", "Alicuota", "Importe" and "Factura" of the chosen row, and the credit typed,
// as the credit dialog shows them.
struct CreditFields
{
    QString credito;
    QString fecha;
    QString importe;
    QString base;
    QString factura;
    QString alicuota;
    bool operator==(const CreditFields&) const = default;
};

CreditFields creditFieldsOf(const DeclaredOperation& op);

// Calc_ImpCredito: empty amounts become 0, every amount rewritten with two decimals (the rate
// with four), and the refusal when the credit is greater than what can be credited.
struct CreditCheck
{
    CreditFields shown;
    Money credito;
    std::optional<QString> refusal;
};
CreditCheck Calc_ImpCredito(const CreditFields& typed, Money disponible);

// Whether "Aceptar" may take the credit: above zero and within what can be credited.
std::optional<QString> creditoRechazado(Money credito, Money disponible);

}
