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

// Quotes removed, apostrophes turned into "´"; the line's fields split at TAB.
QStringList importFields(QString line);
// One non-blank line of the file.
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

// The latest date a receipt of the register may carry for the declared month: its last day,
// plus 15 days for withholdings.
QDate registerDateLimit(Register reg, int month, int year);

}
