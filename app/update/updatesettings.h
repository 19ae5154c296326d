#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QString>

namespace ventrix::app {

// Where the update comes from, which key must have signed it, and where it is unpacked.
struct UpdateSettings
{
    // Proposed in the server prompt; HTTPS unless the address the user types says http://.
    QString defaultServer = QStringLiteral("https://www.agt.valdera.gob.ar");
    // A PEM file with the authority's Ed25519 public key; empty: the key the program ships with.
    QString publicKeyPath;
    // The program's folder, where the newest executable is started from.
    QString updateFolder;
    // Certificates trusted besides the system's (a test server's own certificate).
    QList<QSslCertificate> extraCertificates;

    // Read from the program's settings ("actualizacion/servidor", "actualizacion/clavePublica"),
    // the folder being the running executable's.
    static UpdateSettings load();
    // The public key's PEM text, from publicKeyPath or the shipped resource.
    Result<QByteArray> publicKey() const;
};

// The server's path of the update archive and of its detached signature.
QString updateArchivePath();
QString updateSignaturePath();

}
