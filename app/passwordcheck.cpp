#include "app/passwordcheck.h"

#include "app/passwordhash.h"
#include "app/registermessages.h"
#include "app/taxpayers.h"
#include "common/messages.h"

namespace ventrix {

bool VerificaPwd(TaxpayerRegister& taxpayers, qint64 cmdId, const PasswordPrompt& prompt)
{
    const QString stored = taxpayers.storedPassword(cmdId);
    if (stored.isEmpty())
        return true;
    const std::optional<QString> typed = prompt ? prompt() : std::nullopt;
    if (!typed)
        return false;
    if (!passwordhash::verify(*typed, stored)) {
        warn(registermsg::ClaveInvalida);
        return false;
    }
    if (!passwordhash::isHash(stored))
        taxpayers.setPasswordHash(cmdId, passwordhash::hash(stored));
    return true;
}

}
