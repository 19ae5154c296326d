#include "cli/cli.h"
#include "clirun.h"
#include "fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::cli;

namespace {

test::CliOutcome run(const QStringList& args)
{
    QTemporaryDir data;
    return test::runCli(data.path(), args);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList args(std::initializer_list<const char16_t*> words)
{
    QStringList list;
    for (const char16_t* w : words)
        list << QString::fromUtf16(w);
    return list;
}

}

TEST(CheckId, ExitCodesAndMessages)
{
    test::CliOutcome r = run(args({u"check-id", u"cuit", u"20123456786"}));
    EXPECT_EQ(r.code, cli::ExitOk);
    EXPECT_EQ(r.out, QStringLiteral("CUIT válido: 20-12345678/6\n"));

    r = run(args({u"check-id", u"cuit", u"20-12345678/5"}));
    EXPECT_EQ(r.code, cli::ExitRefused);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("CUIT no válido: 20-12345678/5"))) << r.err.toStdString();

    EXPECT_EQ(run(args({u"check-id", u"isib", u"012-000006/10"})).code, cli::ExitOk);
    EXPECT_EQ(run(args({u"check-id", u"ISIB", u"912-123456/00"})).code, cli::ExitRefused);
    EXPECT_EQ(run(args({u"check-id", u"agent", u"1234/1"})).code, cli::ExitOk);
    EXPECT_EQ(run(args({u"check-id", u"agent", u"0000/0"})).code, cli::ExitRefused);
    EXPECT_EQ(run(args({u"check-id", u"cuit", u"00-00000000/0"})).code, cli::ExitRefused);
}

TEST(CheckId, UsageErrors)
{
    for (const QStringList& bad : {args({u"check-id"}), args({u"check-id", u"cuit"}),
                                   args({u"check-id", u"dni", u"20123456786"}), args({u"check-id", u"cuit", u" "}),
                                   args({u"check-id", u"cuit", u"1", u"2"})}) {
        const test::CliOutcome r = run(bad);
        EXPECT_EQ(r.code, cli::ExitUsage) << bad.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
}

TEST(Scramble, DeliveryFileRoundTrip)
{
    QTemporaryDir dir;
    const QString scrambled = dir.filePath(QStringLiteral("CP01_0001.txt"));
    const QString back = dir.filePath(QStringLiteral("vuelta.txt"));
    test::CliOutcome r = run(QStringList { QStringLiteral("scramble"), QStringLiteral("--key"),
        QStringLiteral("0001"), test::fixturePath(QStringLiteral("scramble/plano_cp1252.txt")), scrambled });
    ASSERT_EQ(r.code, cli::ExitOk) << r.err.toStdString();
    EXPECT_EQ(readAll(scrambled), test::fixtureBytes(QStringLiteral("scramble/CP01_0001.txt")));

    r = run(QStringList { QStringLiteral("unscramble"), QStringLiteral("--key=0001"),
        test::fixturePath(QStringLiteral("scramble/CP01_0001.txt")), back });
    ASSERT_EQ(r.code, cli::ExitOk) << r.err.toStdString();
    EXPECT_EQ(readAll(back), QByteArray("L\xednea 1\r\n\x80 2\r\n"));

    // The same through UTF-8 text files.
    ASSERT_EQ(run(QStringList { QStringLiteral("scramble"), QStringLiteral("--utf8"), QStringLiteral("--key"),
                      QStringLiteral("123"), test::fixturePath(QStringLiteral("scramble/plano_utf8.txt")),
                      scrambled })
                  .code,
        cli::ExitOk);
    EXPECT_EQ(readAll(scrambled), test::fixtureBytes(QStringLiteral("scramble/utf8_clave123.txt")));
    ASSERT_EQ(run(QStringList{QStringLiteral("unscramble"), QStringLiteral("--key"), QStringLiteral("123"),
                              QStringLiteral("--utf8"), scrambled, back})
                  .code,
              cli::ExitOk);
    EXPECT_EQ(readAll(back), QStringLiteral("Año€\r\n").toUtf8());
}

TEST(Scramble, UsageErrorsAndFailures)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.txt"));
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    writeAll(in, "x\n");
    for (const QStringList& bad :
         {QStringList{QStringLiteral("scramble"), in, out},
          QStringList{QStringLiteral("scramble"), QStringLiteral("--key"), QString(), in, out},
          QStringList{QStringLiteral("unscramble"), QStringLiteral("--key"), QStringLiteral("1"), in},
          QStringList{QStringLiteral("scramble"), QStringLiteral("--key"), QStringLiteral("1"),
                      QStringLiteral("--fast"), in, out},
          QStringList{QStringLiteral("unscramble"), QStringLiteral("--key")}}) {
        const test::CliOutcome r = run(bad);
        EXPECT_EQ(r.code, cli::ExitUsage) << bad.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(out));

    test::CliOutcome r = run(QStringList{QStringLiteral("scramble"), QStringLiteral("--key"), QStringLiteral("1"),
                            dir.filePath(QStringLiteral("missing.txt")), out});
    EXPECT_EQ(r.code, cli::ExitRefused);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("No se pudo leer el archivo"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    r = run(QStringList{QStringLiteral("scramble"), QStringLiteral("--key"), QStringLiteral("1"), in,
                        dir.filePath(QStringLiteral("no/folder/out.txt"))});
    EXPECT_EQ(r.code, cli::ExitRefused);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("No se pudo escribir el archivo"))) << r.err.toStdString();

    writeAll(in, QByteArray("\xff\xfe\n"));
    r = run(QStringList{QStringLiteral("scramble"), QStringLiteral("--utf8"), QStringLiteral("--key"),
                        QStringLiteral("1"), in, out});
    EXPECT_EQ(r.code, cli::ExitRefused);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("in.txt")});
}
