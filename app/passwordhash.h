#pragma once

#include <QString>

namespace ventrix {

// Access passwords are kept as a salted PBKDF2-HMAC-SHA256 hash of their upper-cased form, so the
// stored text never reveals the password and the comparison stays case-insensitive. The text
// describes itself: "pbkdf2-sha256$<iterations>$<salt base64>$<hash base64>".
namespace passwordhash {

inline constexpr int DefaultIterations = 100000;

// Empty for an empty password (no password).
QString hash(const QString& password, int iterations = DefaultIterations);
// True when typed is the password behind stored. A stored text that is not a hash is a password
// kept in clear by an older database and is compared without regard to case.
bool verify(const QString& typed, const QString& stored);
bool isHash(const QString& stored);

}
}
