#include "app/taxpayerfields.h"

namespace ventrix::app {
namespace {

const QString Contribuyente = QStringLiteral("CMD_Contribuyente");
const QString Domicilio = QStringLiteral("CMD_Domicilio");
const QString Te = QStringLiteral("CMD_Te");
const QString NumRef = QStringLiteral("CMD_NumRef");

}

FieldValues taxpayerFields(const Taxpayer& taxpayer)
{
    return { { Contribuyente, taxpayer.contribuyente }, { Domicilio, taxpayer.domicilio },
        { Te, taxpayer.te }, { NumRef, taxpayer.numRef } };
}

Taxpayer withTaxpayerFields(Taxpayer taxpayer, const FieldValues& values)
{
    taxpayer.contribuyente = values.value(Contribuyente).toString();
    taxpayer.domicilio = values.value(Domicilio).toString();
    taxpayer.te = values.value(Te).toString();
    taxpayer.numRef = values.value(NumRef).toString();
    return taxpayer;
}

}
