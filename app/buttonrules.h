#pragma once

#include <QString>

namespace ventrix::app {

// The command buttons of the main window.
enum class MainButton {
    Alta, ModifContrib, BajaContrib, BuscarGrilla,
    Cp01, Sid3, Cp02, Arp, Pfp, Ib08, Indices,
    Help, Salir,
};

// Whether a button of the main window is enabled for the selected taxpayer (0: none) and the
// state of its newest CP01 as shown in the window (empty when unknown). A taxpayer whose CP01
// is marked 0 works only as an agent and may only use ARP and the register.
bool isButtonEnabled(MainButton button, qint64 cmdId, const QString& estadoCp01);

}
