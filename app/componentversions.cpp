#include "app/componentversions.h"

#include <QtGlobal>

#include <sqlite3.h>
#include <zint.h>
#include <zip.h>

#include <dlfcn.h>

namespace ventrix::app {
namespace {

const QString NotInstalled = QStringLiteral("(no está instalada)");

// The shared library that holds the given symbol.
QString libraryFileOf(const void* symbol)
{
    Dl_info info{};
    if (dladdr(symbol, &info) == 0 || !info.dli_fname)
        return NotInstalled;
    return QString::fromLocal8Bit(info.dli_fname);
}

template <typename Function>
const void* address(Function* f)
{
    return reinterpret_cast<const void*>(f);
}

// zint reports 2.11.1 as 21101; development builds carry ten times the release plus the build.
QString zintVersionText(int version)
{
    int release = version % 100;
    if (release >= 10)
        release /= 10;
    return QStringLiteral("%1.%2.%3").arg(version / 10000).arg(version / 100 % 100).arg(release);
}

}

QString Verifica_Version(const ComponentVersion& c)
{
    if (c.installed.compare(c.required, Qt::CaseInsensitive) == 0)
        return {};
    return QStringLiteral("La versión de ") + c.name + QStringLiteral(" es ") + c.installed
        + QStringLiteral(" y debería ser ") + c.required + u'\n' + QStringLiteral("El archivo utilizado es ")
        + c.file + QStringLiteral("\n\n\n");
}

QString versionWarnings(const QList<ComponentVersion>& components)
{
    QString joined;
    for (const ComponentVersion& c : components)
        joined += Verifica_Version(c);
    return joined;
}

QList<ComponentVersion> programComponents()
{
    return {
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR),
         libraryFileOf(address(&qVersion))},
        {QStringLiteral("SQLite"), QString::fromLatin1(sqlite3_libversion()), QStringLiteral(SQLITE_VERSION),
         libraryFileOf(address(&sqlite3_libversion))},
        {QStringLiteral("zint"), zintVersionText(ZBarcode_Version()), QStringLiteral(VENTRIX_ZINT_BUILD_VERSION),
         libraryFileOf(address(&ZBarcode_Version))},
        {QStringLiteral("libzip"), QString::fromLatin1(zip_libzip_version()), QStringLiteral(LIBZIP_VERSION),
         libraryFileOf(address(&zip_libzip_version))},
    };
}

QString versionWarningTitle()
{
    return QStringLiteral("Incompatibilidades que pueden generar mal funcionamiento...");
}

}
