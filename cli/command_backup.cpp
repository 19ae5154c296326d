#include "cli/cli.h"
#include "data/backupmessages.h"
#include "data/backupstore.h"
#include "data/database.h"

#include <QDir>
#include <QFileInfo>

namespace ventrix::cli {
namespace {

// The positional arguments and whether "--yes" was given; nullopt on an unknown option.
struct Arguments
{
    QStringList positional;
    bool yes = false;
};

std::optional<Arguments> parse(const QStringList& args, bool acceptYes)
{
    Arguments parsed;
    for (const QString& a : args) {
        if (acceptYes && a == QStringLiteral("--yes"))
            parsed.yes = true;
        else if (a.startsWith(u'-'))
            return std::nullopt;
        else
            parsed.positional << a;
    }
    return parsed;
}

int usageOf(Context& c, const QString& line)
{
    c.err << "Uso: ventrix-cli [--data-dir CARPETA] " << line << '\n';
    return ExitUsage;
}

int backup(Context& c, const QStringList& args)
{
    const auto parsed = parse(args, false);
    if (!parsed || parsed->positional.size() != 1)
        return usageOf(c, QStringLiteral("backup ARCHIVO.zip"));
    const QString path = c.folder.databasePath();
    // Reading only: a backup works on a read-only database and never upgrades it.
    data::Database database;
    const data::OpenResult opened = database.openReadOnly(path);
    if (!opened.ok()) {
        c.err << data::msg::backupFailed() << '\n';
        explainUnusable(c, path, opened);
        return ExitRefused;
    }
    data::BackupStore store(c.folder, &database);
    QString error;
    if (!store.backupTo(QDir::current().absoluteFilePath(parsed->positional.first()), {}, &error)) {
        c.err << data::msg::backupFailed() << '\n' << error << '\n';
        return ExitRefused;
    }
    c.out << data::msg::backupDone() << '\n';
    return ExitOk;
}

int restore(Context& c, const QStringList& args)
{
    const auto parsed = parse(args, true);
    if (!parsed || parsed->positional.size() != 1)
        return usageOf(c, QStringLiteral("restore ARCHIVO.zip [--yes]"));
    const QString archive = QDir::current().absoluteFilePath(parsed->positional.first());
    if (!QFileInfo(archive).isFile()) {
        c.err << "No existe el archivo " << QDir::toNativeSeparators(archive) << '\n';
        return ExitRefused;
    }
    // No other program may be working on the database being replaced.
    const auto lock = lockDataFolder(c);
    if (!lock)
        return ExitRefused;
    data::BackupStore store(c.folder, nullptr);
    QString error;
    data::BackupStore::RestoreProblem problem = data::BackupStore::RestoreProblem::None;
    data::PreparedRestore prepared = store.prepareRestore(archive, {}, &error, &problem);
    const QString name = store.databaseFileName();
    if (!prepared.isValid()) {
        if (problem == data::BackupStore::RestoreProblem::Device)
            c.err << data::msg::notRestored(name) << '\n'
                  << error << '\n'
                  << data::msg::restoreIncomplete() << '\n';
        else
            c.err << data::msg::damagedArchive() << '\n' << error << '\n';
        return ExitRefused;
    }
    if (QFileInfo::exists(c.folder.databasePath()) && !parsed->yes) {
        c.err << "El Backup es válido. Recuperarlo reemplaza la base de datos "
              << QDir::toNativeSeparators(c.folder.databasePath())
              << "; no se reemplazó nada. Para confirmar, repita la orden con --yes.\n";
        return ExitRefused;
    }
    if (!store.applyRestore(std::move(prepared), &error)) {
        c.err << data::msg::notRestored(name) << '\n'
              << error << '\n'
              << data::msg::restoreIncomplete() << '\n';
        return ExitRefused;
    }
    c.out << data::msg::restoreDone() << '\n';
    return ExitOk;
}

}

Command backupCommand()
{
    return { QStringLiteral("backup"),
        QStringLiteral("backup ARCHIVO.zip        copia la base de datos en un archivo comprimido"), backup };
}

Command restoreCommand()
{
    return { QStringLiteral("restore"),
        QStringLiteral("restore ARCHIVO.zip [--yes]  recupera la base de datos desde un archivo comprimido"),
        restore };
}

}
