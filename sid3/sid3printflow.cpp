#include "sid3/sid3printflow.h"

#include "common/clock.h"
#include "common/messages.h"
#include "sid3/sid3delivery.h"
#include "sid3/sid3messages.h"
#include "sid3/sid3printmessages.h"

namespace ventrix::sid3 {
namespace {

Error cancelled()
{
    inform(msg::impresionCancelada(), MessageIcon::Information, msg::imprimirTitulo());
    return Error { msg::impresionCancelada() };
}

}

Sid3PrintFlow::Sid3PrintFlow(data::AccesoDatos& db, QString archivosFolder, Hooks hooks)
    : m_db(db)
    , m_archivos(std::move(archivosFolder))
    , m_hooks(std::move(hooks))
{
}

void Sid3PrintFlow::setStatus(const QString& text) const
{
    if (m_hooks.status)
        m_hooks.status(text);
}

bool Sid3PrintFlow::checksPass(const PrintRequest& request) const
{
    const QString title = msg::imprimirTitulo();
    if (request.ratesIncompatible) {
        warn(msg::tasasIncompatibles(), title);
        return false;
    }
    if (!request.importeDepositado) {
        warn(msg::ingreseImporte(), title);
        return false;
    }
    if (!request.fechaPago.isValid()) {
        warn(msg::ingreseFechaPagoImprimir(), title);
        return false;
    }
    if (request.fechaPago < Clock::today()) {
        warn(msg::fechaPagoAnterior(), title);
        if (!askYesNo(msg::imprimirConFechaAnterior(), MessageIcon::Question, false, 0, title))
            return false;
    }
    if (request.importeDepositado != request.totalDepositar.value_or(Money())
        && !askYesNo(msg::importeDistinto(), MessageIcon::Question, false, 0, title))
        return false;
    return true;
}

Result<std::unique_ptr<Sid3PrintForm>> Sid3PrintFlow::prepare(
    data::AccesoDatos& db, qint64 cmdId, qint64 sidId)
{
    auto data = loadPrintData(db, cmdId, sidId);
    if (!data)
        return Error { data.error() };
    const QString comprobante = comprobanteText(drawComprobante());
    auto record = printRecord(*data, comprobante);
    if (!record)
        return Error { record.error() };
    return std::make_unique<Sid3PrintForm>(std::move(*data), comprobante, *record);
}

Result<PrintOutcome> Sid3PrintFlow::Imprimir(const PrintRequest& request)
{
    if (!checksPass(request)) {
        // The rate-table and empty-field messages stop the print on their own.
        if (request.ratesIncompatible || !request.importeDepositado || !request.fechaPago.isValid())
            return Error { msg::impresionCancelada() };
        return cancelled();
    }
    const Result<qint64> stored = m_hooks.store ? m_hooks.store() : Result<qint64>(Error {});
    if (!stored || *stored == 0)
        return cancelled();
    auto form = prepare(m_db, request.cmdId, *stored);
    if (!form) {
        fail(form.error(), msg::imprimirTitulo());
        return Error { form.error() };
    }
    if (m_hooks.choosePrinter && !m_hooks.choosePrinter())
        return Error { msg::impresionCancelada() };
    setStatus(msg::imprimiendo());
    const bool printed = m_hooks.preview && m_hooks.preview(**form);
    setStatus({});
    if (!printed)
        return Error { msg::impresionCancelada() };
    const QString comprobante = (*form)->comprobante();
    auto path = Diskette_Sid3(m_archivos, comprobante, (*form)->record());
    if (!path) {
        fail(path.error(), msg::imprimirTitulo());
        return Error { path.error() };
    }
    if (m_hooks.copy)
        m_hooks.copy(deliveryFileName(comprobante));
    return PrintOutcome { comprobante, (*form)->record(), *path };
}

}
