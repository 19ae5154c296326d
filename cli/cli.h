#pragma once

#include "data/datafolder.h"

#include <QStringList>
#include <QTextStream>

#include <functional>

namespace ventrix::cli {

// Exit codes shared by every command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitRefused = 1;   // the input was read but refused (invalid, failed check)
inline constexpr int ExitUsage = 2;     // the command line itself is wrong

struct Context
{
    DataFolder folder;
    QTextStream& out;
    QTextStream& err;
};

struct Command
{
    QString name;
    QString usage;   // one line, shown by the usage message
    std::function<int(Context&, const QStringList& args)> run;
};

// Every command of the tool, in the order the usage message lists them.
QList<Command> commands();

// Runs the tool with its arguments (without the program name).
int run(QStringList args, QTextStream& out, QTextStream& err);

}
