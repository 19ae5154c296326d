#include "app/update/updateflow.h"

#include "app/update/updatemessages.h"
#include "app/update/updateproxy.h"
#include "app/update/updateunpack.h"
#include "app/update/updateverify.h"
#include "common/messages.h"
#include "data/backupmessages.h"

#include <QDir>
#include <QTemporaryDir>

namespace ventrix::app {
namespace {

QString withReason(const QString& message, const QString& reason)
{
    return reason.isEmpty() ? message : message + u'\n' + reason;
}

const QString LocalArchive = QStringLiteral("VentrixActualizacion.zip");

}

namespace update::msg {

QString progress(qint64 received, qint64 total, qint64 seconds)
{
    const qint64 rate = seconds > 0 ? received / seconds : received;
    return QString::number(received / 1024) + QStringLiteral(" Kbytes de ")
        + QString::number((total >= 0 ? total : received) / 1024) + QStringLiteral(" Kbytes ")
        + QString::number(seconds) + QStringLiteral(" seg ") + QString::number(rate)
        + QStringLiteral(" bytes/seg");
}

}

Result<QUrl> updateUrl(const QString& typed)
{
    QString address = typed.trimmed();
    const qsizetype scheme = address.indexOf(QStringLiteral("://"));
    if (scheme < 0)
        address.prepend(QStringLiteral("https://"));
    QUrl url(address, QUrl::StrictMode);
    const QString kind = url.scheme().toLower();
    if (!url.isValid() || (kind != QStringLiteral("https") && kind != QStringLiteral("http")))
        return Error { update::msg::schemeRefused() };
    if (url.host().isEmpty())
        return Error { QStringLiteral("La dirección no tiene servidor: ") + typed };
    url.setScheme(kind);
    url.setPath(updateArchivePath());
    url.setQuery(QString());
    url.setFragment(QString());
    url.setUserInfo(QString());
    return url;
}

UpdateFlow::UpdateFlow(UpdateSettings settings, Hooks hooks)
    : m_settings(std::move(settings))
    , m_hooks(std::move(hooks))
{
    if (!m_hooks.systemProxy)
        m_hooks.systemProxy = Lee_Proxy;
}

UpdateFlow::~UpdateFlow() = default;

void UpdateFlow::setStatus(const QString& text) const
{
    if (m_hooks.status)
        m_hooks.status(text);
}

void UpdateFlow::setConnected(bool connected) const
{
    if (m_hooks.connected)
        m_hooks.connected(connected);
}

bool UpdateFlow::isConnected() const
{
    return m_download && m_download->isConnected();
}

void UpdateFlow::Desconectar()
{
    if (m_download)
        m_download->abort();
}

// The proxy the system names, confirmed to the user; NoProxy when there is none.
std::optional<QNetworkProxy> UpdateFlow::proxyStep()
{
    const Result<QUrl> probe = updateUrl(m_settings.defaultServer);
    const QString text = m_hooks.systemProxy(probe ? *probe : QUrl(QStringLiteral("https://localhost")));
    if (text.isEmpty())
        return QNetworkProxy(QNetworkProxy::NoProxy);
    std::optional<ProxySetting> setting = splitProxy(text);
    if (!setting) {
        inform(update::msg::proxyNotDetected());
        return QNetworkProxy(QNetworkProxy::NoProxy);
    }
    inform(update::msg::throughProxy(text));
    if (setting->host.isEmpty()) {
        const std::optional<QString> typed = askText({}, update::msg::proxyAddressPrompt());
        if (!typed || typed->trimmed().isEmpty()) {
            inform(update::msg::connectionCancelled());
            return std::nullopt;
        }
        setting->host = typed->trimmed();
    }
    return setting->proxy();
}

bool UpdateFlow::download(const QUrl& url, const QString& file)
{
    DownloadEvents events;
    events.connected = [this](const QString& host) {
        setConnected(true);
        setStatus(update::msg::connectedWith(host));
    };
    events.progress = [this](qint64 received, qint64 total, qint64 seconds) {
        setStatus(update::msg::progress(received, total, seconds));
    };
    events.error = [this](int code, const QString& text) { setStatus(update::msg::error(code, text)); };
    events.disconnected = [this] {
        setConnected(false);
        setStatus(update::msg::disconnected());
    };
    const DownloadResult result = m_download->get(url, file, events);
    switch (result.failure) {
    case DownloadFailure::None:
        return true;
    case DownloadFailure::Connect:
        fail(withReason(update::msg::connectFailed(), result.reason));
        return false;
    case DownloadFailure::Receive:
        fail(withReason(update::msg::receiveFailed(), result.reason));
        return false;
    case DownloadFailure::Cancelled:
        inform(update::msg::connectionCancelled());
        return false;
    }
    return false;
}

bool UpdateFlow::checkAndUnpack(const QString& zip, const QString& signature)
{
    const Result<QByteArray> key = m_settings.publicKey();
    // The signature is checked before the archive is even opened: nothing from an unknown
    // source is parsed.
    Status sound = key ? verifyUpdateSignature(zip, signature, *key) : Status(Error { key.error() });
    if (sound)
        sound = validZIPFile(zip);
    if (!sound) {
        warn(withReason(update::msg::damagedArchive(), sound.error()));
        return false;
    }
    if (m_hooks.backup) {
        if (const Status backedUp = m_hooks.backup(); !backedUp) {
            warn(withReason(data::msg::backupFailed(), backedUp.error()));
            return false;
        }
    }
    if (const Status unpacked = unpackUpdate(zip, m_settings.updateFolder); !unpacked) {
        warn(withReason(update::msg::unpackIncomplete(), unpacked.error()));
        return false;
    }
    inform(update::msg::unpacked());
    return true;
}

bool UpdateFlow::Cmd_ActualizarWeb()
{
    Desconectar();
    setStatus({});
    const std::optional<QNetworkProxy> proxy = proxyStep();
    if (!proxy)
        return false;
    const std::optional<QString> typed = askText({}, update::msg::serverPrompt(), m_settings.defaultServer);
    if (!typed || typed->trimmed().isEmpty()) {
        inform(update::msg::connectionCancelled());
        return false;
    }
    const Result<QUrl> url = updateUrl(*typed);
    if (!url) {
        fail(withReason(update::msg::connectFailed(), url.error()));
        return false;
    }
    QTemporaryDir place;
    if (!place.isValid()) {
        fail(withReason(update::msg::receiveFailed(), place.errorString()));
        return false;
    }
    const QString zip = place.filePath(LocalArchive);
    const QString signature = zip + QStringLiteral(".sig");
    QUrl signatureUrl = *url;
    signatureUrl.setPath(updateSignaturePath());
    m_download = std::make_unique<UpdateDownload>(*proxy, m_settings.extraCertificates);
    const bool fetched = download(*url, zip) && download(signatureUrl, signature);
    setConnected(false);
    return fetched && checkAndUnpack(zip, signature);
}

}
