#pragma once

#include <QString>
#include <QStringList>

namespace ventrix {

// The removable volumes mounted for the user (/media/$USER/*, /run/media/$USER/*), ordered by
// path. VENTRIX_REMOVABLE_ROOTS (folders separated by ":") replaces the probe, for machines
// whose sticks mount elsewhere and for scripted runs.
QStringList removableVolumes();

// A volume's folder as the messages name it: native separators and a trailing separator.
QString volumeDisplayPath(const QString& root);

}
