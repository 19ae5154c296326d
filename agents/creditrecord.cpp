#include "agents/creditrecord.h"

#include "agents/creditmessages.h"
#include "agents/operationamounts.h"
#include "common/regional.h"

namespace ventrix::agents {
namespace {

QString shownDate(QDate d)
{
    return d.isValid() ? regional::formatDate(d) : QString();
}

template <int Scale> QString rewritten(const QString& typed)
{
    return parseAmount<Scale>(typed).value_or(Fixed<Scale>()).toDisplay();
}

}

CreditLine AddCredito(AgentRegister which, const DeclaredOperation& op, Money credito)
{
    CreditLine line;
    line.which = which;
    line.operationId = op.id;
    line.base = op.base;
    line.alicuota = op.alicuota;
    line.importe = op.importe;
    line.fecha = op.fecha;
    line.contribuyente = op.contribuyente;
    line.domicilio = op.domicilio;
    line.domNumero = op.numero;
    line.telefono = op.telefono;
    line.numFactura = op.factura;
    line.ddjjNumForm = op.ddjjNumForm;
    line.ddjjFechaPres = op.ddjjFechaPres;
    line.importeNC = credito;
    return line;
}

Money creditoDisponible(const DeclaredOperation& op, const QList<CreditLine>& pending)
{
    Money left = op.importe - op.acreditado;
    for (const CreditLine& line : pending) {
        if (line.isPending() && line.operationId == op.id)
            left -= line.importeNC;
    }
    return left;
}

CreditFields creditFieldsOf(const DeclaredOperation& op)
{
    return { Money().toDisplay(), shownDate(op.fecha), op.importe.toDisplay(), op.base.toDisplay(),
        op.factura, op.alicuota.toDisplay() };
}

CreditCheck Calc_ImpCredito(const CreditFields& typed, Money disponible)
{
    CreditCheck out;
    out.shown = typed;
    out.credito = parseAmount<2>(typed.credito).value_or(Money());
    out.shown.credito = out.credito.toDisplay();
    out.shown.importe = rewritten<2>(typed.importe);
    out.shown.base = rewritten<2>(typed.base);
    out.shown.alicuota = rewritten<4>(typed.alicuota);
    if (out.credito > disponible)
        out.refusal = msg::creditoMayor();
    return out;
}

std::optional<QString> creditoRechazado(Money credito, Money disponible)
{
    if (credito > disponible)
        return msg::creditoMayor();
    if (credito <= Money())
        return msg::creditoSinImporte();
    return std::nullopt;
}

}
