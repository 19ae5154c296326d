#include "common/result.h"

#include <gtest/gtest.h>

#include <memory>

using namespace ventrix;

namespace {

Result<int> halve(int n)
{
    if (n % 2 != 0)
        return Error { QStringLiteral("No es par: ") + QString::number(n) };
    return n / 2;
}

// A row that may be missing, read from a source that may fail.
Result<std::optional<QString>> find(int key)
{
    if (key < 0)
        return Error { QStringLiteral("Error al acceder a la base de datos...") };
    if (key == 0)
        return std::optional<QString>();
    return std::optional<QString>(QStringLiteral("fila ") + QString::number(key));
}

}

TEST(Result, CarriesTheValueOrTheReason)
{
    const Result<int> ok = halve(8);
    ASSERT_TRUE(ok);
    EXPECT_EQ(*ok, 4);
    EXPECT_TRUE(ok.error().isEmpty());
    EXPECT_EQ(ok.valueOr(-1), 4);

    const Result<int> refused = halve(7);
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.error(), QStringLiteral("No es par: 7"));
    EXPECT_EQ(refused.valueOr(-1), -1);
}

TEST(Result, MissingIsNotFailure)
{
    const auto missing = find(0);
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(missing->has_value());
    const auto failed = find(-1);
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.error(), QStringLiteral("Error al acceder a la base de datos..."));
    EXPECT_EQ(failed.valueOr(std::nullopt), std::nullopt);
    EXPECT_EQ(**find(3), QStringLiteral("fila 3"));
}

TEST(Result, MovesOutValuesThatCannotBeCopied)
{
    Result<std::unique_ptr<int>> made = std::make_unique<int>(5);
    std::unique_ptr<int> taken = std::move(made).value();
    ASSERT_TRUE(taken);
    EXPECT_EQ(*taken, 5);
}

TEST(Status, SucceedsByDefaultAndKeepsTheReasonOtherwise)
{
    const Status done;
    EXPECT_TRUE(done);
    EXPECT_TRUE(done.error().isEmpty());
    const Status refused = Error { QStringLiteral("Archivo dañado...") };
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error(), QStringLiteral("Archivo dañado..."));
}
