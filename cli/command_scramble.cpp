#include "cli/command_scramble.h"

#include "common/cp1252.h"
#include "common/scrambler.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <optional>

namespace ventrix::cli {
namespace {

struct Options
{
    QString key;
    bool utf8 = false;
    QString in;
    QString out;
};

// Reads "--key KEY", "--key=KEY", "--utf8" and the two file names; nullopt with the problem told.
std::optional<Options> parse(QStringList args, const QString& name, QTextStream& err)
{
    Options o;
    bool haveKey = false;
    QStringList files;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QStringLiteral("--key") && !args.isEmpty()) {
            o.key = args.takeFirst();
            haveKey = true;
        } else if (a.startsWith(QStringLiteral("--key="))) {
            o.key = a.mid(6);
            haveKey = true;
        } else if (a == QStringLiteral("--utf8")) {
            o.utf8 = true;
        } else if (a.startsWith(QStringLiteral("--"))) {
            err << "Opción desconocida: " << a << '\n';
            return std::nullopt;
        } else {
            files << a;
        }
    }
    if (!haveKey || o.key.isEmpty() || files.size() != 2) {
        err << "Uso: ventrix-cli " << name << " --key CLAVE [--utf8] ENTRADA SALIDA\n";
        if (haveKey && o.key.isEmpty())
            err << "La clave no puede estar vacía.\n";
        return std::nullopt;
    }
    o.in = files[0];
    o.out = files[1];
    return o;
}

std::optional<QByteArray> readFile(const QString& path, QTextStream& err)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        err << "No se pudo leer el archivo " << path << ": " << f.errorString() << '\n';
        return std::nullopt;
    }
    return f.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes, QTextStream& err)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        err << "No se pudo escribir el archivo " << path << ": " << f.errorString() << '\n';
        return false;
    }
    return true;
}

int scramble(Context& context, const QStringList& args)
{
    const auto o = parse(args, QStringLiteral("scramble"), context.err);
    if (!o)
        return ExitUsage;
    auto plain = readFile(o->in, context.err);
    if (!plain)
        return ExitRefused;
    if (o->utf8) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(*plain);
        if (decoder.hasError()) {
            context.err << "El archivo " << o->in << " no está escrito en UTF-8.\n";
            return ExitRefused;
        }
        plain = toCp1252(text);
    }
    const QByteArray scrambled = scrambleText(*plain, toCp1252(o->key));
    return writeFile(o->out, scrambled, context.err) ? ExitOk : ExitRefused;
}

int unscramble(Context& context, const QStringList& args)
{
    const auto o = parse(args, QStringLiteral("unscramble"), context.err);
    if (!o)
        return ExitUsage;
    const auto scrambled = readFile(o->in, context.err);
    if (!scrambled)
        return ExitRefused;
    QByteArray plain = unscrambleText(*scrambled, toCp1252(o->key));
    if (o->utf8)
        plain = fromCp1252(plain).toUtf8();
    return writeFile(o->out, plain, context.err) ? ExitOk : ExitRefused;
}

}

Command scrambleCommand()
{
    return {QStringLiteral("scramble"), QStringLiteral("scramble --key CLAVE [--utf8] ENTRADA SALIDA"), scramble};
}

Command unscrambleCommand()
{
    return {QStringLiteral("unscramble"), QStringLiteral("unscramble --key CLAVE [--utf8] ENTRADA SALIDA"),
            unscramble};
}

}
