#include "ib08fixture.h"
#include "plans/ib08form.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::plans;
using namespace ventrix::test;

namespace {

QList<QDate> dates(const QList<Ib08Entry>& list)
{
    QList<QDate> out;
    for (const Ib08Entry& e : list)
        out << e.fechaPago;
    return out;
}

qint64 rows(QSqlDatabase db)
{
    QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM Form_IB08"), db);
    return q.next() ? q.value(0).toLongLong() : -1;
}

}

TEST(Ib08Store, OnlyTheTaxpayersPaymentsLatestPaymentFirst)
{
    Ib08Fixture f;
    f.storePayment(f.firstCp01, QDate(2025, 1, 10));
    f.storePayment(f.newestCp01, QDate(2026, 2, 1));
    f.storePayment(f.firstCp01, QDate(2025, 7, 20));
    const qint64 other = f.taxpayer(QStringLiteral("Gómez Ana"));
    f.storePayment(f.inscription(other, QDate(2010, 1, 1)), QDate(2026, 3, 1));

    auto list = f.ib08.payments(f.cmdId);
    ASSERT_TRUE(list) << list.error().toStdString();
    EXPECT_EQ(dates(*list), (QList<QDate> { QDate(2026, 2, 1), QDate(2025, 7, 20), QDate(2025, 1, 10) }));
    EXPECT_EQ(list->front().text(), QStringLiteral("01/02/2026"));
}

TEST(Ib08Store, StoredPaymentReadsBackWithItsTotalAndPosition)
{
    Ib08Fixture f;
    Ib08Payment p = typedPayment();
    p.total = money("1.00"); // whatever total came in, the stored one is the sum of the parts
    ASSERT_TRUE(f.ib08.save(p, f.newestCp01));
    EXPECT_GT(p.id, 0);
    EXPECT_EQ(p.total, money("1018.00"));
    EXPECT_EQ(p.posFiscal, QStringLiteral("05/26"));

    auto back = f.ib08.load(p.id);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, p);

    // Stored again it stays one row under its own inscription.
    back->interes = std::nullopt;
    ASSERT_TRUE(f.ib08.save(*back, f.firstCp01));
    EXPECT_EQ(rows(f.t.db()), 1);
    EXPECT_EQ(f.ib08.load(p.id)->total, money("1012.34"));
    EXPECT_EQ(f.ib08.load(p.id)->cp01Id, f.newestCp01);
}

TEST(Ib08Store, RefusedPaymentsLeaveNoRow)
{
    Ib08Fixture f;
    Ib08Payment p = typedPayment();
    p.importe = p.actualizacion = p.interes = std::nullopt;
    const Status refused = f.ib08.save(p, f.newestCp01);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), QStringLiteral("Complete los importes..."));
    p = typedPayment();
    p.posFiscal = QStringLiteral("13/05");
    EXPECT_FALSE(f.ib08.save(p, f.newestCp01));
    EXPECT_EQ(rows(f.t.db()), 0);
    EXPECT_EQ(p.id, 0);
}

TEST(Ib08Form, OpensOnlyWithACompleteInscription)
{
    Ib08Fixture f;
    const qint64 none = f.taxpayer(QStringLiteral("Sin CP01"));
    Ib08Form noCp01(f.ib08, none);
    EXPECT_FALSE(noCp01.open());
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Debe completar el CP01 (Formulario de Inscripción)"));

    const qint64 noCuit = f.taxpayer(QStringLiteral("Sin CUIT"));
    insertRow(f.t.db(), QStringLiteral("INSERT INTO Form_Cp01 (CMD_ID, CP01_IngBrut) VALUES (?, ?)"),
        { noCuit, QStringLiteral("012-123456/00") });
    Ib08Form missing(f.ib08, noCuit);
    EXPECT_FALSE(missing.open());
    EXPECT_EQ(f.boxes.last(),
        QStringLiteral("Falta ingresar el N° de CUIT y/o Ing. Brutos\nIngrese en el último formulario CP01 "
                       "tarjeta Información Complementaria..."));
    EXPECT_NE(f.boxes.shown().back().helpContext, 0);

    f.storePayment(f.firstCp01, QDate(2025, 1, 10));
    Ib08Form form(f.ib08, f.cmdId);
    ASSERT_TRUE(form.open());
    EXPECT_EQ(form.taxpayer().cp01Id, f.newestCp01);
    EXPECT_EQ(form.taxpayer().cuit, QStringLiteral("20-12345678/6"));
    EXPECT_EQ(form.payments().size(), 1);
}

TEST(Ib08Form, DeletingAsksWithTheDateAndDefaultsToNo)
{
    Ib08Fixture f;
    const qint64 id = f.storePayment(f.newestCp01, QDate(2026, 3, 15));
    Ib08Form form(f.ib08, f.cmdId);
    ASSERT_TRUE(form.open());
    EXPECT_FALSE(form.Borrar()); // nothing chosen yet: nothing asked
    EXPECT_TRUE(f.boxes.shown().isEmpty());

    ASSERT_TRUE(form.seleccionar(id));
    f.boxes.answer(Answer::No);
    EXPECT_FALSE(form.Borrar());
    ASSERT_EQ(f.boxes.shown().size(), 2);
    const Message& question = f.boxes.shown().front();
    EXPECT_EQ(question.text, QStringLiteral("Está seguro que desea borrar el pago de fecha 15/03/2026 ..."));
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Operación cancelada..."));
    EXPECT_EQ(rows(f.t.db()), 1);

    f.boxes.answer(Answer::Yes);
    EXPECT_TRUE(form.Borrar());
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Datos Borrados..."));
    EXPECT_EQ(rows(f.t.db()), 0);
    EXPECT_TRUE(form.payments().isEmpty());
    EXPECT_EQ(form.payment().id, 0);
}

TEST(Ib08Form, AFailedDeleteSaysSoAndKeepsThePayment)
{
    Ib08Fixture f;
    const qint64 id = f.storePayment(f.newestCp01, QDate(2026, 3, 15));
    QSqlQuery(
        QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON Form_IB08 BEGIN SELECT RAISE(ABORT, 'no'); END"),
        f.t.db());
    Ib08Form form(f.ib08, f.cmdId);
    ASSERT_TRUE(form.open());
    ASSERT_TRUE(form.seleccionar(id));
    f.boxes.answer(Answer::Yes);
    EXPECT_FALSE(form.Borrar());
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Operación cancelada por sistema..."));
    EXPECT_EQ(rows(f.t.db()), 1);
    EXPECT_EQ(form.payment().id, id);
}

TEST(Ib08Form, PrintingStoresFirstAndNothingPrintsWhenRefused)
{
    Ib08Fixture f;
    QList<Ib08Concept> printed;
    int blanks = 0;
    const Ib08Form::Hooks hooks { {},
        [&printed](const Ib08Payment& p, const Ib08Taxpayer&, Ib08Concept c) -> Result<QString> {
            EXPECT_GT(p.id, 0); // stored before it is printed
            printed << c;
            return QStringLiteral("000000001");
        },
        [&blanks] { ++blanks; } };
    Ib08Form form(f.ib08, f.cmdId, hooks);
    ASSERT_TRUE(form.open());
    Ib08Payment empty = typedPayment();
    empty.importe = empty.actualizacion = empty.interes = std::nullopt;
    EXPECT_FALSE(form.Imprimir(empty, Ib08Concept::Multa));
    EXPECT_EQ(f.boxes.last(), QStringLiteral("Complete los importes..."));
    EXPECT_TRUE(printed.isEmpty());

    EXPECT_TRUE(form.Imprimir(typedPayment(), Ib08Concept::Multa));
    EXPECT_EQ(printed, QList<Ib08Concept> { Ib08Concept::Multa });
    EXPECT_EQ(form.payments().size(), 1);
    EXPECT_EQ(rows(f.t.db()), 1);

    // Without a taxpayer only the blank form prints: nothing is checked or stored.
    Ib08Form blank(f.ib08, 0, hooks);
    ASSERT_TRUE(blank.open());
    EXPECT_TRUE(blank.isBlank());
    f.boxes.clear();
    EXPECT_FALSE(blank.Guardar(typedPayment()));
    EXPECT_FALSE(blank.Imprimir(Ib08Payment(), Ib08Concept::Interes));
    EXPECT_EQ(blanks, 1);
    EXPECT_EQ(printed.size(), 1);
    EXPECT_EQ(rows(f.t.db()), 1);
    EXPECT_TRUE(f.boxes.shown().isEmpty());
}
