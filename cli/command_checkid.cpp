#include "cli/command_checkid.h"

#include "common/identifiers.h"

#include <optional>

namespace ventrix::cli {
namespace {

struct KindName
{
    const char16_t* word;
    IdentifierKind kind;
    const char16_t* title;
};

constexpr KindName Kinds[] = {
    {u"cuit", IdentifierKind::Cuit, u"CUIT"},
    {u"isib", IdentifierKind::IngBrutos, u"Número de Ingresos Brutos"},
    {u"agent", IdentifierKind::Agente, u"Número de agente"},
};

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
    const QString shaped = shapeIdentifierDigits(kind->kind, typed);
    const IdentifierCheck check = validateIdentifier(kind->kind, shaped);
    const QString title = QString::fromUtf16(kind->title);
    if (!check.valid || check.text.isEmpty()) {
        context.err << title << " no válido: " << typed << " (formato " << identifierShape(kind->kind)
                    << ", dígito verificador incorrecto o número incompleto)\n";
        return ExitRefused;
    }
    context.out << title << " válido: " << check.text << '\n';
    return ExitOk;
}

}

Command checkIdCommand()
{
    return {QStringLiteral("check-id"), QStringLiteral("check-id cuit|isib|agent NUMERO"), checkId};
}

}
