#include "app/ui/webupdate.h"
#include "data/autobackup.h"
#include "data/backupstore.h"
#include "data/ui/frm_backup.h"
#include "loopbackhttpserver.h"
#include "screenshot.h"
#include "scriptedmessages.h"
#include "testdatabase.h"
#include "updatearchives.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace ventrix;

namespace {

const QString ArchivePath = QStringLiteral("/Aplicativos/Ventrix/ActualizaWeb/ActualVentrix.zip");

// Bytes that do not compress, so the archive has the size of its contents.
QByteArray noise(int size)
{
    QByteArray out(size, '\0');
    quint32 x = 2463534242u;
    for (char& c : out) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return out;
}

// The backup window over a test database with the update plugged in against a loopback server.
struct Fixture
{
    test::TestDatabase db;
    test::ScriptedMessages messages;
    test::TestSigningKey key;
    test::LoopbackHttpServer server;
    QTemporaryDir program;
    QTemporaryDir work;
    data::BackupStore store { data::DataFolder(db.folder()), &db.database() };
    data::Frm_Backup window { store, data::BackupVolumes(QStringList()) };
    QByteArray zip = test::makeZip({ { QStringLiteral("ventrix-2"), noise(300000), 0100755 } });

    Fixture()
    {
        QFile pem(work.filePath(QStringLiteral("clave.pem")));
        pem.open(QIODevice::WriteOnly);
        pem.write(key.publicPem());
        pem.close();
        app::UpdateSettings settings;
        settings.defaultServer = QStringLiteral("https://www.agt.valdera.gob.ar");
        settings.publicKeyPath = pem.fileName();
        settings.updateFolder = program.path();
        app::installWebUpdate(window, store, settings);
        window.show();
    }

    QPushButton* update() const
    {
        return window.findChild<QPushButton*>(QStringLiteral("Cmd_ActualizarWeb"));
    }
    QLabel* web() const { return window.findChild<QLabel*>(QStringLiteral("Lab_Web")); }
};

}

TEST(Frm_BackupWeb, TheUpdateButtonDownloadsVerifiesAndUnpacksAfterAnAutomaticBackup)
{
    Fixture f;
    f.server.serve(ArchivePath, { 200, f.zip, -1, false });
    f.server.serve(ArchivePath + QStringLiteral(".sig"), { 200, f.key.sign(f.zip), -1, false });
    ASSERT_NE(f.update(), nullptr);
    ASSERT_NE(f.web(), nullptr);
    EXPECT_TRUE(f.update()->isVisible());

    f.messages.answerText(f.server.address());
    QTest::mouseClick(f.update(), Qt::LeftButton);

    EXPECT_EQ(f.messages.texts(),
        (QStringList {
            QStringLiteral("Dirección del servidor WEB"), QStringLiteral("Descompresión finalizada...") }));
    EXPECT_EQ(f.messages.proposals(), QStringList { QStringLiteral("https://www.agt.valdera.gob.ar") });
    EXPECT_EQ(f.web()->text(), QStringLiteral("Desconectado del Servidor WEB..."));
    EXPECT_TRUE(f.update()->isEnabled());
    EXPECT_FALSE(f.window.isConnected());
    EXPECT_TRUE(QFileInfo(f.program.filePath(QStringLiteral("ventrix-2"))).isExecutable());
    const auto backups = data::automaticBackups(data::DataFolder(f.db.folder()));
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(backups.front().reason, QStringLiteral("actualizacion"));
}

TEST(Frm_BackupWeb, LeavingWhileConnectedAsksAndYesBreaksOffTheDownload)
{
    Fixture f;
    f.server.serve(ArchivePath, { 200, f.zip, -1, true });
    f.messages.answerText(f.server.address());
    f.messages.answer(Answer::No);
    f.messages.answer(Answer::Yes);
    bool stillOpenAfterNo = false;
    QString progress;
    bool enabledWhileWorking = true;
    // Half the archive comes before the server stalls.
    const QString expected = QString::number(f.zip.size() / 2 / 1024) + QStringLiteral(" Kbytes de ")
        + QString::number(f.zip.size() / 1024) + QStringLiteral(" Kbytes ");
    QTimer watch;
    int ticks = 0;
    QObject::connect(&watch, &QTimer::timeout, &f.window, [&] {
        if (!f.web()->text().startsWith(expected) && ++ticks < 500)
            return;
        watch.stop();
        progress = f.web()->text();
        enabledWhileWorking = f.update()->isEnabled();
        test::saveScreenshot(&f.window, QStringLiteral("frm_backup_web"));
        f.window.close();
        stillOpenAfterNo = f.window.isVisible() && f.window.isConnected();
        QTimer::singleShot(50, &f.window, [&] { f.window.close(); });
    });
    watch.start(20);
    QTest::mouseClick(f.update(), Qt::LeftButton);

    EXPECT_TRUE(progress.startsWith(expected) && progress.contains(QStringLiteral(" seg "))
        && progress.endsWith(QStringLiteral(" bytes/seg")))
        << progress.toStdString();
    EXPECT_FALSE(enabledWhileWorking);
    EXPECT_TRUE(stillOpenAfterNo);
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_EQ(f.messages.texts(),
        (QStringList { QStringLiteral("Dirección del servidor WEB"),
            QStringLiteral("Desea desconectarse de internet?"),
            QStringLiteral("Desea desconectarse de internet?"), QStringLiteral("Conexión cancelada...") }));
    EXPECT_TRUE(QDir(f.program.path()).isEmpty());
    EXPECT_TRUE(data::automaticBackups(data::DataFolder(f.db.folder())).isEmpty());
}
