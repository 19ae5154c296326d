#pragma once

#include "agents/declarationstore.h"

#include <functional>

namespace ventrix::agents {

// A monthly declaration made: the register, the month, its number and the day it was presented.
struct MonthlyDeclaration
{
    AgentRegister which = AgentRegister::Retenciones;
    ArpPeriod period;
    QString numero;
    QDate fechaPres;
};

// What the declaration's buttons do, with every question: making the month's declaration and
// undoing it. The screen fills the hooks and prints what declarar() returns.
class DeclarationForm
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // The printer's choice, after the number is known and before any mark is written; false
        // when the user cancels. Without it the declaration goes on (the command line).
        std::function<bool()> choosePrinter;
    };

    DeclarationForm(DeclarationStore& store, qint64 cmdId, Hooks hooks);

    // "Cmd_PrintDDJJ": a deposit of the month, the question (No by default), not before the
    // month's last day; then the number found or drawn and the marks written. nullopt when
    // refused, cancelled or failed, each told to the user.
    std::optional<MonthlyDeclaration> declarar(const ArpPeriod& period);
    // "Borrar" of the control screen: the month's declaration found, two questions (No by
    // default), then the marks of its register rows and deposits cleared together.
    bool borrar(const ArpPeriod& period);

private:
    void setStatus(const QString& text, int ms = 2000) const;

    DeclarationStore& m_store;
    qint64 m_cmdId;
    Hooks m_hooks;
};

}
