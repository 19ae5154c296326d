#pragma once

#include <QList>
#include <QString>

namespace ventrix::app {

// A library the program was built against, with the version it finds when it runs.
struct ComponentVersion
{
    QString name;
    QString installed;   // "(no está instalada)" when it cannot be found
    QString required;    // the version the program was built with
    QString file;        // the library file in use
};

// Empty when the versions agree (letter case aside); else the warning paragraph that names
// the component, both versions and the file in use. A newer version is reported like an older one.
QString Verifica_Version(const ComponentVersion& component);

// The warnings of every component, in order, joined.
QString versionWarnings(const QList<ComponentVersion>& components);

// Qt, SQLite, zint and libzip as this process finds them.
QList<ComponentVersion> programComponents();

QString versionWarningTitle();

}
