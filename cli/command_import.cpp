#include "cli/cli.h"

#include "agents/importmessages.h"
#include "agents/importrun.h"
#include "data/database.h"

#include <QDir>

namespace ventrix::cli {
namespace {

const QString Usage = QStringLiteral("import ret|per --taxpayer ID ARCHIVO [--yes]");

struct Arguments
{
    const agents::RegisterKind* kind = nullptr;
    qint64 taxpayer = 0;
    QString file;
    bool yes = false;
};

std::optional<Arguments> parse(QStringList args)
{
    Arguments parsed;
    if (args.isEmpty())
        return std::nullopt;
    const QString which = args.takeFirst();
    if (which == u"ret")
        parsed.kind = &agents::RegisterKind::retenciones();
    else if (which == u"per")
        parsed.kind = &agents::RegisterKind::percepciones();
    else
        return std::nullopt;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == u"--yes") {
            parsed.yes = true;
        } else if (a == u"--taxpayer" && i + 1 < args.size()) {
            bool number = false;
            parsed.taxpayer = args.at(++i).toLongLong(&number);
            if (!number)
                return std::nullopt;
        } else if (!a.startsWith(u'-') && parsed.file.isEmpty()) {
            parsed.file = a;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.taxpayer <= 0 || parsed.file.isEmpty())
        return std::nullopt;
    return parsed;
}

void printCounts(Context& c, const agents::ImportSummary& s)
{
    c.out << "Registros leídos: " << s.read << '\n'
          << "Aceptados: " << s.accepted << '\n'
          << "Rechazados: " << s.rejected << '\n';
    if (!s.rejectsPath.isEmpty())
        c.out << "Registros rechazados en: " << QDir::toNativeSeparators(s.rejectsPath) << '\n';
}

int importOperations(Context& c, const QStringList& args)
{
    const auto parsed = parse(args);
    if (!parsed) {
        c.err << "Uso: ventrix-cli [--data-dir CARPETA] " << Usage << '\n';
        return ExitUsage;
    }
    const QString file = QDir::current().absoluteFilePath(parsed->file);
    if (!QFileInfo(file).isFile() || !QFileInfo(file).isReadable()) {
        c.err << agents::msg::archivoNoLegible(QDir::toNativeSeparators(file)) << '\n';
        return ExitUsage;
    }
    const auto lock = lockDataFolder(c);
    if (!lock)
        return ExitUsage;
    data::Database database;
    const data::OpenResult opened = database.open(c.folder.databasePath());
    if (!opened.ok()) {
        explainUnusable(c, c.folder.databasePath(), opened);
        return ExitUsage;
    }
    const auto cp01 = agents::ImportRun::currentInscription(database.connection(), parsed->taxpayer);
    if (!cp01) {
        c.err << cp01.error() << '\n';
        return ExitUsage;
    }
    agents::ImportHooks hooks;
    // A real import (not a trial run) first copies the database aside.
    if (parsed->yes)
        hooks.backupBefore = [db = database.connection()] { return agents::backUpBeforeImport(db); };
    agents::ImportRun run(database.connection(), *parsed->kind, *cp01, hooks);
    const auto summary = run.run(file);
    if (!summary) {
        c.err << summary.error() << '\n';
        return ExitUsage;
    }
    printCounts(c, *summary);
    if (parsed->yes && summary->accepted > 0) {
        if (const Status committed = run.commit(); !committed) {
            c.err << committed.error() << '\n';
            return ExitUsage;
        }
        c.out << agents::msg::datosIncorporados() << '\n';
    } else {
        run.rollback();
        if (!parsed->yes)
            c.out << "Prueba sin --yes: no se incorporó ningún registro a la base.\n";
    }
    return summary->rejected > 0 ? ExitRefused : ExitOk;
}

}

Command importCommand()
{
    return { QStringLiteral("import"), Usage, importOperations };
}

}
