#include "cp01/lookuplists.h"

namespace ventrix::cp01 {
namespace {

QList<ListEntry> textList(data::AccesoDatos& db, const QString& sql, const QString& column)
{
    return db.fillList(sql, {}, QLatin1Char('{') + column + QLatin1Char('}'), column);
}

}

LookupLists loadLookupLists(data::AccesoDatos& db)
{
    LookupLists lists;
    lists.tiposDoc
        = db.fillList(QStringLiteral("SELECT TipoDoc, Descripcion FROM TipoDoc ORDER BY Descripcion"), {},
            QStringLiteral("{Descripcion}"), QStringLiteral("TipoDoc"));
    lists.paises
        = textList(db, QStringLiteral("SELECT Pais FROM Paises ORDER BY Pais"), QStringLiteral("Pais"));
    lists.estadosCiviles
        = textList(db, QStringLiteral("SELECT EstadoCivil FROM EstadoCivil ORDER BY EstadoCivil"),
            QStringLiteral("EstadoCivil"));
    lists.natJuridicas = textList(db,
        QStringLiteral(
            "SELECT Nat_Juridica FROM Nat_Juridica ORDER BY CAST(Nat_Juridica AS INTEGER), Nat_Juridica"),
        QStringLiteral("Nat_Juridica"));
    lists.condIva = textList(
        db, QStringLiteral("SELECT CondIva FROM Cond_Iva ORDER BY CondIva"), QStringLiteral("CondIva"));
    lists.provincias = textList(db, QStringLiteral("SELECT Provincia FROM Provincias ORDER BY Provincia"),
        QStringLiteral("Provincia"));
    return lists;
}

QString taxpayerName(data::AccesoDatos& db, qint64 cmdId)
{
    FieldValues row;
    if (db.loadFields(QStringLiteral("SELECT CMD_Contribuyente FROM CMD WHERE CMD_ID = ?"), { cmdId },
            QStringLiteral("CMD"), row)
        != data::LoadStatus::Loaded)
        return {};
    return row.value(QStringLiteral("CMD_Contribuyente")).toString();
}

}
