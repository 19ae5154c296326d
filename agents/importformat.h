#pragma once

#include "agents/registerkind.h"
#include "common/result.h"

#include <QSqlDatabase>
#include <QStringList>

#include <vector>

namespace ventrix::agents {

// How one field of an import line is read and checked.
enum class ImportFieldKind { Text, Cuit, IBrutos, Date, Money, Rate, Integer };

struct ImportColumn
{
    QString name;
    ImportFieldKind kind = ImportFieldKind::Text;
    int width = 0; // longest text the column holds; 0 when unbounded
    bool required = false;
};

// The fields of an import line: the register table's columns in the table's order, less the key,
// the agent's inscription and the four declaration marks, which the import never takes from a file.
struct ImportFormat
{
    const RegisterKind* kind = nullptr;
    std::vector<ImportColumn> columns;
    int baseIndex = -1;
    int rateIndex = -1;
    int amountIndex = -1;

    // Read from the database's own definition of the register's table.
    static Result<ImportFormat> read(QSqlDatabase db, const RegisterKind& kind);
    QStringList columnNames() const;
};

}
