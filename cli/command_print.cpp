#include "cli/cli.h"
#include "cli/terminalmessages.h"

#include "common/messages.h"
#include "common/print/pageoutput.h"
#include "data/accesodatos.h"
#include "sid3/sid3delivery.h"
#include "sid3/sid3printflow.h"

#include <QDir>

#include <optional>

namespace ventrix::cli {
namespace {

const QString Sid3Usage = QStringLiteral("print sid3 --taxpayer ID --declaration ID --pdf ARCHIVO.pdf");

struct Sid3Options
{
    qint64 cmdId = 0;
    qint64 sidId = 0;
    QString pdf;
};

std::optional<Sid3Options> parseSid3(QStringList args)
{
    Sid3Options o;
    while (args.size() >= 2) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        bool number = true;
        if (option == u"--taxpayer")
            o.cmdId = value.toLongLong(&number);
        else if (option == u"--declaration")
            o.sidId = value.toLongLong(&number);
        else if (option == u"--pdf")
            o.pdf = value;
        else
            return std::nullopt;
        if (!number)
            return std::nullopt;
    }
    if (!args.isEmpty() || o.cmdId <= 0 || o.sidId <= 0 || o.pdf.isEmpty())
        return std::nullopt;
    return o;
}

int printSid3(Context& context, const QStringList& args)
{
    const auto o = parseSid3(args);
    if (!o) {
        context.err << "Uso: ventrix-cli " << Sid3Usage << '\n';
        return ExitUsage;
    }
    if (refusedPdfTarget(context, o->pdf))
        return ExitRefused;
    data::Database database;
    const data::OpenResult opened = database.openReadOnly(context.folder.databasePath());
    if (!opened.ok()) {
        explainUnusable(context, context.folder.databasePath(), opened);
        return ExitRefused;
    }
    QString error;
    if (!context.folder.ensureExists(&error)) {
        context.err << error << '\n';
        return ExitRefused;
    }
    TerminalMessages messages(context, TerminalMessages::Route::AllToErr);
    data::AccesoDatos access(database.connection());
    auto form = sid3::Sid3PrintFlow::prepare(access, o->cmdId, o->sidId);
    if (!form) {
        context.err << form.error() << '\n';
        return ExitRefused;
    }
    // Shown messages already explain a refused PDF.
    if (!print::PageOutput::writePdf(**form, o->pdf))
        return ExitRefused;
    const auto delivered
        = sid3::Diskette_Sid3(context.folder.archivosPath(), (*form)->comprobante(), (*form)->record());
    if (!delivered) {
        context.err << delivered.error() << '\n';
        return ExitRefused;
    }
    context.out << "Comprobante Nº " << (*form)->comprobante() << '\n'
                << "Páginas: " << (*form)->pageCount() << '\n'
                << "PDF: " << QDir::toNativeSeparators(o->pdf) << '\n'
                << "Archivo de entrega: " << QDir::toNativeSeparators(*delivered) << '\n'
                << "Registro: " << (*form)->record() << '\n';
    return ExitOk;
}

}

Command printCommand()
{
    return { QStringLiteral("print sid3"), Sid3Usage, printSid3 };
}

}
