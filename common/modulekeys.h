#pragma once

#include <QString>

// The keys under which the module windows are registered and the main window's buttons open them.
namespace ventrix::modulekey {

inline const QString Cp01 = QStringLiteral("CP01"); // Frm_CP01Menu
inline const QString Sid3 = QStringLiteral("Sid3"); // Frm_SID3
inline const QString Cp02 = QStringLiteral("CP02"); // Frm_CP02
inline const QString Arp = QStringLiteral("ARP"); // Frm_ARP
inline const QString Pfp = QStringLiteral("PFP"); // Frm_PFP
inline const QString Ib08 = QStringLiteral("IB08"); // Frm_IB08
inline const QString Tasas = QStringLiteral("Tasas"); // Frm_Indices
inline const QString Claves = QStringLiteral("Claves"); // Frm_Claves, the agent set-up

}
