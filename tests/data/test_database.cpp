#include "testdatabase.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;

TEST(Database, NewDatabaseHasLatestSchemaAndIndices)
{
    test::TestDatabase t;
    EXPECT_EQ(t.database().schemaVersion(), Database::latestSchemaVersion());
    EXPECT_GE(t.db().record(QStringLiteral("CMD")).indexOf(QStringLiteral("CMD_PassWord")), 0);
    QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM Indices"), t.db());
    ASSERT_TRUE(q.next());
    EXPECT_GT(q.value(0).toInt(), 9000);
}
