#include "cli/cli.h"
#include "cli/terminalmessages.h"

#include "common/messages.h"
#include "common/print/pageoutput.h"
#include "cp02/cp02printflow.h"
#include "cp02/cp02store.h"
#include "data/accesodatos.h"
#include "data/database.h"

#include <QDir>

namespace ventrix::cli {
namespace {

const QString Usage = QStringLiteral("print cp02 --declaration ID --pdf ARCHIVO.pdf");

struct Arguments
{
    qint64 declaration = 0;
    QString pdf;
};

std::optional<Arguments> parse(const QStringList& args)
{
    Arguments parsed;
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        bool number = true;
        if (args.at(i) == u"--declaration")
            parsed.declaration = args.at(i + 1).toLongLong(&number);
        else if (args.at(i) == u"--pdf")
            parsed.pdf = args.at(i + 1);
        else
            return std::nullopt;
        if (!number)
            return std::nullopt;
    }
    if (args.size() % 2 != 0 || parsed.declaration <= 0 || parsed.pdf.isEmpty())
        return std::nullopt;
    return parsed;
}

int printCp02(Context& c, const QStringList& args)
{
    const auto parsed = parse(args);
    if (!parsed) {
        c.err << "Uso: ventrix-cli [--data-dir CARPETA] " << Usage << '\n';
        return ExitUsage;
    }
    if (refusedPdfTarget(c, parsed->pdf))
        return ExitRefused;
    // Reading only: the print never changes the database; it writes the PDF and the delivery file.
    data::Database database;
    const data::OpenResult opened = database.openReadOnly(c.folder.databasePath());
    if (!opened.ok()) {
        explainUnusable(c, c.folder.databasePath(), opened);
        return ExitRefused;
    }
    data::AccesoDatos access(database.connection());
    cp02::Cp02Store store(access);
    const auto record = store.load(parsed->declaration);
    const auto taxpayer
        = record ? store.taxpayerOf(parsed->declaration) : Result<cp02::TaxpayerData>(Error {});
    if (!record || !taxpayer) {
        c.err << "No existe la declaración jurada CP02 número " << parsed->declaration << ".\n";
        return ExitRefused;
    }
    TerminalMessages messages(c, TerminalMessages::Route::ProblemsToErr);
    const QString pdf = QDir::current().absoluteFilePath(parsed->pdf);
    bool written = false;
    cp02::Cp02PrintFlow flow(c.folder.archivosPath(),
        { {}, [&](cp02::Cp02Pages& pages) { return written = print::PageOutput::writePdf(pages, pdf); },
            {} });
    const Result<QString> receipt = flow.Imprimir(*record, *taxpayer);
    if (!receipt) {
        c.err << receipt.error() << '\n';
        return ExitRefused;
    }
    c.out << "Comprobante Nº " << *receipt << '\n'
          << "Archivo de entrega: "
          << QDir::toNativeSeparators(
                 QDir(c.folder.archivosPath()).filePath(cp02::Cp02PrintFlow::fileName(*receipt)))
          << '\n';
    if (!written)
        return ExitRefused;
    c.out << "PDF: " << QDir::toNativeSeparators(pdf) << '\n';
    return ExitOk;
}

}

Command printCp02Command()
{
    return { QStringLiteral("print cp02"), Usage, printCp02 };
}

}
