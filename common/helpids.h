#pragma once

namespace ventrix::helpid {

// Context ids of the help pages; each screen opens its own with F1 or its help button.
inline constexpr int Principal = 100;
inline constexpr int IdContrib = 110;
inline constexpr int Password = 120;
inline constexpr int Indices = 130;
inline constexpr int Backup = 140;
inline constexpr int Preview = 150;
inline constexpr int PrintScreen = 160;
inline constexpr int BorrarContribuyente = 680; // the delete question's help button
inline constexpr int Cp01Menu = 500;
inline constexpr int Cp01 = 510;
inline constexpr int InfoComplementaria = 520; // missing CUIT / I.S.I.B. number in the CP01
inline constexpr int ModifAct = 530;
inline constexpr int Cp02 = 540;
inline constexpr int Agentes = 690;
inline constexpr int Pagos = 1160;

}
