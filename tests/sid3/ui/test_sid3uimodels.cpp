#include "sid3/ui/activitylinesmodel.h"
#include "sid3/ui/importpreviewmodel.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;

TEST(ActivityLinesModel, OnlyTheBaseAndTheExemptionOfALineWithACodeAreEditable)
{
    QList<ActivityLine> lines(2);
    lines[0].codigo = QStringLiteral("624101");
    lines[0].alicuota = Rate::fromUnits(350);
    int edits = 0;
    ActivityLinesModel model(lines, [&] {
        ++edits;
        lines[0].impuesto = lineTax(lines[0]);
    });
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.columnCount(), 8);
    EXPECT_EQ(model.headerData(ActivityLinesModel::BaseImp, Qt::Horizontal).toString(),
        QStringLiteral("Base Imp."));
    EXPECT_TRUE(model.flags(model.index(0, ActivityLinesModel::BaseImp)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, ActivityLinesModel::Alicuota)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(1, ActivityLinesModel::BaseImp)) & Qt::ItemIsEditable);

    ASSERT_TRUE(model.setData(model.index(0, ActivityLinesModel::BaseImp), QStringLiteral("1.000,5")));
    EXPECT_EQ(model.index(0, ActivityLinesModel::BaseImp).data().toString(), QStringLiteral("1.000,50"));
    EXPECT_EQ(model.index(0, ActivityLinesModel::Impuesto).data().toString(), QStringLiteral("35,02"));
    // What is not an amount counts as zero.
    ASSERT_TRUE(model.setData(model.index(0, ActivityLinesModel::BaseImp), QStringLiteral("1,2,3")));
    EXPECT_EQ(model.index(0, ActivityLinesModel::BaseImp).data().toString(), QStringLiteral("0,00"));
    ASSERT_TRUE(model.setData(model.index(0, ActivityLinesModel::Exento), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(lines[0].exento);
    EXPECT_EQ(edits, 3);
}

TEST(ImportPreviewModel, ShowsAtMostTwoHundredRecordsAndMarksABadCuit)
{
    ImportPreviewModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QByteArray bytes = "31/02/2003\tRecibo\tdiez\tAgente\t20-12345678-5\n";
    for (int i = 0; i < 300; ++i)
        bytes += "05/03/2003\tRecibo\t1.5\tAgente\t\n";
    model.setRecords(parseImportFile(bytes).records);
    EXPECT_EQ(model.rowCount(), 200);
    EXPECT_EQ(model.index(0, ImportPreviewModel::Fecha).data().toString(), QString());
    EXPECT_EQ(model.index(0, ImportPreviewModel::Monto).data().toString(), QString());
    EXPECT_EQ(model.index(0, ImportPreviewModel::Cuit).data().toString(), QStringLiteral("Error"));
    EXPECT_EQ(model.index(1, ImportPreviewModel::Monto).data().toString(), QStringLiteral("1,50"));
    EXPECT_EQ(model.index(1, ImportPreviewModel::Cuit).data().toString(), QString());
}
