#pragma once

#include "cp01/cp01store.h"
#include "cp01/proceduretype.h"

#include <optional>

namespace ventrix::cp01 {

// How the inscription form is to be opened.
struct FormOpening
{
    QString tramite; // the procedure text the form shows and stores
    QString personas; // "FISICAS" or "JURIDICAS"; empty when the stored row says it
    qint64 loadKey = 0; // the procedure to load, 0 for an empty form
    bool asNewProcedure = false; // loaded from loadKey but stored as a new row derived from it
};

// The entry to the inscription form for one taxpayer: the rules for starting a procedure of each
// type, and the list of stored procedures to modify, print or delete. Every refusal and question
// goes through the message service.
class ProcedureMenu
{
public:
    ProcedureMenu(Cp01Store& store, qint64 cmdId, QString contribuyente);

    // "Próximo" with a procedure type chosen (sections only for a data modification);
    // nullopt when the rules refuse it.
    std::optional<FormOpening> Cmd_Prox(
        ProcedureType type, const QString& personas, const QList<Section>& sections = {});
    // The taxpayer's procedures, newest first; an empty list says so, a failure too.
    QList<ProcedureListRow> CargarGrilla();
    // Re-opening a listed procedure; changes are saved over it.
    std::optional<FormOpening> Cmd_ModTram(const ProcedureListRow* selected) const;
    // Deleting a listed procedure after its questions; true when something was deleted.
    bool Cmd_BorrarTramite(const ProcedureListRow* selected);

private:
    Cp01Store& m_store;
    qint64 m_cmdId;
    QString m_contribuyente;
};

}
