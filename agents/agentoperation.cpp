#include "agents/agentoperation.h"

#include "agents/agentsmessages.h"
#include "agents/operationamounts.h"
#include "common/regional.h"

#include <array>

namespace ventrix::agents {
namespace {

using CounterpartField = QString Counterpart::*;

struct CounterpartColumn
{
    const char16_t* item;
    CounterpartField field;
};

const std::array<CounterpartColumn, 15> CounterpartColumns { {
    { u"Contribuyente", &Counterpart::contribuyente },
    { u"CUIT", &Counterpart::cuit },
    { u"IBrutos", &Counterpart::iBrutos },
    { u"Domicilio", &Counterpart::domicilio },
    { u"DomNumero", &Counterpart::domNumero },
    { u"Piso", &Counterpart::piso },
    { u"Depto", &Counterpart::depto },
    { u"Oficina", &Counterpart::oficina },
    { u"Monoblock", &Counterpart::monoblock },
    { u"Planta", &Counterpart::planta },
    { u"CodPostal", &Counterpart::codPostal },
    { u"Localidad", &Counterpart::localidad },
    { u"Provincia", &Counterpart::provincia },
    { u"Te_Caract", &Counterpart::teCaract },
    { u"Telefono", &Counterpart::telefono },
} };

QString item(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QVariant dateOrNull(QDate d)
{
    return d.isValid() ? QVariant(d) : QVariant();
}

template <typename T> QVariant amountOrNull(const std::optional<T>& v)
{
    return v ? QVariant::fromValue(*v) : QVariant();
}

// A date field: a QDate, or the text typed (empty, or a calendar day dd/mm/yyyy).
std::optional<QDate> dateOf(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    const QString text = value.toString().trimmed();
    if (text.isEmpty() || text == QStringLiteral("__/__/____"))
        return QDate();
    // The authority's forms carry years from 1900 to 2099 only.
    const auto date = regional::parseDate(text);
    if (!date || date->year() < 1900 || date->year() > 2099)
        return std::nullopt;
    return date;
}

template <int Scale> std::optional<Fixed<Scale>> amountOf(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<Fixed<Scale>>())
        return value.value<Fixed<Scale>>();
    return parseAmount<Scale>(value.toString());
}

}

FieldValues operationFields(const RegisterKind& kind, const AgentOperation& op)
{
    FieldValues f;
    for (const auto& c : CounterpartColumns)
        f.insert(kind.column(item(c.item)), op.counterpart.*c.field);
    f.insert(kind.numAgenteColumn, op.numAgente);
    f.insert(kind.documentColumn, op.documento);
    f.insert(kind.dateColumn, dateOrNull(op.fecha));
    f.insert(kind.column(QStringLiteral("BaseImp")), amountOrNull(op.base));
    f.insert(kind.column(QStringLiteral("Alicuota")), amountOrNull(op.alicuota));
    f.insert(kind.amountColumn, amountOrNull(op.importe));
    if (kind.hasPlace) {
        f.insert(kind.column(QStringLiteral("Lugar")), op.lugar);
        f.insert(kind.column(QStringLiteral("Lugar_Fecha")), dateOrNull(op.lugarFecha));
    }
    return f;
}

Result<AgentOperation> operationFromFields(const RegisterKind& kind, const FieldValues& fields)
{
    AgentOperation op;
    op.id = fields.value(kind.keyColumn).toLongLong();
    op.cp01Id = fields.value(QStringLiteral("CP01_ID")).toLongLong();
    for (const auto& c : CounterpartColumns)
        op.counterpart.*c.field = fields.value(kind.column(item(c.item))).toString().trimmed();
    op.numAgente = fields.value(kind.numAgenteColumn).toString().trimmed();
    op.documento = fields.value(kind.documentColumn).toString().trimmed();
    const auto fecha = dateOf(fields.value(kind.dateColumn));
    if (!fecha)
        return Error { msg::fechaNoValida() };
    op.fecha = *fecha;
    op.base = amountOf<2>(fields.value(kind.column(QStringLiteral("BaseImp"))));
    op.alicuota = amountOf<4>(fields.value(kind.column(QStringLiteral("Alicuota"))));
    op.importe = amountOf<2>(fields.value(kind.amountColumn));
    if (kind.hasPlace) {
        op.lugar = fields.value(kind.column(QStringLiteral("Lugar"))).toString().trimmed();
        const auto emitida = dateOf(fields.value(kind.column(QStringLiteral("Lugar_Fecha"))));
        if (!emitida)
            return Error { msg::fechaNoValida() };
        op.lugarFecha = *emitida;
    }
    op.marks = marksFromFields(kind, fields);
    return op;
}

DeclarationMarks marksFromFields(const RegisterKind& kind, const FieldValues& fields)
{
    DeclarationMarks m;
    m.fechaDDJJ = fields.value(kind.column(QStringLiteral("FechaDDJJ"))).toDate();
    m.periodoOutDate = fields.value(kind.column(QStringLiteral("Periodo_DDJJOutDate"))).toString().trimmed();
    m.numForm = fields.value(kind.column(QStringLiteral("DDJJNumForm"))).toString();
    m.fechaPres = fields.value(kind.column(QStringLiteral("DDJJFechaPres"))).toDate();
    return m;
}

Result<QDate> fechaIngresada(const QString& typed)
{
    const auto date = dateOf(typed);
    if (!date)
        return Error { msg::fechaNoValida() };
    return *date;
}

AgentOperation newOperationFor(const Counterpart& counterpart)
{
    AgentOperation op;
    op.counterpart = counterpart;
    return op;
}

}
