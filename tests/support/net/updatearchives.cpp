#include "updatearchives.h"

#include <QFile>
#include <QTemporaryDir>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <zip.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace ventrix::test {

QByteArray makeZip(const QList<ZipEntry>& entries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prueba.zip"));
    int code = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!z)
        throw std::runtime_error("zip_open");
    for (const ZipEntry& entry : entries) {
        void* copy = entry.bytes.isEmpty() ? nullptr : std::malloc(static_cast<size_t>(entry.bytes.size()));
        if (copy)
            std::memcpy(copy, entry.bytes.constData(), static_cast<size_t>(entry.bytes.size()));
        zip_source_t* s
            = zip_source_buffer(z, copy, static_cast<zip_uint64_t>(entry.bytes.size()), copy ? 1 : 0);
        const zip_int64_t index = entry.name.endsWith(u'/')
            ? zip_dir_add(z, entry.name.toUtf8().constData(), ZIP_FL_ENC_UTF_8)
            : zip_file_add(z, entry.name.toUtf8().constData(), s, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            throw std::runtime_error(zip_strerror(z));
        if (entry.name.endsWith(u'/'))
            zip_source_free(s);
        if (entry.mode != 0)
            zip_file_set_external_attributes(z, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                static_cast<zip_uint32_t>(entry.mode) << 16);
    }
    if (zip_close(z) != 0)
        throw std::runtime_error("zip_close");
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

struct TestSigningKey::Key
{
    EVP_PKEY* pkey = nullptr;
};

TestSigningKey::TestSigningKey()
    : m_key(std::make_unique<Key>())
{
    m_key->pkey = EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519");
    if (!m_key->pkey)
        throw std::runtime_error("keygen");
}

TestSigningKey::~TestSigningKey()
{
    EVP_PKEY_free(m_key->pkey);
}

QByteArray TestSigningKey::publicPem() const
{
    BIO* bio = BIO_new(BIO_s_mem());
    PEM_write_bio_PUBKEY(bio, m_key->pkey);
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    QByteArray out(data, static_cast<qsizetype>(size));
    BIO_free(bio);
    return out;
}

QByteArray TestSigningKey::sign(const QByteArray& data) const
{
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    size_t length = 64;
    QByteArray signature(64, '\0');
    EVP_DigestSignInit(ctx, nullptr, nullptr, nullptr, m_key->pkey);
    EVP_DigestSign(ctx, reinterpret_cast<unsigned char*>(signature.data()), &length,
        reinterpret_cast<const unsigned char*>(data.constData()), static_cast<size_t>(data.size()));
    EVP_MD_CTX_free(ctx);
    return signature.left(static_cast<qsizetype>(length));
}

}
