#pragma once

#include "agents/declarationform.h"
#include "common/ui/moduleregistry.h"

class QPrinter;
class QWidget;

namespace ventrix::agents {

// Prints a declaration just stored (DeclarationForm::declarar) or stored before: its pages through
// the preview with "Guardar PDF", then its delivery file in "Archivos" and the offer to copy it.
// printer: the one chosen before the marks were written (DeclarationForm's choosePrinter hook);
// nullptr to ask for it here. True when the pages went out and the file was written.
bool printArpDeclaration(QWidget* parent, const ModuleLaunch& launch, const MonthlyDeclaration& declaration,
    QPrinter* printer = nullptr);

}
