#pragma once

#include "common/fixed.h"
#include "sid3/declaration.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace ventrix::sid3 {

// One line of a register import file as it will be stored, or why it is not.
struct ImportedRecord
{
    QDate fecha; // invalid when the first field is not a date
    QString concepto; // at most 50 characters
    std::optional<Money> monto; // empty when the third field is not an amount
    QString responsable; // at most 50 characters
    QString cuit; // "##-########/#" when its check passes, else empty
    bool cuitChecked = false; // false when a CUIT was given and failed its check

    // A line is stored only with a date and an amount other than zero.
    bool accepted() const { return fecha.isValid() && monto && !monto->isZero(); }
    bool operator==(const ImportedRecord&) const = default;
};

// The authority's CUIT check on the 13 characters of the import field: the separators may be
// any character.
bool importCuitValid(QStringView cuit);

// One non-blank line of the file: quotes removed, apostrophes turned into "´", the fields split
// at TAB.
ImportedRecord parseImportLine(const QString& line);

// The records of a whole file (blank lines skipped), in file order.
struct ImportFile
{
    QList<ImportedRecord> records;
    int lineCount() const { return static_cast<int>(records.size()); }
    int acceptedCount() const;
};
// The file's bytes as the program reads them: Windows-1252 text, CR LF or LF line ends.
ImportFile parseImportFile(const QByteArray& bytes);

// What the import panel tells of a file: its records (lines that are not blank), their average
// length in characters without the line end, and its size in bytes.
struct ImportFigures
{
    int count = 0;
    qint64 averageLength = 0;
    qint64 size = 0;
    bool operator==(const ImportFigures&) const = default;
};
ImportFigures importFigures(const QByteArray& bytes);

// The preview shows at most this many records of a file.
inline constexpr int PreviewRows = 200;

// "07 seg.": the time a load still needs at the pace it has gone so far.
QString remainingTime(qint64 elapsedMs, int done, int total);

// The latest date a receipt of the register may carry for the declared month: its last day,
// plus 15 days for withholdings.
QDate registerDateLimit(Register reg, int month, int year);

}
