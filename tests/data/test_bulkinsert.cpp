#include "data/bulkinsert.h"
#include "data/loadsession.h"
#include "data/transaction.h"

#include "testdatabase.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList column(QSqlDatabase db, const QString& sql)
{
    QStringList values;
    QSqlQuery q(sql, db);
    while (q.next())
        values << (q.value(0).isNull() ? qs("NULL") : q.value(0).toString());
    return values;
}

class BulkInsertTest : public ::testing::Test
{
protected:
    test::TestDatabase t;
    void SetUp() override
    {
        for (const char* sql : { "CREATE TABLE t (id INTEGER PRIMARY KEY, a INTEGER, b TEXT)",
                 "CREATE INDEX t_a ON t (a)", "CREATE INDEX t_b ON t (b) WHERE b IS NOT NULL" })
            ASSERT_TRUE(QSqlQuery(qs(sql), t.db()).isActive()) << sql;
    }
    QStringList indexes()
    {
        return column(t.db(),
            qs("SELECT name FROM sqlite_master WHERE tbl_name = 't' AND type = 'index' ORDER BY name"));
    }
};

}

// A statement keeps its values from one batch to the next; each place must still end up with
// what its row says, whatever it held before: NULL, the same number, another number or a text.
TEST_F(BulkInsertTest, EveryRowGetsItsOwnValuesAcrossBatches)
{
    struct Row
    {
        std::optional<qint64> a;
        const char* b;
    };
    // In batches of two, each place sees NULL, numbers and texts follow one another in every order.
    const std::vector<Row> rows { { std::nullopt, nullptr }, { 5, "x" }, { 5, "t" }, { 5, nullptr },
        { 5, nullptr }, { 6, nullptr }, { std::nullopt, "u" }, { std::nullopt, "y" }, { 7, nullptr } };
    Transaction tx(t.db());
    auto bulk = BulkInsert::prepare(t.db(), qs("t"), { qs("a"), qs("b") }, 2);
    ASSERT_TRUE(bulk);
    // Four batches of two and a shorter last one.
    for (std::size_t first = 0; first < rows.size(); first += 2) {
        const int count = static_cast<int>(std::min<std::size_t>(2, rows.size() - first));
        ASSERT_TRUE((*bulk)->insert(count, [&](int r, RowBinder& binder) {
            const Row& row = rows[first + static_cast<std::size_t>(r)];
            row.a ? binder.bindInteger(0, *row.a) : binder.bindNull(0);
            row.b ? binder.bindText(1, row.b) : binder.bindNull(1);
        }));
    }
    ASSERT_TRUE((*bulk)->finish());
    bulk->reset();
    ASSERT_TRUE(tx.commit());
    EXPECT_EQ(
        column(t.db(), qs("SELECT COALESCE(a, 'NULL') || '|' || COALESCE(b, 'NULL') FROM t ORDER BY id")),
        (QStringList { qs("NULL|NULL"), qs("5|x"), qs("5|t"), qs("5|NULL"), qs("5|NULL"), qs("6|NULL"),
            qs("NULL|u"), qs("NULL|y"), qs("7|NULL") }));
}

// Texts repeated from one batch to the next are kept; a text of the same length but other
// letters is not taken for the one before, and the caller's bytes may change once bound.
TEST_F(BulkInsertTest, RepeatedTextsAreKeptAndChangedOnesTakenAgain)
{
    const std::vector<std::pair<const char*, const char*>> batches { { "aa", "bb" }, { "aa", "bc" },
        { "aa", "bc" }, { "ab", "bc" } };
    Transaction tx(t.db());
    auto bulk = BulkInsert::prepare(t.db(), qs("t"), { qs("b") }, 2);
    ASSERT_TRUE(bulk);
    for (const auto& [first, second] : batches) {
        ASSERT_TRUE((*bulk)->insert(2, [&](int r, RowBinder& binder) {
            std::string buffer = r == 0 ? first : second;
            binder.bindText(0, buffer);
            buffer.assign("zz"); // the binder took its own copy
        }));
    }
    bulk->reset();
    ASSERT_TRUE(tx.commit());
    EXPECT_EQ(column(t.db(), qs("SELECT b FROM t ORDER BY id")),
        (QStringList { qs("aa"), qs("bb"), qs("aa"), qs("bc"), qs("aa"), qs("bc"), qs("ab"), qs("bc") }));
}

// The full index is built again after the rows, the partial one kept all along; a load undone
// brings the table and both indexes back as they were.
TEST_F(BulkInsertTest, IndexesSetAsideComeBackWholeOrAsTheyWere)
{
    QSqlQuery(qs("INSERT INTO t (a, b) VALUES (1, 'antes')"), t.db());
    const auto load = [&](bool keep) {
        Transaction tx(t.db());
        auto bulk = BulkInsert::prepare(t.db(), qs("t"), { qs("a"), qs("b") }, 100, true);
        ASSERT_TRUE(bulk);
        EXPECT_EQ(indexes(), QStringList { qs("t_b") });
        for (int batch = 0; batch < 10; ++batch)
            ASSERT_TRUE((*bulk)->insert(100, [&](int r, RowBinder& binder) {
                binder.bindInteger(0, (batch * 100 + r) % 37);
                r % 10 == 0 ? binder.bindText(1, "diez") : binder.bindNull(1);
            }));
        if (!keep)
            return; // the transaction rolls back
        ASSERT_TRUE((*bulk)->finish());
        bulk->reset();
        ASSERT_TRUE(tx.commit());
    };
    load(false);
    EXPECT_EQ(indexes(), (QStringList { qs("t_a"), qs("t_b") }));
    EXPECT_EQ(column(t.db(), qs("SELECT COUNT(*) FROM t")), QStringList { qs("1") });
    load(true);
    EXPECT_EQ(indexes(), (QStringList { qs("t_a"), qs("t_b") }));
    EXPECT_EQ(
        column(t.db(), qs("SELECT COUNT(*) FROM t INDEXED BY t_a WHERE a = 3")), QStringList { qs("27") });
    EXPECT_EQ(column(t.db(), qs("SELECT COUNT(*) FROM t INDEXED BY t_b WHERE b = 'diez'")),
        QStringList { qs("100") });
    EXPECT_EQ(column(t.db(), qs("PRAGMA integrity_check")), QStringList { qs("ok") });
}

// While loading, the journal is a rollback journal, and only when the database is the load's
// alone; references are not looked up row by row. The program's own settings come back either way.
TEST_F(BulkInsertTest, LoadSessionSettingsLastWhileItRuns)
{
    const auto setting
        = [this](const char* name) { return column(t.db(), qs("PRAGMA ") + qs(name)).value(0); };
    ASSERT_EQ(setting("journal_mode"), qs("wal"));
    ASSERT_EQ(setting("foreign_keys"), qs("1"));
    {
        LoadSession session(t.db());
        EXPECT_TRUE(session.switched());
        EXPECT_EQ(setting("journal_mode"), qs("delete"));
        EXPECT_EQ(setting("foreign_keys"), qs("0"));
        Transaction tx(t.db());
        QSqlQuery(qs("INSERT INTO t (a) VALUES (1)"), t.db());
        ASSERT_TRUE(tx.commit());
    }
    EXPECT_EQ(setting("journal_mode"), qs("wal"));
    EXPECT_EQ(setting("foreign_keys"), qs("1"));

    QSqlDatabase other = QSqlDatabase::addDatabase(qs("QSQLITE"), qs("otra"));
    other.setDatabaseName(t.path());
    ASSERT_TRUE(other.open());
    EXPECT_EQ(column(other, qs("SELECT COUNT(*) FROM t")), QStringList { qs("1") });
    {
        LoadSession session(t.db());
        EXPECT_FALSE(session.switched());
        EXPECT_EQ(setting("journal_mode"), qs("wal"));
    }
    EXPECT_EQ(setting("journal_mode"), qs("wal"));
    EXPECT_EQ(setting("foreign_keys"), qs("1"));
    other.close();
    other = {};
    QSqlDatabase::removeDatabase(qs("otra"));
}
