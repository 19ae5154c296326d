#pragma once

#include "agents/arpdeclarationdata.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace ventrix::agents {

// "IB16_0000815.txt" for withholdings, "AP02_0000815.txt" for perceptions.
QString declarationFileName(AgentRegister which, const QString& numero);

// The records of the declaration's delivery file, unscrambled, without line ends: for withholdings
// a 70-character header (agent, number, "1", the month's total) and one 70-character record per
// withholding; for perceptions one 75-character record per perception. A value wider than its
// field is refused with the field named: a record of the wrong width would be misread.
Result<QStringList> declarationRecords(const ArpDeclarationData& data);

// What a delivery file of a declaration holds, read back: its records unscrambled and checked.
struct DeclarationFileContents
{
    QString agentNumber; // the five digits
    std::optional<Money> totalMes; // the withholdings' header
    int details = 0;
    Money sumImporte; // the detail amounts with their signs
};
// Reads the bytes of "IB16_"/"AP02_" + numero + ".txt": every record of its width, of the number,
// of the agent of the first one, digits where digits go; the reason when one is not.
Result<DeclarationFileContents> readDeclarationFile(
    const QByteArray& bytes, AgentRegister which, const QString& numero);

// Writes the file into the folder, each record scrambled with the declaration number and ended
// with CR LF, whole or not at all; its path.
Result<QString> writeDeclarationFile(const QString& archivos, const ArpDeclarationData& data);
// The same with the records already made by declarationRecords.
Result<QString> writeDeclarationRecords(
    const QString& archivos, const MonthlyDeclaration& declaration, const QStringList& records);

}
