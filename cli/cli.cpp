#include "cli/cli.h"

#include "cli/command_checkid.h"
#include "cli/command_scramble.h"

namespace ventrix::cli {

Command initCommand();
Command backupCommand();
Command restoreCommand();

namespace {

int usage(QTextStream& err, const QString& problem = {})
{
    if (!problem.isEmpty())
        err << problem << '\n';
    err << "Uso: ventrix-cli [--data-dir CARPETA] <orden> [argumentos]\n";
    for (const Command& c : commands())
        err << "  " << c.usage << '\n';
    return ExitUsage;
}

}

Command ratesCommand();

QList<Command> commands()
{
    return {
        initCommand(),
        checkIdCommand(),
        scrambleCommand(),
        unscrambleCommand(),
        backupCommand(),
        restoreCommand(),
        ratesCommand(),
    };
}

int run(QStringList args, QTextStream& out, QTextStream& err)
{
    const DataFolder folder = DataFolder::resolve(args);
    if (args.isEmpty())
        return usage(err);
    const QString name = args.takeFirst();
    for (const Command& c : commands()) {
        if (c.name == name) {
            Context context{folder, out, err};
            return c.run(context, args);
        }
    }
    return usage(err, QStringLiteral("Orden desconocida: ") + name);
}

}
