#pragma once

#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <functional>

class QNetworkReply;

namespace ventrix::app {

// What a download tells while it runs.
struct DownloadEvents
{
    std::function<void(const QString& host)> connected;
    std::function<void(qint64 received, qint64 total, qint64 seconds)> progress;
    std::function<void(int code, const QString& text)> error;
    std::function<void()> disconnected;
};

// Why a download did not give a whole file: the server could not be reached, or it was reached
// but the file did not come whole (not found, cut short, too large), or the user broke it off.
enum class DownloadFailure { None, Connect, Receive, Cancelled };

struct DownloadResult
{
    DownloadFailure failure = DownloadFailure::None;
    QString reason;
    bool ok() const { return failure == DownloadFailure::None; }
};

// Fetches one URL into a local file over HTTP or HTTPS, directly or through the given proxy,
// waiting for it while window events go on.
class UpdateDownload
{
public:
    // The largest file taken; a server sending more is refused.
    static constexpr qint64 MaximumBytes = 256LL * 1024 * 1024;

    UpdateDownload(const QNetworkProxy& proxy, QList<QSslCertificate> extraCertificates);
    ~UpdateDownload();

    DownloadResult get(const QUrl& url, const QString& file, const DownloadEvents& events);
    // Breaks off the download under way (the user leaves while connected).
    void abort();
    bool isConnected() const { return m_connected; }

private:
    QNetworkAccessManager m_manager;
    QList<QSslCertificate> m_extraCertificates;
    QPointer<QNetworkReply> m_reply;
    bool m_connected = false;
    bool m_aborted = false;
};

}
