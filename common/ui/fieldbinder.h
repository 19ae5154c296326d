#pragma once

#include "common/fieldvalues.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

class QComboBox;
class QListWidget;

namespace ventrix {

// Copies values between a screen's fields and a record: a field takes part when its
// dynamic property "dataField" holds a column name; a prefix selects one table's fields.
class FieldBinder
{
public:
    static constexpr char DataFieldProperty[] = "dataField";

    explicit FieldBinder(QWidget* screen);

    // The bound fields whose column begins with the prefix (case-insensitive), in screen order.
    QList<QWidget*> fields(const QString& prefix) const;
    static QString columnOf(const QWidget* field);

    void clear(const QString& prefix);
    // Shows the record's values in the prefix's fields; fields without a value are emptied.
    void load(const QString& prefix, const FieldValues& values);
    // The prefix's fields as typed: texts for text boxes, codes for combos, 0/1 for check
    // boxes, numbers for spin boxes; an empty field reads as NULL.
    FieldValues read(const QString& prefix) const;
    // Limits the text boxes of the prefix to their columns' widths.
    void applySizes(const QString& prefix, const QHash<QString, int>& sizes);

    static void fillList(QComboBox* combo, const QList<ListEntry>& entries);
    static void fillList(QListWidget* list, const QList<ListEntry>& entries);

private:
    QPointer<QWidget> m_screen;
};

}
