#include "app/buttonrules.h"

namespace ventrix::app {

bool isButtonEnabled(MainButton button, qint64 cmdId, const QString& estadoCp01)
{
    switch (button) {
    case MainButton::Salir:
    case MainButton::Help:
    case MainButton::Alta:
    case MainButton::Indices:
    // Searching needs no selection: a search that found nothing must not lock the search out.
    case MainButton::BuscarGrilla:
        return true;
    default:
        break;
    }
    if (estadoCp01 == QStringLiteral("0"))
        return button == MainButton::Arp || button == MainButton::ModifContrib || button == MainButton::BajaContrib;
    return cmdId > 0;
}

}
