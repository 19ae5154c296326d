#pragma once

#include "cli/cli.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace ventrix::test {

// What one run of the command-line tool answered.
struct CliOutcome
{
    int code;
    QString out;
    QString err;
};

// Runs the tool on the data folder with the given arguments, capturing what it prints.
inline CliOutcome runCli(const QString& dataFolder, const QStringList& args)
{
    CliOutcome outcome { 0, {}, {} };
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.code = cli::run(QStringList { QStringLiteral("--data-dir"), dataFolder } + args, out, err);
    out.flush();
    err.flush();
    return outcome;
}

}
