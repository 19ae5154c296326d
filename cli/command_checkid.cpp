#include "cli/command_checkid.h"

#include "common/identifiers.h"

#include <QRegularExpression>

#include <optional>

namespace ventrix::cli {
namespace {

struct KindName
{
    const char16_t* word;
    IdentifierKind kind;
    const char16_t* title;
    const char16_t* accepted; // the masked shape or its bare digits
};

constexpr KindName Kinds[] = {
    { u"cuit", IdentifierKind::Cuit, u"CUIT", u"^([0-9]{2}-[0-9]{8}/[0-9]|[0-9]{11})$" },
    { u"isib", IdentifierKind::IngBrutos, u"Número de Ingresos Brutos",
        u"^([0-9]{3}-[0-9]{6}/[0-9]{2}|[0-9]{11})$" },
    { u"agent", IdentifierKind::Agente, u"Número de agente", u"^([0-9]{4}/[0-9]|[0-9]{5})$" },
};

// The typed text as it can be shown on a terminal: control characters become "?".
QString printable(const QString& text)
{
    QString out = text.left(40);
    for (QChar& c : out) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = u'?';
    }
    return text.size() > 40 ? out + QStringLiteral("...") : out;
}

std::optional<KindName> kindNamed(const QString& word)
{
    for (const KindName& k : Kinds) {
        if (word.compare(QString::fromUtf16(k.word), Qt::CaseInsensitive) == 0)
            return k;
    }
    return std::nullopt;
}

int checkId(Context& context, const QStringList& args)
{
    if (args.size() != 2) {
        context.err << "Uso: ventrix-cli check-id cuit|isib|agent NUMERO\n";
        return ExitUsage;
    }
    const auto kind = kindNamed(args[0]);
    if (!kind) {
        context.err << "Tipo de identificador desconocido: " << args[0] << " (cuit, isib o agent)\n";
        return ExitUsage;
    }
    const QString typed = args[1].trimmed();
    if (typed.isEmpty()) {
        context.err << "Falta el número a verificar.\n";
        return ExitUsage;
    }
    const QRegularExpression accepted(QString::fromUtf16(kind->accepted));
    if (!accepted.match(typed).hasMatch()) {
        context.err << QString::fromUtf16(kind->title) << " no válido: " << printable(typed) << " (formato "
                    << identifierShape(kind->kind) << " o sólo sus dígitos)\n";
        return ExitRefused;
    }
    const QString shaped = shapeIdentifierDigits(kind->kind, typed);
    const IdentifierCheck check = validateIdentifier(kind->kind, shaped);
    const QString title = QString::fromUtf16(kind->title);
    if (!check.valid || check.text.isEmpty()) {
        context.err << title << " no válido: " << printable(typed) << " (formato "
                    << identifierShape(kind->kind)
                    << ", dígito verificador incorrecto o número incompleto)\n";
        return ExitRefused;
    }
    context.out << title << " válido: " << check.text << '\n';
    return ExitOk;
}

}

Command checkIdCommand()
{
    return { QStringLiteral("check-id"), QStringLiteral("check-id cuit|isib|agent NUMERO"), checkId };
}

}
