#include "cp02/paymentdate.h"
#include "cp02fixture.h"

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cp02;

TEST(PaymentDate, DigitsRunTogetherAndSlashesAreRead)
{
    FixedClock clock(QDate(2026, 12, 7));
    Clock::install(&clock);
    EXPECT_EQ(paymentDate(u"05032003").value(), QDate(2003, 3, 5));
    EXPECT_EQ(paymentDate(u"050303").value(), QDate(2003, 3, 5));
    EXPECT_EQ(paymentDate(u" 5/3/2003 ").value(), QDate(2003, 3, 5));
    EXPECT_FALSE(paymentDate(u"").value().isValid());
    EXPECT_EQ(paymentDate(u"01/01/1900").value(), QDate(1900, 1, 1));
    EXPECT_EQ(paymentDate(u"01/01/2099").value(), QDate(2099, 1, 1));

    for (const char* outside : { "31/12/1899", "02/01/2099", "31122099" })
        EXPECT_EQ(paymentDate(QString::fromLatin1(outside)).error(),
            QStringLiteral("La fecha ingresada no es válida..."))
            << outside;
    for (const char* bad : { "31/02/2003", "5-3-2003", "0503", "abc", "1/1/203" })
        EXPECT_EQ(paymentDate(QString::fromLatin1(bad)).error(),
            QStringLiteral("El formato para la fecha es: 07/12/2026"))
            << bad;
    Clock::install(nullptr);
}

TEST(PaymentDate, RecordDatesHaveNoLeadingZeros)
{
    EXPECT_EQ(recordDate(QDate(2003, 3, 5)), QStringLiteral("5-3-2003"));
    EXPECT_EQ(recordDate(QDate(2025, 12, 31)), QStringLiteral("31-12-2025"));
    EXPECT_EQ(recordDate({}), QString());
}
