#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "fakeprinter.h"
#include "plans/ui/frm_ib09.h"
#include "plansuifixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

struct FrmIb09Test : PlansUiFixture
{
    FakePrinter printer; // accepts A4 paper

    // A plan of 12 instalments of 1.000,00 at 3,00 %, the second due Friday 13 March 2026.
    std::unique_ptr<Frm_IB09> openWithPlan()
    {
        storePlan(firstCp01, QStringLiteral("123"), QDate(2026, 1, 13));
        auto w = std::make_unique<Frm_IB09>(t.db(), cmdId, newestCp01);
        auto* list = child<QListWidget>(w.get(), QStringLiteral("Lst_Planes"));
        EXPECT_EQ(list->count(), 1);
        list->setCurrentRow(0);
        return w;
    }
    static void chooseInstalment(QWidget* w, int n)
    {
        auto* combo = child<QComboBox>(w, QStringLiteral("Combo1"));
        const int index = combo->findData(n);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

}

TEST_F(FrmIb09Test, TheInstalmentsDueDateAndInterestFollowThePlan)
{
    auto w = openWithPlan();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Formulario de Pago Pérez Juan"));
    EXPECT_EQ(child<QListWidget>(w.get(), QStringLiteral("Lst_Planes"))->item(0)->text(),
        QStringLiteral("13/01/2026 N° Ctas = 12"));
    EXPECT_EQ(text(w.get(), col::NumPFP), QStringLiteral("123"));
    EXPECT_EQ(text(w.get(), col::ImporteCuota), QStringLiteral("1.000,00"));
    EXPECT_EQ(text(w.get(), QStringLiteral("CP01_CUIT")), QStringLiteral("20-12345678/6"));
    EXPECT_EQ(child<QComboBox>(w.get(), QStringLiteral("Combo1"))->count(), 13);

    chooseInstalment(w.get(), 2);
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_FechaVto")), QStringLiteral("13/03/2026"));
    // 13 June 2026 is a Saturday: the Monday after.
    chooseInstalment(w.get(), 5);
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_FechaVto")), QStringLiteral("15/06/2026"));
    setText(w.get(), QStringLiteral("Txt_FechaPago"), QStringLiteral("15/06/2026"));
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_Interes")), QStringLiteral("0,00"));
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_Total")), QStringLiteral("1.000,00"));
    setText(w.get(), QStringLiteral("Txt_FechaPago"), QStringLiteral("25/06/2026"));
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_Interes")), QStringLiteral("10,00"));
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_Total")), QStringLiteral("1.010,00"));
    EXPECT_EQ(text(w.get(), col::Tasa), QStringLiteral("3,00"));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_TRUE(duplicates(mnemonics(w.get())).isEmpty());
    w->show();
    saveScreenshot(w.get(), QStringLiteral("frm_ib09_cuota"));
}

TEST_F(FrmIb09Test, OnlyTheDayOfTheDueDateMayBeMoved)
{
    auto w = openWithPlan();
    chooseInstalment(w.get(), 5);
    setText(w.get(), QStringLiteral("Txt_FechaPago"), QStringLiteral("25/06/2026"));
    const QString reminder = QStringLiteral(
        "Recuerde que ud. está completando un Plan de Facilidades de Pago y la fecha de vencimiento debe "
        "coincidir con la que Ud. se comprometió con la A.G.T., que se fijó para el día 15 de cada mes salvo "
        "los días Sábados, Domingos y Feriados...");

    // The proposed day is a holiday: the user moves it to the next day, which stays.
    setText(w.get(), QStringLiteral("Txt_FechaVto"), QStringLiteral("16/06/2026"));
    EXPECT_EQ(boxes.texts(), QStringList { reminder });
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_FechaVto")), QStringLiteral("16/06/2026"));
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_Interes")), QStringLiteral("9,00"));
    // Leaving the field again does not repeat the reminder.
    emit child<QLineEdit>(w.get(), QStringLiteral("Txt_FechaVto"))->editingFinished();
    EXPECT_EQ(boxes.texts().size(), 1);

    // Another month is undone.
    boxes.clear();
    setText(w.get(), QStringLiteral("Txt_FechaVto"), QStringLiteral("15/07/2026"));
    EXPECT_EQ(boxes.texts(),
        (QStringList { reminder,
            QStringLiteral("Ud. solo puede modificar el día de vencimiento.\nLa modificación de la fecha es "
                           "aceptada si el día propuesto por el sistema es feriado...") }));
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_FechaVto")), QStringLiteral("15/06/2026"));
    EXPECT_EQ(text(w.get(), QStringLiteral("Txt_Interes")), QStringLiteral("10,00"));
}

TEST_F(FrmIb09Test, AnIncompleteSlipIsNotPrinted)
{
    auto w = openWithPlan();
    click(w.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Para poder almacenar los datos es necesario tener completo todos los campos..."));
}

TEST_F(FrmIb09Test, TheSlipIsPrintedToPdfThroughThePreview)
{
    auto w = openWithPlan();
    chooseInstalment(w.get(), 5);
    setText(w.get(), QStringLiteral("Txt_FechaPago"), QStringLiteral("25/06/2026"));
    QTemporaryDir dir;
    const QByteArray shots = qgetenv("VENTRIX_SCREENSHOT_DIR");
    const QString pdf = QDir(shots.isEmpty() ? dir.path() : QString::fromLocal8Bit(shots))
                            .filePath(QStringLiteral("plan_cuota.pdf"));
    QFile::remove(pdf);
    ModalDialogs dialogs;
    QString title;
    dialogs.expect([&](QDialog* d) {
        auto* preview = qobject_cast<print::PrintPreview*>(d);
        ASSERT_NE(preview, nullptr);
        title = preview->windowTitle();
        preview->setPdfPathAsker([pdf] { return pdf; });
        preview->savePdf();
        preview->reject();
    });
    click(w.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_TRUE(dialogs.allOpened());
    EXPECT_EQ(title, QStringLiteral("Formulario IB08"));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.last().toStdString();
}

TEST_F(FrmIb09Test, ACancelledPrinterChoicePrintsNothing)
{
    print::setPrinterDialogRunner([](QPrinter&, QWidget*) { return false; });
    auto w = openWithPlan();
    chooseInstalment(w.get(), 5);
    setText(w.get(), QStringLiteral("Txt_FechaPago"), QStringLiteral("25/06/2026"));
    click(w.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Operación cancelada por el usuario..."));
}

TEST_F(FrmIb09Test, DeletingThePlanClearsItsFields)
{
    auto w = openWithPlan();
    boxes.answer(Answer::No);
    click(w.get(), QStringLiteral("Command4"));
    EXPECT_EQ(boxes.texts(),
        (QStringList { QStringLiteral("Está seguro que desea borrar el plan 0000123..."),
            QStringLiteral("Operación cancelada por el operador...") }));
    boxes.answer(Answer::Yes);
    click(w.get(), QStringLiteral("Command4"));
    EXPECT_EQ(child<QListWidget>(w.get(), QStringLiteral("Lst_Planes"))->count(), 0);
    EXPECT_EQ(text(w.get(), col::NumPFP), QString());
    EXPECT_EQ(stored(QStringLiteral("SELECT COUNT(*) FROM Form_PFP")).toInt(), 0);
    click(w.get(), QStringLiteral("Command4"));
    EXPECT_EQ(boxes.last(), QStringLiteral("No se encontraron planes para borrar..."));
}
