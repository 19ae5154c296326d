#pragma once

#include "cp01/cp01checks.h"
#include "cp01/cp01store.h"
#include "cp01/nomenclature.h"
#include "cp01/proceduremenu.h"

#include <functional>

namespace ventrix::cp01 {

// What the inscription form does when its buttons are pressed, with every message and question:
// the screen binds its fields to record(), calls these and shows what the hooks hand it.
// Premises are numbered 1 to 3; 4 is the opened premises shown on the openings card.
class Cp01Form
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // Opens the activity editor; an empty selection means the user cancelled.
        std::function<ActivitySelection()> chooseActivity;
        // Shows the tab, card and field a refused check points at.
        std::function<void(const CheckFailure&)> showFailure;
        // The required-fields check of the cards to print (person, responsible persons,
        // complementary data, fiscal address, named premises); it names the missing field itself.
        std::function<bool()> cardsComplete;
        // The same check over the opened premises' card and address frame.
        std::function<bool()> openedCardComplete;
    };

    Cp01Form(Cp01Store& store, qint64 cmdId, Hooks hooks);

    // Loads the form as the procedure list asks: empty, derived from a stored procedure, or a
    // stored procedure itself. An opening of premises is told what it may change.
    Status open(const FormOpening& opening);

    // The window's title, and whether the user may go to a tab: a data modification unlocks only
    // the tabs of the sections it names (the refusal is shown).
    QString title() const;
    bool pedirTab(FormTab tab) const;

    Cp01Record& record() { return m_record; }
    const Cp01Record& record() const { return m_record; }
    OpenedPremises& openedPremises() { return m_opened; }
    ActivityTable& activities(int premises);
    bool isSaving() const { return m_saving; }
    bool isApertura() const { return isProcedure(m_record.tramite(), ProcedureType::AperturaComercio); }

    // "&Guardar": the storing checks, then the procedure is stored with today's date.
    bool Guardar();
    // Stores the procedure; with askDate the presentation date is asked first.
    bool GuardarCP01(bool askDate);
    // "&Imprimir": the checks before printing and the store with the presentation date asked;
    // the date when the print may follow.
    std::optional<QDate> prepararImpresion();
    // "&Imprimir" of the openings card: the checks of the opened premises, its store and the
    // presentation date asked; the date when its print may follow.
    std::optional<QDate> prepararImpresionApertura();

    // "Recuperar las actividades cargadas de la base de datos": the grid as stored; a failure
    // is shown and leaves the grid empty.
    void recuperarActividades(int premises);
    bool agregarActividad(int premises);
    bool borrarActividad(int premises, int row); // row -1: none selected
    void marcarExenta(int premises, int row, bool exento);
    // Leaving a premises number field; false (and the field to be emptied) when it is taken.
    bool numeroComercioLibre(int premises, const QString& number);

    // The openings card.
    QList<ListEntry> openedPremisesList();
    Status seleccionarComercio(qint64 comId);
    bool Cmd_Com_Nuevo();
    bool Cmd_Com_Guardar();
    bool Cmd_Com_Borrar();

    // "&Salir".
    bool Cmd_Aceptar() const;

private:
    void setStatus(const QString& text, int ms) const;
    bool refuse(const CheckFailure& failure) const;
    bool printChecks();

    Cp01Store& m_store;
    qint64 m_cmdId;
    Hooks m_hooks;
    Cp01Record m_record;
    OpenedPremises m_opened;
    qint64 m_derivedFrom = 0;
    bool m_saving = false;
};

}
