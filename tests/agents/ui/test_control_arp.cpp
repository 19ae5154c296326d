#include "../arpdeclarationfixture.h"
#include "agents/ui/arpdeclarationprint.h"
#include "agents/ui/arpexternalencrypt.h"
#include "agents/ui/control_arp.h"
#include "common/printui/dialogoimpresora.h"
#include "common/printui/printpreview.h"
#include "fakeprinter.h"
#include "modaldialogs.h"
#include "screenshot.h"
#include "scriptedmessages.h"
#include "widgetchecks.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QTableView>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

QString qs(const char* text)
{
    return QString::fromUtf8(text);
}

// A declared March of withholdings, the printer dialog accepting A4, no removable volume.
struct ControlArpTest : ::testing::Test, ArpDeclarationFixture
{
    ScriptedMessages boxes;

    FakePrinter printer; // accepts A4 paper
    const ArpPeriod march = periodOf(QDate(2005, 3, 1));
    MonthlyDeclaration declared;

    ControlArpTest()
    {
        qputenv("VENTRIX_REMOVABLE_ROOTS", QDir(t.folder()).filePath(qs("sin-medios")).toUtf8());
        withholding(qs("Proveedor SRL"), qs("20-11111111/2"), qs("001-123456/00"), qs("1234"),
            QDate(2005, 3, 10), 100000, 25000, 2500);
        withholding(qs("Devolución SA"), qs("30-22222222/7"), qs("902-654321/01"), qs("77"),
            QDate(2005, 3, 20), -40000, 25000, -1000);
        deposit(qs("Retención"), march, QDate(2005, 4, 14), qs("0004711"), 1500);
        declared = declare(AgentRegister::Retenciones, march, qs("0000815"), QDate(2005, 4, 5));
    }
    ~ControlArpTest() override { setExternalFileChooser({}); }
    ModuleLaunch launchArp() { return { t.db(), cmdId, cp01Id }; }
    QString archivo(const QString& name) const { return QDir(t.folder()).filePath(qs("Archivos/") + name); }
    QString numberOf(const char* contribuyente)
    {
        QSqlQuery q(t.db());
        q.prepare(qs("SELECT AgRet_DDJJNumForm FROM Form_AgentRetencion WHERE AgRet_Contribuyente = ?"));
        q.addBindValue(qs(contribuyente));
        return q.exec() && q.next() ? q.value(0).toString() : qs("?");
    }
};

}

TEST_F(ControlArpTest, ShowsTheMonthAndUndoesItsDeclarationAfterTwoQuestions)
{
    Control_ARP w(launchArp(), AgentRegister::Retenciones, march);
    w.show();
    EXPECT_EQ(w.windowTitle(),
        qs("Registro de liquidaciones de Retenciones del período 01/03/2005 hasta 31/03/2005"));
    EXPECT_EQ(w.model().rowCount(), 2);
    EXPECT_EQ(w.totalImporteText(), qs("Total Retenido: 15,00"));
    EXPECT_EQ(w.totalBaseText(), qs("Total Base Imponible: 600,00"));
    auto* grid = child<QTableView>(&w, qs("TDBGrid1"));
    EXPECT_EQ(grid->model()->index(0, ControlModel::NumDDJJ).data().toString(), qs("0000815"));
    saveScreenshot(&w, qs("control_arp"));

    // No to the second question changes nothing.
    boxes.answer(Answer::Yes);
    boxes.answer(Answer::No);
    click(&w, qs("Cmd_Borrar"));
    EXPECT_EQ(numberOf("Proveedor SRL"), qs("0000815"));
    boxes.clear();
    boxes.answer(Answer::Yes);
    boxes.answer(Answer::Yes);
    click(&w, qs("Cmd_Borrar"));
    EXPECT_EQ(boxes.texts(),
        (QStringList { qs("Está seguro que desea borrar las marcas de la declaración jurada del período "
                          "seleccionado?..."),
            qs("Desea borrar la DDJJ que agrupa a todos éstos pagos...?\nLa DDJJ que está borrar es el N° "
               "0000815 "
               "presentada el día 05/04/2005\nEstá seguro que desea continuar..."),
            qs("DDJJ borradas...") }));
    EXPECT_EQ(numberOf("Proveedor SRL"), QString());
    EXPECT_EQ(numberOf("Devolución SA"), QString());
    // The grid shows the marks gone.
    EXPECT_EQ(grid->model()->index(0, ControlModel::NumDDJJ).data().toString(), QString());

    boxes.clear();
    click(&w, qs("Cmd_Borrar"));
    EXPECT_EQ(boxes.last(), qs("No tiene DDJJ para borrar..."));
}

TEST_F(ControlArpTest, TheConstanciasReportIsPreviewed)
{
    Control_ARP w(launchArp(), AgentRegister::Retenciones, march);
    QString title;
    ModalDialogs modals;
    modals.expect([&title](QDialog* preview) {
        title = preview->windowTitle();
        preview->resize(900, 1000);
        saveScreenshot(preview, qs("constancias"));
        preview->reject();
    });
    click(&w, qs("Cmd_Imprimir"));
    EXPECT_TRUE(modals.allOpened());
    EXPECT_EQ(title, qs("Constancias"));
}

TEST_F(ControlArpTest, TheDeclarationPrintedToPdfLeavesItsFileAndACancelledPreviewNone)
{
    ModalDialogs modals;
    modals.expect([](QDialog* preview) { preview->reject(); });
    EXPECT_FALSE(printArpDeclaration(nullptr, launchArp(), declared));
    EXPECT_FALSE(QFile::exists(archivo(qs("IB16_0000815.txt"))));

    const QString pdf = QDir(t.folder()).filePath(qs("ddjj.pdf"));
    modals.expect([&pdf](QDialog* d) {
        auto* preview = qobject_cast<print::PrintPreview*>(d);
        ASSERT_NE(preview, nullptr);
        preview->setPdfPathAsker([&pdf] { return pdf; });
        preview->savePdf();
        preview->reject();
    });
    EXPECT_TRUE(printArpDeclaration(nullptr, launchArp(), declared));
    EXPECT_TRUE(modals.allOpened());
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(QFile::exists(archivo(qs("IB16_0000815.txt"))));
}

TEST_F(ControlArpTest, AnExternalFileIsScrambledWithTheNumberTyped)
{
    const QString plain = QDir(t.folder()).filePath(qs("viejo.txt"));
    {
        QFile f(plain);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("432150000816001123456002011111111210032005000000000123400010000 000003000 \n");
    }
    QString title;
    setExternalFileChooser([&](QWidget*, const QString& asked) {
        title = asked;
        return plain;
    });
    boxes.answerText(qs("abc"));
    encryptDeclarationExternally(nullptr, launchArp(), AgentRegister::Percepciones);
    EXPECT_EQ(title, qs("Encriptar Ap02"));
    EXPECT_EQ(boxes.last(), qs("El número de DDJJ debe tener entre 1 y 7 dígitos..."));

    boxes.answerText(qs("816"));
    encryptDeclarationExternally(nullptr, launchArp(), AgentRegister::Percepciones);
    QFile out(archivo(qs("AP02_0000816.txt")));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(),
        scrambledFile(
            { "432150000816001123456002011111111210032005000000000123400010000 000003000 " }, "0000816"));

    encryptDeclarationExternally(nullptr, launchArp(), AgentRegister::Retenciones);
    EXPECT_EQ(title, qs("Encriptar IB16"));
}
