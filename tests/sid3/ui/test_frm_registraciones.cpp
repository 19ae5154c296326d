#include "screenshot.h"
#include "sid3/ui/frm_registraciones.h"
#include "sid3/ui/importpreviewmodel.h"
#include "sid3uifixture.h"

#include <QCheckBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

using namespace ventrix;
using namespace ventrix::sid3;
using namespace ventrix::test;

namespace {

const Period March2003 { 3, 2003 };

struct RegistracionesTest : Sid3UiFixture
{
    QTemporaryDir dir;
    qint64 sidId = 0;

    RegistracionesTest()
    {
        Declaration d;
        d.cp01Id = f.cp01Id;
        d.month = 3;
        d.year = 2003;
        d.tramite = 4;
        EXPECT_TRUE(f.store.Guardar_Sid3(d, {}));
        sidId = d.id;
    }

    // An import file of `lines` records, every tenth with amount 0.
    QString importFile(int lines)
    {
        QByteArray bytes;
        for (int i = 1; i <= lines; ++i) {
            bytes += "05/03/2003\t\"Recibo\" " + QByteArray::number(i) + "\t" + (i % 10 == 0 ? "0" : "10,00")
                + "\tO'Brien\t20-12345678-6\r\n";
        }
        const QString path = dir.filePath(QStringLiteral("registros.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

}

TEST_F(RegistracionesTest, TheAgentFieldsBelongToWithholdingsAndPerceptionsWhichNeedTheCuit)
{
    Frm_Registraciones compensaciones(f.access, Register::Compensaciones, sidId, March2003);
    EXPECT_FALSE(child(&compensaciones, QStringLiteral("CUIT"))->isEnabled());
    EXPECT_FALSE(child(&compensaciones, QStringLiteral("IngBrut"))->isEnabled());
    EXPECT_FALSE(child(&compensaciones, QStringLiteral("Text1_1"))->isEnabled());

    Frm_Registraciones percepciones(f.access, Register::Percepciones, sidId, March2003);
    EXPECT_EQ(text(&percepciones, QStringLiteral("Txt_Mes")), QStringLiteral("3"));
    EXPECT_TRUE(child(&percepciones, QStringLiteral("CUIT"))->isEnabled());
    type(&percepciones, QStringLiteral("Fecha"), QStringLiteral("1/4/2003"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Error la fecha debe ser anterior a 31/03/2003..."));
    type(&percepciones, QStringLiteral("Fecha"), QStringLiteral("31/3/2003"));
    EXPECT_EQ(text(&percepciones, QStringLiteral("Fecha")), QStringLiteral("31/03/2003"));
    type(&percepciones, QStringLiteral("Text1_0"), QStringLiteral("Factura"));
    type(&percepciones, QStringLiteral("Monto"), QStringLiteral("diez"));
    EXPECT_EQ(text(&percepciones, QStringLiteral("Monto")), QString());
    type(&percepciones, QStringLiteral("Monto"), QStringLiteral("1234,5"));
    EXPECT_EQ(text(&percepciones, QStringLiteral("Monto")), QStringLiteral("1.234,50"));
    click(&percepciones, QStringLiteral("Guardar"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Ingrese el número de CUIT..."));
    EXPECT_EQ(rows(QStringLiteral("Percepciones")), 0);

    // The agent's name and CUIT come from its last record with the same number.
    type(&percepciones, QStringLiteral("CUIT"), QStringLiteral("20-12345678/6"));
    type(&percepciones, QStringLiteral("Text1_1"), QStringLiteral("Agente Uno"));
    type(&percepciones, QStringLiteral("IngBrut"), QStringLiteral("1234/5"));
    click(&percepciones, QStringLiteral("Guardar"));
    EXPECT_EQ(rows(QStringLiteral("Percepciones")), 1);
    click(&percepciones, QStringLiteral("Nuevo"));
    type(&percepciones, QStringLiteral("IngBrut"), QStringLiteral("1234/5"));
    EXPECT_EQ(text(&percepciones, QStringLiteral("Text1_1")), QStringLiteral("Agente Uno"));
    EXPECT_EQ(text(&percepciones, QStringLiteral("CUIT")), QStringLiteral("20-12345678/6"));

    // Deleting all asks first and leaves nothing.
    boxes.answer(Answer::Yes);
    click(&percepciones, QStringLiteral("BorrarTodos"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Se borraron todos los registros..."));
    EXPECT_EQ(percepciones.total(), (RegisterTotal { Money(), 0 }));
}

TEST_F(RegistracionesTest, AFileIsPreviewedThenLoadedWithItsFigures)
{
    Frm_Registraciones screen(f.access, Register::PagoACuenta, sidId, March2003);
    const QString path = importFile(250);
    screen.setFileChooser([&] { return path; });
    click(&screen, QStringLiteral("Importar"));
    EXPECT_FALSE(child(&screen, QStringLiteral("Guardar"))->isEnabled());
    EXPECT_EQ(text(&screen, QStringLiteral("Lab_FuenteDatos")), QStringLiteral("Orígen: ") + path);
    EXPECT_EQ(text(&screen, QStringLiteral("Lab_Muestra")), QStringLiteral("Primeros 200 registros..."));
    QAbstractItemModel* preview = child<QTableView>(&screen, QStringLiteral("TDBGridMuestra"))->model();
    ASSERT_EQ(preview->rowCount(), 200);
    EXPECT_EQ(preview->index(0, ImportPreviewModel::Concepto).data().toString(), QStringLiteral("Recibo 1"));
    EXPECT_EQ(preview->index(0, ImportPreviewModel::Agente).data().toString(), QStringLiteral("O´Brien"));
    EXPECT_EQ(preview->index(0, ImportPreviewModel::Cuit).data().toString(), QStringLiteral("20-12345678/6"));

    click(&screen, QStringLiteral("Command1"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Total de registros = 250\nLong. Promedio Reg. = 50 caracteres\nLong. Archivo = ")
            + QString::number(QFileInfo(path).size()) + QStringLiteral(" bytes "));

    click(&screen, QStringLiteral("Com_IngresarDatos"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("225 registros ingresados...\nImportación de datos finalizada satisfactoriamente...\n"
                       "Se rechazaron 25 registros..."));
    saveScreenshot(&screen, QStringLiteral("sid3_importacion"));
    click(&screen, QStringLiteral("Command2"));
    EXPECT_TRUE(child(&screen, QStringLiteral("Guardar"))->isEnabled());
    EXPECT_EQ(text(&screen, QStringLiteral("Lab_TotalRegistros")), QStringLiteral("225"));
    EXPECT_EQ(text(&screen, QStringLiteral("Lab_MontoTotal")), QStringLiteral("2.250,00"));
    EXPECT_EQ(screen.total().total.toPlain(), QStringLiteral("2250.00"));
}

TEST_F(RegistracionesTest, ACancelledLoadKeepsAndReportsWhatWasLoaded)
{
    Frm_Registraciones screen(f.access, Register::Retenciones, sidId, March2003);
    const QString path = importFile(20);
    screen.setFileChooser([&] { return path; });
    click(&screen, QStringLiteral("Importar"));
    EXPECT_EQ(text(&screen, QStringLiteral("Lab_Muestra")), QStringLiteral("20 registros..."));
    // The user ticks the box while the load runs: the screen takes it at its first repaint.
    QTimer::singleShot(
        0, &screen, [&] { child<QCheckBox>(&screen, QStringLiteral("CancelImport"))->setChecked(true); });
    click(&screen, QStringLiteral("Com_IngresarDatos"));
    EXPECT_EQ(boxes.last(), QStringLiteral("0 registros ingresados...\nTransferencia cancelada..."));
    EXPECT_EQ(rows(QStringLiteral("Retenciones")), 0);

    const QString missing = dir.filePath(QStringLiteral("no-existe.txt"));
    screen.setFileChooser([&] { return missing; });
    click(&screen, QStringLiteral("Command2"));
    click(&screen, QStringLiteral("Importar"));
    EXPECT_EQ(boxes.last(), QStringLiteral("No se puede leer el archivo ") + missing + QStringLiteral("..."));
}
