#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace ventrix::print {

// Shows the platform's printer dialog for the printer; true when the user accepted it.
using PrinterDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The printer choice every print goes through: the platform's printer dialog, then the A4 test.
// Cancelling shows "Operación cancelada por el usuario..." and returns false.
bool DialogoImpresora(QPrinter& printer, QWidget* parent = nullptr);

// Replaces the platform dialog (tests); an empty runner restores it.
void setPrinterDialogRunner(PrinterDialogRunner runner);

}
