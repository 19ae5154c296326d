#include "common/clock.h"
#include "scriptedmessages.h"
#include "sid3/sid3delivery.h"
#include "sid3/sid3printflow.h"
#include "sid3printfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::sid3;
using ventrix::test::ScriptedMessages;
using ventrix::test::ScriptedRandom;

namespace {

const QString PastDate = QStringLiteral("La fecha de pago es anterior a la de su sistema...");
const QString PrintPast
    = QStringLiteral("Desea imprimir el formulario CP03/SID3 con fecha anterior a la de su sistema");
const QString OtherAmount
    = QStringLiteral("Está seguro que desea depositar un importe distinto al \"Total a Depositar\"...");
const QString Cancelled = QStringLiteral("Impresión cancelada ...");

// The screen's side of a print: which hooks ran, in order, and what they were given.
struct FakeScreen
{
    explicit FakeScreen(qint64 id)
        : sidId(id)
    {
    }
    qint64 sidId;
    bool printerChosen = true;
    bool printed = true;
    bool storeFails = false;
    QStringList calls;
    QString previewRecord;
    int previewPages = 0;

    Sid3PrintFlow::Hooks hooks()
    {
        return {
            [this]() -> Result<qint64> {
                calls << QStringLiteral("store");
                if (storeFails)
                    return Error { QStringLiteral("Error al guardar los datos...") };
                return sidId;
            },
            [this] {
                calls << QStringLiteral("printer");
                return printerChosen;
            },
            [this](Sid3PrintForm& form) {
                calls << QStringLiteral("preview");
                previewRecord = form.record();
                previewPages = form.pageCount();
                return printed;
            },
            [this](const QString& name) { calls << QStringLiteral("copy ") + name; },
            [this](const QString& text) { calls << QStringLiteral("status ") + text; },
        };
    }
};

struct Sid3PrintFlowTest : ::testing::Test
{
    test::Sid3PrintFixture f;
    FixedClock clock { QDate(2003, 4, 18) };
    QTemporaryDir dir;
    QString archivos = dir.filePath(QStringLiteral("Archivos"));
    qint64 sidId = f.storeDeclaration(test::eightActivities(), { 1, 0, 0, 0 });
    FakeScreen screen { sidId };
    ScriptedMessages messages;

    Sid3PrintFlowTest() { Clock::install(&clock); }
    ~Sid3PrintFlowTest() override { Clock::install(nullptr); }

    PrintRequest request(QDate pago, qint64 importe = 1000, qint64 total = 1000)
    {
        return { f.cmdId, false, Money::fromUnits(importe), pago, Money::fromUnits(total) };
    }
    Result<PrintOutcome> imprimir(const PrintRequest& r)
    {
        Sid3PrintFlow flow(f.access, archivos, screen.hooks());
        return flow.Imprimir(r);
    }
    QStringList files() const { return QDir(archivos).entryList(QDir::Files); }
};

}

TEST_F(Sid3PrintFlowTest, QuestionsInOrderThenStoreNumberPagesFileAndCopy)
{
    ScriptedRandom random({ 42 });
    messages.answer(Answer::Yes);
    messages.answer(Answer::Yes);
    const auto outcome = imprimir(request(QDate(2003, 4, 17), 1000, 1500));
    ASSERT_TRUE(outcome) << outcome.error().toStdString();
    EXPECT_EQ(messages.texts(), (QStringList { PastDate, PrintPast, OtherAmount }));
    EXPECT_EQ(messages.shown().at(1).defaultAnswer, Answer::No);
    EXPECT_EQ(screen.calls,
        (QStringList { QStringLiteral("store"), QStringLiteral("printer"),
            QStringLiteral("status Imprimiendo..."), QStringLiteral("preview"), QStringLiteral("status "),
            QStringLiteral("copy CP03SID3_000000042.txt") }));
    EXPECT_EQ(outcome->comprobante, QStringLiteral("000000042"));
    EXPECT_EQ(screen.previewRecord, outcome->record);
    EXPECT_EQ(screen.previewPages, 2);
    EXPECT_EQ(files(), QStringList { QStringLiteral("CP03SID3_000000042.txt") });
    QFile written(outcome->deliveryPath);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), deliveryBytes(outcome->record, QStringLiteral("000000042")));
}

TEST_F(Sid3PrintFlowTest, EmptyValuesAndIncompatibleRatesStopBeforeAnything)
{
    PrintRequest r = request(QDate(2003, 4, 20));
    r.importeDepositado.reset();
    EXPECT_FALSE(imprimir(r));
    r = request(QDate());
    EXPECT_FALSE(imprimir(r));
    r = request(QDate(2003, 4, 20));
    r.importeDepositado.reset();
    r.ratesIncompatible = true;
    EXPECT_FALSE(imprimir(r));
    EXPECT_EQ(messages.texts(),
        (QStringList { QStringLiteral("Ingrese el importe que desea depositar..."),
            QStringLiteral("Ingrese la fecha de pago para imprimir el formulario..."),
            QStringLiteral(
                "Tabla de tasas incompatible con las liquidaciones del contribuyente seleccionado...\n"
                "Verifique que tenga todas las tasas ingresadas...") }));
    EXPECT_TRUE(screen.calls.isEmpty());
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(Sid3PrintFlowTest, NoAnswersAndAnUnstoredDeclarationCancel)
{
    // A past date answered with the default (No).
    EXPECT_FALSE(imprimir(request(QDate(2003, 4, 1))));
    EXPECT_EQ(messages.texts(), (QStringList { PastDate, PrintPast, Cancelled }));
    messages.clear();
    messages.answer(Answer::No);
    EXPECT_FALSE(imprimir(request(QDate(2003, 4, 18), 1000, 999)));
    EXPECT_EQ(messages.texts(), (QStringList { OtherAmount, Cancelled }));
    EXPECT_TRUE(screen.calls.isEmpty());

    messages.clear();
    screen.storeFails = true;
    EXPECT_FALSE(imprimir(request(QDate(2003, 4, 18))));
    EXPECT_EQ(messages.texts(), QStringList { Cancelled });
    EXPECT_EQ(screen.calls, QStringList { QStringLiteral("store") });
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(Sid3PrintFlowTest, CancelledPrinterOrPreviewLeavesNoFile)
{
    screen.printerChosen = false;
    EXPECT_FALSE(imprimir(request(QDate(2003, 4, 18))));
    EXPECT_FALSE(screen.calls.contains(QStringLiteral("preview")));
    screen.printerChosen = true;
    screen.printed = false;
    EXPECT_FALSE(imprimir(request(QDate(2003, 4, 18))));
    EXPECT_TRUE(files().isEmpty());
    EXPECT_FALSE(screen.calls.last().startsWith(QStringLiteral("copy")));
}

TEST_F(Sid3PrintFlowTest, EachPrintHasANewNumberAndLeavesItsOwnFile)
{
    ScriptedRandom random({ 7, 999999999 });
    const auto first = imprimir(request(QDate(2003, 4, 18)));
    const auto second = imprimir(request(QDate(2003, 4, 18)));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->record, second->record);
    EXPECT_EQ(first->record.mid(11), second->record.mid(11));
    EXPECT_EQ(files(),
        (QStringList { QStringLiteral("CP03SID3_000000007.txt"), QStringLiteral("CP03SID3_999999999.txt") }));
}

TEST_F(Sid3PrintFlowTest, RecordThatDoesNotFitIsRefusedBeforeThePrinter)
{
    QList<ActivityLine> lines { test::activity(
        QStringLiteral("4711101"), QStringLiteral("Código largo"), 350, 1000) };
    screen.sidId = f.storeDeclaration(lines);
    EXPECT_FALSE(imprimir(request(QDate(2003, 4, 18))));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.last().startsWith(
        QStringLiteral("El valor de \"Actividad 1: código\" (clave 11) tiene 7 dígitos")));
    EXPECT_EQ(screen.calls, QStringList { QStringLiteral("store") });
    EXPECT_TRUE(files().isEmpty());
}
