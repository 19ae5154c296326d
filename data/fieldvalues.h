#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

namespace ventrix {

// One row as the program handles it: column name -> value, typed by the column's declared
// type (FIXED2 -> Money, FIXED4 -> Index4, DATE -> QDate, INTEGER -> qlonglong, TEXT ->
// QString; a NULL is an invalid QVariant).
using FieldValues = QMap<QString, QVariant>;

}
