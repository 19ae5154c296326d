#pragma once

#include "app/update/updatedownload.h"
#include "app/update/updatesettings.h"
#include "common/result.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

namespace ventrix::app {

// The address the user typed, as the URL of the update archive: HTTPS unless it says http://.
// An Error for any other scheme or an address without a host.
Result<QUrl> updateUrl(const QString& typed);

// The online update from the backup window, with every message and question: the proxy, the
// server, the download of the archive and its signature, their checks and the unpacking.
class UpdateFlow
{
public:
    struct Hooks
    {
        // The progress line ("Conectado con ...", "... Kbytes de ...").
        std::function<void(const QString&)> status;
        // True while a download is under way (the window asks before closing then).
        std::function<void(bool)> connected;
        // An automatic backup of the database, taken before the program's files are replaced.
        std::function<Status()> backup;
        // The system's proxy for a URL ("host:port", empty when none); Lee_Proxy by default.
        std::function<QString(const QUrl&)> systemProxy;
    };

    UpdateFlow(UpdateSettings settings, Hooks hooks);
    ~UpdateFlow();

    // True when a verified archive was unpacked into the update folder.
    bool Cmd_ActualizarWeb();
    // Breaks off the download under way.
    void Desconectar();
    bool isConnected() const;

private:
    std::optional<QNetworkProxy> proxyStep();
    bool download(const QUrl& url, const QString& file);
    bool checkAndUnpack(const QString& zip, const QString& signature);
    void setStatus(const QString& text) const;
    void setConnected(bool connected) const;

    UpdateSettings m_settings;
    Hooks m_hooks;
    std::unique_ptr<UpdateDownload> m_download;
};

}
