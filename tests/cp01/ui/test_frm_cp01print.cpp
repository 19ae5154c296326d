#include "../cp01printfixture.h"
#include "cp01/cp01delivery.h"
#include "cp01uifixture.h"
#include "fakeprinter.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

struct PrintButtonTest : Cp01UiFixture
{
    QTemporaryDir dir;
    QString archivos = dir.filePath(QStringLiteral("Archivos"));

    std::unique_ptr<Frm_CP01> openStored(const Cp01Record& record)
    {
        Cp01Record stored = record;
        EXPECT_TRUE(store.GuardarCP01(stored, cmdId, 0));
        auto form = std::make_unique<Frm_CP01>(store, cmdId, FormOpening { {}, {}, stored.id(), false });
        EXPECT_TRUE(form->opened());
        form->setArchivosFolder(archivos);
        return form;
    }
    void present(const QString& date)
    {
        boxes.answerText(date);
        boxes.answer(Answer::Yes);
    }
};

}

TEST_F(PrintButtonTest, PrintGoesThroughThePrinterChoiceAndThePreviewThenWritesTheFile)
{
    ScriptedNumbers numbers({ 4321 });
    const QString printed = dir.filePath(QStringLiteral("impreso.pdf"));
    FakePrinter printer(printed);
    auto form = openStored(naturalPersonProcedure());

    // Cancelling the printer choice prints nothing and writes no file; the date is stored.
    printer.accept = false;
    present(QStringLiteral("07/12/2026"));
    click(form.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_EQ(printer.shown, 1);
    EXPECT_EQ(boxes.last(), QStringLiteral("Operación cancelada por el usuario..."));
    EXPECT_FALSE(QDir(archivos).exists(QStringLiteral("CP01_000004321.txt")));
    EXPECT_EQ(
        countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01 WHERE CP01_FechaPres = '2026-12-07'")),
        1);

    printer.accept = true;
    present(QStringLiteral("07/12/2026"));
    ModalDialogs modals;
    modals.expect([](QDialog* preview) {
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Formulario CP01"));
        EXPECT_EQ(preview->findChild<QPushButton*>(QStringLiteral("Cmd_PreviewCancel"))->text(),
            QStringLiteral("Cancelar Impresion"));
        preview->findChild<QPushButton*>(QStringLiteral("Cmd_PreviewPrint"))->click();
    });
    boxes.clear();
    click(form.get(), QStringLiteral("Cmd_Imprimir"));
    EXPECT_TRUE(modals.allOpened());
    EXPECT_GT(QFile(printed).size(), 5000);
    const auto file = checkCp01Delivery(QDir(archivos).filePath(QStringLiteral("CP01_000004321.txt")));
    ASSERT_TRUE(file) << file.error().toStdString();
    EXPECT_EQ(file->pages.size(), 1);
    // Then the copy to a removable medium is offered.
    EXPECT_TRUE(boxes.texts().join(u'\n').contains(QStringLiteral("Por favor ingrese el disquette")))
        << boxes.texts().join(u'\n').toStdString();
}

TEST_F(PrintButtonTest, ALeftListFieldMustHoldOneOfItsItems)
{
    auto form = openStored(naturalPersonProcedure());
    auto* tabs = child<QTabWidget>(form.get(), QStringLiteral("vsIndexTab1"));
    tabs->setCurrentIndex(1);
    auto* iva = child<QComboBox>(form.get(), QStringLiteral("CP01_RegPubCom_CondIVA"));
    iva->setEditText(QStringLiteral("monotributista"));
    emit iva->lineEdit()->editingFinished();
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(iva->currentText(), QStringLiteral("Monotributista"));
    EXPECT_EQ(iva->currentData().toString(), QStringLiteral("Monotributista"));

    iva->setEditText(QStringLiteral("Exento total"));
    tabs->setCurrentIndex(2);
    emit iva->lineEdit()->editingFinished();
    EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione una opción de la lista..."));
    EXPECT_EQ(iva->currentIndex(), -1);
    EXPECT_TRUE(iva->currentText().isEmpty());
    EXPECT_EQ(tabs->currentIndex(), 1);
}

TEST_F(PrintButtonTest, TheOpeningsCardPrintNeedsAWholePremisesCard)
{
    Cp01Record opening = naturalPersonProcedure();
    opening.set(col::Tramite, QStringLiteral("4 - Apertura Comercio"));
    auto form = openStored(opening);
    auto* tabs = child<QTabWidget>(form.get(), QStringLiteral("vsIndexTab1"));
    tabs->setCurrentIndex(3);
    child<QTabWidget>(form.get(), QStringLiteral("vsIndexTab3"))->setCurrentIndex(3);
    setText(form.get(), QStringLiteral("Com_Activ_Nombre"), QStringLiteral("Sucursal Norte"));
    click(form.get(), QStringLiteral("Cmd_ImpAperCom"));
    // The card's first required field left empty is named; nothing is stored or printed.
    EXPECT_NE(boxes.last().indexOf(QStringLiteral("Fecha de Inicio")), -1) << boxes.last().toStdString();
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01_Comercios")), 0);
    EXPECT_FALSE(QDir(archivos).exists());
}
