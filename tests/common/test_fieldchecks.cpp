#include "common/fieldchecks.h"
#include "common/keyfilters.h"
#include "common/regional.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;

TEST(FieldChecks, DatesWithinTheProgramLimits)
{
    EXPECT_EQ(dateWithinLimits(u"01/01/1900"), QDate(1900, 1, 1));
    EXPECT_EQ(dateWithinLimits(u"31/12/2099"), QDate(2099, 12, 31));
    EXPECT_EQ(dateWithinLimits(u"5/3/2024"), QDate(2024, 3, 5));
    for (const char16_t* bad :
        { u"31/12/1899", u"01/01/2100", u"29/02/2023", u"2024-03-05", u"", u"05/03/24" })
        EXPECT_FALSE(isDateWithinLimits(bad)) << QString::fromUtf16(bad).toStdString();
    EXPECT_EQ(monthEnd(QDate(2024, 2, 10)), QDate(2024, 2, 29));
    EXPECT_EQ(monthEnd(QDate(2023, 2, 1)), QDate(2023, 2, 28));
    EXPECT_EQ(monthEnd(QDate(2024, 12, 31)), QDate(2024, 12, 31));
    EXPECT_EQ(digitsOnly(u"20-12345678/6 $1.234,50"), QStringLiteral("20123456786123450"));
}

TEST(FieldChecks, RegionalReadersAnswerTheProgramFormats)
{
    EXPECT_EQ(regional::numberGrouping(), QStringLiteral("3;0"));
    EXPECT_EQ(regional::currencyGrouping(), QStringLiteral("3;0"));
    EXPECT_EQ(regional::numberDecimals(), QStringLiteral("2"));
    EXPECT_EQ(regional::currencyDecimals(), QStringLiteral("2"));
    EXPECT_EQ(regional::decimalSeparator(), QStringLiteral(","));
    EXPECT_EQ(regional::dateSeparator(), QStringLiteral("/"));
}

TEST(FieldChecks, LikePatternsMatchOnlyWhatWasTyped)
{
    QTemporaryDir dir;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("like"));
    db.setDatabaseName(dir.filePath(QStringLiteral("like.db")));
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE t (name TEXT)")));
    for (const char16_t* name :
        { u"50% OFF SA", u"500 OFF SA", u"A_B SRL", u"AXB SRL", u"C\\D", u"JUAN C. PEREZ" }) {
        q.prepare(QStringLiteral("INSERT INTO t VALUES (?)"));
        q.addBindValue(QString::fromUtf16(name));
        ASSERT_TRUE(q.exec());
    }
    auto find = [&](const QString& pattern) {
        QSqlQuery s(db);
        s.prepare(QStringLiteral("SELECT name FROM t WHERE name LIKE ? ESCAPE '\\' ORDER BY name"));
        s.addBindValue(pattern);
        EXPECT_TRUE(s.exec());
        QStringList names;
        while (s.next())
            names << s.value(0).toString();
        return names;
    };
    EXPECT_EQ(find(likePattern(u"50%")), QStringList { QStringLiteral("50% OFF SA") });
    EXPECT_EQ(find(likePattern(u"a_b", LikeMatch::StartsWith)), QStringList { QStringLiteral("A_B SRL") });
    EXPECT_EQ(find(likePattern(u"C\\")), QStringList { QStringLiteral("C\\D") });
    EXPECT_EQ(find(likePattern(u"'; DROP TABLE t; --")), QStringList {});
    EXPECT_EQ(find(likePattern(u"juan  perez", LikeMatch::Contains, true)),
        QStringList { QStringLiteral("JUAN C. PEREZ") });
    EXPECT_EQ(find(likePattern(u"")).size(), 6);
    db.close();
}

TEST(KeyFilters, IntegerAndDateFields)
{
    const FilteredKey next { FilteredKey::NextField, QChar() };
    const FilteredKey dropped { FilteredKey::Drop, QChar() };
    for (auto filter : { Tecla_Numerica, Tecla_Fecha, teclaDecimal, teclaImporte }) {
        EXPECT_EQ(filter(QChar(KeyEnter)), next);
        EXPECT_EQ(filter(QChar(KeyBackspace)), (FilteredKey { FilteredKey::Pass, QChar(KeyBackspace) }));
        EXPECT_EQ(filter(u'7'), (FilteredKey { FilteredKey::Pass, u'7' }));
        EXPECT_EQ(filter(u'a'), dropped);
        EXPECT_EQ(filter(QChar(0x0663)), dropped); // a non-ASCII digit
    }
    EXPECT_EQ(Tecla_Numerica(u'-').action, FilteredKey::Pass);
    EXPECT_EQ(Tecla_Numerica(u' ').action, FilteredKey::Pass);
    EXPECT_EQ(Tecla_Numerica(u'/'), dropped);
    EXPECT_EQ(Tecla_Numerica(u','), dropped);
    EXPECT_EQ(Tecla_Fecha(u'/').action, FilteredKey::Pass);
    EXPECT_EQ(Tecla_Fecha(u'-'), dropped);
    EXPECT_EQ(Tecla_Fecha(u' '), dropped);
}

TEST(KeyFilters, DecimalAndAmountFields)
{
    EXPECT_EQ(teclaDecimal(u','), (FilteredKey { FilteredKey::Pass, u',' }));
    EXPECT_EQ(teclaDecimal(u'.'), (FilteredKey { FilteredKey::Pass, u',' })); // keypad decimal key
    EXPECT_EQ(teclaImporte(u'.'), (FilteredKey { FilteredKey::Pass, u'.' })); // grouping
    EXPECT_EQ(teclaImporte(u'-').action, FilteredKey::Pass);
    EXPECT_EQ(teclaImporte(u'$').action, FilteredKey::Drop);
    EXPECT_EQ(filterKey(FieldKeys::Text, u'$'), (FilteredKey { FilteredKey::Pass, u'$' }));
    EXPECT_EQ(filterKey(FieldKeys::Text, QChar(KeyEnter)).action, FilteredKey::NextField);
}
