#pragma once

#include "agents/certificate.h"
#include "agents/operationstore.h"

#include <functional>

namespace ventrix::agents {

// What the withholding and perception screens do when a button is pressed or a field is left,
// with every message and question: the screen binds its fields to operationFields(), hands them
// in and shows operation() again when a call says the row changed.
class OperationForm
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // The field (by column) or button (by name, "Cmd_Alta") to go to.
        std::function<void(const QString&)> focus;
        // The counterparts' search dialog; nullopt when the user cancels.
        std::function<std::optional<Counterpart>()> chooseCounterpart;
    };

    OperationForm(OperationStore& store, qint64 cmdId, qint64 cp01Id, Hooks hooks);

    const RegisterKind& kind() const { return m_store.kind(); }
    const AgentData& agent() const { return m_agent; }
    const AgentOperation& operation() const { return m_op; }
    QString title() const;

    // Opening and "&Nuevo": the agent's data and number read again, an empty operation.
    bool open();
    void ClearForm();

    // "&Guardar": the lock of a declared row, the required fields and the identifiers, then the
    // row is stored with the agent's number.
    bool Guardar(const FieldValues& screen);
    // "&Borrar", after the question (No by default).
    bool Borrar();
    // "&Imprimir": the required fields, the save, then the certificate with a new number. A declared
    // row shown unchanged is printed without saving; changed, it is refused as Guardar refuses it.
    std::optional<CertificateData> Imprimir(const FieldValues& screen);

    // "&Buscar" and the choice of an entry.
    QList<ListEntry> Buscar(const QString& text);
    bool elegir(qint64 id);
    // "Buscar Base": the chosen counterpart's newest row copied into a new operation.
    bool BuscarBase();

    // Leaving the counterpart's CUIT or I.S.I.B. field. The text the field keeps; when no row is
    // loaded a known counterpart fills a new operation (operation() then changed).
    struct Leave
    {
        QString text;
        bool accepted = false;
        bool filled = false;
    };
    Leave leaveIdentifier(IdentifierKind which, const QString& typed);
    // Leaving the date: a month with deposits already made is only pointed out.
    void leaveFecha(QDate fecha);

private:
    void setStatus(const QString& text, int ms = 2000) const;
    void focus(const QString& target) const;
    std::optional<AgentOperation> readScreen(const FieldValues& screen) const;
    // The stored row when it is declared and the screen shows it unchanged.
    std::optional<AgentOperation> declaredAsShown(const AgentOperation& shown);

    OperationStore& m_store;
    qint64 m_cmdId;
    qint64 m_cp01Id;
    Hooks m_hooks;
    AgentData m_agent;
    AgentOperation m_op;
};

}
