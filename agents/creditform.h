#pragma once

#include "agents/creditmodels.h"
#include "agents/creditstore.h"
#include "agents/ncarpform.h"

#include <QHash>

#include <functional>

namespace ventrix::agents {

// What the credit notes' screen does: the declared operations of one register, the credits added
// to them, stored together, deleted, listed for printing and printed on the NCARP form. Questions go
// through the message service; the dialog, the printer and the preview through the hooks.
class CreditForm
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // The credit dialog for the operation and what can still be credited; nullopt on "Cancelar".
        std::function<std::optional<Money>(const DeclaredOperation&, Money disponible)> askCredit;
        // The printer's choice; false when cancelled.
        std::function<bool()> choosePrinter;
        // Shows the pages; true when they were printed or saved as PDF.
        std::function<bool(NcarpForm&)> preview;
    };

    CreditForm(CreditStore& store, qint64 cmdId, qint64 cp01Id, AgentRegister which, Hooks hooks);

    AgentRegister which() const { return m_which; }
    DeclaredOperationsModel& operations() { return m_operations; }
    CreditLinesModel& credits() { return m_credits; }
    const CreditQuery& query() const { return m_query; }
    bool printEnabled() const { return m_query.soloNoImpresos; }
    // Whether the list holds credits not stored yet.
    bool hasPending() const { return !pendingLines().isEmpty(); }

    // The declared operations and the credits of the current view, read again; false on failure
    // (told to the user).
    bool cargar();
    // The credit of the operation at the row (double click, "&Crédito"); false when none was added.
    bool AddCreditoDe(int row);
    // Stores the pending lines all together; true when there was nothing to store or all were stored.
    bool Guardar();
    // The credit at the row of the list, after the question.
    bool Borrar(int row);
    // The stored credits of the view: only those not printed or all, and when an invoice number is
    // typed and the user agrees, only those whose invoice contains it. Pending lines stay on top.
    bool QueryVerImprimir(bool soloNoImpresos, const QString& factura);
    // Imprimir_DDJJ: the marked credits on a new NCARP form (pending ones stored first); they count
    // as printed once the pages were printed or saved.
    bool Imprimir_DDJJ();
    // The form the last print showed.
    const std::optional<NcarpData>& ultimoFormulario() const { return m_ultimo; }

private:
    void setStatus(const QString& text, int ms = 2000) const;
    bool readOperations();
    bool readCredits(QHash<qint64, bool> marks = {});
    QList<CreditLine> pendingLines() const;
    std::optional<NcarpData> formData();

    CreditStore& m_store;
    qint64 m_cmdId;
    qint64 m_cp01Id;
    AgentRegister m_which;
    Hooks m_hooks;
    DeclaredOperationsModel m_operations;
    CreditLinesModel m_credits;
    CreditQuery m_query;
    std::optional<NcarpData> m_ultimo;
};

}
