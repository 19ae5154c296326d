#include "cli/cli.h"

#include "cli/command_checkid.h"
#include "cli/command_scramble.h"
#include "common/version.h"

#include <QDir>

namespace ventrix::cli {

Command initCommand();
Command backupCommand();
Command restoreCommand();

namespace {

void printUsage(QTextStream& stream)
{
    stream << "Uso: ventrix-cli [--data-dir CARPETA] <orden> [argumentos]\n";
    for (const Command& c : commands())
        stream << "  " << c.usage << '\n';
    stream << "  --help, -h                muestra esta ayuda\n"
              "  --version                 muestra la versión del programa\n";
}

int usage(QTextStream& err, const QString& problem = {})
{
    if (!problem.isEmpty())
        err << problem << '\n';
    printUsage(err);
    return ExitUsage;
}

// "--data-dir" with no folder after it, or an empty one.
bool emptyDataDir(const QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == u"--data-dir" && (i + 1 == args.size() || args.at(i + 1).isEmpty()))
            return true;
        if (args.at(i) == u"--data-dir=")
            return true;
    }
    return false;
}

}

Command ratesCommand();
Command printCp01Command();
Command printCp02Command();
Command printCommand();
Command checkDeliveryCommand();
Command importCommand();
Command arpDeclareCommand();
Command arpUndoCommand();

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
        printCp01Command(),
        printCp02Command(),
        printCommand(),
        checkDeliveryCommand(),
        importCommand(),
        arpDeclareCommand(),
        arpUndoCommand(),
    };
}

bool refusedPdfTarget(Context& context, const QString& pdf)
{
    const QString path = QDir::current().absoluteFilePath(pdf);
    if (!context.folder.isWorkingFile(path))
        return false;
    context.err << "El PDF no puede guardarse sobre los archivos de trabajo de la base de datos: "
                << QDir::toNativeSeparators(path) << '\n';
    return true;
}

int run(QStringList args, QTextStream& out, QTextStream& err)
{
    if (emptyDataDir(args))
        return usage(err, QStringLiteral("Falta la carpeta de datos después de --data-dir."));
    const data::DataFolder folder = data::DataFolder::resolve(args);
    if (args.isEmpty())
        return usage(err);
    const QString name = args.takeFirst();
    if (name == u"--help" || name == u"-h" || name == u"help") {
        printUsage(out);
        return ExitOk;
    }
    if (name == u"--version") {
        out << "ventrix-cli " << VersionText << '\n';
        return ExitOk;
    }
    // A command named with two words ("print cp02") takes the next argument as its second word and
    // goes before a one-word command of the same first word.
    const QString twoWords = args.isEmpty() ? QString() : name + u' ' + args.first();
    for (const bool pair : { true, false }) {
        for (const Command& c : commands()) {
            if (c.name != (pair ? twoWords : name))
                continue;
            if (pair)
                args.removeFirst();
            Context context { folder, out, err };
            return c.run(context, args);
        }
    }
    return usage(err, QStringLiteral("Orden desconocida: ") + name);
}

}
