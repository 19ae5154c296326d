#pragma once

#include <QSizeF>

namespace ventrix::print {

// The A4 test run after the user picks a printer: the paper selected (width x height, millimetres)
// passes when at least 195 x 290; otherwise the user is asked whether to go on anyway.
// Returns true when printing may go on. Questions go through the message service.
bool acceptPaper(const QSizeF& paperMm);

// Shown when the user cancels the printer dialog; always false, so callers can return it.
bool reportPrintCancelled();

}
