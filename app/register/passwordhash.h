#pragma once

#include <QString>

namespace ventrix::app {

// Access passwords are kept as a salted PBKDF2-HMAC-SHA256 hash of their trimmed, upper-cased
// form, so the stored text never reveals the password and the comparison ignores case and the
// blanks around it. The text describes itself: "pbkdf2-sha256$<iterations>$<salt base64>$<hash base64>".
namespace passwordhash {

inline constexpr int DefaultIterations = 100000;
// A stored hash with fewer rounds would be cheap to guess, one with more would hang the program
// for minutes: a hash outside these bounds is never accepted, nor made.
inline constexpr int MinIterations = 10000;
inline constexpr int MaxIterations = 10000000;

// Empty for a blank password (no password) and for an iteration count outside the bounds.
QString hash(const QString& password, int iterations = DefaultIterations);
// True when typed is the password behind stored. A stored text that is not a hash is a password
// kept in clear by an older database and is compared without regard to case, in constant time.
bool verify(const QString& typed, const QString& stored);
bool isHash(const QString& stored);

}
}
