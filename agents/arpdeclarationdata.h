#pragma once

#include "agents/declarationform.h"
#include "data/accesodatos.h"

#include <QList>

namespace ventrix::agents {

// One deposit a declaration took in, as its page lists it.
struct DeclaredDeposit
{
    QDate fechaPago;
    QString numFormulario;
    Money importeDepositado;
};

// One register row a declaration took in, as its delivery record carries it.
struct DeclaredRegisterRow
{
    QString contribuyente;
    QString ibrutos;
    QString cuit;
    QString documento; // receipt (withholding) or invoice (perception) number
    QDate fecha;
    Money base;
    Fixed<4> alicuota;
    Money importe;
};

// Everything the printed declaration and its delivery file show: the agent, the month's totals,
// the deposits and the register rows the declaration took in.
struct ArpDeclarationData
{
    MonthlyDeclaration declaration;
    QString agentName;
    QString agentNumber; // "1234/1"
    QString cuit;
    QString ibrutos;
    Money totalMes; // the register's total of the month, declared or not
    Money totalRegistro; // the register rows the declaration holds, late ones included
    Money totalDepositado;
    QList<DeclaredDeposit> deposits;
    QList<DeclaredRegisterRow> operations;
};

// Reads a stored declaration of the taxpayer: its deposits ordered by payment date, its register
// rows ordered by date, and the agent's name, numbers and identifiers.
Result<ArpDeclarationData> readDeclaration(
    data::AccesoDatos& db, qint64 cmdId, const MonthlyDeclaration& declaration);

}
