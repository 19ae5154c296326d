#include "app/update/updateproxy.h"

#include <QNetworkProxyFactory>

namespace ventrix::app {

QString Lee_Proxy(const QUrl& url)
{
    const QList<QNetworkProxy> proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    for (const QNetworkProxy& proxy : proxies) {
        if (proxy.type() == QNetworkProxy::HttpProxy || proxy.type() == QNetworkProxy::HttpCachingProxy)
            return QString(proxy.hostName() + u':' + QString::number(proxy.port())).trimmed();
        if (proxy.type() == QNetworkProxy::NoProxy || proxy.type() == QNetworkProxy::DefaultProxy)
            break;
    }
    return {};
}

bool Conexion_Proxy(const QUrl& url)
{
    return !Lee_Proxy(url).isEmpty();
}

std::optional<ProxySetting> splitProxy(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.lastIndexOf(u':');
    ProxySetting setting;
    if (colon < 0) {
        setting.host = trimmed;
        return setting;
    }
    setting.host = trimmed.left(colon).trimmed();
    bool ok = false;
    const uint port = trimmed.mid(colon + 1).trimmed().toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        return std::nullopt;
    setting.port = static_cast<quint16>(port);
    return setting;
}

}
