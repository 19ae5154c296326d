#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QStringList>
#include <QTcpServer>

namespace ventrix::test {

// A small HTTP/1.1 server on 127.0.0.1 for tests: answers each path with what it was given and
// records every request target, so it can also stand in for a proxy (which receives the whole
// URL). With a certificate and key it speaks HTTPS.
class LoopbackHttpServer : public QTcpServer
{
public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        // When set, the Content-Length announced; sending fewer bytes and closing cuts the file.
        qint64 announcedLength = -1;
        // Sends the head and the first half of the body, then keeps the connection open.
        bool stall = false;
    };

    LoopbackHttpServer();
    void useTls(const QSslCertificate& certificate, const QSslKey& key);

    void serve(const QString& path, Response response) { m_routes.insert(path, std::move(response)); }
    // "http://127.0.0.1:PORT" (or https).
    QString address() const;
    // The request targets received, in order ("/path" or a proxy's "http://host/path").
    const QStringList& requests() const { return m_requests; }

protected:
    void incomingConnection(qintptr handle) override;

private:
    void answer(QTcpSocket* socket);

    QHash<QString, Response> m_routes;
    QStringList m_requests;
    QSslCertificate m_certificate;
    QSslKey m_key;
};

// A self-signed certificate for "127.0.0.1" and its key, made with OpenSSL for one test run.
struct TestCertificate
{
    QSslCertificate certificate;
    QSslKey key;
    static TestCertificate make();
};

// A port on 127.0.0.1 where nothing listens.
quint16 closedLoopbackPort();

}
