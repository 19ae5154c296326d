#pragma once

#include "sid3/activitysource.h"
#include "sid3/balance.h"
#include "sid3/nuevotramite.h"
#include "sid3/sid3store.h"

#include <functional>

namespace ventrix::sid3 {

// What the monthly declaration screen does when its buttons are pressed, with every message and
// question: the screen binds its fields to declaration() and lines(), calls these and shows what
// they leave there.
class Sid3Form
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // Opens the new-period dialog; nullopt when the user cancels it.
        std::function<std::optional<NewPeriod>()> nuevoTramite;
        // The declaration screen must close (an index it needs is missing).
        std::function<void()> close;
        // Opens the register's screen over the stored declaration; what it hands back on closing.
        std::function<RegisterTotal(Register, qint64 sidId, Period)> openRegister;
    };

    Sid3Form(data::AccesoDatos& db, rates::IndicesTable& indices, qint64 cmdId, qint64 cp01Id, Hooks hooks);

    // Screen load: the first and last day of the index table; refused when it is empty.
    Status open();

    Sid3Store& store() { return m_store; }
    Declaration& declaration() { return m_declaration; }
    QList<ActivityLine>& lines() { return m_lines; }
    const TaxSummary& summary() const { return m_summary; }
    const Balance& balance() const { return m_balance; }
    QDate proposedDueDate() const { return m_proposedDue; }
    bool ratesIncompatible() const { return m_ratesIncompatible; }

    Result<QList<PeriodListRow>> Cargar_List_FormSid3();
    // Loads a stored declaration and recomputes it; a declaration dated outside the index table
    // is refused and the screen emptied.
    Status CargarTabla(qint64 sidId);
    // Every bound value emptied: no declaration on screen.
    void BorrarTabla();

    // "&Nuevo Per.": the dialog, then the activities of the period; true when a new declaration
    // is on screen.
    bool Cmb_NuevoPer();
    // Employees from last year's annual declaration; true when the user chose to complete it first.
    bool CargarTablaNewNumEmp();

    void CalculaImpuesto();
    // A line's base or exemption, or the employees, changed: the tax and the balance are
    // recomputed, and the interest with them once both dates are there.
    void lineEdited();
    // "Total Exentos" and "Total" of the income distribution as it stands.
    IncomeTotals incomeTotals() const;
    void Calc_FavorContrib();
    void CalculaDefault();
    // Interest and total to deposit; false when it could not be computed.
    bool CalculaInteres();
    // Leaving the due date: only its day may differ from the proposed one.
    void fhVtoEntered(QDate typed);
    // The due date field holds no date: the proposal is made again.
    void fhVtoInvalid(const QString& text);
    // Leaving the due date field with what was typed in it.
    void fhVtoTyped(const QString& text);
    // Leaving the payment date field with what was typed in it.
    void fechaPagoTyped(const QString& text);
    // Leaving the payment date: a day past the index table becomes its last day.
    void fechaPagoEntered(QDate typed);
    // Leaving the interest of a Rectificativa: recomputed, and written at once when stored.
    bool interesEntered(std::optional<Money> typed);
    // Opens a register; a new declaration is stored first. The register's total then goes into
    // the declaration, which is stored again.
    bool CallRegistraciones(Register reg);
    // A register's total and count handed back by its screen.
    void setRegisterTotal(Register reg, RegisterTotal total);

    // "&Guardar": proposes the dates, stores the declaration with its lines.
    bool Guardar();
    // "&Borrar Per.": asks, then deletes the declaration on screen.
    bool Cmb_Borrar();

private:
    void setStatus(const QString& text, int ms) const;
    bool refuseIncompatibleRates();
    std::optional<Index4> indexAt(QDate day) const;

    Sid3Store m_store;
    ActivitySource m_source;
    rates::IndicesTable& m_indices;
    qint64 m_cmdId;
    qint64 m_cp01Id;
    Hooks m_hooks;
    Declaration m_declaration;
    QList<ActivityLine> m_lines;
    TaxSummary m_summary;
    Balance m_balance;
    QDate m_proposedDue;
    QDate m_lowestIndex;
    QDate m_highestIndex;
    bool m_ratesIncompatible = false;
};

}
