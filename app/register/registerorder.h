#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace ventrix::app {

// The keys of the whole register in display order: by vx_sortkey of the identification (a
// missing one first), then by key; nullopt with the engine's words in error on failure.
std::optional<QList<qint64>> readRegisterOrder(QSqlDatabase db, QString* error);

}
