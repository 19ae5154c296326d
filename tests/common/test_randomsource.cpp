#include "common/randomsource.h"

#include <QSet>

#include <gtest/gtest.h>

#include <limits>

using namespace ventrix;

namespace {

class Scripted : public RandomSource
{
public:
    quint64 next = 0;
    QList<std::pair<quint64, quint64>> asked;

protected:
    quint64 draw(quint64 low, quint64 high) override
    {
        asked.append({ low, high });
        return next;
    }
};

}

TEST(RandomSource, AnInstalledSourceAnswersUntilRemoved)
{
    Scripted scripted;
    scripted.next = 123456789;
    RandomSource::install(&scripted);
    EXPECT_EQ(RandomSource::bounded(1, 999999999), 123456789u);
    RandomSource::install(nullptr);
    EXPECT_LE(RandomSource::bounded(1, 9), 9u);
    EXPECT_EQ(scripted.asked, (QList<std::pair<quint64, quint64>> { { 1, 999999999 } }));
}

TEST(RandomSource, SystemDrawsStayInsideTheBoundsAndReachBothEnds)
{
    QSet<quint64> seen;
    for (int i = 0; i < 400; ++i) {
        const quint64 n = RandomSource::bounded(1, 3);
        ASSERT_GE(n, 1u);
        ASSERT_LE(n, 3u);
        seen.insert(n);
    }
    EXPECT_EQ(seen, (QSet<quint64> { 1, 2, 3 }));
    EXPECT_EQ(RandomSource::bounded(5, 5), 5u);
    for (int i = 0; i < 50; ++i) {
        const quint64 tenDigits = RandomSource::bounded(1'000'000'000, 9'999'999'999);
        ASSERT_GE(tenDigits, 1'000'000'000u);
        ASSERT_LE(tenDigits, 9'999'999'999u);
    }
}

TEST(RandomSource, TheWholeRangeIsNotStuckAtOneNumber)
{
    constexpr quint64 top = std::numeric_limits<quint64>::max();
    QSet<quint64> seen;
    for (int i = 0; i < 8; ++i)
        seen.insert(RandomSource::bounded(0, top));
    EXPECT_GT(seen.size(), 1);
}
