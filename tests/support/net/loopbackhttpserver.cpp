#include "loopbackhttpserver.h"

#include <QSslSocket>
#include <QUrl>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>

namespace ventrix::test {
namespace {

QByteArray reasonOf(int status)
{
    switch (status) {
    case 200:
        return QByteArrayLiteral("OK");
    case 404:
        return QByteArrayLiteral("Not Found");
    default:
        return QByteArrayLiteral("Error");
    }
}

// The path of a request target, whether "/path" or a proxy's "http://host/path".
QString pathOf(const QString& target)
{
    return target.startsWith(u'/') ? target : QUrl(target).path();
}

QByteArray pem(BIO* bio)
{
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    return QByteArray(data, static_cast<qsizetype>(size));
}

}

LoopbackHttpServer::LoopbackHttpServer()
{
    listen(QHostAddress::LocalHost);
}

void LoopbackHttpServer::useTls(const QSslCertificate& certificate, const QSslKey& key)
{
    m_certificate = certificate;
    m_key = key;
}

QString LoopbackHttpServer::address() const
{
    return (m_certificate.isNull() ? QStringLiteral("http://") : QStringLiteral("https://"))
        + QStringLiteral("127.0.0.1:") + QString::number(serverPort());
}

void LoopbackHttpServer::incomingConnection(qintptr handle)
{
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        if (!buffer->contains("\r\n\r\n"))
            return;
        const QList<QByteArray> line = buffer->left(buffer->indexOf("\r\n")).split(' ');
        buffer->clear();
        m_requests.append(line.size() > 1 ? QString::fromUtf8(line.at(1)) : QString());
        answer(socket);
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (!m_certificate.isNull()) {
        socket->setLocalCertificate(m_certificate);
        socket->setPrivateKey(m_key);
        socket->startServerEncryption();
    }
}

void LoopbackHttpServer::answer(QTcpSocket* socket)
{
    const auto found = m_routes.constFind(pathOf(m_requests.back()));
    const Response response
        = found != m_routes.cend() ? *found : Response { 404, QByteArrayLiteral("no encontrado"), -1, false };
    const qint64 length = response.announcedLength >= 0 ? response.announcedLength : response.body.size();
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonOf(response.status)
        + "\r\nContent-Type: application/octet-stream\r\nContent-Length: " + QByteArray::number(length)
        + "\r\nConnection: close\r\n\r\n";
    if (response.stall) {
        socket->write(head + response.body.left(response.body.size() / 2));
        return;
    }
    socket->write(head + response.body);
    socket->disconnectFromHost();
}

TestCertificate TestCertificate::make()
{
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(EVP_EC_gen("P-256"), EVP_PKEY_free);
    std::unique_ptr<X509, decltype(&X509_free)> cert(X509_new(), X509_free);
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 3600);
    X509_set_pubkey(cert.get(), key.get());
    X509_NAME* name = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(
        name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name(cert.get(), name);
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert.get(), cert.get(), nullptr, nullptr, 0);
    for (const char* ext : { "subjectAltName=IP:127.0.0.1", "basicConstraints=critical,CA:TRUE" }) {
        const QByteArray text(ext);
        const qsizetype eq = text.indexOf('=');
        X509_EXTENSION* e
            = X509V3_EXT_nconf(nullptr, &ctx, text.left(eq).constData(), text.mid(eq + 1).constData());
        X509_add_ext(cert.get(), e, -1);
        X509_EXTENSION_free(e);
    }
    X509_sign(cert.get(), key.get(), EVP_sha256());
    std::unique_ptr<BIO, decltype(&BIO_free)> certBio(BIO_new(BIO_s_mem()), BIO_free);
    std::unique_ptr<BIO, decltype(&BIO_free)> keyBio(BIO_new(BIO_s_mem()), BIO_free);
    PEM_write_bio_X509(certBio.get(), cert.get());
    PEM_write_bio_PrivateKey(keyBio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr);
    return { QSslCertificate(pem(certBio.get())), QSslKey(pem(keyBio.get()), QSsl::Ec) };
}

quint16 closedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

}
