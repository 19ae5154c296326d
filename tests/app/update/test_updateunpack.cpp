#include "app/update/updateunpack.h"
#include "updatearchives.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::app;

namespace {

QString save(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("VentrixActualizacion.zip"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}

TEST(UpdateUnpack, OnlyWholeReadableArchivesWithNamesInsideTheFolderAreValid)
{
    QTemporaryDir dir;
    EXPECT_TRUE(validZIPFile(save(dir, test::makeZip({ { QStringLiteral("a/b.txt"), "hola" } }))).ok());
    EXPECT_FALSE(validZIPFile(save(dir, QByteArrayLiteral("esto no es un zip"))).ok());
    EXPECT_FALSE(validZIPFile(save(dir, test::makeZip({}))).ok());

    // A stored byte changed: the entry no longer matches its CRC.
    QByteArray changed = test::makeZip({ { QStringLiteral("datos.bin"), QByteArray(5000, 'a') + "fin" } });
    const auto u16 = [&](qsizetype o) { return uchar(changed[o]) | uchar(changed[o + 1]) << 8; };
    const qsizetype at = 30 + u16(26) + u16(28) + 2; // inside the first entry's data
    changed[at] = static_cast<char>(changed[at] ^ 0x55);
    EXPECT_FALSE(validZIPFile(save(dir, changed)).ok());

    for (const char* name : { "../x", "a/../../x", "./x", "a//b", "C:/x", "C:x", "\\x", "a\\..\\x", "/x" }) {
        const Status s = validZIPFile(save(dir, test::makeZip({ { QString::fromUtf8(name), "x" } })));
        ASSERT_FALSE(s.ok()) << name;
        EXPECT_EQ(s.error(),
            QStringLiteral("El archivo contiene una ruta no permitida: ") + QString::fromUtf8(name));
    }
}

TEST(UpdateUnpack, AFailedPlacementPutsBackWhatItHadReplaced)
{
    QTemporaryDir dir;
    QTemporaryDir program;
    QFile old(program.filePath(QStringLiteral("LEEME.txt")));
    old.open(QIODevice::WriteOnly);
    old.write("vieja");
    old.close();
    QDir(program.path()).mkdir(QStringLiteral("zzz"));
    const QString zip = save(dir,
        test::makeZip({ { QStringLiteral("LEEME.txt"), "nueva" }, { QStringLiteral("nuevo.txt"), "n" },
            { QStringLiteral("zzz"), "un archivo donde hay una carpeta" } }));
    const Status s = unpackUpdate(zip, program.path());
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error(), QStringLiteral("Ya existe una carpeta con el nombre zzz"));
    EXPECT_EQ(read(program.filePath(QStringLiteral("LEEME.txt"))), QByteArrayLiteral("vieja"));
    EXPECT_EQ(QDir(program.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList { QStringLiteral("LEEME.txt"), QStringLiteral("zzz") }));
}

TEST(UpdateUnpack, AFolderThatLinksElsewhereIsNotWrittenThrough)
{
    QTemporaryDir dir;
    QTemporaryDir program;
    QTemporaryDir outside;
    ASSERT_TRUE(QFile::link(outside.path(), program.filePath(QStringLiteral("ayuda"))));
    const QString zip = save(dir, test::makeZip({ { QStringLiteral("ayuda/indice.html"), "<p>" } }));
    const Status s = unpackUpdate(zip, program.path());
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.error(), QStringLiteral("El archivo contiene una ruta no permitida: ayuda/indice.html"));
    EXPECT_TRUE(QDir(outside.path()).isEmpty());
}
