#include "../print/sampleform.h"
#include "common/print/barcodecheck.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "scriptedmessages.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::print;
using namespace ventrix::print::test;
using ventrix::test::ScriptedMessages;

namespace {

const QString NotA4Question = QStringLiteral(
    "Verifique que tiene seleccionado en la impresora papel tamaño A4 (210mm x 297mm) Orientación "
    "Vertical...\n\nDesea continuar...?");

// Stands in for the platform dialog: the user picks this paper and sends the job to a PDF file.
struct FakeDialog
{
    explicit FakeDialog(bool accept, QPageSize paper = QPageSize(QPageSize::A4),
        QPageLayout::Orientation turn = QPageLayout::Portrait, QString file = {})
    {
        setPrinterDialogRunner([=, this](QPrinter& printer, QWidget*) {
            ++shown;
            printer.setPageSize(paper);
            printer.setPageOrientation(turn);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return accept;
        });
    }
    ~FakeDialog() { setPrinterDialogRunner({}); }
    int shown = 0;
};

}

TEST(DialogoImpresora, CancelAndPaperSizes)
{
    ScriptedMessages messages;
    QPrinter printer;
    {
        FakeDialog dialog(false);
        EXPECT_FALSE(DialogoImpresora(printer));
        EXPECT_EQ(messages.texts(), QStringList { QStringLiteral("Operación cancelada por el usuario...") });
    }
    {
        FakeDialog dialog(true);
        messages.clear();
        EXPECT_TRUE(DialogoImpresora(printer));
        EXPECT_TRUE(messages.shown().isEmpty());
    }
    {
        FakeDialog dialog(true, QPageSize(QPageSize::Letter));
        messages.clear();
        EXPECT_FALSE(DialogoImpresora(printer)); // No is the default answer
        EXPECT_EQ(messages.texts(), QStringList { NotA4Question });
    }
    {
        FakeDialog dialog(true, QPageSize(QPageSize::A4), QPageLayout::Landscape);
        messages.clear();
        messages.answer(Answer::Yes);
        EXPECT_TRUE(DialogoImpresora(printer));
        EXPECT_EQ(messages.texts(),
            (QStringList { NotA4Question,
                QStringLiteral("Se detectó un formato de hoja diferente al A4.\nVerifique que la impresión "
                               "esté completa en hoja tamaño A4.") }));
    }
}

TEST(PrintPreview, ShowsTheFormAndItsButtons)
{
    SampleForm form;
    PrintPreview preview(form, QStringLiteral("Cancelar Impresion"));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Formulario de prueba"));
    EXPECT_EQ(preview.findChild<QPushButton*>(QStringLiteral("Cmd_PreviewPrint"))->text(),
        QStringLiteral("Imprimir"));
    EXPECT_EQ(preview.findChild<QPushButton*>(QStringLiteral("Cmd_PreviewCancel"))->text(),
        QStringLiteral("Cancelar Impresion"));
    EXPECT_EQ(
        preview.findChild<QPushButton*>(QStringLiteral("Zoom1"))->text(), QStringLiteral("&Ancho Página"));
    EXPECT_EQ(PrintPreview::zoomChoices().join(u'|'),
        QStringLiteral("Página &Entera|&Ancho Página|&Dos Páginas|&Multiples Páginas"));
    preview.show();
    for (int i = 0; i < 4; ++i)
        preview.zoomTo(i);
    preview.zoomTo(0);
    if (!qEnvironmentVariableIsEmpty("VENTRIX_SHOT"))
        preview.grab().save(qEnvironmentVariable("VENTRIX_SHOT"));
}

TEST(PrintPreview, PrintsAndSavesTheSamePages)
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    const QString printed = dir.filePath(QStringLiteral("printer.pdf"));
    FootForm form;

    // Cancelling the printer dialog prints nothing.
    {
        FakeDialog dialog(false, QPageSize(QPageSize::A4), QPageLayout::Portrait, printed);
        EXPECT_FALSE(previewAndPrint(form, QStringLiteral("Cancel")));
        EXPECT_FALSE(QFile::exists(printed));
        EXPECT_EQ(messages.texts(), QStringList { QStringLiteral("Operación cancelada por el usuario...") });
        messages.clear();
    }

    FakeDialog dialog(true, QPageSize(QPageSize::A4), QPageLayout::Portrait, printed);
    PrintPreview preview(form, QStringLiteral("Cancel"));
    preview.setPdfPathAsker([&] { return dir.filePath(QStringLiteral("saved")); });
    preview.findChild<QPushButton*>(QStringLiteral("Cmd_PreviewPdf"))->click();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("saved.pdf"))));
    EXPECT_TRUE(preview.pdfSaved());
    EXPECT_FALSE(preview.printed());

    preview.findChild<QPushButton*>(QStringLiteral("Cmd_PreviewPrint"))->click();
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_TRUE(preview.printed());
    EXPECT_TRUE(QFile(printed).size() > 1000);
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.last().toStdString();
}
