#include "testdatabase.h"

#include "rates/deliveredindices.h"

#include <QDir>
#include <stdexcept>

namespace ventrix::test {

TestDatabase::TestDatabase(const QString& connectionName)
    : m_database(std::make_unique<data::Database>(connectionName))
{
    const data::OpenResult r = m_database->create(path(), rates::loadDeliveredIndices);
    if (!r.ok())
        throw std::runtime_error(r.reason.toStdString());
}

QString TestDatabase::path() const
{
    return QDir(m_dir.path()).filePath(QString::fromUtf16(data::DatabaseFileName));
}

}
