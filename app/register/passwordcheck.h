#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace ventrix::app {

class TaxpayerRegister;

// Asks the user for the access password; nullopt when the prompt is closed without an answer.
using PasswordPrompt = std::function<std::optional<QString>()>;

// True when the taxpayer has no password or the user typed it (case does not matter); a wrong
// password is reported with a warning that never shows the stored one. A password still kept in
// clear by an older database is replaced by its hash once it has been typed right.
bool VerificaPwd(TaxpayerRegister& taxpayerRegister, qint64 cmdId, const PasswordPrompt& prompt);

}
