#include "app/ui/taxpayergridmodel.h"

#include "../register/registerfixture.h"

#include <QAbstractItemModelTester>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::app;
using namespace ventrix::test;

namespace {

QString nameOf(int i)
{
    return QStringLiteral("T%1").arg(i, 3, 10, QLatin1Char('0'));
}

class GridModel : public ::testing::Test
{
protected:
    GridModel()
    {
        QSqlQuery(QStringLiteral("BEGIN"), t.db());
        for (int i = 0; i < 150; ++i)
            keys.append(addTaxpayer(t.db(), nameOf(i), QStringLiteral("ref %1").arg(i)));
        QSqlQuery(QStringLiteral("COMMIT"), t.db());
    }

    QString cell(int row, int column = TaxpayerGridModel::Identificacion) const
    {
        return model.index(row, column).data().toString();
    }

    TestDatabase t;
    QList<qint64> keys;
    TaxpayerGridModel model { t.db() };
    QAbstractItemModelTester tester { &model, QAbstractItemModelTester::FailureReportingMode::Fatal };
};

}

TEST_F(GridModel, ShowsEveryRowAcrossItsPages)
{
    ASSERT_TRUE(model.reload(QString()));
    ASSERT_EQ(model.rowCount(), 150);
    EXPECT_EQ(model.columnCount(), 4);
    for (int row : { 0, 63, 64, 127, 128, 149 }) {
        EXPECT_EQ(cell(row), nameOf(row)) << row;
        EXPECT_EQ(model.keyAt(row), keys.at(row));
        EXPECT_EQ(model.rowOfKey(keys.at(row)), row);
    }
    EXPECT_EQ(cell(149, TaxpayerGridModel::NumRef), QStringLiteral("ref 149"));
    EXPECT_EQ(cell(5, TaxpayerGridModel::Telefono), QStringLiteral("4455-1234"));
    EXPECT_EQ(cell(5, TaxpayerGridModel::Domicilio), QStringLiteral("San Martín 123"));
    EXPECT_EQ(model.keyAt(150), 0);
    EXPECT_EQ(model.keyAt(-1), 0);
    EXPECT_EQ(model.rowOfKey(keys.last() + 1), -1);

    QStringList headers;
    for (int c = 0; c < model.columnCount(); ++c)
        headers << model.headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers,
        (QStringList { QStringLiteral("Identificación"), QStringLiteral("N° Ref."),
            QStringLiteral("Teléfono"), QStringLiteral("Domicilio") }));
}

TEST_F(GridModel, ARowDeletedBehindItsBackDoesNotShiftTheOthers)
{
    ASSERT_TRUE(model.reload(QString()));
    QSqlQuery remove(t.db());
    remove.prepare(QStringLiteral("DELETE FROM CMD WHERE CMD_ID = ?"));
    remove.addBindValue(keys.at(70));
    ASSERT_TRUE(remove.exec());

    // The grid still holds the key; its page now comes back one row short.
    EXPECT_EQ(cell(69), nameOf(69));
    EXPECT_TRUE(cell(70).isEmpty());
    EXPECT_EQ(cell(71), nameOf(71));
    EXPECT_EQ(cell(127), nameOf(127));
    EXPECT_EQ(cell(128), nameOf(128));

    ASSERT_TRUE(model.reload(QString()));
    EXPECT_EQ(model.rowCount(), 149);
    EXPECT_EQ(cell(70), nameOf(71));
}

TEST_F(GridModel, ASearchNarrowsAndAFailedOneKeepsWhatWasShown)
{
    ASSERT_TRUE(model.reload(QStringLiteral("t14")));
    ASSERT_EQ(model.rowCount(), 10);
    EXPECT_EQ(cell(0), nameOf(140));
    EXPECT_EQ(cell(9), nameOf(149));

    QSqlQuery(QStringLiteral("ALTER TABLE CMD RENAME TO CMD_Aparte"), t.db());
    EXPECT_FALSE(model.reload(QStringLiteral("t1")));
    EXPECT_EQ(model.rowCount(), 10);
    EXPECT_EQ(cell(0), nameOf(140));
}
