#pragma once

#include "data/database.h"
#include "data/datafolder.h"
#include "data/datafolderlock.h"

#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

namespace ventrix::cli {

// Exit codes shared by every command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitRefused = 1; // the input was read but refused (invalid, failed check)
inline constexpr int ExitUsage = 2; // the command line itself is wrong

struct Context
{
    data::DataFolder folder;
    QTextStream& out;
    QTextStream& err;
};

struct Command
{
    QString name;
    QString usage; // one line, shown by the usage message
    std::function<int(Context&, const QStringList& args)> run;
};

// Takes the data folder's writer lock for one command, after creating the folder; nullptr with
// the reason told when another program holds it or the folder cannot be written. Half-written
// files an interrupted earlier run left behind are removed once the lock is held.
std::unique_ptr<data::DataFolderLock> lockDataFolder(Context& context);

// True (and the reason told) when a PDF asked for would land on the database or another of the
// data folder's working files.
bool refusedPdfTarget(Context& context, const QString& pdf);

// The reason a database cannot be used, in the user's words and with what to do about it.
void explainUnusable(Context& context, const QString& path, const data::OpenResult& result);

// Every command of the tool, in the order the usage message lists them.
QList<Command> commands();

// Runs the tool with its arguments (without the program name).
int run(QStringList args, QTextStream& out, QTextStream& err);

}
