#include "agents/importformat.h"

#include "agents/importmessages.h"
#include "data/schemacatalog.h"

namespace ventrix::agents {
namespace {

bool isMark(const RegisterKind& kind, const QString& name)
{
    for (const char16_t* item : { u"FechaDDJJ", u"Periodo_DDJJOutDate", u"DDJJNumForm", u"DDJJFechaPres" }) {
        if (name.compare(kind.column(QString::fromUtf16(item)), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

ImportFieldKind fieldKind(const data::ColumnInfo& c)
{
    if (c.name.contains(QStringLiteral("CUIT"), Qt::CaseInsensitive))
        return ImportFieldKind::Cuit;
    if (c.name.contains(QStringLiteral("IBrutos"), Qt::CaseInsensitive))
        return ImportFieldKind::IBrutos;
    switch (c.kind) {
    case data::ColumnKind::Date:
        return ImportFieldKind::Date;
    case data::ColumnKind::Fixed2:
        return ImportFieldKind::Money;
    case data::ColumnKind::Fixed4:
        return ImportFieldKind::Rate;
    case data::ColumnKind::Integer:
        return ImportFieldKind::Integer;
    case data::ColumnKind::Text:
    case data::ColumnKind::Other:
        break;
    }
    return ImportFieldKind::Text;
}

// A row without its counterpart's name, its date or its amounts cannot be declared; the rate may
// be empty (it counts as 0), as may the counterpart's identifiers.
bool isRequired(const RegisterKind& kind, const QString& name)
{
    for (const QString& c : { kind.column(QStringLiteral("Contribuyente")), kind.dateColumn,
             kind.column(QStringLiteral("BaseImp")), kind.amountColumn }) {
        if (name.compare(c, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}

Result<ImportFormat> ImportFormat::read(QSqlDatabase db, const RegisterKind& kind)
{
    const auto table = data::SchemaCatalog(db).table(kind.table);
    if (!table)
        return Error { msg::errorAccesoBaseDatos() };
    ImportFormat format;
    format.kind = &kind;
    for (const data::ColumnInfo& c : table->columns) {
        if (c.primaryKey || c.name.compare(QStringLiteral("CP01_ID"), Qt::CaseInsensitive) == 0
            || c.name.compare(kind.keyColumn, Qt::CaseInsensitive) == 0 || isMark(kind, c.name))
            continue;
        const ImportFieldKind k = fieldKind(c);
        const int index = static_cast<int>(format.columns.size());
        if (c.name.compare(kind.column(QStringLiteral("BaseImp")), Qt::CaseInsensitive) == 0)
            format.baseIndex = index;
        else if (c.name.compare(kind.column(QStringLiteral("Alicuota")), Qt::CaseInsensitive) == 0)
            format.rateIndex = index;
        else if (c.name.compare(kind.amountColumn, Qt::CaseInsensitive) == 0)
            format.amountIndex = index;
        format.columns.push_back(
            { c.name, k, k == ImportFieldKind::Text ? c.width : 0, isRequired(kind, c.name) });
    }
    if (format.columns.empty())
        return Error { msg::errorAccesoBaseDatos() };
    return format;
}

QStringList ImportFormat::columnNames() const
{
    QStringList names;
    for (const ImportColumn& c : columns)
        names << c.name;
    return names;
}

}
