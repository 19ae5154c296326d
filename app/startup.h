#pragma once

#include "app/componentversions.h"
#include "app/regionalcheck.h"
#include "data/datafolder.h"

#include <QStringList>

#include <functional>

namespace ventrix::data {
class Database;
class DataFolderLock;
}

namespace ventrix::app {


// What the program was started with.
struct StartupContext
{
    QString executable; // the running program's file
    QStringList arguments; // as given (without the program's name): passed on to a newer copy
    data::DataFolder folder;
};

enum class MainOutcome { Continue, End };
// The window start-up hands over to; None ends the program.
enum class StartupWindow { None, Principal, Backup };

// The start-up checks in their fixed order, each failure with its message; no windows, so
// every road can be followed in tests.
class Startup
{
public:
    // Starts a program detached with arguments; false when it could not be started.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    Startup(StartupContext context, data::DataFolderLock& lock);

    // The entry steps: a second copy is refused, a newer copy of the program is started instead.
    MainOutcome Main(const Launcher& launch);

    // The checks of the splash window: component versions, the "Archivos" folder, the database
    // (created on the very first start, opened, checked and upgraded), the regional formats.
    StartupWindow Inicia(
        data::Database& database, const QList<ComponentVersion>& components, const RegionalSettings& regional);

private:
    bool takeLock();
    StartupWindow openDatabase(data::Database& database);

    StartupContext m_context;
    data::DataFolderLock& m_lock;
};

}
