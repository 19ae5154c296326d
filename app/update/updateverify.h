#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QString>

namespace ventrix::app {

// Checks the detached Ed25519 signature (the 64 bytes of sigPath) of the file at path against the
// PEM public key; an Error with the reason in the user's words when it does not verify.
Status verifyUpdateSignature(const QString& path, const QString& sigPath, const QByteArray& publicKeyPem);

}
