#include "agents/ui/frm_agenimportar.h"

#include "../../ui/agentsuifixture.h"
#include "../importlines.h"
#include "common/ui/dialogmessageservice.h"
#include "screenshot.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

using namespace ventrix;
using namespace ventrix::agents;
using namespace ventrix::test;

namespace {

class ImportarTest : public AgentsUiFixture
{
protected:
    QTemporaryDir dir;
    Frm_AgenImportar screen { t.db(), RegisterKind::percepciones(), cp01Id };

    QString file(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("percepciones.txt"));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    // Two good records around one whose amount disagrees and whose name is missing.
    QString mixedFile()
    {
        return file(perceptionLine() + "\r\n" + perceptionLine({ { Importe, "31" }, { Contribuyente, "" } })
            + "\r\n" + perceptionLine({ { Contribuyente, "O'Brien" } }) + "\r\n");
    }
    int rows() { return countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_AgentPercepcion")); }
    QString cell(int row, int column) const
    {
        return screen.preview().data(screen.preview().index(row, column)).toString();
    }
};

}

TEST_F(ImportarTest, CaptionPreviewAndInformation)
{
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Agentes de Percepción [Importar datos]"));
    EXPECT_EQ(Frm_AgenImportar(t.db(), RegisterKind::retenciones(), cp01Id).windowTitle(),
        QStringLiteral("Agentes de Retención [Importar datos]"));

    const QString path = mixedFile();
    ASSERT_TRUE(screen.Cargar(path));
    QAbstractItemModelTester tester(const_cast<ImportPreviewModel*>(&screen.preview()),
        QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(screen.preview().rowCount(), 3);
    EXPECT_EQ(screen.preview().headerData(Importe, Qt::Horizontal).toString(),
        QStringLiteral("AgPer_Imp_Percibido"));
    EXPECT_EQ(cell(0, Importe), QStringLiteral("30.00"));
    EXPECT_EQ(cell(1, Importe), QStringLiteral("Error Cálculo"));
    EXPECT_EQ(cell(1, Contribuyente), QStringLiteral("Requerido"));
    EXPECT_EQ(cell(2, Contribuyente), QStringLiteral("O´Brien"));
    EXPECT_EQ(child<QLabel>(&screen, QStringLiteral("Lab_Muestra"))->text(),
        QStringLiteral("Primeros 3 registros...   Archivo actualizado el ")
            + QFileInfo(path).lastModified().date().toString(QStringLiteral("dd/MM/yyyy")));
    screen.resize(1000, 420);
    saveScreenshot(&screen, QStringLiteral("frm_agenimportar"));

    screen.Command1_Click();
    const qint64 size = QFileInfo(path).size();
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "Total de registros = 3\nLong. Promedio Reg. = %1 caracteres\nLong. Archivo = %2 bytes ")
            .arg((size - 6) / 3)
            .arg(size));
}

TEST_F(ImportarTest, ImportAsksPerRecordThenConfirms)
{
    ASSERT_TRUE(screen.Cargar(mixedFile()));
    boxes.answer(Answer::YesToAll);
    boxes.answer(Answer::Yes); // the final confirmation
    screen.Com_IngresarDatos_Click();
    const QStringList texts = boxes.texts();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts.at(0),
        QStringLiteral("Registro=2\n Campo Requerido - AgPer_Contribuyente\nCálculo de Importe difiere de "
                       "(Alicuota * BaseImp) / 100  no válido...\n Desea continuar..."));
    EXPECT_EQ(boxes.shown().at(0).buttons, MessageButtons::YesToAllNo);
    EXPECT_EQ(texts.at(1), QStringLiteral("Se rechazaron 1 registros de 3 registros leídos..."));
    EXPECT_EQ(boxes.shown().at(1).title, QStringLiteral("Se detectaron errores..."));
    EXPECT_EQ(
        texts.at(2), QStringLiteral("Desea Incorporar Definitivamente los 2 Registros Leídos a la Base...?"));
    EXPECT_EQ(boxes.shown().at(2).title, QStringLiteral("Confirmar Transferencia..."));
    EXPECT_EQ(boxes.shown().at(2).defaultAnswer, Answer::No);
    EXPECT_EQ(texts.at(3), QStringLiteral("Datos Incorporados Satisfactoriamente en la Base..."));
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(
        child<QLabel>(&screen, QStringLiteral("Lab_Registros"))->text(), QStringLiteral("Registros: 3"));
}

TEST_F(ImportarTest, DecliningOrStoppingLeavesTheTableUnchanged)
{
    ASSERT_TRUE(screen.Cargar(file(perceptionLine() + "\n")));
    boxes.answer(Answer::No);
    screen.Com_IngresarDatos_Click();
    EXPECT_EQ(boxes.texts(),
        QStringList({ QStringLiteral("Lectura de datos finalizada satisfactoriamente..."),
            QStringLiteral("Desea Incorporar Definitivamente los 1 Registros Leídos a la Base...?"),
            QStringLiteral("Transferencia de datos cancelada...") }));
    EXPECT_EQ(rows(), 0);

    boxes.clear();
    ASSERT_TRUE(screen.Cargar(mixedFile()));
    boxes.answer(Answer::No); // stop at the refused record
    screen.Com_IngresarDatos_Click();
    EXPECT_EQ(boxes.last(), QStringLiteral("Transferencia de datos cancelada..."));
    EXPECT_EQ(rows(), 0);
}

TEST_F(ImportarTest, ProgressKeepsComingAndCancelStopsTheImport)
{
    QByteArray big;
    for (int i = 0; i < 400000; ++i)
        big += perceptionLine() + "\n";
    ASSERT_TRUE(screen.Cargar(file(big)));
    screen.show();
    auto* bar = child<QProgressBar>(&screen, QStringLiteral("ProgressBar1"));
    QElapsedTimer clockMs;
    clockMs.start();
    qint64 last = 0;
    qint64 longestGap = 0;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] {
        longestGap = std::max(longestGap, clockMs.elapsed() - last);
        last = clockMs.elapsed();
    });
    qint64 ticked = -1;
    QTimer::singleShot(700, [&] {
        ticked = clockMs.elapsed();
        child<QCheckBox>(&screen, QStringLiteral("CancelImport"))->setChecked(true);
    });
    screen.Com_IngresarDatos_Click();
    const qint64 stopped = clockMs.elapsed();
    ASSERT_GE(ticked, 0) << "the import ended before the cancel box could be ticked";
    // Generous bounds: they catch a window that stops answering during the import, not its speed
    // on a loaded machine (the bench measures that).
    EXPECT_LT(stopped - ticked, 3000);
    EXPECT_LE(longestGap, 2000);
    EXPECT_EQ(boxes.last(), QStringLiteral("Lectura cancelada..."));
    EXPECT_TRUE(
        child<QLabel>(&screen, QStringLiteral("TiempoRest"))->text().endsWith(QStringLiteral(" seg.")));
    EXPECT_EQ(rows(), 0);
    EXPECT_FALSE(screen.importing());
}

TEST(ImportQuestion, BoxOffersYesYesToAllAndNo)
{
    DialogMessageService service;
    const Message question { QStringLiteral("Registro=2"), QString(), MessageIcon::Question,
        MessageButtons::YesToAllNo, Answer::Yes, 0 };
    for (const auto& [label, expected] : { std::pair { QStringLiteral("Sí a todo"), Answer::YesToAll },
             std::pair { QStringLiteral("&No"), Answer::No } }) {
        ModalDialogs dialogs;
        QStringList labels;
        dialogs.expect([&, label = label](QDialog* box) {
            for (QAbstractButton* b : box->findChildren<QAbstractButton*>())
                labels << b->text();
            for (QAbstractButton* b : box->findChildren<QAbstractButton*>()) {
                if (b->text() == label) {
                    b->click();
                    return;
                }
            }
        });
        EXPECT_EQ(service.show(question), expected) << label.toStdString();
        EXPECT_TRUE(labels.contains(QStringLiteral("Sí a todo"))) << labels.join(u',').toStdString();
    }
}
