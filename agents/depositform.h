#pragma once

#include "agents/arpdeposit.h"

#include <functional>

namespace ventrix::agents {

// What the deposit screen's Guardar and payment buttons do, with every message and question.
class DepositForm
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // The field (by column) to go back to.
        std::function<void(const QString&)> focus;
    };

    DepositForm(ArpDepositStore& store, qint64 cp01Id, Hooks hooks);

    // "&Guardar": the lock of a declared deposit, the amount to deposit, every field, then the save.
    bool guardar(ArpDeposit& d, bool agentDataComplete);
    // Payment: the amount (asking when it exceeds the balance), every field, the confirmation, a
    // form number drawn once and kept, then the save. The form is printed by the caller.
    bool pagar(ArpDeposit& d, bool agentDataComplete);

private:
    bool store(ArpDeposit& d);
    void setStatus(const QString& text, int ms = 2000) const;

    ArpDepositStore& m_store;
    qint64 m_cp01Id;
    Hooks m_hooks;
};

}
