#include "cli/cli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringDecoder>

#include <memory>

namespace {

// The system hands arguments over as bytes; a name that is not valid UTF-8 would be turned into
// another name (replacement characters) and could name a different file, so it is refused.
int invalidArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8.decode(QByteArray(argv[i]));
        if (utf8.hasError())
            return i;
    }
    return 0;
}

// Printing (and the agents' declaration) lays out fonts and pages, which needs the GUI library (off screen:
// nothing is shown); the other commands start without it.
bool needsPages(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--data-dir") {
            ++i;
            continue;
        }
        if (a.startsWith("--data-dir="))
            continue;
        return a == "print" || a == "arp";
    }
    return false;
}

std::unique_ptr<QCoreApplication> application(int& argc, char** argv)
{
    if (!needsPages(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

}

int main(int argc, char** argv)
{
    const auto app = application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ventrix"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const int bad = invalidArgument(argc, argv)) {
        err << "El argumento " << bad
            << " no es texto UTF-8 válido; el programa no puede nombrar ese archivo sin cambiarlo. Renombre "
               "el "
               "archivo o la carpeta con caracteres válidos.\n";
        return ventrix::cli::ExitUsage;
    }
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int code = ventrix::cli::run(args, out, err);
    out.flush();
    err.flush();
    return code;
}
