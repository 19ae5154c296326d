#pragma once

#include "agents/arpdeclarationdata.h"

#include <QStringList>

namespace ventrix::agents {

// "IB16_0000815.txt" for withholdings, "AP02_0000815.txt" for perceptions.
QString declarationFileName(AgentRegister which, const QString& numero);

// The records of the declaration's delivery file, unscrambled, without line ends: for withholdings
// a 70-character header (agent, number, "1", the month's total) and one 70-character record per
// withholding; for perceptions one 75-character record per perception. A value wider than its
// field is refused with the field named: a record of the wrong width would be misread.
Result<QStringList> declarationRecords(const ArpDeclarationData& data);

// Writes the file into the folder, each record scrambled with the declaration number and ended
// with CR LF, whole or not at all; its path.
Result<QString> writeDeclarationFile(const QString& archivos, const ArpDeclarationData& data);

}
