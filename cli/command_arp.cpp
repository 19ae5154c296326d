#include "cli/cli.h"
#include "cli/terminalmessages.h"

#include "agents/agentnumbers.h"
#include "agents/agentsmessages.h"
#include "agents/arpcontrol.h"
#include "agents/arpdeclarationfile.h"
#include "agents/arpdeclarationprintflow.h"
#include "agents/declarationstore.h"
#include "common/clock.h"
#include "common/print/pageoutput.h"
#include "data/accesodatos.h"
#include "data/backupmessages.h"

#include <QDir>

namespace ventrix::cli {
namespace {

using namespace agents;

const QString DeclareUsage
    = QStringLiteral("arp declare --taxpayer ID --operation ret|per --period MM/AAAA [--pdf ARCHIVO.pdf]");
const QString UndoUsage = QStringLiteral("arp undo --taxpayer ID --number N");

// "--name value" pairs; nullopt when an option is unknown or has no value.
std::optional<QHash<QString, QString>> options(const QStringList& args, const QStringList& known)
{
    QHash<QString, QString> out;
    if (args.size() % 2 != 0)
        return std::nullopt;
    for (qsizetype i = 0; i < args.size(); i += 2) {
        if (!known.contains(args.at(i)) || out.contains(args.at(i)))
            return std::nullopt;
        out.insert(args.at(i), args.at(i + 1));
    }
    return out;
}

int usage(Context& c, const QString& line)
{
    c.err << "Uso: ventrix-cli [--data-dir CARPETA] " << line << '\n';
    return ExitUsage;
}

struct DeclareArgs
{
    qint64 cmdId = 0;
    AgentRegister which = AgentRegister::Retenciones;
    ArpPeriod period;
    QString pdf;
};

std::optional<DeclareArgs> parseDeclare(Context& c, const QStringList& args)
{
    const auto o = options(args,
        { QStringLiteral("--taxpayer"), QStringLiteral("--operation"), QStringLiteral("--period"),
            QStringLiteral("--pdf") });
    if (!o)
        return std::nullopt;
    DeclareArgs parsed;
    bool number = false;
    parsed.cmdId = o->value(QStringLiteral("--taxpayer")).toLongLong(&number);
    const QString operation = o->value(QStringLiteral("--operation"));
    if (!number || parsed.cmdId <= 0 || (operation != u"ret" && operation != u"per"))
        return std::nullopt;
    parsed.which = operation == u"ret" ? AgentRegister::Retenciones : AgentRegister::Percepciones;
    const auto period = periodoIngresado(o->value(QStringLiteral("--period")));
    if (!period) {
        c.err << period.error() << '\n';
        return std::nullopt;
    }
    parsed.period = *period;
    parsed.pdf = o->value(QStringLiteral("--pdf"));
    return parsed;
}

// Opens the folder's database for writing; false with the reason told.
bool openDatabase(Context& c, data::Database& database)
{
    const data::OpenResult opened = database.open(c.folder.databasePath());
    if (!opened.ok())
        explainUnusable(c, c.folder.databasePath(), opened);
    return opened.ok();
}

// The screen's checks without its questions: the agent's number, a deposit of the month, not
// before the month's last day. The reason when refused.
Status mayDeclare(data::AccesoDatos& access, DeclarationStore& store, const DeclareArgs& a)
{
    const auto numbers = readAgentNumbers(access, a.cmdId);
    if (!numbers)
        return Error { numbers.error() };
    if (auto allowed = mayOpenRegister(*numbers, a.which); !allowed)
        return allowed;
    const auto deposited = store.hasDeposit(a.cmdId, a.period);
    if (!deposited)
        return Error { deposited.error() };
    if (!*deposited)
        return Error { msg::sinPagoEnPeriodo() };
    if (auto early = declaracionAntesDeTiempo(a.period, Clock::today()))
        return Error { *early };
    return {};
}

// Finds or draws the number and writes the marks; the declaration made.
// A backup that fails is told on err but does not stop the declaration (the marks can be undone).
Result<MonthlyDeclaration> storeDeclaration(DeclarationStore& store, const DeclareArgs& a, QTextStream& err)
{
    const QDate today = Clock::today();
    const auto numero = store.BuscarDDJJ_Numero(a.cmdId, a.period);
    if (!numero)
        return Error { numero.error() };
    if (const Status saved = store.backUpUnlessDeclared(a.cmdId, a.period); !saved)
        err << data::msg::backupFailed() << '\n' << saved.error() << '\n';
    if (auto stored = store.AlmacenarDDJJ(a.cmdId, a.period, *numero, today); !stored)
        return Error { stored.error() };
    const auto made = store.declarationOf(a.cmdId, a.period);
    const QDate presented = made && *made ? (*made)->fechaPres : today;
    return MonthlyDeclaration { a.which, a.period, *numero, presented };
}

int declare(Context& c, const QStringList& args)
{
    const auto parsed = parseDeclare(c, args);
    if (!parsed)
        return usage(c, DeclareUsage);
    const QString pdf = parsed->pdf.isEmpty() ? QString() : QDir::current().absoluteFilePath(parsed->pdf);
    if (!pdf.isEmpty() && refusedPdfTarget(c, parsed->pdf))
        return ExitRefused;
    const auto lock = lockDataFolder(c);
    if (!lock)
        return ExitRefused;
    data::Database database;
    if (!openDatabase(c, database))
        return ExitRefused;
    TerminalMessages messages(c, TerminalMessages::Route::ProblemsToErr);
    data::AccesoDatos access(database.connection());
    DeclarationStore store(access, RegisterKind::of(parsed->which));
    if (auto allowed = mayDeclare(access, store, *parsed); !allowed) {
        c.err << allowed.error() << '\n';
        return ExitRefused;
    }
    const auto declaration = storeDeclaration(store, *parsed, c.err);
    if (!declaration) {
        c.err << declaration.error() << '\n';
        return ExitRefused;
    }
    c.out << msg::ddjjProcesada() << '\n'
          << "DDJJ Nº " << declaration->numero << " del período " << parsed->period.text()
          << " presentada el " << declaration->fechaPres.toString(QStringLiteral("dd/MM/yyyy")) << '\n';
    bool pdfWritten = pdf.isEmpty();
    ArpDeclarationPrintFlow flow(access, c.folder.archivosPath(),
        { {},
            [&](ArpDeclarationPages& pages) {
                return pdf.isEmpty() || (pdfWritten = print::PageOutput::writePdf(pages, pdf));
            },
            {}, {} });
    const auto file = flow.Imprimir(parsed->cmdId, *declaration);
    if (!file) {
        c.err << (file.error().isEmpty() ? QStringLiteral("No se pudo escribir el PDF: ") + pdf
                                         : file.error())
              << '\n';
        return ExitRefused;
    }
    c.out << "Archivo de entrega: " << QDir::toNativeSeparators(*file) << '\n';
    if (!pdf.isEmpty())
        c.out << "PDF: " << QDir::toNativeSeparators(pdf) << '\n';
    return pdfWritten ? ExitOk : ExitRefused;
}

int undo(Context& c, const QStringList& args)
{
    const auto o = options(args, { QStringLiteral("--taxpayer"), QStringLiteral("--number") });
    bool number = false;
    const qint64 cmdId = o ? o->value(QStringLiteral("--taxpayer")).toLongLong(&number) : 0;
    const QString numero = o ? o->value(QStringLiteral("--number")).trimmed() : QString();
    if (!number || cmdId <= 0 || numero.isEmpty())
        return usage(c, UndoUsage);
    const auto lock = lockDataFolder(c);
    if (!lock)
        return ExitRefused;
    data::Database database;
    if (!openDatabase(c, database))
        return ExitRefused;
    data::AccesoDatos access(database.connection());
    const auto which = registerOfDeclaration(access, cmdId, numero);
    if (!which) {
        c.err << which.error() << '\n';
        return ExitRefused;
    }
    if (!*which) {
        c.err << msg::sinDDJJParaBorrar() << '\n';
        return ExitRefused;
    }
    DeclarationStore store(access, RegisterKind::of(**which));
    if (const Status saved = store.backUp(); !saved)
        c.err << data::msg::backupFailed() << '\n' << saved.error() << '\n';
    if (auto undone = store.undo(cmdId, numero); !undone) {
        c.err << undone.error() << '\n';
        return ExitRefused;
    }
    c.out << msg::ddjjBorradas() << '\n';
    return ExitOk;
}

}

Command arpDeclareCommand()
{
    return { QStringLiteral("arp declare"), DeclareUsage, declare };
}

Command arpUndoCommand()
{
    return { QStringLiteral("arp undo"), UndoUsage, undo };
}

}
