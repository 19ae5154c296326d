#pragma once

#include <QString>

namespace ventrix::agents {

enum class AgentRegister { Retenciones, Percepciones };

// Where one of the agent's registers lives and how its texts differ: withholdings and perceptions
// share the row shape and every rule, only names and a few words change.
struct RegisterKind
{
    AgentRegister which;
    QString table; // "Form_AgentRetencion"
    QString prefix; // "AgRet"
    QString keyColumn; // "AgRet_ID"
    QString numAgenteColumn; // the agent number stored with the row
    QString cmdNumberColumn; // the taxpayer's number it is copied from
    QString documentColumn; // receipt or invoice number
    QString dateColumn; // decides the row's period
    QString amountColumn; // amount withheld or perceived
    QString arpOperacion; // "Retención": the deposits of this register in Form_ARP
    QString operationWord; // "retención", as the period warning names it
    bool hasPlace; // place and issue date of a printed certificate

    static const RegisterKind& retenciones();
    static const RegisterKind& percepciones();
    static const RegisterKind& of(AgentRegister which);

    // "AgRet_CUIT" for "CUIT".
    QString column(const QString& item) const { return prefix + u'_' + item; }
    QString incompleteMessage() const;
    QString selfOperationMessage() const;
    QString numberLookupError() const;
};

}
