#include "cli/cli.h"
#include "cli/terminalmessages.h"
#include "common/messages.h"
#include "cp01/cp01printflow.h"
#include "cp01/cp01store.h"
#include "data/accesodatos.h"
#include "data/database.h"

#include <QDir>

namespace ventrix::cli {
namespace {

const QString Usage = QStringLiteral("print cp01 --procedure ID --pdf ARCHIVO.pdf");

struct Arguments
{
    qint64 procedure = 0;
    QString pdf;
};

std::optional<Arguments> parse(const QStringList& args)
{
    Arguments parsed;
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--procedure")
            parsed.procedure = args[i + 1].toLongLong();
        else if (args[i] == u"--pdf")
            parsed.pdf = args[i + 1];
        else
            return std::nullopt;
    }
    if (args.size() % 2 != 0 || parsed.procedure <= 0 || parsed.pdf.isEmpty())
        return std::nullopt;
    return parsed;
}

}

int printCp01(Context& c, const QStringList& args)
{
    const auto parsed = parse(args);
    if (!parsed) {
        c.err << "Uso: ventrix-cli [--data-dir CARPETA] " << Usage << '\n';
        return ExitUsage;
    }
    if (refusedPdfTarget(c, parsed->pdf))
        return ExitRefused;
    const QString path = c.folder.databasePath();
    // Printing reads the procedure only: the program may be open on the same database.
    data::Database database;
    const data::OpenResult opened = database.openReadOnly(path);
    if (!opened.ok()) {
        explainUnusable(c, path, opened);
        return ExitRefused;
    }
    data::AccesoDatos access(database.connection());
    cp01::Cp01Store store(access);
    TerminalMessages quiet(c, TerminalMessages::Route::Silent);
    const auto record = store.load(parsed->procedure);
    if (!record) {
        c.err << "No se pudo leer el trámite CP01 N° " << parsed->procedure << ": " << record.error() << '\n';
        return ExitRefused;
    }
    const QString pdf = QDir::current().absoluteFilePath(parsed->pdf);
    const auto printed = cp01::printProcedureToPdf(*record, pdf, c.folder.archivosPath());
    if (!printed) {
        c.err << printed.error() << '\n';
        return ExitRefused;
    }
    c.out << "Formulario CP01, comprobante N° " << printed->receipt << ", " << printed->pages.size()
          << (printed->pages.size() == 1 ? " página" : " páginas") << ".\n"
          << "PDF: " << QDir::toNativeSeparators(pdf) << '\n'
          << "Archivo para la A.G.T.: " << QDir::toNativeSeparators(printed->deliveryPath) << '\n';
    return ExitOk;
}

Command printCp01Command()
{
    return { QStringLiteral("print cp01"),
        QStringLiteral("print cp01 --procedure ID --pdf ARCHIVO.pdf  imprime un trámite CP01 en PDF y "
                       "escribe su archivo de entrega"),
        printCp01 };
}

}
