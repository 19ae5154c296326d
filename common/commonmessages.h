#pragma once

#include <QString>

// The Spanish texts the shared screen parts show, kept together.
namespace ventrix::msg {

inline const QString SalirSinGuardar
    = QStringLiteral("Los datos ingresados no fueron guardados.\nDesea salir de igual modo...");

}
