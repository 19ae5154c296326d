#pragma once

#include "common/fieldvalues.h"
#include "data/accesodatos.h"

#include <QList>

namespace ventrix::cp01 {

// The look-up lists the inscription form's combos offer; each entry carries the code stored.
struct LookupLists
{
    QList<ListEntry> tiposDoc; // shows the description, stores the type
    QList<ListEntry> paises;
    QList<ListEntry> estadosCiviles;
    QList<ListEntry> natJuridicas; // in the numeric order of their texts
    QList<ListEntry> condIva;
    QList<ListEntry> provincias;
};

LookupLists loadLookupLists(data::AccesoDatos& db);

// The taxpayer's name as the register holds it; empty when there is none.
QString taxpayerName(data::AccesoDatos& db, qint64 cmdId);

}
