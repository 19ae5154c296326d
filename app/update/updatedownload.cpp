#include "app/update/updatedownload.h"

#include "app/update/updatemessages.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

namespace ventrix::app {
namespace {

constexpr int TransferTimeoutMs = 30000;

QNetworkRequest requestFor(const QUrl& url, const QList<QSslCertificate>& extra)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(TransferTimeoutMs);
    // Never from HTTPS down to plain HTTP on a redirect.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    if (!extra.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(extra);
        request.setSslConfiguration(ssl);
    }
    return request;
}

// What the server answered, as the error event shows it.
std::pair<int, QString> errorOf(QNetworkReply* reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return { status, reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString() };
    return { static_cast<int>(reply->error()), reply->errorString() };
}

}

UpdateDownload::UpdateDownload(const QNetworkProxy& proxy, QList<QSslCertificate> extraCertificates)
    : m_extraCertificates(std::move(extraCertificates))
{
    m_manager.setProxy(proxy);
}

UpdateDownload::~UpdateDownload()
{
    if (m_reply)
        m_reply->abort();
}

void UpdateDownload::abort()
{
    m_aborted = true;
    if (m_reply)
        m_reply->abort();
}

DownloadResult UpdateDownload::get(const QUrl& url, const QString& file, const DownloadEvents& events)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return { DownloadFailure::Receive, out.errorString() };
    m_aborted = false;
    m_connected = false;
    QNetworkReply* reply = m_manager.get(requestFor(url, m_extraCertificates));
    m_reply = reply;
    QElapsedTimer clock;
    clock.start();
    qint64 received = 0;
    QString writeProblem;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        if (!m_connected && events.connected)
            events.connected(url.host());
        m_connected = true;
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        const QByteArray bytes = reply->readAll();
        received += bytes.size();
        if (received > MaximumBytes)
            writeProblem = update::msg::tooLarge();
        else if (out.write(bytes) != bytes.size())
            writeProblem = out.errorString();
        if (!writeProblem.isEmpty()) {
            reply->abort();
            return;
        }
        // Told for every piece received: the network's own progress signal is held back
        // between close pieces, and a stalled server would leave the last one untold.
        if (events.progress) {
            const QVariant total = reply->header(QNetworkRequest::ContentLengthHeader);
            events.progress(received, total.isValid() ? total.toLongLong() : -1, clock.elapsed() / 1000);
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();

    const bool reached = m_connected;
    m_connected = false;
    DownloadResult result;
    const qint64 expected = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!writeProblem.isEmpty()) {
        result = { DownloadFailure::Receive, writeProblem };
    } else if (m_aborted) {
        result = { DownloadFailure::Cancelled, reply->errorString() };
    } else if (reply->error() != QNetworkReply::NoError || status >= 400) {
        const auto [code, text] = errorOf(reply);
        if (events.error)
            events.error(code, text);
        result = { reached ? DownloadFailure::Receive : DownloadFailure::Connect,
            update::msg::error(code, text) };
    } else if (status != 200) {
        result = { DownloadFailure::Receive, update::msg::error(status, reply->errorString()) };
    } else if (expected > 0 && received != expected) {
        result = { DownloadFailure::Receive, update::msg::truncated(received, expected) };
    } else if (!out.flush()) {
        result = { DownloadFailure::Receive, out.errorString() };
    }
    reply->deleteLater();
    if (reached && events.disconnected)
        events.disconnected();
    return result;
}

}
