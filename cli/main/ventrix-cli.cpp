#include "cli/cli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringDecoder>

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

// Printing lays pages out with fonts, which needs the GUI layer; it runs without a display.
bool printing(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "print") == 0)
            return true;
    }
    return false;
}

}

int main(int argc, char** argv)
{
    const bool gui = printing(argc, argv);
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = gui ? std::make_unique<QGuiApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);
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
