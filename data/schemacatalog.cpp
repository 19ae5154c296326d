#include "data/schemacatalog.h"

#include <QRegularExpression>
#include <QSqlQuery>

namespace ventrix::data {

ColumnKind columnKindOf(const QString& declaredType)
{
    const QString type = declaredType.trimmed().toUpper();
    if (type.startsWith(u"INTEGER") || type == u"INT")
        return ColumnKind::Integer;
    if (type.startsWith(u"TEXT"))
        return ColumnKind::Text;
    if (type.startsWith(u"FIXED2"))
        return ColumnKind::Fixed2;
    if (type.startsWith(u"FIXED4"))
        return ColumnKind::Fixed4;
    if (type.startsWith(u"DATE"))
        return ColumnKind::Date;
    return ColumnKind::Other;
}

int declaredWidth(const QString& declaredType)
{
    static const QRegularExpression width(
        QStringLiteral(R"(^\s*TEXT\s*\(\s*(\d+)\s*\))"), QRegularExpression::CaseInsensitiveOption);
    const auto match = width.match(declaredType);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

const ColumnInfo* TableInfo::column(const QString& columnName) const
{
    for (const ColumnInfo& c : columns) {
        if (c.name.compare(columnName, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

QList<ColumnInfo> TableInfo::withPrefix(const QString& prefix) const
{
    QList<ColumnInfo> out;
    for (const ColumnInfo& c : columns) {
        if (c.name.startsWith(prefix, Qt::CaseInsensitive))
            out.append(c);
    }
    return out;
}

SchemaCatalog::SchemaCatalog(QSqlDatabase db)
    : m_db(std::move(db))
{
}

QStringList SchemaCatalog::tableNames() const
{
    QStringList names;
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                          "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY name"));
    while (q.next())
        names.append(q.value(0).toString());
    return names;
}

std::optional<TableInfo> SchemaCatalog::table(const QString& name) const
{
    const QString key = name.toLower();
    if (auto it = m_cache.constFind(key); it != m_cache.constEnd())
        return *it;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT t.name, c.name, c.type, c.pk FROM sqlite_master AS t, "
                             "pragma_table_info(t.name) AS c WHERE t.type = 'table' AND t.name = ? "
                             "COLLATE NOCASE ORDER BY c.cid"));
    q.addBindValue(name);
    if (!q.exec())
        return std::nullopt;
    TableInfo info;
    while (q.next()) {
        info.name = q.value(0).toString();
        ColumnInfo c;
        c.name = q.value(1).toString();
        c.declaredType = q.value(2).toString();
        c.kind = columnKindOf(c.declaredType);
        c.width = declaredWidth(c.declaredType);
        c.primaryKey = q.value(3).toInt() > 0;
        info.columns.append(c);
    }
    if (info.columns.isEmpty())
        return std::nullopt;
    m_cache.insert(key, info);
    return info;
}

}
