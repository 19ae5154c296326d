#include "app/passwordhash.h"

#include <QByteArray>
#include <QStringList>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

namespace ventrix::passwordhash {
namespace {

const QString Scheme = QStringLiteral("pbkdf2-sha256");
constexpr int SaltBytes = 16;
constexpr int KeyBytes = 32;

QByteArray derive(const QString& password, const QByteArray& salt, int iterations)
{
    const QByteArray secret = password.toUpper().toUtf8();
    QByteArray key(KeyBytes, Qt::Uninitialized);
    const int ok = PKCS5_PBKDF2_HMAC(secret.constData(), static_cast<int>(secret.size()),
                                     reinterpret_cast<const unsigned char*>(salt.constData()),
                                     static_cast<int>(salt.size()), iterations, EVP_sha256(), KeyBytes,
                                     reinterpret_cast<unsigned char*>(key.data()));
    return ok == 1 ? key : QByteArray();
}

QByteArray randomSalt()
{
    QByteArray salt(SaltBytes, Qt::Uninitialized);
    if (RAND_bytes(reinterpret_cast<unsigned char*>(salt.data()), SaltBytes) != 1)
        return {};
    return salt;
}

}

bool isHash(const QString& stored)
{
    return stored.startsWith(Scheme + u'$');
}

QString hash(const QString& password, int iterations)
{
    if (password.isEmpty())
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
        return typed.toUpper() == stored.trimmed().toUpper();
    const QStringList parts = stored.split(u'$');
    bool okIterations = false;
    const int iterations = parts.size() == 4 ? parts[1].toInt(&okIterations) : 0;
    if (!okIterations || iterations < 1)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[3].toLatin1());
    const QByteArray key = derive(typed, salt, iterations);
    return !key.isEmpty() && key.size() == expected.size()
        && CRYPTO_memcmp(key.constData(), expected.constData(), static_cast<size_t>(key.size())) == 0;
}

}
