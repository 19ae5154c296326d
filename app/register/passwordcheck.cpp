#include "app/register/passwordcheck.h"

#include "app/register/passwordhash.h"
#include "app/register/registermessages.h"
#include "app/register/taxpayers.h"
#include "common/messages.h"

namespace ventrix::app {

bool VerificaPwd(TaxpayerRegister& taxpayerRegister, qint64 cmdId, const PasswordPrompt& prompt)
{
    // The authority's rule: a password that cannot be read counts as no password.
    const QString stored = taxpayerRegister.storedPassword(cmdId).valueOr(QString());
    if (stored.isEmpty())
        return true;
    const std::optional<QString> typed = prompt ? prompt() : std::nullopt;
    if (!typed)
        return false;
    if (!passwordhash::verify(*typed, stored)) {
        warn(taxpayers::msg::ClaveInvalida);
        return false;
    }
    if (!passwordhash::isHash(stored))
        taxpayerRegister.setPasswordHash(cmdId, passwordhash::hash(stored));
    return true;
}

}
