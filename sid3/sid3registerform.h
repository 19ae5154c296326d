#pragma once

#include "sid3/sid3registermodel.h"

#include <functional>

namespace ventrix::sid3 {

// What the register screen does when its buttons are pressed, with every message and question;
// the grid is the model it keeps up to date.
class Sid3RegisterForm
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // Asked before each import line with the lines gone through and the file's total; true
        // stops the load.
        std::function<bool(int done, int total)> cancelImport;
    };

    Sid3RegisterForm(data::AccesoDatos& db, Register reg, qint64 sidId, Period period, Hooks hooks = {});

    Sid3RegisterModel& model() { return m_model; }
    QString caption() const { return registerCaption(m_model.store().kind()); }

    // "Agregar": an empty record of the declaration's month.
    RegisterRecord Nuevo() const;
    // Leaving the date: false (and the field to be emptied) when it is too late for the register.
    bool fechaValida(QDate fecha) const;
    // The agent's name and CUIT last recorded with the number, when the record has neither.
    void completarAgente(RegisterRecord& record);
    bool Guardar(RegisterRecord& record);
    bool Borrar(const RegisterRecord& record);
    bool BorrarTodos();
    // Loads the file's accepted lines and tells how it went.
    bool Ingresar_Registros(const ImportFile& file);

    // What goes back to the declaration when the screen closes.
    RegisterTotal total() const { return m_model.total(); }

private:
    void refresh();
    void setStatus(const QString& text, int ms) const;

    Sid3RegisterModel m_model;
    qint64 m_sidId;
    Period m_period;
    Hooks m_hooks;
};

}
