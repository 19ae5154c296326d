#include "cli/command_scramble.h"

#include "common/cp1252.h"
#include "common/scrambler.h"

#include <QFile>
#include <QFileInfo>
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

// The key is written in Windows-1252; a character it has no code for would turn into "?" and
// scramble the same as any other such character.
bool keyFitsCp1252(const QString& key)
{
    return fromCp1252(toCp1252(key)) == key;
}

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
    if (haveKey && !o.key.isEmpty() && !keyFitsCp1252(o.key)) {
        err << "La clave contiene caracteres que no existen en Windows-1252.\n";
        return std::nullopt;
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

// Delivery files are a few lines of text; anything larger is not one.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

std::optional<QByteArray> readFile(const QString& path, QTextStream& err)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        err << "No se pudo leer el archivo " << path
            << (info.exists() ? ": no es un archivo común." : ": no existe.") << '\n';
        return std::nullopt;
    }
    if (info.size() > MaxFileBytes) {
        err << "No se pudo leer el archivo " << path
            << ": es demasiado grande para un archivo de entrega (máximo " << MaxFileBytes / (1024 * 1024)
            << " MB).\n";
        return std::nullopt;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        err << "No se pudo leer el archivo " << path << ": " << f.errorString() << '\n';
        return std::nullopt;
    }
    QByteArray bytes = f.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        err << "No se pudo leer el archivo " << path << ": es demasiado grande para un archivo de entrega.\n";
        return std::nullopt;
    }
    return bytes;
}

// Text lines only: control characters other than tab and the line ends make a binary file.
bool isText(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7f)
            return false;
    }
    return true;
}

bool writeFile(const QString& path, const QByteArray& bytes, QTextStream& err)
{
    QSaveFile f(path);
    // Readable by the user only, whatever the umask; a narrower mode of a replaced file is kept.
    constexpr auto OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (!f.open(QIODevice::WriteOnly)
        || !f.setPermissions(QFile::exists(path) ? QFile::permissions(path) & OwnerOnly : OwnerOnly)
        || f.write(bytes) != bytes.size() || !f.commit()) {
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
    if (!isText(*plain)) {
        context.err << "El archivo " << o->in << " no es un archivo de texto; no se cifró.\n";
        return ExitRefused;
    }
    const QByteArray key = toCp1252(o->key);
    const QByteArray scrambled = scrambleText(*plain, key);
    if (!writeFile(o->out, scrambled, context.err))
        return ExitRefused;
    if (unscrambleText(scrambled, key) != *plain)
        context.err
            << "Aviso: el archivo " << o->in
            << " tiene finales de línea sin CR o líneas que, cifradas, contienen CR LF; al descifrarlo no "
               "se obtendrá el mismo archivo.\n";
    return ExitOk;
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
    return { QStringLiteral("scramble"), QStringLiteral("scramble --key CLAVE [--utf8] ENTRADA SALIDA"),
        scramble };
}

Command unscrambleCommand()
{
    return { QStringLiteral("unscramble"), QStringLiteral("unscramble --key CLAVE [--utf8] ENTRADA SALIDA"),
        unscramble };
}

}
