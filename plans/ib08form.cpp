#include "plans/ib08form.h"

#include "common/helpids.h"
#include "common/messages.h"
#include "common/regional.h"
#include "plans/ib08messages.h"

namespace ventrix::plans {

Ib08Form::Ib08Form(Ib08Store& store, qint64 cmdId, Hooks hooks)
    : m_store(store)
    , m_cmdId(cmdId)
    , m_hooks(std::move(hooks))
{
}

void Ib08Form::setStatus(const QString& text, int ms) const
{
    if (m_hooks.status)
        m_hooks.status(text, ms);
}

bool Ib08Form::open()
{
    m_blank = m_cmdId <= 0;
    if (m_blank)
        return true;
    const auto found = m_store.newestInscription(m_cmdId);
    if (!found) {
        fail(found.error());
        return false;
    }
    if (!found->has_value()) {
        warn(msg::debeCompletarCp01());
        return false;
    }
    const Ib08Taxpayer& t = **found;
    if (t.cp01Id < 1) {
        fail(msg::errorBuscarCp01());
        return false;
    }
    if (t.cuit.isEmpty() || t.ingBrut.isEmpty()) {
        MessageService::instance().show({ msg::faltaCuit(), {}, MessageIcon::Warning, MessageButtons::Ok,
            Answer::Ok, helpid::InfoComplementaria });
        return false;
    }
    m_taxpayer = t;
    nuevo();
    return reloadList();
}

bool Ib08Form::reloadList()
{
    auto list = m_store.payments(m_cmdId);
    if (!list) {
        fail(list.error());
        return false;
    }
    m_list = *list;
    return true;
}

void Ib08Form::nuevo()
{
    m_payment = Ib08Payment();
}

bool Ib08Form::seleccionar(qint64 ib08Id)
{
    auto loaded = m_store.load(ib08Id);
    if (!loaded) {
        fail(loaded.error());
        return false;
    }
    m_payment = *loaded;
    return true;
}

bool Ib08Form::Guardar(const Ib08Payment& typed)
{
    if (m_blank)
        return false;
    Ib08Payment payment = typed;
    payment.id = m_payment.id;
    payment.cp01Id = m_payment.cp01Id;
    if (auto saved = m_store.save(payment, m_taxpayer.cp01Id); !saved) {
        warn(saved.error());
        return false;
    }
    m_payment = payment;
    setStatus(msg::pagoGuardado());
    reloadList();
    return true;
}

bool Ib08Form::Borrar()
{
    if (m_blank || !m_payment.id)
        return false;
    if (!askYesNo(msg::confirmaBorrarPago(regional::formatDate(m_payment.fechaPago)), MessageIcon::Question,
            false)) {
        inform(msg::ib08Cancelada());
        return false;
    }
    if (auto removed = m_store.remove(m_payment.id); !removed) {
        fail(removed.error());
        return false;
    }
    inform(msg::datosBorrados());
    nuevo();
    reloadList();
    return true;
}

bool Ib08Form::Imprimir(const Ib08Payment& typed, Ib08Concept tramite)
{
    if (m_blank) {
        if (m_hooks.printBlank)
            m_hooks.printBlank();
        return false;
    }
    if (!Guardar(typed) || !m_hooks.print)
        return false;
    const Result<QString> printed = m_hooks.print(m_payment, m_taxpayer, tramite);
    if (!printed && !printed.error().isEmpty())
        fail(printed.error());
    return printed.ok();
}

}
