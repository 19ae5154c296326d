#include "ratesfixture.h"

#include "rates/indicesmodel.h"

#include <QAbstractItemModelTester>

using namespace ventrix;
using namespace ventrix::rates;

using IndicesModelTest = test::RatesFixture;

TEST_F(IndicesModelTest, ReadsTheWholeTableNewestFirstAPageAtATime)
{
    historyEndsOn(QDate(2026, 11, 30));
    IndicesModel model(m_database.db());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_TRUE(model.reload());

    EXPECT_EQ(model.rowCount(), IndicesModel::PageSize);
    EXPECT_EQ(model.headerData(IndicesModel::Indice, Qt::Horizontal).toString(), QStringLiteral("Indice"));
    EXPECT_EQ(model.index(0, IndicesModel::Fecha).data().toString(), QStringLiteral("30/11/2026"));
    EXPECT_EQ(model.index(0, IndicesModel::Indice).data().toString(), newest().indice.toDisplay());
    EXPECT_EQ(model.index(1, IndicesModel::Fecha).data().toString(), QStringLiteral("29/11/2026"));

    while (model.canFetchMore({}))
        model.fetchMore({});
    ASSERT_EQ(model.rowCount(), table().count());
    const int last = model.rowCount() - 1;
    std::optional<IndexDay> oldest;
    ASSERT_TRUE(table().oldest(&oldest));
    EXPECT_EQ(model.dayAt(last).fecha, oldest->fecha);
    EXPECT_EQ(
        model.dayAt(IndicesModel::PageSize).fecha, model.dayAt(IndicesModel::PageSize - 1).fecha.addDays(-1));
}
