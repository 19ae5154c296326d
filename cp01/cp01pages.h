#pragma once

#include "cp01/cp01page.h"
#include "cp01/cp01record.h"

namespace ventrix::cp01 {

// Whether the procedure prints a second page: premises 2 or 3 has a trade name.
bool hasSecondPage(const Cp01Record& record);

// Page 1: the person, the complementary data, the responsible persons, the fiscal address and
// premises 1 with its activities; total is the number of pages of the print.
Cp01Page page1(const Cp01Record& record, const QString& receipt, int total);
// Page 2: premises 2 and 3 with their activities.
Cp01Page page2(const Cp01Record& record, const QString& receipt);
// The pages of a procedure's print, one or two.
QList<Cp01Page> procedurePages(const Cp01Record& record, const QString& receipt);

// The one page of an opened premises: the page-1 header, the taxpayer and the premises with its
// activities.
Cp01Page openedPremisesPage(const Cp01Record& record, const OpenedPremises& premises, const QString& receipt);

}
