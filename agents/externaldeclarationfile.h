#pragma once

#include "agents/registerkind.h"
#include "common/result.h"

#include <QByteArray>

namespace ventrix::agents {

// The declaration number a plain declaration file carries in the first record (positions 6 to 12,
// after the agent number), "" when it carries none.
QString numberInPlainFile(const QByteArray& plain);

// A typed declaration number as "0000000"; nullopt when it is not one to seven digits (or zero).
std::optional<QString> declarationNumber(const QString& typed);

// Scrambles a declaration file made outside the program (earlier versions) record by record with
// the declaration number and writes it whole into the folder as the declaration's delivery file;
// its path.
Result<QString> encryptExternalFile(
    const QString& plainPath, const QString& archivos, AgentRegister which, const QString& numero);

}
