#include "cp01fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

const QDate Day { 2003, 2, 3 };

}

TEST(Cp01Store, StoresFieldsAndActivitiesAndReadsThemBack)
{
    Cp01Fixture f;
    Cp01Record r = f.newRecord(QStringLiteral("1 - Inscripción"), Day);
    r.set(col::premises(2, QStringLiteral("Nombre")), QStringLiteral("La Ñata \"El Sol\" d'Oro"));
    r.premisesActivities(1).row(0) = activity(QStringLiteral("624101"), Day);
    r.premisesActivities(1).row(1) = activity(QStringLiteral("624284"), {}); // no start date: not stored
    r.premisesActivities(1).row(2) = activity(QStringLiteral("951500"), Day, Day.addDays(40));
    r.premisesActivities(1).row(2).exento = true;
    r.premisesActivities(3).row(0) = activity(QStringLiteral("632031"), Day);

    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
    ASSERT_GT(r.id(), 0);
    // The record now shows what was stored: the undated row is gone.
    EXPECT_EQ(r.premisesActivities(1).count(), 2);
    EXPECT_EQ(r.premisesActivities(1).row(1).codigo, QStringLiteral("951500"));

    auto back = f.store.load(r.id());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->tramite(), QStringLiteral("1 - Inscripción"));
    EXPECT_EQ(back->date(col::FechaPres), Day);
    EXPECT_EQ(
        back->text(col::premises(2, QStringLiteral("Nombre"))), QStringLiteral("La Ñata \"El Sol\" d'Oro"));
    EXPECT_EQ(back->activities, r.activities);
    const ActivityRow& a = back->premisesActivities(1).row(1);
    EXPECT_EQ(a.alicuota->toPlain(), QStringLiteral("3.50"));
    EXPECT_EQ(a.baseMinimo->toPlain(), QStringLiteral("81.00"));
    EXPECT_EQ(a.numEmp, 2);
    EXPECT_EQ(a.fhCese, Day.addDays(40));
    EXPECT_TRUE(a.exento);
    EXPECT_EQ(back->premisesActivities(3).row(0).codigo, QStringLiteral("632031"));
    EXPECT_TRUE(back->premisesActivities(2).isEmpty());
}

TEST(Cp01Store, TextsAreCutToTheColumnWidth)
{
    Cp01Fixture f;
    Cp01Record r = f.newRecord(QStringLiteral("1 - Inscripción"), Day);
    r.set(col::Contribuyente, QString(5000, u'x'));
    r.premisesActivities(1).row(0) = activity(QStringLiteral("6241019"), Day);
    r.premisesActivities(1).row(0).denominacion = QString(5000, u'y');
    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT LENGTH(CP01_Contribuyente) FROM Form_Cp01")), 100);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT LENGTH(Act_Denominacion) FROM Form_Cp01_Act")), 150);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT LENGTH(Act_Codigo) FROM Form_Cp01_Act")), 6);
    EXPECT_EQ(r.text(col::Contribuyente).size(), 100);
}

TEST(Cp01Store, SavingANewProcedureTwiceKeepsOneRow)
{
    Cp01Fixture f;
    Cp01Record r = f.newRecord(QStringLiteral("3 - Modificar Datos - Domicilio"), Day);
    r.premisesActivities(1).row(0) = activity(QStringLiteral("624101"), Day);
    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
    const qint64 key = r.id();
    r.set(col::Contribuyente, QStringLiteral("Pérez Juan Carlos"));
    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
    EXPECT_EQ(r.id(), key);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 1);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01_Act")), 1);
}

TEST(Cp01Store, AFailingSaveLeavesThePreviousStateWhole)
{
    Cp01Fixture f;
    Cp01Record r = f.newRecord(QStringLiteral("1 - Inscripción"), Day);
    r.premisesActivities(1).row(0) = activity(QStringLiteral("624101"), Day);
    r.premisesActivities(1).row(1) = activity(QStringLiteral("624102"), Day);
    r.premisesActivities(3).row(0) = activity(QStringLiteral("632031"), Day);
    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
    const qint64 key = r.id();

    // The third premises' table refuses every insert: the save fails after the first two
    // tables were already rewritten.
    QSqlQuery(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Form_Cp01_Act3 "
                             "BEGIN SELECT RAISE(ABORT, 'refused'); END"),
        f.t.db());
    Cp01Record changed = r;
    changed.set(col::Contribuyente, QStringLiteral("Otro Nombre"));
    changed.premisesActivities(1).remove(1);
    const auto saved = f.store.GuardarCP01(changed, f.cmdId, 0);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error(), QStringLiteral("Error al actualizar las actividades..."));
    EXPECT_EQ(changed.id(), key);
    auto back = f.store.load(key);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text(col::Contribuyente), QStringLiteral("Pérez Juan"));
    EXPECT_EQ(back->activities, r.activities);

    // A new procedure that fails leaves no row behind and no key in the record.
    Cp01Record fresh = r.derived(QStringLiteral("5 - Alta/Baja Actividades"));
    ASSERT_FALSE(f.store.GuardarCP01(fresh, f.cmdId, key));
    EXPECT_EQ(fresh.id(), 0);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 1);
}

TEST(Cp01Store, CurrentProcedureIsTheLatestDateThenTheHigherKey)
{
    Cp01Fixture f;
    auto save = [&](const QString& tramite, QDate d) {
        Cp01Record r = f.newRecord(tramite, d);
        EXPECT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
        return r.id();
    };
    auto current = [&] { return f.store.currentProcedure(f.cmdId)->value().id; };
    EXPECT_FALSE(f.store.currentProcedure(f.cmdId)->has_value());
    save(QStringLiteral("1 - Inscripción"), Day);
    const qint64 undated = save(QStringLiteral("3 - Modificar Datos"), {});
    const qint64 later = save(QStringLiteral("5 - Alta/Baja Actividades"), Day.addDays(1));
    EXPECT_EQ(current(), later);
    const qint64 sameDay = save(QStringLiteral("4 - Apertura Comercio"), Day.addDays(1));
    EXPECT_EQ(current(), sameDay);
    EXPECT_EQ(f.store.currentProcedure(f.cmdId)->value().tramite, QStringLiteral("4 - Apertura Comercio"));

    auto list = f.store.CargarGrilla(f.cmdId);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 4);
    EXPECT_EQ(list->at(0).id, sameDay);
    EXPECT_EQ(list->at(3).id, undated); // undated procedures come last
}

TEST(Cp01Store, OpenedPremisesKeepTheirIdentityAcrossCopies)
{
    Cp01Fixture f;
    Cp01Record r = f.newRecord(QStringLiteral("4 - Apertura Comercio"), Day);
    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
    OpenedPremises p;
    p.fields.insert(col::ComNombre, QStringLiteral("Sucursal Norte"));
    p.fields.insert(col::ComNumero, 4);
    p.fields.insert(col::ComInicio, Day);
    p.activities.row(0) = activity(QStringLiteral("624101"), Day);
    p.activities.row(1) = activity(QStringLiteral("624102"), {});
    ASSERT_TRUE(f.store.saveOpenedPremises(p, r.id()));
    const qint64 first = p.comId;
    EXPECT_EQ(p.fields.value(col::ComComId).toLongLong(), first);
    EXPECT_EQ(p.activities.count(), 1);

    // Two derived procedures, each copying the premises of the one before.
    qint64 from = r.id();
    qint64 lastCopy = 0;
    for (int i = 0; i < 2; ++i) {
        Cp01Record next = f.store.load(from)->derived(QStringLiteral("5 - Alta/Baja Actividades"));
        next.set(col::FechaPres, Day.addDays(i + 1));
        ASSERT_TRUE(f.store.GuardarCP01(next, f.cmdId, from));
        auto list = f.store.openedPremisesList(next.id());
        ASSERT_TRUE(list);
        ASSERT_EQ(list->size(), 1);
        EXPECT_EQ(list->at(0).text, QStringLiteral("Sucursal Norte"));
        lastCopy = list->at(0).key.toLongLong();
        auto copy = f.store.loadOpenedPremises(lastCopy);
        ASSERT_TRUE(copy);
        EXPECT_NE(lastCopy, first);
        EXPECT_EQ(copy->fields.value(col::ComComId).toLongLong(), first);
        EXPECT_EQ(copy->activities, p.activities);
        from = next.id();
    }
    // The premises' own number is not a duplicate of its copies, but is one for another premises.
    EXPECT_FALSE(*f.store.premisesNumberTaken(f.cmdId, QStringLiteral("4"), first));
    EXPECT_TRUE(*f.store.premisesNumberTaken(f.cmdId, QStringLiteral("4"), 0));
    EXPECT_FALSE(*f.store.premisesNumberTaken(f.cmdId, QStringLiteral("5"), 0));

    ASSERT_TRUE(f.store.deleteOpenedPremises(lastCopy));
    EXPECT_EQ(countOf(f.t.db(),
                  QStringLiteral("SELECT COUNT(*) FROM Form_Cp01_Com_Act WHERE Com_ID = %1").arg(lastCopy)),
        0);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01_Comercios")), 2);
}

TEST(Cp01Store, DeletingAllProceduresRemovesWhatHangsFromThem)
{
    Cp01Fixture f;
    Cp01Record r = f.newRecord(QStringLiteral("1 - Inscripción"), Day);
    r.premisesActivities(2).row(0) = activity(QStringLiteral("624101"), Day);
    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
    Cp01Record m = r.derived(QStringLiteral("6 - Cese Total"));
    ASSERT_TRUE(f.store.GuardarCP01(m, f.cmdId, r.id()));
    EXPECT_TRUE(*f.store.hasInscription(f.cmdId));
    ASSERT_TRUE(f.store.deleteAllProcedures(f.cmdId));
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01")), 0);
    EXPECT_EQ(countOf(f.t.db(), QStringLiteral("SELECT COUNT(*) FROM Form_Cp01_Act2")), 0);
    EXPECT_FALSE(*f.store.hasInscription(f.cmdId));
}

TEST(Cp01Store, OnePremisesTableIsRewrittenWholeOrNotAtAll)
{
    Cp01Fixture f;
    Cp01Record r = f.newRecord(QStringLiteral("1 - Inscripción"), Day);
    r.premisesActivities(2).row(0) = activity(QStringLiteral("624101"), Day);
    ASSERT_TRUE(f.store.GuardarCP01(r, f.cmdId, 0));
    ActivityTable next;
    next.row(0) = activity(QStringLiteral("624102"), Day);
    next.row(1) = activity(QStringLiteral("624103"), Day);
    QSqlQuery(
        QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Form_Cp01_Act2 WHEN NEW.Act_Codigo = '624103' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END"),
        f.t.db());
    EXPECT_EQ(f.store.Guardar_Tabla(2, r.id(), next).error(),
        QStringLiteral("Error al actualizar las actividades..."));
    EXPECT_EQ(*f.store.Cargar_Tabla(2, r.id()), r.premisesActivities(2));
    next.remove(1);
    ASSERT_TRUE(f.store.Guardar_Tabla(2, r.id(), next));
    EXPECT_EQ(*f.store.Cargar_Tabla(2, r.id()), next);
}
