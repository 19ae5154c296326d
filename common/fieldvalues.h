#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

namespace ventrix {

// One row as the program handles it: column name -> value, typed by the column's declared
// type (FIXED2 -> Money, FIXED4 -> Index4, DATE -> QDate, INTEGER -> qlonglong, TEXT ->
// QString; a NULL is an invalid QVariant).
using FieldValues = QMap<QString, QVariant>;

// One entry of a list or combo: the text shown and the key it stands for.
struct ListEntry
{
    QString text;
    QVariant key;
};

// A value as screens and lists show it: amounts "1.234,50", dates "05/10/1999".
QString displayText(const QVariant& value);

}
