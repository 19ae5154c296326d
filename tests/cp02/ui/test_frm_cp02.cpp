#include "../cp02fixture.h"
#include "common/modulekeys.h"
#include "common/printui/dialogoimpresora.h"
#include "common/ui/moduleregistry.h"
#include "cp02/ui/annualactivitymodel.h"
#include "cp02/ui/frm_cp02.h"
#include "cp02/ui/monthgridmodel.h"
#include "fakeprinter.h"
#include "modaldialogs.h"
#include "screenshot.h"
#include "widgetchecks.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QTabWidget>
#include <QTableView>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp02;
using namespace ventrix::test;

namespace {

struct FrmCp02Test : ::testing::Test, Cp02Fixture
{
    FakePrinter printer; // accepts A4 paper

    // No removable volume is there to copy to.
    FrmCp02Test()
    {
        qputenv("VENTRIX_REMOVABLE_ROOTS", QDir(t.folder()).filePath(QStringLiteral("sin-medios")).toUtf8());
    }

    std::unique_ptr<Frm_CP02> open()
    {
        auto w = std::make_unique<Frm_CP02>(t.db(), cmdId, cp01Id, t.folder());
        EXPECT_TRUE(w->opened());
        return w;
    }
    static QString text(QWidget* w, const QString& name) { return child<QLineEdit>(w, name)->text(); }
    static void type(QWidget* w, const QString& name, const QString& value) { typeAndLeave(w, name, value); }
    static QAbstractItemModel* grid(QWidget* w, int n)
    {
        return child<QTableView>(w, QStringLiteral("TDBGrid%1").arg(n))->model();
    }
    static QTabWidget* tabs(QWidget* w) { return child<QTabWidget>(w, QStringLiteral("vsIndexTab1")); }
};

}

TEST_F(FrmCp02Test, ADeclarationIsTypedComputedAndStored)
{
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Formulario CP02 Ingresando Nuevo Período "));
    EXPECT_EQ(text(w.get(), QStringLiteral("CP01_CUIT")), QStringLiteral("20-12345678/6"));
    EXPECT_TRUE(child<QLineEdit>(w.get(), QStringLiteral("CP01_Contribuyente"))->isReadOnly());
    saveScreenshot(w.get(), QStringLiteral("frm_cp02_periodo"));

    child<QLineEdit>(w.get(), QStringLiteral("Txt_Periodo"))->setText(QStringLiteral("2025"));
    child<QAbstractButton>(w.get(), QStringLiteral("Cmd_Aceptar"))->click();
    EXPECT_EQ(tabs(w.get())->currentIndex(), 1);
    QAbstractItemModel* activities = grid(w.get(), 1);
    QAbstractItemModelTester check(activities, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(activities->rowCount(), 1);
    EXPECT_EQ(activities->columnCount(), 7);
    EXPECT_EQ(activities->index(0, AnnualActivityModel::Actividad).data().toString(),
        QStringLiteral("Com1:Actividad 624101"));
    EXPECT_TRUE(activities->setData(
        activities->index(0, AnnualActivityModel::BaseImponible), QStringLiteral("10000")));
    EXPECT_EQ(
        activities->index(0, AnnualActivityModel::Impuesto).data().toString(), QStringLiteral("350,00"));
    EXPECT_EQ(activities->index(0, AnnualActivityModel::BaseImponible).data().toString(),
        QStringLiteral("10.000,00"));
    EXPECT_TRUE(activities->setData(
        activities->index(0, AnnualActivityModel::Exento), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(activities->index(0, AnnualActivityModel::Impuesto).data().toString(), QStringLiteral("0,00"));
    activities->setData(activities->index(0, AnnualActivityModel::Exento), Qt::Unchecked, Qt::CheckStateRole);
    type(w.get(), QStringLiteral("Cp02_NumEmpleados"), QStringLiteral("2"));
    type(w.get(), QStringLiteral("Cp02_Gravado"), QStringLiteral("10000"));
    type(w.get(), QStringLiteral("Cp02_No_Gravado"), QStringLiteral("x"));
    EXPECT_EQ(child<QLabel>(w.get(), QStringLiteral("Lab_Total"))->text(), QStringLiteral("10.000,00"));
    EXPECT_EQ(text(w.get(), QStringLiteral("Cp02_No_Gravado")), QStringLiteral("0,00"));
    saveScreenshot(w.get(), QStringLiteral("frm_cp02_actividades"));

    tabs(w.get())->setCurrentIndex(2);
    QAbstractItemModel* months = grid(w.get(), 2);
    QAbstractItemModelTester checkMonths(months, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(months->rowCount(), 13);
    EXPECT_EQ(months->columnCount(), 9);
    EXPECT_EQ(months->index(12, 0).data().toString(), QStringLiteral("Totales"));
    child<QAbstractButton>(w.get(), QStringLiteral("Opt_Minimo1"))->click(); // "Mínimo Anuales"
    months->setData(months->index(0, MonthGridModel::Anticipo), QStringLiteral("1200"));
    months->setData(months->index(1, MonthGridModel::Minimo), QStringLiteral("1500"));
    months->setData(months->index(1, MonthGridModel::Depositado), QStringLiteral("1600"));
    EXPECT_FALSE(months->setData(months->index(2, MonthGridModel::Depositado), QStringLiteral("mil")));
    months->setData(months->index(0, MonthGridModel::FechaPago), QStringLiteral("15022025"));
    EXPECT_EQ(months->index(0, MonthGridModel::FechaPago).data().toString(), QStringLiteral("15/02/2025"));
    months->setData(months->index(1, MonthGridModel::FechaPago), QStringLiteral("31/12/1899"));
    EXPECT_EQ(boxes.last(), QStringLiteral("La fecha ingresada no es válida..."));
    EXPECT_EQ(months->index(1, MonthGridModel::FechaPago).data().toString(), QString());
    EXPECT_EQ(months->index(12, MonthGridModel::TotalComp).data().toString(), QStringLiteral("2.700,00"));
    EXPECT_EQ(text(w.get(), col::Impuesto), QStringLiteral("1.500,00"));
    EXPECT_EQ(text(w.get(), col::FavorContrib), QStringLiteral("100,00"));
    EXPECT_EQ(text(w.get(), col::FavorAgt), QStringLiteral("0,00"));
    saveScreenshot(w.get(), QStringLiteral("frm_cp02_anticipos"));
    tabs(w.get())->setCurrentIndex(3);
    type(w.get(), col::exempt(1, QStringLiteral("FechaIni")), QStringLiteral("01012025"));
    EXPECT_EQ(text(w.get(), col::exempt(1, QStringLiteral("FechaIni"))), QStringLiteral("01/01/2025"));
    saveScreenshot(w.get(), QStringLiteral("frm_cp02_exentas"));

    // Storing prints: the preview of the two pages shows, and the delivery file is written.
    ModalDialogs modals;
    QString previewTitle;
    modals.expect([&previewTitle](QDialog* preview) {
        previewTitle = preview->windowTitle();
        preview->reject();
    });
    child<QAbstractButton>(w.get(), QStringLiteral("Cmd_Guardar"))->click();
    EXPECT_TRUE(modals.allOpened());
    EXPECT_EQ(previewTitle, QStringLiteral("Formulario CP02"));
    const QStringList files = QDir(t.folder()).entryList({ QStringLiteral("CP02_*.txt") }, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files.front().size(), QStringLiteral("CP02_123456789.txt").size());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Formulario CP02 Período 2025"));
    auto* list = child<QListWidget>(w.get(), QStringLiteral("Lst_Periodos"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Período 2025 Original"));
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT CPIA_Impuesto FROM Cp02_ImpAnual")), 35000);
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT CP02_Saldo_FavorContrib FROM CP02")), 10000);
    EXPECT_EQ(countOf(t.db(),
                  QStringLiteral("SELECT COUNT(*) FROM CP02 WHERE CP02_ActEx_FechaIni_1 = '2025-01-01'")),
        1);

    // Once stored the period card stays shut.
    boxes.clear();
    tabs(w.get())->setCurrentIndex(0);
    EXPECT_EQ(boxes.last(),
        QStringLiteral("No se puede modificar el período ni el tipo de trámite una vez almacenado..."));
    EXPECT_NE(tabs(w.get())->currentIndex(), 0);
}

TEST_F(FrmCp02Test, AStoredDeclarationIsChosenFromTheListAndDeleted)
{
    storeDeclaration(2024);
    auto w = open();
    auto* list = child<QListWidget>(w.get(), QStringLiteral("Lst_Periodos"));
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    w->declaracionElegida();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Formulario CP02 Período 2024"));
    EXPECT_EQ(text(w.get(), QStringLiteral("Cp02_NumEmpleados")), QStringLiteral("3"));
    EXPECT_EQ(grid(w.get(), 1)->index(0, AnnualActivityModel::Impuesto).data().toString(),
        QStringLiteral("350,00"));
    boxes.answer(Answer::Yes);
    child<QAbstractButton>(w.get(), QStringLiteral("Cmd_Borrar"))->click();
    EXPECT_EQ(boxes.last(), QStringLiteral("Período borrado..."));
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Formulario CP02 Ingresando Nuevo Período "));
}

TEST_F(FrmCp02Test, TheMainWindowsButtonFindsTheScreen)
{
    registerCp02Windows(ModuleRegistry::instance());
    EXPECT_TRUE(ModuleRegistry::instance().contains(modulekey::Cp02));
}
