// Feeds the line parser and checker mutated lines for a few seconds; the same target builds as a
// libFuzzer program when the compiler is Clang.
#include "importfuzztarget.h"
#include "importlines.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <random>

using namespace ventrix::test;

namespace {

QByteArray mutate(QByteArray bytes, std::mt19937& random, const QList<QByteArray>& seeds)
{
    const auto pick
        = [&](int n) { return n <= 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(n)); };
    static const char interesting[]
        = { '\t', '"', '\'', '.', ',', '-', '/', '\r', '\0', '\xff', '\xc3', '\xb1', '9', ' ' };
    const int edits = 1 + pick(8);
    for (int e = 0; e < edits; ++e) {
        switch (pick(6)) {
        case 0:
            if (!bytes.isEmpty())
                bytes[pick(int(bytes.size()))] = static_cast<char>(random());
            break;
        case 1:
            bytes.insert(pick(int(bytes.size()) + 1), interesting[pick(sizeof interesting)]);
            break;
        case 2:
            if (!bytes.isEmpty())
                bytes.remove(pick(int(bytes.size())), 1 + pick(4));
            break;
        case 3: {
            const QByteArray& other = seeds[pick(int(seeds.size()))];
            const int at = pick(int(other.size()));
            bytes.insert(pick(int(bytes.size()) + 1), other.mid(at, pick(40)));
            break;
        }
        case 4:
            bytes.append(QByteArray(pick(64), static_cast<char>(random())));
            break;
        default:
            if (!bytes.isEmpty())
                bytes.truncate(pick(int(bytes.size())));
            break;
        }
    }
    return bytes;
}

}

TEST(ImportFuzz, ParserSurvivesMutatedLinesForAFewSeconds)
{
    const QList<QByteArray> seeds { perceptionLine(),
        perceptionLine({ { Contribuyente, "\"O'Brien \"\"SA\"\"\"" } }),
        perceptionLine({ { Base, "1234.565" }, { Alicuota, "2.5" }, { Importe, "30.86" } }),
        perceptionLine({ { Contribuyente, "Mu\xf1oz" }, { Cuit, "20111111112" } }), QByteArray(),
        QByteArray("\t\t\t") };
    std::mt19937 random(20261207);
    QElapsedTimer clock;
    clock.start();
    qint64 runs = 0;
    for (const QByteArray& s : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(s.constData()), std::size_t(s.size()));
    while (clock.elapsed() < 3000) {
        const QByteArray input = mutate(seeds[int(random() % seeds.size())], random, seeds);
        LLVMFuzzerTestOneInput(
            reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
        ++runs;
    }
    EXPECT_GT(runs, 1000);
}
