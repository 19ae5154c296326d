#include "testdatabase.h"

#include "rates/deliveredindices.h"

#include <QDir>
#include <QSqlQuery>
#include <stdexcept>

namespace ventrix::test {

TestDatabase::TestDatabase(const QString& connectionName)
    : m_database(std::make_unique<data::Database>(connectionName))
{
    const data::OpenResult r = m_database->create(path(), rates::loadDeliveredIndices);
    if (!r.ok())
        throw std::runtime_error(r.reason.toStdString());
}

void TestDatabase::makeFirstVersion(QSqlDatabase db)
{
    for (const char* sql :
        { "ALTER TABLE CMD DROP COLUMN CMD_PassWord", "DROP INDEX Form_AgentRetencion_Fecha",
            "CREATE INDEX Form_AgentRetencion_Fecha ON Form_AgentRetencion (CP01_ID, AgRet_Fecha_Retencion)",
            "DROP INDEX Form_AgentPercepcion_Fecha",
            "CREATE INDEX Form_AgentPercepcion_Fecha ON Form_AgentPercepcion (CP01_ID, "
            "AgPer_Fecha_Percepcion)",
            "DROP INDEX Form_AgentRetencion_DDJJNumForm",
            "CREATE INDEX Form_AgentRetencion_DDJJNumForm ON Form_AgentRetencion (AgRet_DDJJNumForm)",
            "DROP INDEX Form_AgentPercepcion_DDJJNumForm",
            "CREATE INDEX Form_AgentPercepcion_DDJJNumForm ON Form_AgentPercepcion (AgPer_DDJJNumForm)",
            "PRAGMA user_version = 1" }) {
        QSqlQuery q(db);
        if (!q.exec(QString::fromLatin1(sql)))
            throw std::runtime_error(sql);
    }
}

QString TestDatabase::path() const
{
    return QDir(m_dir.path()).filePath(QString::fromUtf16(data::DatabaseFileName));
}

}
