#include "../ib08fixture.h"
#include "common/modulekeys.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "common/ui/moduleregistry.h"
#include "fakeprinter.h"
#include "modaldialogs.h"
#include "plans/ui/frm_ib08.h"
#include "screenshot.h"
#include "widgetchecks.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

struct FrmIb08Test : ::testing::Test, Ib08Fixture
{
    FakePrinter printer; // accepts A4 paper

    std::unique_ptr<Frm_IB08> open()
    {
        auto w = std::make_unique<Frm_IB08>(t.db(), cmdId);
        EXPECT_TRUE(w->opened());
        return w;
    }
    static QString text(QWidget* w, const QString& name) { return child<QLineEdit>(w, name)->text(); }
    static void type(QWidget* w, const QString& name, const QString& value) { typeAndLeave(w, name, value); }
    static QStringList listed(QWidget* w)
    {
        QStringList out;
        auto* list = child<QListWidget>(w, QStringLiteral("List1"));
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    qint64 rows()
    {
        QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM Form_IB08"), t.db());
        return q.next() ? q.value(0).toLongLong() : -1;
    }
};

}

TEST_F(FrmIb08Test, APaymentIsTypedCheckedAndStored)
{
    storePayment(firstCp01, QDate(2025, 7, 20));
    auto w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Formulario IB08"));
    EXPECT_EQ(text(w.get(), QStringLiteral("CP01_CUIT")), QStringLiteral("20-12345678/6"));
    EXPECT_EQ(text(w.get(), QStringLiteral("CP01_IngBrut")), QStringLiteral("012-123456/00"));
    EXPECT_TRUE(child<QLineEdit>(w.get(), QStringLiteral("CP01_Contribuyente"))->isReadOnly());
    EXPECT_EQ(listed(w.get()), QStringList { QStringLiteral("20/07/2025") });

    type(w.get(), QStringLiteral("IB08_PosFiscal"), QStringLiteral("13/05"));
    EXPECT_EQ(boxes.last(), QStringLiteral("El formato de ingreso es mes/año (03/26)"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_PosFiscal")), QString());
    type(w.get(), QStringLiteral("IB08_PosFiscal"), QStringLiteral("1/5"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_PosFiscal")), QStringLiteral("01/05"));
    type(w.get(), QStringLiteral("IB08_FechaPago"), QStringLiteral("15032026"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_FechaPago")), QStringLiteral("15/03/2026"));

    boxes.clear();
    click(w.get(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("Complete los importes...") });
    EXPECT_EQ(rows(), 1);

    type(w.get(), QStringLiteral("IB08_Importe"), QStringLiteral("1000"));
    type(w.get(), QStringLiteral("IB08_Actualizacion"), QStringLiteral("mil"));
    type(w.get(), QStringLiteral("IB08_Interes"), QStringLiteral("25,5"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_Importe")), QStringLiteral("1.000,00"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_Actualizacion")), QStringLiteral("0,00"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_Total")), QStringLiteral("1.025,50"));
    EXPECT_TRUE(child<QLineEdit>(w.get(), QStringLiteral("IB08_Total"))->isReadOnly());
    saveScreenshot(w.get(), QStringLiteral("frm_ib08"));

    click(w.get(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(listed(w.get()), (QStringList { QStringLiteral("15/03/2026"), QStringLiteral("20/07/2025") }));
    QSqlQuery q(
        QStringLiteral("SELECT IB08_PosFiscal, IB08_Total, CP01_ID FROM Form_IB08 ORDER BY IB08_ID DESC"),
        t.db());
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("01/05"));
    EXPECT_EQ(q.value(1).toLongLong(), 102550);
    EXPECT_EQ(q.value(2).toLongLong(), newestCp01);

    click(w.get(), QStringLiteral("Cmd_Alta"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_Importe")), QString());
    boxes.clear();
    type(w.get(), QStringLiteral("IB08_Importe"), QStringLiteral("5"));
    click(w.get(), QStringLiteral("Cmd_Guardar"));
    EXPECT_EQ(boxes.texts(), QStringList { QStringLiteral("Complete la fecha...") });
}

TEST_F(FrmIb08Test, AStoredPaymentIsChosenAndDeleted)
{
    storePayment(newestCp01, QDate(2026, 1, 5), "250.00");
    storePayment(firstCp01, QDate(2026, 2, 9), "300.00");
    auto w = open();
    auto* list = child<QListWidget>(w.get(), QStringLiteral("List1"));
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRow(1);
    w->pagoElegido();
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_Importe")), QStringLiteral("250,00"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_FechaPago")), QStringLiteral("05/01/2026"));
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_PosFiscal")), QStringLiteral("05/26"));

    boxes.answer(Answer::Yes);
    click(w.get(), QStringLiteral("Cmd_Borrar"));
    EXPECT_EQ(boxes.texts(),
        (QStringList { QStringLiteral("Está seguro que desea borrar el pago de fecha 05/01/2026 ..."),
            QStringLiteral("Datos Borrados...") }));
    EXPECT_EQ(listed(w.get()), QStringList { QStringLiteral("09/02/2026") });
    EXPECT_EQ(text(w.get(), QStringLiteral("IB08_Importe")), QString());
    EXPECT_EQ(rows(), 1);
}

TEST_F(FrmIb08Test, PrintingStoresAndSavesThePageAsPdf)
{
    DrawnNumbers numbers;
    numbers.next = { 4711 };
    auto w = open();
    type(w.get(), QStringLiteral("IB08_PosFiscal"), QStringLiteral("2/26"));
    type(w.get(), QStringLiteral("IB08_FechaPago"), QStringLiteral("15/03/2026"));
    type(w.get(), QStringLiteral("IB08_Importe"), QStringLiteral("1234,56"));
    click(w.get(), QStringLiteral("Option1_1")); // "Multa"

    const QString pdf = QDir(t.folder()).filePath(QStringLiteral("ib08.pdf"));
    ModalDialogs modals;
    QString previewTitle;
    modals.expect([&](QDialog* dialog) {
        previewTitle = dialog->windowTitle();
        auto* preview = qobject_cast<print::PrintPreview*>(dialog);
        ASSERT_NE(preview, nullptr);
        preview->setPdfPathAsker([&pdf] { return pdf; });
        preview->savePdf();
        preview->reject();
    });
    click(w.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_TRUE(modals.allOpened());
    EXPECT_EQ(previewTitle, QStringLiteral("Formulario IB08"));
    EXPECT_EQ(rows(), 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    if (const QString dir = qEnvironmentVariable("VENTRIX_SCREENSHOT_DIR"); !dir.isEmpty()) {
        QFile::remove(dir + QStringLiteral("/ib08.pdf"));
        QFile::copy(pdf, dir + QStringLiteral("/ib08.pdf"));
    }
}

TEST_F(FrmIb08Test, TheMainWindowsButtonOpensItOnlyWithAnInscription)
{
    registerIb08Windows(ModuleRegistry::instance());
    EXPECT_TRUE(ModuleRegistry::instance().contains(modulekey::Ib08));
    const qint64 none = taxpayer(QStringLiteral("Sin CP01"));
    EXPECT_FALSE(ModuleRegistry::instance().runModal(modulekey::Ib08, { t.db(), none, 0 }, nullptr));
    EXPECT_EQ(boxes.last(), QStringLiteral("Debe completar el CP01 (Formulario de Inscripción)"));
}

TEST_F(FrmIb08Test, WithoutATaxpayerOnlyTheBlankFormPrints)
{
    Frm_IB08 w(t.db(), 0);
    ASSERT_TRUE(w.opened());
    w.show();
    auto* tapa = child<QLabel>(&w, QStringLiteral("Tapa"));
    EXPECT_TRUE(tapa->isVisible());
    EXPECT_EQ(tapa->text(),
        QStringLiteral(
            "El formulario se imprimirá en blanco, el mismo debe ser completado por personal de la "
            "A.G.T. del Valdera."));
    EXPECT_FALSE(child(&w, QStringLiteral("IB08_Importe"))->isVisible());
    EXPECT_FALSE(child<QAbstractButton>(&w, QStringLiteral("Cmd_Guardar"))->isEnabled());
    saveScreenshot(&w, QStringLiteral("frm_ib08_blanco"));

    const QString pdf = QDir(t.folder()).filePath(QStringLiteral("ib08_blanco.pdf"));
    ModalDialogs modals;
    modals.expect([&pdf](QDialog* dialog) {
        auto* preview = qobject_cast<print::PrintPreview*>(dialog);
        ASSERT_NE(preview, nullptr);
        preview->setPdfPathAsker([&pdf] { return pdf; });
        preview->savePdf();
        preview->reject();
    });
    click(&w, QStringLiteral("Cmd_Imprimir"));
    EXPECT_TRUE(modals.allOpened());
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(boxes.shown().isEmpty()) << boxes.last().toStdString();
    if (const QString dir = qEnvironmentVariable("VENTRIX_SCREENSHOT_DIR"); !dir.isEmpty()) {
        QFile::remove(dir + QStringLiteral("/ib08_blanco.pdf"));
        QFile::copy(pdf, dir + QStringLiteral("/ib08_blanco.pdf"));
    }
}
