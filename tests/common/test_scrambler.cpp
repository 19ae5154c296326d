#include "common/cp1252.h"
#include "common/deliveryfile.h"
#include "common/scrambler.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ventrix;

namespace {
QByteArray hex(const char* digits)
{
    return QByteArray::fromHex(digits);
}
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
}

TEST(Cp1252, HighRangeAndRoundTrip)
{
    EXPECT_EQ(toCp1252(u"Año €‚ŸÿA"), hex("41f16f2080829fff41"));
    EXPECT_EQ(toCp1252(u"日本"), QByteArray("??"));
    EXPECT_EQ(toCp1252(u"\U0001F600"), QByteArray("?")); // one character, one byte
    QByteArray every(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        every[i] = static_cast<char>(i);
    EXPECT_EQ(toCp1252(fromCp1252(every)), every);
    EXPECT_EQ(fromCp1252(hex("80f1d1")), QStringLiteral("€ñÑ"));
}

TEST(Encripta, GoldenBytes)
{
    // The key starts at its second byte: "2", "3", "1", "2"...
    EXPECT_EQ(Encripta(u"Año€", u"123"), hex("a556d2e4"));
    EXPECT_EQ(Encripta(QByteArray("D3 CUIT"), QByteArray("000123456")), hex("a69583a7baafbb"));
    EXPECT_EQ(Encripta(QByteArray("AB"), QByteArray("7")), hex("aaab"));
    EXPECT_EQ(Encripta(u"ñ", u"9"), hex("5c")); // wraps past 255
    EXPECT_EQ(Encripta(QByteArray("sin clave"), QByteArray()), QByteArray("sin clave"));
    EXPECT_EQ(Encripta(QByteArray(), QByteArray("123")), QByteArray());
}

TEST(Encripta, DesencriptaIsItsInverse)
{
    QByteArray every(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        every[i] = static_cast<char>(255 - i);
    for (const QByteArray& key : { QByteArray("0"), QByteArray("000123456"), QByteArray("\xff\x01", 2) })
        EXPECT_EQ(Desencripta(Encripta(every, key), key), every);
}

TEST(DeliveryText, LinesScrambledEachWithPlainLineEnd)
{
    const QByteArray key("0001");
    const QByteArray delivery = hex("ae4fd1c7c382940d0ae282950d0a");
    EXPECT_EQ(scrambleLines({ toCp1252(u"Línea 1"), toCp1252(u"€ 2") }, key), delivery);
    EXPECT_EQ(scrambleTextLines({ QStringLiteral("Línea 1"), QStringLiteral("€ 2") }, key), delivery);
    // Plain text with LF or CR LF endings, with or without the last one.
    EXPECT_EQ(scrambleText(toCp1252(u"Línea 1\n€ 2\n"), key), delivery);
    EXPECT_EQ(scrambleText(toCp1252(u"Línea 1\r\n€ 2"), key), delivery);
    EXPECT_EQ(unscrambleText(delivery, key), toCp1252(u"Línea 1\r\n€ 2\r\n"));
    EXPECT_EQ(scrambleText(QByteArray(), key), QByteArray());
    EXPECT_EQ(scrambleText(QByteArray("\n"), key), QByteArray("\r\n"));
}

TEST(DeliveryFile, WritesWholeFilesAndAppends)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CP02_000000001.txt"));
    DeliveryFile file(path, QStringLiteral("0001"));
    ASSERT_TRUE(file.write({ QStringLiteral("Línea 1") }));
    EXPECT_EQ(readAll(path), hex("ae4fd1c7c382940d0a"));
    ASSERT_TRUE(file.append(QStringLiteral("€ 2")));
    EXPECT_EQ(readAll(path), hex("ae4fd1c7c382940d0ae282950d0a"));
    ASSERT_TRUE(file.write({ QStringLiteral("€ 2") })); // replaces the older file
    EXPECT_EQ(readAll(path), hex("e282950d0a"));

    // A folder that cannot take the file: an error, and the folder stays as it was.
    DeliveryFile nowhere(dir.filePath(QStringLiteral("no/such/folder/x.txt")), QStringLiteral("1"));
    EXPECT_FALSE(nowhere.write({ QStringLiteral("x") }));
    EXPECT_FALSE(nowhere.errorString().isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList { QStringLiteral("CP02_000000001.txt") });
}

TEST(DeliveryFile, IsReadableByTheUserOnlyWhateverTheUmask)
{
    const auto mode = [](const QString& path) {
        struct stat st
        {
        };
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    };
    const mode_t old = umask(022);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CP01_000000001.txt"));
    DeliveryFile file(path, QStringLiteral("0001"));
    ASSERT_TRUE(file.write({ QStringLiteral("Línea 1") }));
    EXPECT_EQ(mode(path), 0600);
    // A narrower mode of the file being replaced is kept.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0400), 0);
    ASSERT_TRUE(file.append(QStringLiteral("€ 2")));
    EXPECT_EQ(mode(path), 0400);
    umask(old);
}
