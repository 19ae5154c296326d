#include "data/backuparchive.h"
#include "data/backupflow.h"
#include "data/backupverify.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <csignal>
#include <sys/resource.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A zip holding the given entries, written straight with libzip.
void makeZip(const QString& path, const QList<QPair<QString, QByteArray>>& entries)
{
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(z, nullptr);
    for (const auto& [name, bytes] : entries) {
        // libzip frees the copy once written (an empty entry needs none).
        void* copy = bytes.isEmpty() ? nullptr : malloc(static_cast<size_t>(bytes.size()));
        if (copy)
            memcpy(copy, bytes.constData(), static_cast<size_t>(bytes.size()));
        zip_source_t* s = zip_source_buffer(z, copy, static_cast<zip_uint64_t>(bytes.size()), copy ? 1 : 0);
        ASSERT_GE(zip_file_add(z, name.toUtf8().constData(), s, 0), 0);
    }
    if (entries.isEmpty())
        zip_dir_add(z, "vacio", 0);
    ASSERT_EQ(zip_close(z), 0);
}

int taxpayers(QSqlDatabase db)
{
    QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM CMD"), db);
    return q.next() ? q.value(0).toInt() : -1;
}

void addTaxpayer(QSqlDatabase db, const QString& name)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO CMD (CMD_Contribuyente) VALUES (?)"));
    q.addBindValue(name);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
}

// A data folder with an open database, a removable volume that can be plugged in, and the flow.
struct Fixture
{
    test::TestDatabase db;
    QTemporaryDir roots;
    DataFolder folder { db.folder() };
    BackupStore store { folder, &db.database() };
    test::ScriptedMessages messages;
    std::optional<QString> chosenFolder;
    std::optional<QString> chosenArchive;
    QList<int> wholeProgress;

    QString volume() const { return QDir(roots.path()).filePath(QStringLiteral("USB")); }
    QString archive() const { return QDir(volume()).filePath(QStringLiteral("Impuest.zip")); }
    void plugVolume() const { QDir().mkpath(volume()); }

    BackupFlow flow(BackupProgress extra = {})
    {
        BackupFlow::Hooks hooks;
        hooks.chooseFolder = [this] { return chosenFolder; };
        hooks.chooseArchive = [this] { return chosenArchive; };
        hooks.progress = [this, extra](int whole, int file) {
            if (whole >= 0)
                wholeProgress << whole;
            if (extra)
                extra(whole, file);
        };
        return BackupFlow(store, BackupVolumes({ volume() }), hooks);
    }
};

QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList({ QStringLiteral("*.tmp-*") }, QDir::Files);
}

}

TEST(Backup, RoundTripThroughRemovableVolumeKeepsPreviousDatabase)
{
    Fixture f;
    addTaxpayer(f.db.db(), QStringLiteral("ANTES"));
    f.plugVolume();
    ASSERT_TRUE(f.flow().CopiarDiskette());
    EXPECT_EQ(f.messages.last(), QStringLiteral("Backup finalizado con éxito..."));
    EXPECT_TRUE(QFile::exists(f.archive()));
    EXPECT_EQ(f.wholeProgress.last(), 100);
    QString error;
    EXPECT_TRUE(backuparchive::verify(f.archive(), &error)) << error.toStdString();

    addTaxpayer(f.db.db(), QStringLiteral("DESPUES"));
    f.messages.clear();
    f.messages.answer(Answer::Yes);
    ASSERT_TRUE(f.flow().RecupDeDiskette());
    ASSERT_EQ(f.messages.shown().size(), 2);
    EXPECT_EQ(f.messages.shown()[0].text,
        QStringLiteral("Se está por sobreescribir el archivo Impuest.db\nQuiere reemplazarlo..."));
    EXPECT_EQ(f.messages.shown()[0].title, QStringLiteral("El sistema necesita confimación del usuario"));
    EXPECT_EQ(f.messages.shown()[0].defaultAnswer, Answer::No);
    EXPECT_EQ(f.messages.last(), QStringLiteral("Descompresión finalizada..."));
    // The connection was reopened on the restored file; the previous one is kept beside it.
    EXPECT_EQ(taxpayers(f.db.db()), 1);
    ASSERT_EQ(f.folder.previousDatabases().size(), 1);
    EXPECT_TRUE(verifyBackupDatabase(f.folder.previousDatabases().front()).ok());
    EXPECT_TRUE(leftovers(f.folder.path()).isEmpty());
}

TEST(Backup, DecliningTheOverwriteKeepsTheDatabase)
{
    Fixture f;
    f.plugVolume();
    ASSERT_TRUE(f.flow().CopiarDiskette());
    addTaxpayer(f.db.db(), QStringLiteral("NUEVO"));
    f.messages.clear();
    f.messages.answer(Answer::No);
    EXPECT_FALSE(f.flow().RecupDeDiskette());
    EXPECT_EQ(f.messages.texts(),
        (QStringList {
            QStringLiteral("Se está por sobreescribir el archivo Impuest.db\nQuiere reemplazarlo..."),
            QStringLiteral("Recuperación Cancelada por el programa..."),
            QStringLiteral("Archivo Impuest.db no recuperado...") }));
    EXPECT_EQ(f.messages.shown()[1].title, QStringLiteral("Advertencia del sistema"));
    EXPECT_EQ(taxpayers(f.db.db()), 1);
    EXPECT_TRUE(f.folder.previousDatabases().isEmpty());
    EXPECT_TRUE(leftovers(f.folder.path()).isEmpty());
}

TEST(Backup, WithoutVolumeAsksForAFolderOrWritesNothing)
{
    Fixture f;
    EXPECT_FALSE(f.flow().CopiarDiskette());
    EXPECT_EQ(f.messages.texts(),
        QStringList { QStringLiteral("No se encontro disquete en la/s disquetera/s...") });

    QTemporaryDir chosen;
    f.chosenFolder = chosen.path();
    f.messages.clear();
    EXPECT_TRUE(f.flow().CopiarDiskette());
    EXPECT_EQ(f.messages.texts(),
        (QStringList { QStringLiteral("No se encontro disquete en la/s disquetera/s..."),
            QStringLiteral("Backup finalizado con éxito...") }));
    EXPECT_EQ(QDir(chosen.path()).entryList(QDir::Files), QStringList{QStringLiteral("Impuest.zip")});
}

TEST(Backup, RestoreLooksForTheArchiveOnEveryVolumeThenAsks)
{
    Fixture f;
    f.plugVolume();
    EXPECT_FALSE(f.flow().RecupDeDiskette());
    EXPECT_EQ(f.messages.texts(), QStringList { QStringLiteral("No se encontró el disco número 1") });

    QDir().rmdir(f.volume());
    f.messages.clear();
    EXPECT_FALSE(f.flow().RecupDeDiskette());
    EXPECT_EQ(f.messages.texts(),
        QStringList { QStringLiteral("No se encontro disquete en la/s disquetera/s...") });
}

TEST(Backup, BadArchivesAreRefusedAndChangeNothing)
{
    Fixture f;
    const QByteArray before = readAll(f.folder.databasePath());
    QTemporaryDir work;
    const QString good = work.filePath(QStringLiteral("bueno.db"));
    {
        QString error;
        ASSERT_TRUE(f.store.copyToHardDisk({}, &error));
        QFile::copy(f.store.hardDiskCopyPath(), good);
    }
    QByteArray future;
    {
        test::TestDatabase other(QStringLiteral("futura"));
        QSqlQuery(QStringLiteral("PRAGMA user_version = 99"), other.db());
        other.database().close();
        future = readAll(other.path());
    }
    QByteArray corrupt = readAll(good);
    corrupt.replace(corrupt.size() - 4096, 4096, QByteArray(4096, '\xff'));
    QByteArray zipBytes;
    const QString damaged = work.filePath(QStringLiteral("danado.zip"));
    makeZip(damaged, { { QStringLiteral("Impuest.db"), readAll(good) } });
    zipBytes = readAll(damaged);
    zipBytes[zipBytes.size() / 2] = static_cast<char>(zipBytes[zipBytes.size() / 2] ^ 0x55);
    writeFile(damaged, zipBytes);

    const QList<QPair<QString, std::function<void(const QString&)>>> cases {
        { QStringLiteral("dañado"), [&](const QString& p) { QFile::copy(damaged, p); } },
        { QStringLiteral("no es zip"), [&](const QString& p) { writeFile(p, "hola, no soy un zip"); } },
        { QStringLiteral("vacío"), [&](const QString& p) { makeZip(p, {}); } },
        { QStringLiteral("otra cosa"),
            [&](const QString& p) {
                makeZip(p, { { QStringLiteral("carta.txt"), "Estimado" } });
            } },
        { QStringLiteral("dos archivos"),
            [&](const QString& p) {
                makeZip(p,
                    { { QStringLiteral("Impuest.db"), readAll(good) },
                        { QStringLiteral("b.db"), readAll(good) } });
            } },
        { QStringLiteral("base vacía"),
            [&](const QString& p) {
                makeZip(p, { { QStringLiteral("Impuest.db"), {} } });
            } },
        { QStringLiteral("base corrupta"),
            [&](const QString& p) {
                makeZip(p, { { QStringLiteral("Impuest.db"), corrupt } });
            } },
        { QStringLiteral("versión futura"),
            [&](const QString& p) {
                makeZip(p, { { QStringLiteral("Impuest.db"), future } });
            } },
    };
    f.plugVolume();
    for (const auto& [label, make] : cases) {
        SCOPED_TRACE(label.toStdString());
        QFile::remove(f.archive());
        make(f.archive());
        f.messages.clear();
        f.messages.answer(Answer::Yes);
        EXPECT_FALSE(f.flow().RecupDeDiskette());
        ASSERT_EQ(f.messages.shown().size(), 1);
        EXPECT_TRUE(f.messages.last().startsWith(QStringLiteral("Archivo dañado...")))
            << f.messages.last().toStdString();
        EXPECT_EQ(readAll(f.folder.databasePath()), before);
        EXPECT_TRUE(leftovers(f.folder.path()).isEmpty());
    }
}

TEST(Backup, HardDiskCopyAsksFirstAndWritesArchivos)
{
    Fixture f;
    f.messages.answer(Answer::No);
    EXPECT_FALSE(f.flow().Cmd_DiscoRigido());
    EXPECT_EQ(f.messages.texts(),
        (QStringList { QStringLiteral("Está seguro que desea sobreescribir el archivo \"Impuest.db\" que "
                                      "está ubicado en la carpeta \"Archivos\"?..."),
            QStringLiteral("Operación cancelada...") }));
    EXPECT_FALSE(QFile::exists(f.store.hardDiskCopyPath()));

    f.messages.clear();
    f.messages.answer(Answer::Yes);
    EXPECT_TRUE(f.flow().Cmd_DiscoRigido());
    EXPECT_EQ(f.messages.last(), QStringLiteral("Archivo copiado..."));
    EXPECT_TRUE(verifyBackupDatabase(f.store.hardDiskCopyPath()).ok());
}

TEST(Backup, VolumePulledOutDuringTheCopyIsReported)
{
    Fixture f;
    f.plugVolume();
    bool pulled = false;
    auto flow = f.flow([&](int whole, int) {
        if (!pulled && whole >= 40) {
            pulled = true;
            QDir(f.volume()).removeRecursively();
        }
    });
    EXPECT_FALSE(flow.CopiarDiskette());
    EXPECT_TRUE(pulled);
    EXPECT_TRUE(f.messages.last().startsWith(QStringLiteral("No se pudo realizar el BackUp...")));
    EXPECT_FALSE(QFile::exists(f.archive()));
    EXPECT_EQ(taxpayers(f.db.db()), 0); // the database is untouched and still usable
}

TEST(Backup, FullDiskLeavesEarlierCopiesWhole)
{
    Fixture f;
    f.plugVolume();
    QString error;
    ASSERT_TRUE(f.store.copyToHardDisk({}, &error));
    ASSERT_TRUE(f.flow().CopiarDiskette());
    const QByteArray copy = readAll(f.store.hardDiskCopyPath());
    const QByteArray zip = readAll(f.archive());
    addTaxpayer(f.db.db(), QStringLiteral("NUEVO"));

    // Writes beyond 64 KiB fail as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &tiny);
    f.messages.clear();
    f.messages.answer(Answer::Yes);
    const bool copied = f.flow().Cmd_DiscoRigido();
    const bool backedUp = f.flow().CopiarDiskette();
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(copied);
    EXPECT_FALSE(backedUp);
    ASSERT_EQ(f.messages.shown().size(), 3);
    EXPECT_TRUE(f.messages.shown()[1].text.startsWith(QStringLiteral("Se produjo el siguiente error: \n")));
    EXPECT_TRUE(f.messages.shown()[1].text.endsWith(QStringLiteral("\nEl archivo no pudo copiarse...")));
    EXPECT_TRUE(f.messages.shown()[2].text.startsWith(QStringLiteral("No se pudo realizar el BackUp...")));
    EXPECT_EQ(readAll(f.store.hardDiskCopyPath()), copy);
    EXPECT_EQ(readAll(f.archive()), zip);
    EXPECT_TRUE(leftovers(f.folder.archivosPath()).isEmpty());
    EXPECT_TRUE(leftovers(f.volume()).isEmpty());
    EXPECT_EQ(taxpayers(f.db.db()), 1);
}

TEST(Backup, RestoreWithoutAnOpenDatabaseNeedsNoQuestionWhenTheFileIsGone)
{
    Fixture f;
    f.plugVolume();
    ASSERT_TRUE(f.flow().CopiarDiskette());
    f.db.database().close();
    backupfiles::removeWithCompanions(f.folder.databasePath());
    BackupStore closed(f.folder, nullptr);
    BackupFlow::Hooks hooks;
    BackupFlow flow(closed, BackupVolumes({ f.volume() }), hooks);
    f.messages.clear();
    EXPECT_FALSE(flow.CopiarDiskette());
    EXPECT_EQ(f.messages.last(),
        QStringLiteral("No se pudo realizar el BackUp...") + u'\n'
            + QStringLiteral("La base de datos no está abierta."));
    f.messages.clear();
    EXPECT_TRUE(flow.RecupDeDiskette());
    EXPECT_EQ(f.messages.texts(), QStringList { QStringLiteral("Descompresión finalizada...") });
    EXPECT_TRUE(verifyBackupDatabase(f.folder.databasePath()).ok());
    EXPECT_TRUE(f.folder.hadDatabase());
}
