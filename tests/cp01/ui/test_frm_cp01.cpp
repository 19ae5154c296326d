#include "cp01/ui/activitygridmodel.h"
#include "cp01uifixture.h"
#include "screenshot.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QTabWidget>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

struct FormTest : Cp01UiFixture
{
    std::unique_ptr<Frm_CP01> open(const FormOpening& opening)
    {
        auto form = std::make_unique<Frm_CP01>(store, cmdId, opening);
        EXPECT_TRUE(form->opened());
        return form;
    }
    std::unique_ptr<Frm_CP01> openStored(qint64 key) { return open({ {}, {}, key, false }); }
    QTabWidget* tabs(QWidget* w) { return child<QTabWidget>(w, QStringLiteral("vsIndexTab1")); }
};

TEST_F(FormTest, ANewInscriptionProposesArgentinaAndValderaAndFollowsThePersonType)
{
    auto form = open({ QStringLiteral("1 - Inscripción"), Juridicas, 0, false });
    EXPECT_EQ(tabs(form.get())->tabText(0), QStringLiteral("Personas Jurídicas"));
    EXPECT_EQ(child<QComboBox>(form.get(), QStringLiteral("CP01_PerJur_Resp1_Firma"))->currentText(),
        QStringLiteral("Individual"));
    EXPECT_EQ(child<QComboBox>(form.get(), QStringLiteral("CP01_PerFis_Nacionalidad"))->currentText(),
        QStringLiteral("Argentina"));
    EXPECT_EQ(child<QComboBox>(form.get(), QStringLiteral("CP01_DomFisc_Provincia"))->currentText(),
        QStringLiteral("VALDERA"));
    EXPECT_EQ(child<QTabWidget>(form.get(), QStringLiteral("vsIndexTab3"))->count(), 3);
    saveScreenshot(form.get(), QStringLiteral("frm_cp01_persona_juridica"));
    tabs(form.get())->setCurrentIndex(1);
    saveScreenshot(form.get(), QStringLiteral("frm_cp01_infcomplementaria"));
    tabs(form.get())->setCurrentIndex(2);
    saveScreenshot(form.get(), QStringLiteral("frm_cp01_domicilio"));

    auto* personas = child<QComboBox>(form.get(), QStringLiteral("CP01_Personas"));
    personas->setCurrentIndex(personas->findData(Fisicas));
    emit personas->activated(personas->currentIndex());
    EXPECT_EQ(tabs(form.get())->tabText(0), QStringLiteral("Personas Físicas"));
    EXPECT_EQ(text(form.get(), QStringLiteral("Lab_Personas")), QStringLiteral("FISICAS"));
}

TEST_F(FormTest, DatesAreTakenRunTogetherAndAnythingElseIsRefusedWithTodayAsExample)
{
    auto form = open({ QStringLiteral("1 - Inscripción"), Fisicas, 0, false });
    setText(form.get(), QStringLiteral("CP01_PerFis_FhNacim"), QStringLiteral("01022003"));
    EXPECT_EQ(child<QLineEdit>(form.get(), QStringLiteral("CP01_PerFis_FhNacim"))->text(),
        QStringLiteral("01/02/2003"));
    setText(form.get(), QStringLiteral("CP01_PerFis_FhNacim"), QStringLiteral("31/02"));
    EXPECT_EQ(boxes.last(), QStringLiteral("El formato para la fecha es: 07/12/2026"));
    EXPECT_TRUE(child<QLineEdit>(form.get(), QStringLiteral("CP01_PerFis_FhNacim"))->text().isEmpty());
}

TEST_F(FormTest, ALegalPersonWhoseResponsiblesShareACuitIsNotStoredAndTheirCardIsShown)
{
    auto form = open({ QStringLiteral("1 - Inscripción"), Juridicas, 0, false });
    setText(form.get(), QStringLiteral("CP01_Contribuyente"), QStringLiteral("La Esquina S.A."));
    child<QLineEdit>(form.get(), col::responsible(4, QStringLiteral("CUIT")))
        ->setText(QStringLiteral("20123456786"));
    child<QLineEdit>(form.get(), col::responsible(5, QStringLiteral("CUIT")))
        ->setText(QStringLiteral("20123456786"));
    tabs(form.get())->setCurrentIndex(2);
    click(form.get(), QStringLiteral("Guardar"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Error: El N° de CUIT del Responsable 4 es igual al del Responsable 5..."));
    EXPECT_EQ(tabs(form.get())->currentIndex(), 0);
    EXPECT_EQ(child<QTabWidget>(form.get(), QStringLiteral("vsIndexTab2"))->currentIndex(), 4);
    EXPECT_EQ(countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 0);

    child<QLineEdit>(form.get(), col::responsible(5, QStringLiteral("CUIT")))->clear();
    click(form.get(), QStringLiteral("Guardar"));
    EXPECT_EQ(countOf(t.db(),
                  QStringLiteral("SELECT COUNT(*) FROM Form_Cp01 WHERE CP01_PerJur_Resp4_CUIT = "
                                 "'20-12345678/6'")),
        1);
}

TEST_F(FormTest, MarkingAnActivityOfTheArticle183RangeExemptWarnsAndKeepsTheMark)
{
    const qint64 key = storeInscription(QDate(2026, 12, 1));
    cp01::Cp01Record r = *store.load(key);
    r.premisesActivities(1).row(1) = activity(QStringLiteral("951500"), QDate(2003, 2, 1));
    r.premisesActivities(1).row(2) = activity(QStringLiteral("951928"), QDate(2003, 2, 1));
    ASSERT_TRUE(store.GuardarCP01(r, cmdId, 0));
    auto form = openStored(key);
    QAbstractItemModel* grid = gridModel(form.get(), 1);
    EXPECT_TRUE(grid->setData(grid->index(2, ActivityGridModel::Exenta), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_TRUE(grid->setData(grid->index(1, ActivityGridModel::Exenta), Qt::Checked, Qt::CheckStateRole));
    ASSERT_EQ(boxes.shown().size(), 1);
    EXPECT_EQ(boxes.last(),
        QStringLiteral(
            "Ud. deberá complir con los requisitos del artículo 183 inc. \"o\" para estar exento."));
    EXPECT_EQ(boxes.shown().back().icon, MessageIcon::Critical);
    EXPECT_EQ(grid->index(1, ActivityGridModel::Exenta).data(Qt::CheckStateRole).toInt(), Qt::Checked);
}

TEST_F(FormTest, DeletingAnActivityAsksAndNeedsARow)
{
    auto form = openStored(storeInscription(QDate(2026, 12, 1)));
    tabs(form.get())->setCurrentIndex(3);
    click(form.get(), QStringLiteral("Cmd_Borrar1"));
    EXPECT_EQ(boxes.last(),
        QStringLiteral("Seleccione la actividad que desea borrar haciendo click con el mouse en "
                       "renglón que corresponda..."));
    child<QTableView>(form.get(), QStringLiteral("TDBGrid1"))->selectRow(0);
    boxes.answer(Answer::Yes);
    click(form.get(), QStringLiteral("Cmd_Borrar1"));
    EXPECT_EQ(boxes.last(), QStringLiteral("Está seguro que desea borrar la actividad \n621013 ..."));
    EXPECT_TRUE(gridModel(form.get(), 1)->index(0, 0).data().toString().isEmpty());
}

TEST_F(FormTest, PrintingRunsTheChecksAndStopsWhereThePrintWouldStart)
{
    auto form = openStored(storeInscription(QDate(2026, 12, 1)));
    click(form.get(), QStringLiteral("Cmd_Imprimir"));
    // The natural person's card is incomplete: its first required field is named.
    EXPECT_EQ(tabs(form.get())->currentIndex(), 0);
    EXPECT_NE(boxes.last().indexOf(QStringLiteral("Tipo de Documento")), -1) << boxes.last().toStdString();
    EXPECT_EQ(
        countOf(t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01 WHERE CP01_FechaPres = '2026-12-07'")),
        0);
}

TEST_F(FormTest, AnOpeningOfPremisesShowsItsCardAndTellsWhatItMayChange)
{
    storeInscription(QDate(2026, 12, 1));
    auto form = open({ QStringLiteral("4 - Apertura Comercio"), {}, 1, true });
    EXPECT_EQ(boxes.texts().first(),
        QStringLiteral("Ud. seleccionó apertura de comercio, no podrá actualizar otro "
                       "tipo de datos\nque no esté relacionado con la misma..."));
    auto* cards = child<QTabWidget>(form.get(), QStringLiteral("vsIndexTab3"));
    ASSERT_EQ(cards->count(), 4);
    EXPECT_EQ(cards->tabText(3), QStringLiteral("Aperturas Com."));
    tabs(form.get())->setCurrentIndex(3);
    cards->setCurrentIndex(3);
    saveScreenshot(form.get(), QStringLiteral("frm_cp01_aperturas"));
}

TEST(ActivityGridModelTest, PassesTheModelTesterAndRefusesBadDates)
{
    test::ScriptedMessages boxes;
    ActivityTable table;
    table.add({ QStringLiteral("621013"), QStringLiteral("Venta"), Rate::fromUnits(300), 1,
        Money::fromUnits(7000) });
    ActivityGridModel model(table, {});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 6);
    EXPECT_EQ(model.index(0, ActivityGridModel::Alicuota).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(model.index(0, ActivityGridModel::Minimo).data().toString(), QStringLiteral("70,00"));
    EXPECT_FALSE(model.flags(model.index(1, ActivityGridModel::FechaInicio)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, ActivityGridModel::FechaCese), QStringLiteral("abc")));
    EXPECT_FALSE(table.row(0).fhCese.isValid());
    EXPECT_TRUE(model.setData(model.index(0, ActivityGridModel::FechaCese), QStringLiteral("1/3/2004")));
    EXPECT_EQ(table.row(0).fhCese, QDate(2004, 3, 1));
}

}
