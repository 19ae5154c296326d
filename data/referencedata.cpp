#include "data/referencedata.h"

#include "data/columncodec.h"
#include "data/dataresources.h"
#include "data/schemacatalog.h"
#include "data/transaction.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace ventrix::data {
namespace {

struct ReferenceList
{
    const char16_t* resource;
    const char16_t* table;
};

// Each file's columns follow the table's own column order.
constexpr ReferenceList Lists[] = {
    { u":/reference/nomencla.tsv", u"Nomencla" },
    { u":/reference/provincias.tsv", u"Provincias" },
    { u":/reference/paises.tsv", u"Paises" },
    { u":/reference/tipodoc.tsv", u"TipoDoc" },
    { u":/reference/estadocivil.tsv", u"EstadoCivil" },
    { u":/reference/natjuridica.tsv", u"Nat_Juridica" },
    { u":/reference/condiva.tsv", u"Cond_Iva" },
};

// The data lines of a delivered file, split at tabs; lines starting with "#" are comments.
std::optional<QList<QStringList>> readRows(const QString& resource)
{
    initDataResources();
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        rows.append(line.split(u'\t'));
    }
    return rows;
}

bool fail(QString* error, const QString& reason)
{
    *error = reason;
    return false;
}

bool loadList(QSqlDatabase db, const TableInfo& table, const QString& resource, QString* error)
{
    const auto rows = readRows(resource);
    if (!rows)
        return fail(error, QStringLiteral("Falta la lista de referencia ") + resource + QStringLiteral("."));
    QStringList names, marks;
    for (const ColumnInfo& c : table.columns) {
        names.append(c.name);
        marks.append(QStringLiteral("?"));
    }
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("INSERT INTO ") + table.name + QStringLiteral(" (") + names.join(u',')
            + QStringLiteral(") VALUES (") + marks.join(u',') + u')'))
        return fail(error, q.lastError().text());
    for (const QStringList& row : *rows) {
        if (row.size() != table.columns.size())
            return fail(error, resource + QStringLiteral(": línea con cantidad de columnas incorrecta."));
        for (int i = 0; i < row.size(); ++i) {
            const ColumnInfo& column = table.columns.at(i);
            QVariant value(row.at(i));
            // The files write decimals with a point, as "1.50"; screens use the comma.
            if (column.kind == ColumnKind::Fixed2 || column.kind == ColumnKind::Fixed4)
                value = QString(row.at(i)).replace(u'.', u',');
            const auto stored = columncodec::toStorage(column, value, error);
            if (!stored)
                return false;
            q.bindValue(i, *stored);
        }
        if (!q.exec())
            return fail(error, q.lastError().text());
    }
    return true;
}
}

Status loadReferenceData(QSqlDatabase db, const MoreReferenceData& more)
{
    Transaction tx(db);
    if (!tx.isActive())
        return Error { tx.lastError() };
    const SchemaCatalog schema(db);
    QString error;
    for (const ReferenceList& list : Lists) {
        const auto table = schema.table(QString::fromUtf16(list.table));
        if (!table)
            return Error { QStringLiteral("Falta la tabla ") + QString::fromUtf16(list.table)
                + QStringLiteral(".") };
        if (!loadList(db, *table, QString::fromUtf16(list.resource), &error))
            return Error { error };
    }
    if (more) {
        if (Status loaded = more(db); !loaded)
            return loaded;
    }
    if (!tx.commit())
        return Error { tx.lastError() };
    return {};
}

}
