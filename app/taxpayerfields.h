#pragma once

#include "app/register/taxpayers.h"
#include "common/fieldvalues.h"

namespace ventrix::app {

// The columns of CMD the identification screen binds; the password is not among them, as the
// table keeps only its hash.
FieldValues taxpayerFields(const Taxpayer& taxpayer);
// The taxpayer with the bound columns taken from the values (missing or empty ones as empty).
Taxpayer withTaxpayerFields(Taxpayer taxpayer, const FieldValues& values);

}
