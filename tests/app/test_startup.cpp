#include "app/componentversions.h"
#include "app/newestexecutable.h"
#include "app/regionalcheck.h"
#include "app/startup.h"
#include "data/database.h"
#include "data/datafolderlock.h"
#include "rates/deliveredindices.h"
#include "scriptedmessages.h"
#include "testdatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace ventrix;
using namespace ventrix::data;
using namespace ventrix::rates;
using namespace ventrix::app;

namespace {

void touch(const QString& path, const QDateTime& when, bool executable = true)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.flush();
    f.setFileTime(when, QFileDevice::FileModificationTime);
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QDateTime Base(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC);

}

TEST(RegionalCheck, DateAndNumberFormats)
{
    EXPECT_TRUE(dateFormatOk(QStringLiteral("05/10/1999")));
    EXPECT_FALSE(dateFormatOk(QStringLiteral("5/10/1999"))); // 9 characters
    EXPECT_FALSE(dateFormatOk(QStringLiteral("05/10/99"))); // two-digit year
    EXPECT_FALSE(dateFormatOk(QStringLiteral("10/05/1999"))); // month first
    EXPECT_FALSE(dateFormatOk(QStringLiteral("1999-10-05")));
    EXPECT_TRUE(groupingOk(QStringLiteral("3;0")));
    EXPECT_FALSE(groupingOk(QStringLiteral("3")));
    EXPECT_FALSE(groupingOk(QStringLiteral("3;2;0")));
    EXPECT_TRUE(decimalsOk(QStringLiteral("2")));
    EXPECT_FALSE(decimalsOk(QStringLiteral("3")));
    EXPECT_FALSE(regionalProblem(programRegionalSettings()));
}

TEST(RegionalCheck, FirstFailingSettingNamesItsFix)
{
    RegionalSettings s = programRegionalSettings();
    s.currencyDecimals = QStringLiteral("0");
    EXPECT_EQ(regionalProblem(s),
        QStringLiteral("Deberá cambiar el Número de Dígitos Decimales de su sistema monetario\n\n"
                       "Seleccione en el Panel de Control en el ítem Configuración Regional\n"
                       "el formato de Moneda -> Número de dígitos decimales = 2"));
    s.numberGrouping = QStringLiteral("3");
    EXPECT_TRUE(regionalProblem(s)->startsWith(
        QStringLiteral("Deberá cambiar el Número de Dígitos en Grupo de su sistema numérico\n\n")));
    s.dateOf5October1999 = QStringLiteral("5/10/1999");
    EXPECT_EQ(regionalProblem(s),
        QStringLiteral("Deberá cambiar el formato de la fecha de su sistema\n\n"
                       "Seleccione en el Panel de Control en el ítem Configuración Regional\n"
                       "el formato de la fecha dd/mm/aaaa"));
}

TEST(ComponentVersions, OnlyDifferingVersionsAreReportedNewerOrOlder)
{
    const ComponentVersion same { QStringLiteral("Qt"), QStringLiteral("6.4.2"), QStringLiteral("6.4.2"),
        QStringLiteral("/lib/qt") };
    const ComponentVersion newer { QStringLiteral("zint"), QStringLiteral("2.12.0"), QStringLiteral("2.11.1"),
        QStringLiteral("/lib/zint") };
    EXPECT_TRUE(Verifica_Version(same).isEmpty());
    EXPECT_EQ(Verifica_Version(newer),
        QStringLiteral("La versión de zint es 2.12.0 y debería ser 2.11.1\n"
                       "El archivo utilizado es /lib/zint\n\n\n"));
    EXPECT_EQ(versionWarnings({ same, newer, newer }), Verifica_Version(newer) + Verifica_Version(newer));
    // The program's own libraries agree with the versions it was built with.
    EXPECT_EQ(versionWarnings(programComponents()), QString());
}

TEST(NewestExecutable, NewestCopyIsStartedUnlessItIsTheRunningOne)
{
    QTemporaryDir dir;
    const QString running = dir.filePath(QStringLiteral("ventrix"));
    touch(running, Base);
    EXPECT_EQ(newerCopyOf(running), std::nullopt);

    touch(dir.filePath(QStringLiteral("ventrix-cli")), Base.addDays(9)); // the tool is no copy
    touch(dir.filePath(QStringLiteral("ventrix.txt")), Base.addDays(9), false);
    touch(dir.filePath(QStringLiteral("ventrix2")), Base.addDays(2));
    touch(dir.filePath(QStringLiteral("ventrix3")), Base.addDays(1));
    EXPECT_EQ(newerCopyOf(running), dir.filePath(QStringLiteral("ventrix2")));

    // Equal dates: the first by name wins, so the running one stays when it comes first.
    touch(running, Base.addDays(2));
    EXPECT_EQ(newerCopyOf(running), std::nullopt);
    EXPECT_EQ(newerCopyOf(dir.filePath(QStringLiteral("ventrix2"))), running);
}

TEST(NewestExecutable, KorvelNeverSearchesAndRenamedProgramGoesOn)
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("ventrix9")), Base.addDays(5));
    touch(dir.filePath(QStringLiteral("Korvel")), Base);
    EXPECT_EQ(newerCopyOf(dir.filePath(QStringLiteral("Korvel"))), std::nullopt);
    QTemporaryDir other;
    touch(other.filePath(QStringLiteral("impuestos")), Base);
    EXPECT_EQ(newerCopyOf(other.filePath(QStringLiteral("impuestos"))), std::nullopt);
}

TEST(DataFolderLock, SecondCopyRefusedAndStaleLockTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ventrix.lock"));
    DataFolderLock first(path);
    ASSERT_EQ(first.acquire(), DataFolderLock::Result::Acquired);
    DataFolderLock second(path);
    EXPECT_EQ(second.acquire(), DataFolderLock::Result::HeldByAnother);
    first.release();
    EXPECT_EQ(second.acquire(), DataFolderLock::Result::Acquired);
    second.release();

    // A lock left by a process that is gone.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QByteArray contents;
    {
        QLockFile real(path);
        ASSERT_TRUE(real.tryLock(0));
        contents = readAll(path);
    }
    contents = QByteArray::number(pid) + contents.mid(contents.indexOf('\n'));
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(contents);
    stale.close();
    DataFolderLock third(path);
    EXPECT_EQ(third.acquire(), DataFolderLock::Result::Acquired);
}

class StartupTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    DataFolder folder { dir.filePath(QStringLiteral("datos")) };
    DataFolderLock lock { folder.lockPath() };
    Startup startup { { dir.filePath(QStringLiteral("ventrix")), { QStringLiteral("--x") }, folder }, lock };
    test::ScriptedMessages messages;
    Database database;

    StartupWindow inicia(
        QList<ComponentVersion> components = {}, RegionalSettings regional = programRegionalSettings())
    {
        return startup.Inicia(database, components, regional);
    }
    void plantDatabase(const QByteArray& bytes)
    {
        QDir().mkpath(folder.path());
        QString error;
        ASSERT_TRUE(folder.markDatabaseCreated(&error));
        QFile f(folder.databasePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(StartupTest, FirstStartCreatesTheDatabaseSilentlyThenALossIsReported)
{
    ASSERT_EQ(startup.Main([](const QString&, const QStringList&) { return false; }), MainOutcome::Continue);
    EXPECT_EQ(inicia(), StartupWindow::Principal);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_TRUE(QDir(folder.archivosPath()).exists());
    EXPECT_TRUE(database.connection().isOpen());
    EXPECT_TRUE(folder.hadDatabase());
    // The program brings the index history in its new database.
    QSqlQuery history(QStringLiteral("SELECT MIN(Fecha), COUNT(*) FROM Indices"), database.connection());
    ASSERT_TRUE(history.next());
    EXPECT_EQ(history.value(0).toString(), QStringLiteral("2000-01-01"));
    EXPECT_GT(history.value(1).toInt(), 9000);

    database.close();
    QFile::remove(folder.databasePath());
    EXPECT_EQ(inicia(), StartupWindow::Backup);
    EXPECT_EQ(messages.texts(),
        QStringList { QStringLiteral("Base de datos no econtrada...\nRecuperar desde el Backup ...") });
    EXPECT_FALSE(QFile::exists(folder.databasePath()));
}

TEST_F(StartupTest, SecondStartIsRefused)
{
    QDir().mkpath(folder.path());
    DataFolderLock running(folder.lockPath());
    ASSERT_EQ(running.acquire(), DataFolderLock::Result::Acquired);
    EXPECT_EQ(startup.Main([](const QString&, const QStringList&) { return true; }), MainOutcome::End);
    EXPECT_EQ(
        messages.texts(), QStringList { QStringLiteral("Ya existe una aplicación abierta en ésta PC...") });
}

TEST_F(StartupTest, NewerCopyIsStartedWithTheSameArgumentsAndFindsTheFolderFree)
{
    touch(dir.filePath(QStringLiteral("ventrix")), Base);
    touch(dir.filePath(QStringLiteral("ventrix_nueva")), Base.addDays(1));
    QString started;
    QStringList passed;
    bool lockedWhenStarted = true;
    const auto launch = [&](const QString& program, const QStringList& args) {
        started = program;
        passed = args;
        lockedWhenStarted = lock.isHeld();
        return true;
    };
    EXPECT_EQ(startup.Main(launch), MainOutcome::End);
    EXPECT_EQ(started, dir.filePath(QStringLiteral("ventrix_nueva")));
    EXPECT_EQ(passed, QStringList { QStringLiteral("--x") });
    EXPECT_FALSE(lockedWhenStarted);

    // A copy that cannot be started leaves this one running.
    EXPECT_EQ(startup.Main([](const QString&, const QStringList&) { return false; }), MainOutcome::Continue);
    EXPECT_TRUE(lock.isHeld());
}

TEST_F(StartupTest, UnwritableDataFolderIsReported)
{
    // A data folder under a plain file cannot be created, whoever runs the program.
    QFile file(dir.filePath(QStringLiteral("archivo")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const DataFolder blocked(dir.filePath(QStringLiteral("archivo/datos")));
    DataFolderLock blockedLock(blocked.lockPath());
    Startup s({ dir.filePath(QStringLiteral("ventrix")), {}, blocked }, blockedLock);
    EXPECT_EQ(s.Main([](const QString&, const QStringList&) { return false; }), MainOutcome::End);
    EXPECT_EQ(messages.texts(),
        QStringList { QStringLiteral("No se puede escribir en la carpeta de datos ") + blocked.path()
            + QStringLiteral("\nVerifique que exista y que tenga permiso para modificarla.") });
    messages.clear();
    EXPECT_EQ(s.Inicia(database, {}, programRegionalSettings()), StartupWindow::None);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("No se pudo crear la carpeta ")));
}

TEST_F(StartupTest, UnusableDatabasesOpenTheBackupWindowAndStayUntouched)
{
    QByteArray good;
    QByteArray future;
    {
        Database made(QStringLiteral("hecha"));
        const QString path = dir.filePath(QStringLiteral("hecha.db"));
        ASSERT_TRUE(made.create(path, loadDeliveredIndices).ok());
        made.close();
        good = readAll(path);
        Database f(QStringLiteral("futura"));
        ASSERT_TRUE(f.open(path).ok());
        QSqlQuery(QStringLiteral("PRAGMA user_version = 50"), f.connection());
        f.close();
        future = readAll(path);
    }
    QByteArray corrupt = good;
    corrupt.replace(corrupt.size() - 8192, 4096, QByteArray(4096, '\x5a'));
    const QList<QPair<QString, QByteArray>> cases {
        { QStringLiteral("vacía"), {} },
        { QStringLiteral("truncada"), good.left(good.size() / 3) },
        { QStringLiteral("cabecera cortada"), good.left(50) },
        { QStringLiteral("no es SQLite"),
            QByteArray("Esto es una carta, no una base de datos.").repeated(200) },
        { QStringLiteral("corrupta"), corrupt },
        { QStringLiteral("versión futura"), future },
    };
    for (const auto& [label, bytes] : cases) {
        SCOPED_TRACE(label.toStdString());
        plantDatabase(bytes);
        messages.clear();
        EXPECT_EQ(inicia(), StartupWindow::Backup);
        ASSERT_EQ(messages.shown().size(), 1);
        const QStringList lines = messages.last().split(u'\n');
        EXPECT_EQ(lines.first(), QStringLiteral("Nombre de Usuario y/o Password no válido..."));
        EXPECT_GE(lines.size(), 2);
        EXPECT_FALSE(lines.value(1).isEmpty());
        EXPECT_EQ(readAll(folder.databasePath()), bytes);
        EXPECT_FALSE(database.connection().isOpen());
    }
}

TEST_F(StartupTest, VersionWarningContinuesButRegionalFailureEnds)
{
    const ComponentVersion old { QStringLiteral("SQLite"), QStringLiteral("3.1"), QStringLiteral("3.40.1"),
        QStringLiteral("/x") };
    EXPECT_EQ(inicia({ old }), StartupWindow::Principal);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].title,
        QStringLiteral("Incompatibilidades que pueden generar mal funcionamiento..."));
    EXPECT_EQ(messages.shown()[0].text, Verifica_Version(old).trimmed());

    database.close();
    messages.clear();
    RegionalSettings bad = programRegionalSettings();
    bad.numberDecimals = QStringLiteral("0");
    EXPECT_EQ(inicia({}, bad), StartupWindow::None);
    EXPECT_TRUE(messages.last().startsWith(
        QStringLiteral("Deberá cambiar el Número de Dígitos Decimales de su sistema numérico")));
}

TEST_F(StartupTest, OlderSchemaIsUpgradedOnOpen)
{
    ASSERT_EQ(inicia(), StartupWindow::Principal);
    test::TestDatabase::makeFirstVersion(database.connection());
    database.close();
    EXPECT_EQ(inicia(), StartupWindow::Principal);
    EXPECT_EQ(database.schemaVersion(), Database::latestSchemaVersion());
    QSqlQuery q(QStringLiteral("SELECT CMD_PassWord FROM CMD"), database.connection());
    EXPECT_TRUE(q.isActive());
}

TEST_F(StartupTest, FullDiskOnFirstStartLeavesNothingBehind)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 16 * 1024; // writes beyond this fail as on a full disk
    setrlimit(RLIMIT_FSIZE, &tiny);
    const StartupWindow window = inicia();
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(window, StartupWindow::None);
    EXPECT_TRUE(messages.last().startsWith(QStringLiteral("No se pudo crear la base de datos ")));
    EXPECT_FALSE(QFile::exists(folder.databasePath()));
    EXPECT_FALSE(folder.hadDatabase());
    // With room again the next start is a first start.
    messages.clear();
    EXPECT_EQ(inicia(), StartupWindow::Principal);
    EXPECT_TRUE(messages.shown().isEmpty());
}
