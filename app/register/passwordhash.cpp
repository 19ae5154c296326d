#include "app/register/passwordhash.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QStringList>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace ventrix::app::passwordhash {
namespace {

const QString Scheme = QStringLiteral("pbkdf2-sha256");
constexpr int SaltBytes = 16;
constexpr int KeyBytes = 32;

// The same password whatever its case and the blanks typed around it, when saved and when checked.
QByteArray normalised(const QString& password)
{
    return password.trimmed().toUpper().toUtf8();
}

bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    return a.size() == b.size()
        && CRYPTO_memcmp(a.constData(), b.constData(), static_cast<size_t>(a.size())) == 0;
}

QByteArray derive(const QString& password, const QByteArray& salt, int iterations)
{
    const QByteArray secret = normalised(password);
    QByteArray key(KeyBytes, Qt::Uninitialized);
    const int ok = PKCS5_PBKDF2_HMAC(secret.constData(), static_cast<int>(secret.size()),
        reinterpret_cast<const unsigned char*>(salt.constData()), static_cast<int>(salt.size()), iterations,
        EVP_sha256(), KeyBytes, reinterpret_cast<unsigned char*>(key.data()));
    return ok == 1 ? key : QByteArray();
}

QByteArray randomSalt()
{
    QByteArray salt(SaltBytes, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char*>(salt.data()), SaltBytes) != 1)
        return {};
    return salt;
}

bool iterationsAllowed(int iterations)
{
    return iterations >= MinIterations && iterations <= MaxIterations;
}

// Digests of equal length, so that neither the length nor the first differing letter of the
// stored password shows in the time the comparison takes.
bool verifyClearText(const QString& typed, const QString& stored)
{
    const auto digest = [](const QString& text) {
        return QCryptographicHash::hash(normalised(text), QCryptographicHash::Sha256);
    };
    return sameBytes(digest(typed), digest(stored));
}

}

bool isHash(const QString& stored)
{
    return stored.startsWith(Scheme + u'$');
}

QString hash(const QString& password, int iterations)
{
    if (normalised(password).isEmpty() || !iterationsAllowed(iterations))
        return {};
    const QByteArray salt = randomSalt();
    const QByteArray key = salt.isEmpty() ? QByteArray() : derive(password, salt, iterations);
    if (key.isEmpty())
        return {};
    return Scheme + u'$' + QString::number(iterations) + u'$' + QString::fromLatin1(salt.toBase64()) + u'$'
        + QString::fromLatin1(key.toBase64());
}

bool verify(const QString& typed, const QString& stored)
{
    if (!isHash(stored))
        return verifyClearText(typed, stored);
    const QStringList parts = stored.split(u'$');
    if (parts.size() != 4)
        return false;
    bool okIterations = false;
    const int iterations = parts[1].toInt(&okIterations);
    if (!okIterations || !iterationsAllowed(iterations))
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    const QByteArray key = derive(typed, salt, iterations);
    return !key.isEmpty() && sameBytes(key, expected);
}

}
