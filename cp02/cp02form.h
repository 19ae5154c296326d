#pragma once

#include "cp02/annualtax.h"
#include "cp02/cp02store.h"

#include <functional>

namespace ventrix::cp02 {

// What the annual declaration screen does when its buttons are pressed, with every message and
// question: the screen copies its fields to record(), calls these and shows what they leave there.
class Cp02Form
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // Prints the declaration just stored (printing always follows storing).
        std::function<void(const Cp02Record&)> print;
    };

    Cp02Form(Cp02Store& store, qint64 cmdId, qint64 cp01Id, Hooks hooks = {});

    // Loads the taxpayer data, an empty declaration and the list of stored ones.
    Status open();
    const TaxpayerData& taxpayer() const { return m_taxpayer; }
    const QList<DeclarationEntry>& declarations() const { return m_list; }
    Status reloadList();

    // "Formulario CP02 Período 2025", or the new period's title.
    QString title() const;
    Cp02Record& record() { return m_record; }
    const Cp02Record& record() const { return m_record; }
    bool isStored() const { return m_record.id() != 0; }

    // A new, empty declaration.
    void nuevo();
    // Loads a stored declaration chosen from the list.
    Status seleccionar(qint64 cp02Id);

    // "&Aceptar" of the period card: the period and type are taken and the activities of the
    // period loaded. False (the reason shown) when they are refused or the user declines.
    bool aceptarPeriodo(int periodo, const QString& tramite);
    // Whether the user may go back to the period card: not once the declaration is stored.
    bool pedirTabPeriodo() const;

    // The activity grid: a row's tax after its base, rate or exempt mark changed.
    void CalculaImpuesto(int row);
    ActivityTotals activityTotals() const;
    // The distribution of income with missing amounts as 0; its total.
    Money SumTotal();

    // The option "Las Actividades Incluyen", and the monthly grid, its totals and the final
    // balance recomputed into the record.
    void setMinimoOption(MinimoOption option) { m_option = option; }
    MinimoOption minimoOption() const { return m_option; }
    const MonthAmounts& CalculaTotalGrid2();
    const MonthAmounts& monthTotals() const { return m_totals; }

    // "&Guardar": the checks, then the declaration is stored, printed and the list reloaded.
    bool Guardar();
    // "&Borrar" with the declaration chosen in the list (0: none).
    bool Borrar(qint64 cp02Id);

private:
    void setStatus(const QString& text, int ms) const;
    bool loadActivities(int periodo);

    Cp02Store& m_store;
    qint64 m_cmdId;
    qint64 m_cp01Id;
    Hooks m_hooks;
    TaxpayerData m_taxpayer;
    QList<DeclarationEntry> m_list;
    Cp02Record m_record;
    MinimoOption m_option = MinimoOption::Ninguna;
    MonthAmounts m_totals;
};

}
