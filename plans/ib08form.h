#pragma once

#include "common/result.h"
#include "plans/ib08store.h"

#include <functional>

namespace ventrix::plans {

// What the general payment form does when its buttons are pressed, with every message and
// question: the screen reads its fields into a payment, calls these and shows what they leave.
class Ib08Form
{
public:
    struct Hooks
    {
        // The message line: a text and how long it stays, in milliseconds.
        std::function<void(const QString&, int)> status;
        // Prints the payment just stored; the form number, or why not (empty: cancelled).
        std::function<Result<QString>(const Ib08Payment&, const Ib08Taxpayer&, Ib08Concept)> print;
        // Prints the form in blank.
        std::function<void()> printBlank;
    };

    Ib08Form(Ib08Store& store, qint64 cmdId, Hooks hooks = {});

    // Finds the taxpayer's newest inscription with its CUIT and I.S.I.B. number and the list of
    // payments; false after telling the user why the form cannot open. Without a taxpayer selected
    // the form opens in blank: it only prints the form for the authority's staff to fill in.
    bool open();
    bool isBlank() const { return m_blank; }
    const Ib08Taxpayer& taxpayer() const { return m_taxpayer; }
    const QList<Ib08Entry>& payments() const { return m_list; }
    const Ib08Payment& payment() const { return m_payment; }

    // "&Nuevo": an empty payment.
    void nuevo();
    // A stored payment chosen from the list.
    bool seleccionar(qint64 ib08Id);
    // "&Guardar" with the payment as typed; false (the reason shown) when refused or failed.
    bool Guardar(const Ib08Payment& typed);
    // "&Borrar" of the payment shown, after the question.
    bool Borrar();
    // "&Imprimir": stores the payment as typed, then prints it for the concept chosen.
    bool Imprimir(const Ib08Payment& typed, Ib08Concept tramite);

private:
    void setStatus(const QString& text, int ms = 2000) const;
    bool reloadList();

    Ib08Store& m_store;
    qint64 m_cmdId;
    Hooks m_hooks;
    Ib08Taxpayer m_taxpayer;
    QList<Ib08Entry> m_list;
    Ib08Payment m_payment;
    bool m_blank = false;
};

}
