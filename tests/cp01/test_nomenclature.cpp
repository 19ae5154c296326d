#include "cp01/activityeditor.h"
#include "cp01/nomenclature.h"
#include "scriptedmessages.h"

#include "cp01fixture.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp01;
using namespace ventrix::test;

namespace {

QStringList codes(const Result<QList<NomenclaEntry>>& r)
{
    QStringList out;
    if (!r)
        return { QStringLiteral("<error>") };
    for (const NomenclaEntry& e : *r)
        out << QString::number(e.codigo);
    return out;
}

void addActivity(QSqlDatabase db, int code, const QString& name)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO Nomencla VALUES (?, ?, 300, 7000, 12600, 19200)"));
    q.addBindValue(code);
    q.addBindValue(name);
    ASSERT_TRUE(q.exec());
}

ActivityChoice employees(int code)
{
    return { code, std::nullopt, 0, QStringLiteral("Número de empleados"), false };
}

}

TEST(Nomenclature, SearchesByCodePrefixOrByNameWithBlanksAsWildcards)
{
    Cp01Fixture f;
    Nomenclature n(f.access);
    EXPECT_EQ(codes(n.search(QStringLiteral("35301"))), (QStringList { QStringLiteral("353019") }));
    EXPECT_EQ(codes(n.search(QStringLiteral(" 6210"))).first(), QStringLiteral("621013"));
    // Ordered by name: "por mayor" before "por menor".
    EXPECT_EQ(codes(n.search(QStringLiteral("venta  carnes"))),
        (QStringList { QStringLiteral("612022"), QStringLiteral("621013") }));
    EXPECT_EQ(codes(n.search(QStringLiteral("menor carnes"))), (QStringList { QStringLiteral("621013") }));
    EXPECT_EQ(codes(n.all(QStringLiteral("3530"))),
        (QStringList { QStringLiteral("353019"), QStringLiteral("353020") }));
    EXPECT_EQ(n.all()->size(), 395);
}

TEST(Nomenclature, NamesWithQuotesAndWildcardCharactersAreFoundLiterally)
{
    Cp01Fixture f;
    addActivity(f.t.db(), 999991, QStringLiteral("Venta de 'artículos' \"El Ñandú\" al 100%"));
    addActivity(f.t.db(), 999992, QStringLiteral("Venta al 1000 por mil"));
    addActivity(f.t.db(), 999993, QStringLiteral("Corte_de pelo"));
    addActivity(f.t.db(), 999994, QStringLiteral("Cortexde pelo"));
    Nomenclature n(f.access);
    const QStringList first { QStringLiteral("999991") };
    EXPECT_EQ(codes(n.search(QStringLiteral("'artículos'"))), first);
    EXPECT_EQ(codes(n.search(QStringLiteral("\"El Ñandú\""))), first);
    EXPECT_EQ(codes(n.search(QStringLiteral("ñandú"))), QStringList {}); // case of non-ASCII letters counts
    EXPECT_EQ(codes(n.search(QStringLiteral("100%"))), first);
    EXPECT_EQ(codes(n.search(QStringLiteral("Corte_"))), QStringList { QStringLiteral("999993") });
}

TEST(Nomenclature, SaleActivitiesAreTheThreeRanges)
{
    Cp01Fixture f;
    Nomenclature n(f.access);
    const QStringList all = codes(n.saleActivities());
    ASSERT_FALSE(all.isEmpty());
    EXPECT_EQ(all.first(), QStringLiteral("621013"));
    EXPECT_EQ(all.last(), QStringLiteral("624403"));
    for (const QString& c : all) {
        const int code = c.toInt();
        EXPECT_TRUE((code >= 621013 && code <= 622028) || (code >= 623016 && code <= 624241)
            || (code >= 624284 && code <= 624403))
            << code;
    }
    // The search stays among sale activities: "carbón" is also a primary-production name.
    EXPECT_EQ(codes(n.saleActivities(QStringLiteral("carbón"))), QStringList { QStringLiteral("624209") });
    EXPECT_EQ(codes(n.saleActivities(QStringLiteral("6211"))),
        QStringList { QStringLiteral("621102") } << QStringLiteral("621110"));
}

TEST(Nomenclature, MinimumFollowsTheQuantityAndItsCaption)
{
    const QString emp = QStringLiteral("Número de empleados");
    EXPECT_EQ(minimumColumn(emp, 1), MinimumColumn::Minimo1);
    EXPECT_EQ(minimumColumn(emp, 2), MinimumColumn::Minimo2);
    EXPECT_EQ(minimumColumn(emp, 3), MinimumColumn::Minimo2);
    EXPECT_EQ(minimumColumn(emp, 4), MinimumColumn::Minimo3);
    EXPECT_EQ(
        minimumColumn(QStringLiteral("Cantidad de habitaciones existentes"), 10), MinimumColumn::Minimo1);
    EXPECT_EQ(minimumColumn(QStringLiteral("Cuantos inmuebles alquila"), 5), MinimumColumn::Minimo1);

    Cp01Fixture f;
    Nomenclature n(f.access);
    auto minimum = [&](const ActivityChoice& c, qint64 q) {
        return n.Cargar_Alicuota_Minimos(c, q)->activity.baseMinimo->toPlain();
    };
    EXPECT_EQ(minimum(employees(311320), 0), QStringLiteral("65.00")); // a quantity below 1 counts as 1
    EXPECT_EQ(minimum(employees(311320), 2), QStringLiteral("117.00"));
    EXPECT_EQ(minimum(employees(311320), 4), QStringLiteral("179.00"));
    ActivityChoice rooms { 632031, std::nullopt, 0, QStringLiteral("Cantidad de habitaciones existentes"),
        false };
    EXPECT_EQ(minimum(rooms, 10), QStringLiteral("45.00"));
}

TEST(Nomenclature, RateOverrideAndCompanionFillTheTenSlots)
{
    Cp01Fixture f;
    Nomenclature n(f.access);
    ActivityChoice refinery = employees(353019);
    refinery.rateOverride = Rate::fromUnits(350);
    auto r = n.Cargar_Alicuota_Minimos(refinery, 1);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->slotTexts(),
        (QStringList { QStringLiteral("353019"), QStringLiteral("Refinación de petróleo"),
            QStringLiteral("3,5"), QStringLiteral("1"), QStringLiteral("65,00"), {}, {}, {}, {}, {} }));

    ActivityChoice exempt = employees(311320);
    exempt.rateOverride = Rate::fromUnits(0);
    EXPECT_TRUE(n.Cargar_Alicuota_Minimos(exempt, 5)->activity.baseMinimo->isZero());

    ActivityChoice sale = employees(624101);
    sale.companionCode = 311320;
    auto both = n.Cargar_Alicuota_Minimos(sale, 2);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->slotTexts(),
        (QStringList { QStringLiteral("624101"), QStringLiteral("Venta al por menor de semillas y forrajes"),
            QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("135,00"), QStringLiteral("311320"),
            QStringLiteral("Elaboración de jugos de frutas y hortalizas"), QStringLiteral("1,5"),
            QStringLiteral("2"), QStringLiteral("117,00") }));
    EXPECT_EQ(ActivitySelection {}.slotTexts(), QStringList(10, QString()));
    EXPECT_FALSE(n.Cargar_Alicuota_Minimos(employees(123), 1));
}

TEST(ActivityEditorRoad, ManufacturerSellingToFinalConsumersAddsTheSaleWithItsCompanion)
{
    Cp01Fixture f;
    Nomenclature n(f.access);
    struct : ActivityQuestions
    {
        FabricacionOption askFabricacion(const QString&, const QString&) override
        {
            return FabricacionOption::ConsumidorFinal;
        }
        bool askYesNo(const QString&, MessageIcon) override { return false; }
        void notice(const QString&) override { }
    } answers;
    ScriptedMessages boxes;
    ActivityEditor editor(n, answers);
    EXPECT_EQ(editor.nextFromActivities(std::nullopt), ActivityEditor::Page::Activities);
    EXPECT_EQ(boxes.last(), QStringLiteral("Seleccione una actividad..."));
    EXPECT_EQ(editor.nextFromActivities(311320), ActivityEditor::Page::Sales);
    EXPECT_EQ(codes(editor.activities()), QStringList { QStringLiteral("311320") });
    EXPECT_EQ(editor.nextFromSales(621013), ActivityEditor::Page::Figures);
    auto chosen = editor.accept(1);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->activity.codigo, QStringLiteral("621013"));
    ASSERT_TRUE(chosen->companion);
    EXPECT_EQ(chosen->companion->codigo, QStringLiteral("311320"));
}
