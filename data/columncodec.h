#pragma once

#include "data/schemacatalog.h"

#include <QVariant>

#include <optional>

namespace ventrix::data {

// Converts between the values SQLite stores and the values the program works with.
namespace columncodec {

// A stored value read from a column of that kind, as the program handles it.
QVariant fromStorage(ColumnKind kind, const QVariant& stored);

// The value to bind for the column: accepts the program's own types (Money, Index4, QDate,
// integers) and the texts typed on screens ("1.234,50", "05/10/1999"). An empty text or an
// invalid variant stores NULL. nullopt with a message naming the column when it does not fit.
std::optional<QVariant> toStorage(const ColumnInfo& column, const QVariant& value, QString* error);

}
}
