#pragma once

#include <QNetworkProxy>
#include <QString>
#include <QUrl>

#include <optional>

namespace ventrix::app {

// The proxy the system's settings name for url ("host:port"; on this platform the desktop's
// proxy configuration or the http_proxy / https_proxy variables); empty when none.
QString Lee_Proxy(const QUrl& url);
// True when the system's settings send url through a proxy.
bool Conexion_Proxy(const QUrl& url);

// A proxy setting split at ":" into host and port.
struct ProxySetting
{
    QString host;
    quint16 port = 80;
    QNetworkProxy proxy() const { return QNetworkProxy(QNetworkProxy::HttpProxy, host, port); }
};
// Splits "host:port" (a missing port is 80); nullopt when the port is not a port number.
std::optional<ProxySetting> splitProxy(const QString& text);

}
