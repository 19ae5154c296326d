#pragma once

#include "common/result.h"
#include "data/accesodatos.h"
#include "sid3/sid3printform.h"

#include <QDate>

#include <functional>
#include <optional>

namespace ventrix::sid3 {

// What the declaration screen shows when "Imprimir" is pressed.
struct PrintRequest
{
    qint64 cmdId = 0;
    bool ratesIncompatible = false; // the rate-table check of the loaded declaration failed
    std::optional<Money> importeDepositado; // empty when the field is empty
    QDate fechaPago; // invalid when the field is empty
    std::optional<Money> totalDepositar;
};

// What a finished print left behind.
struct PrintOutcome
{
    QString comprobante;
    QString record;
    QString deliveryPath;
};

// The print of a monthly declaration: the checks and questions, the store, a new comprobante
// number, the pages through the screen's printer choice and preview, then the delivery file and
// its copy. The screen fills the hooks and, after Imprimir, clears itself and reloads its list:
//   store:         the screen's Guardar_Sid3
//   choosePrinter: DialogoImpresora(m_printer, this)
//   preview:       PrintPreview on m_printer; printed() || pdfSaved()
//   copy:          DeliveryCopier(archivos).Copia_Diskette(name)
//   status:        the message line
class Sid3PrintFlow
{
public:
    struct Hooks
    {
        // The screen's store of the declaration on it (Guardar_Sid3); the stored declaration's key.
        std::function<Result<qint64>()> store;
        // The printer choice (DialogoImpresora); false when the user cancelled it.
        std::function<bool()> choosePrinter;
        // The preview of the pages; true when they were printed (or saved as PDF).
        std::function<bool(Sid3PrintForm&)> preview;
        // Offers the delivery file of "Archivos" for copying (Copia_Diskette).
        std::function<void(const QString& fileName)> copy;
        // The message line ("Imprimiendo..."), emptied at the end.
        std::function<void(const QString&)> status;
    };

    Sid3PrintFlow(data::AccesoDatos& db, QString archivosFolder, Hooks hooks);

    // Cmd_Imprimir: every check and question in order; the reason when nothing was delivered.
    // Messages have been shown by then.
    Result<PrintOutcome> Imprimir(const PrintRequest& request);

    // The stored declaration's pages and record with a new comprobante number, without asking
    // anything (the command line's print).
    static Result<std::unique_ptr<Sid3PrintForm>> prepare(data::AccesoDatos& db, qint64 cmdId, qint64 sidId);

private:
    bool checksPass(const PrintRequest& request) const;
    void setStatus(const QString& text) const;

    data::AccesoDatos& m_db;
    QString m_archivos;
    Hooks m_hooks;
};

}
