#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

namespace ventrix::test {

// One entry of a zip made for a test: its name as stored, its bytes and Unix mode (0: none).
struct ZipEntry
{
    QString name;
    QByteArray bytes;
    unsigned mode = 0100644;
};

// The bytes of a zip holding the entries, written with libzip (names stored exactly as given).
QByteArray makeZip(const QList<ZipEntry>& entries);

// An Ed25519 key pair made for one test run; never stored.
class TestSigningKey
{
public:
    TestSigningKey();
    ~TestSigningKey();
    QByteArray publicPem() const;
    // The 64-byte detached signature of data.
    QByteArray sign(const QByteArray& data) const;

private:
    struct Key;
    std::unique_ptr<Key> m_key;
};

}
