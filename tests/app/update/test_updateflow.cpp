#include "app/newestexecutable.h"
#include "app/update/updateflow.h"
#include "app/update/updateproxy.h"
#include "loopbackhttpserver.h"
#include "scriptedmessages.h"
#include "updatearchives.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::app;

namespace {

const QString ArchivePath = QStringLiteral("/Aplicativos/Ventrix/ActualizaWeb/ActualVentrix.zip");
const QString SignaturePath = ArchivePath + QStringLiteral(".sig");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every file under folder with its contents, to tell that nothing changed.
QMap<QString, QByteArray> contents(const QString& folder)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        out.insert(QDir(folder).relativeFilePath(path), f.readAll());
    }
    return out;
}

QByteArray goodArchive()
{
    return test::makeZip(
        { { QStringLiteral("ventrix-2"), QByteArrayLiteral("#!/bin/sh\necho nueva\n"), 0100755 },
            { QStringLiteral("LEEME.txt"), QByteArrayLiteral("Versión nueva") },
            { QStringLiteral("ayuda/"), {}, 040755 },
            { QStringLiteral("ayuda/indice.html"), QByteArray(40000, 'x') } });
}

// An update folder holding the running program, a server, the signing key and the flow's hooks.
struct Fixture
{
    test::TestSigningKey key;
    test::LoopbackHttpServer server;
    test::ScriptedMessages messages;
    QTemporaryDir program;
    QTemporaryDir work;
    UpdateSettings settings;
    QStringList statuses;
    QList<bool> connectedStates;
    int backups = 0;
    Status backupResult;
    QString systemProxy;

    Fixture()
    {
        writeFile(running(), QByteArrayLiteral("#!/bin/sh\necho vieja\n"));
        QFile::setPermissions(running(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile(running()).setFileTime(
            QDateTime::currentDateTime().addDays(-30), QFileDevice::FileModificationTime);
        writeFile(program.filePath(QStringLiteral("LEEME.txt")), QByteArrayLiteral("Versión vieja"));
        writeFile(work.filePath(QStringLiteral("clave.pem")), key.publicPem());
        settings.defaultServer = server.address();
        settings.publicKeyPath = work.filePath(QStringLiteral("clave.pem"));
        settings.updateFolder = program.path();
    }

    QString running() const { return program.filePath(QStringLiteral("ventrix")); }

    void publish(const QByteArray& zip, const QByteArray& signature)
    {
        server.serve(ArchivePath, { 200, zip, -1 });
        server.serve(SignaturePath, { 200, signature, -1 });
    }

    bool run(const QString& typed)
    {
        messages.answerText(typed);
        UpdateFlow::Hooks hooks;
        hooks.status = [this](const QString& t) { statuses << t; };
        hooks.connected = [this](bool c) { connectedStates << c; };
        hooks.backup = [this] {
            ++backups;
            return backupResult;
        };
        hooks.systemProxy = [this](const QUrl&) { return systemProxy; };
        UpdateFlow flow(settings, hooks);
        return flow.Cmd_ActualizarWeb();
    }
};

}

TEST(UpdateFlow, ASignedArchiveIsUnpackedAndTheNextStartRunsTheNewestExecutable)
{
    Fixture f;
    const QByteArray zip = goodArchive();
    f.publish(zip, f.key.sign(zip));
    ASSERT_TRUE(f.run(f.server.address()));

    EXPECT_EQ(f.messages.texts(),
        (QStringList {
            QStringLiteral("Dirección del servidor WEB"), QStringLiteral("Descompresión finalizada...") }));
    EXPECT_EQ(f.messages.proposals(), QStringList { f.server.address() });
    EXPECT_EQ(f.server.requests(), (QStringList { ArchivePath, SignaturePath }));
    EXPECT_EQ(f.backups, 1);
    EXPECT_TRUE(f.statuses.contains(QStringLiteral("Conectado con 127.0.0.1")));
    EXPECT_EQ(f.statuses.last(), QStringLiteral("Desconectado del Servidor WEB..."));
    const auto progress = std::find_if(f.statuses.cbegin(), f.statuses.cend(),
        [](const QString& s) { return s.contains(QStringLiteral("Kbytes de ")); });
    ASSERT_NE(progress, f.statuses.cend());
    EXPECT_TRUE(
        progress->contains(QStringLiteral(" seg ")) && progress->endsWith(QStringLiteral(" bytes/seg")))
        << progress->toStdString();
    EXPECT_FALSE(f.connectedStates.isEmpty());
    EXPECT_FALSE(f.connectedStates.last());

    const auto files = contents(f.program.path());
    EXPECT_EQ(files.value(QStringLiteral("LEEME.txt")), QByteArrayLiteral("Versión nueva"));
    EXPECT_EQ(files.value(QStringLiteral("ayuda/indice.html")).size(), 40000);
    EXPECT_EQ(files.size(), 4) << QStringList(files.keys()).join(u',').toStdString();
    EXPECT_TRUE(QFileInfo(f.program.filePath(QStringLiteral("ventrix-2"))).isExecutable());
    EXPECT_FALSE(QFileInfo(f.program.filePath(QStringLiteral("LEEME.txt"))).isExecutable());
    EXPECT_EQ(newerCopyOf(f.running()), f.program.filePath(QStringLiteral("ventrix-2")));
}

TEST(UpdateFlow, OverHttpsWithTheServersCertificateTrusted)
{
    Fixture f;
    const test::TestCertificate tls = test::TestCertificate::make();
    f.server.useTls(tls.certificate, tls.key);
    f.settings.extraCertificates = { tls.certificate };
    const QByteArray zip = goodArchive();
    f.publish(zip, f.key.sign(zip));
    // Typed without a scheme: HTTPS is what is used.
    ASSERT_TRUE(f.run(QStringLiteral("127.0.0.1:") + QString::number(f.server.serverPort())))
        << f.messages.texts().join(u'|').toStdString();
    EXPECT_EQ(f.messages.last(), QStringLiteral("Descompresión finalizada..."));

    // A server whose certificate is not trusted is not talked to.
    Fixture g;
    g.server.useTls(tls.certificate, tls.key);
    g.publish(zip, g.key.sign(zip));
    EXPECT_FALSE(g.run(g.server.address()));
    EXPECT_TRUE(g.messages.last().startsWith(QStringLiteral("Error al conectar con el servidor WEB...\n")))
        << g.messages.last().toStdString();
    EXPECT_EQ(g.backups, 0);
}

TEST(UpdateFlow, EveryFailureGivesItsMessageAndChangesNothing)
{
    test::TestSigningKey other;
    const QByteArray zip = goodArchive();
    const QByteArray escaping
        = test::makeZip({ { QStringLiteral("ventrix-2"), QByteArrayLiteral("x"), 0100755 },
            { QStringLiteral("../fuera.txt"), QByteArrayLiteral("afuera") } });
    const QByteArray absolute
        = test::makeZip({ { QStringLiteral("/tmp/ventrix-absoluto"), QByteArrayLiteral("x") } });
    const QByteArray link
        = test::makeZip({ { QStringLiteral("ventrix-2"), QByteArrayLiteral("/etc/passwd"), 0120777 } });
    struct Case
    {
        const char* what;
        std::function<void(Fixture&)> arrange;
        QString typed; // empty: the server's address
        QString message;
    };
    const QList<Case> cases {
        { "signed with another key", [&](Fixture& f) { f.publish(zip, other.sign(zip)); }, {},
            QStringLiteral(
                "Archivo dañado...\nLa firma digital no corresponde al archivo: no fue publicado con "
                "la clave de la A.G.T. o fue alterado.") },
        { "altered after signing",
            [&](Fixture& f) {
                QByteArray changed = zip;
                changed[100] = static_cast<char>(changed[100] ^ 1);
                f.publish(changed, f.key.sign(zip));
            },
            {}, QStringLiteral("Archivo dañado...\nLa firma digital no corresponde") },
        { "signature of the wrong size", [&](Fixture& f) { f.publish(zip, f.key.sign(zip).left(40)); }, {},
            QStringLiteral("Archivo dañado...\nLa firma digital del archivo no tiene el formato esperado.") },
        { "truncated download",
            [&](Fixture& f) {
                f.server.serve(ArchivePath, { 200, zip.left(zip.size() / 2), zip.size() });
                f.server.serve(SignaturePath, { 200, f.key.sign(zip), -1 });
            },
            {}, QStringLiteral("Error al recibir archivo...") },
        { "path out of the folder", [&](Fixture& f) { f.publish(escaping, f.key.sign(escaping)); }, {},
            QStringLiteral("Archivo dañado...\nEl archivo contiene una ruta no permitida: ../fuera.txt") },
        { "absolute path", [&](Fixture& f) { f.publish(absolute, f.key.sign(absolute)); }, {},
            QStringLiteral(
                "Archivo dañado...\nEl archivo contiene una ruta no permitida: /tmp/ventrix-absoluto") },
        { "symbolic link", [&](Fixture& f) { f.publish(link, f.key.sign(link)); }, {},
            QStringLiteral("Archivo dañado...\nEl archivo contiene una ruta no permitida: ventrix-2") },
        { "not found", [](Fixture&) {}, {},
            QStringLiteral("Error al recibir archivo...\nError: 404 Not Found") },
        { "signature not found",
            [&](Fixture& f) {
                f.server.serve(ArchivePath, { 200, zip, -1 });
            },
            {}, QStringLiteral("Error al recibir archivo...\nError: 404 Not Found") },
        { "refused connection", [](Fixture&) {},
            QStringLiteral("http://127.0.0.1:") + QString::number(test::closedLoopbackPort()),
            QStringLiteral("Error al conectar con el servidor WEB...") },
        { "other scheme", [](Fixture&) {}, QStringLiteral("ftp://127.0.0.1"),
            QStringLiteral(
                "Error al conectar con el servidor WEB...\nLa dirección debe empezar con https:// o "
                "http://.") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        c.arrange(f);
        const auto before = contents(f.program.path());
        EXPECT_FALSE(f.run(c.typed.isEmpty() ? f.server.address() : c.typed));
        ASSERT_EQ(f.messages.shown().size(), 2) << f.messages.texts().join(u'|').toStdString();
        EXPECT_TRUE(f.messages.last().startsWith(c.message)) << f.messages.last().toStdString();
        EXPECT_EQ(contents(f.program.path()), before);
        EXPECT_EQ(
            QDir(f.program.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
            2);
        EXPECT_EQ(f.backups, 0);
        EXPECT_EQ(newerCopyOf(f.running()), std::nullopt);
    }
}

TEST(UpdateFlow, AFailedBackupOrACancelledPromptStopsBeforeAnythingIsReplaced)
{
    Fixture f;
    const QByteArray zip = goodArchive();
    f.publish(zip, f.key.sign(zip));
    f.backupResult = Error { QStringLiteral("Disco lleno") };
    const auto before = contents(f.program.path());
    EXPECT_FALSE(f.run(f.server.address()));
    EXPECT_EQ(f.messages.last(), QStringLiteral("No se pudo realizar el BackUp...\nDisco lleno"));
    EXPECT_EQ(contents(f.program.path()), before);

    Fixture g;
    EXPECT_FALSE(g.run(QString()));
    EXPECT_EQ(g.messages.texts(),
        (QStringList {
            QStringLiteral("Dirección del servidor WEB"), QStringLiteral("Conexión cancelada...") }));
    EXPECT_TRUE(g.server.requests().isEmpty());
}

TEST(UpdateFlow, TheSystemProxyCarriesTheRequests)
{
    Fixture f;
    test::LoopbackHttpServer proxy;
    const QByteArray zip = goodArchive();
    proxy.serve(ArchivePath, { 200, zip, -1 });
    proxy.serve(SignaturePath, { 200, f.key.sign(zip), -1 });
    const QByteArray proxyUrl = proxy.address().toUtf8();
    qputenv("http_proxy", proxyUrl);
    qputenv("https_proxy", proxyUrl);
    qunsetenv("no_proxy");
    qunsetenv("NO_PROXY");
    const QString seen = Lee_Proxy(QUrl(QStringLiteral("https://www.agt.valdera.gob.ar")));
    f.messages.answerText(QStringLiteral("http://actualizaciones.invalid"));
    UpdateFlow::Hooks hooks; // the system's own proxy lookup
    hooks.backup = [] { return Status(); };
    const bool updated = UpdateFlow(f.settings, hooks).Cmd_ActualizarWeb();
    qunsetenv("http_proxy");
    qunsetenv("https_proxy");

    EXPECT_EQ(seen, QStringLiteral("127.0.0.1:") + QString::number(proxy.serverPort()));
    EXPECT_TRUE(updated) << f.messages.texts().join(u'|').toStdString();
    EXPECT_EQ(f.messages.texts().first(),
        QStringLiteral("Ud. está accediendo a internet a través de un servidor PROXY 127.0.0.1:")
            + QString::number(proxy.serverPort()));
    EXPECT_EQ(proxy.requests(),
        (QStringList { QStringLiteral("http://actualizaciones.invalid") + ArchivePath,
            QStringLiteral("http://actualizaciones.invalid") + SignaturePath }));
    EXPECT_TRUE(f.server.requests().isEmpty());
}

TEST(UpdateFlow, AProxyWithoutHostIsAskedForAndABadOneIsTold)
{
    Fixture f;
    test::LoopbackHttpServer proxy;
    const QByteArray zip = goodArchive();
    proxy.serve(ArchivePath, { 200, zip, -1 });
    proxy.serve(SignaturePath, { 200, f.key.sign(zip), -1 });
    f.systemProxy = QStringLiteral(":") + QString::number(proxy.serverPort());
    f.messages.answerText(QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(f.run(QStringLiteral("http://actualizaciones.invalid")));
    EXPECT_EQ(f.messages.texts().mid(0, 3),
        (QStringList { QStringLiteral("Ud. está accediendo a internet a través de un servidor PROXY :")
                + QString::number(proxy.serverPort()),
            QStringLiteral("Ingrese la dirección IP del Proxy"),
            QStringLiteral("Dirección del servidor WEB") }));
    EXPECT_EQ(proxy.requests().size(), 2);

    Fixture g;
    g.systemProxy = QStringLiteral("proxy.local:puerto");
    g.run(QString());
    EXPECT_EQ(g.messages.texts().first(),
        QStringLiteral(
            "Para detectar y utilizar servidor proxy es necesario tener instalado Internet Explorer 5.5 o "
            "posterior..."));
}

TEST(UpdateFlow, TheTypedAddressKeepsHttpsUnlessItSaysHttp)
{
    EXPECT_EQ(updateUrl(QStringLiteral(" www.agt.valdera.gob.ar "))->toString(),
        QStringLiteral("https://www.agt.valdera.gob.ar") + ArchivePath);
    EXPECT_EQ(updateUrl(QStringLiteral("HTTP://servidor:8080/otra/ruta?x=1"))->toString(),
        QStringLiteral("http://servidor:8080") + ArchivePath);
    EXPECT_EQ(updateUrl(QStringLiteral("https://servidor"))->toString(),
        QStringLiteral("https://servidor") + ArchivePath);
    EXPECT_FALSE(updateUrl(QStringLiteral("file:///etc/passwd")).ok());
    EXPECT_FALSE(updateUrl(QStringLiteral("https://")).ok());
}
