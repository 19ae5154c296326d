#pragma once

#include "plans/planstore.h"

#include <functional>

namespace ventrix::plans {

// What the plans register does for each of its buttons: lists the taxpayer's plans, stores a
// request, deletes a plan after asking, and decides where "Form Pago" leads. Questions and
// messages go through the message service; short notices through the hook the screen fills in.
class PlanRegister
{
public:
    struct Hooks
    {
        // A notice on the screen's status line, cleared after the milliseconds given.
        std::function<void(const QString& text, int ms)> notice;
    };

    // Where "Form Pago" leads.
    enum class FormPago { Instalments, NewPlan, Nothing };

    PlanRegister(PlanStore& store, qint64 cmdId, qint64 cp01Id, Hooks hooks = {});

    qint64 cmdId() const { return m_cmdId; }
    qint64 cp01Id() const { return m_cp01Id; }

    // The plans of every inscription of the taxpayer, newest first; an empty list (after the
    // message) when the database fails.
    QList<PaymentPlan> Cargar_Grilla();
    // Stores the request; false, with the plan unchanged and the reason shown, when it is
    // incomplete or the database refuses it.
    bool Guardar(PaymentPlan& plan);
    // Deletes the chosen plan (nullptr: none chosen) of a list of planCount plans after asking,
    // No by default. True when it was deleted.
    bool Borrar(const PaymentPlan* chosen, qsizetype planCount);
    // With no plan, offers to register one; with plans, the instalments.
    FormPago formPago(qsizetype planCount);

private:
    void notice(const QString& text);

    PlanStore& m_store;
    qint64 m_cmdId;
    qint64 m_cp01Id;
    Hooks m_hooks;
};

// The question before deleting a plan, its answer, and its outcome, shared by both plan screens:
// the question given, "Registro borrado..." as a notice, or the failure or cancellation message.
bool deletePlanAsked(PlanStore& store, qint64 pfpId, const QString& question,
    const std::function<void(const QString&)>& notice);

}
