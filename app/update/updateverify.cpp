#include "app/update/updateverify.h"

#include "app/update/updatedownload.h"
#include "app/update/updatemessages.h"

#include <QFile>

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

namespace ventrix::app {
namespace {

constexpr qsizetype SignatureBytes = 64;

struct KeyFree
{
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextFree
{
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};
struct BioFree
{
    void operator()(BIO* bio) const { BIO_free(bio); }
};

std::unique_ptr<EVP_PKEY, KeyFree> readKey(const QByteArray& pem)
{
    std::unique_ptr<BIO, BioFree> bio(BIO_new_mem_buf(pem.constData(), static_cast<int>(pem.size())));
    if (!bio)
        return nullptr;
    std::unique_ptr<EVP_PKEY, KeyFree> key(PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr));
    if (!key || EVP_PKEY_id(key.get()) != EVP_PKEY_ED25519)
        return nullptr;
    return key;
}

Result<QByteArray> readWhole(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error { file.errorString() };
    if (file.size() > limit)
        return Error { update::msg::tooLarge() };
    return file.readAll();
}

}

Status verifyUpdateSignature(const QString& path, const QString& sigPath, const QByteArray& publicKeyPem)
{
    const auto key = readKey(publicKeyPem);
    if (!key)
        return Error { update::msg::unusableKey() };
    const Result<QByteArray> signature = readWhole(sigPath, SignatureBytes);
    if (!signature || signature->size() != SignatureBytes)
        return Error { update::msg::malformedSignature() };
    const Result<QByteArray> data = readWhole(path, UpdateDownload::MaximumBytes);
    if (!data)
        return Error { data.error() };
    std::unique_ptr<EVP_MD_CTX, ContextFree> ctx(EVP_MD_CTX_new());
    // Ed25519 signs the message itself, with no separate digest.
    const bool verified = ctx && EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) == 1
        && EVP_DigestVerify(ctx.get(), reinterpret_cast<const unsigned char*>(signature->constData()),
               static_cast<size_t>(signature->size()),
               reinterpret_cast<const unsigned char*>(data->constData()), static_cast<size_t>(data->size()))
            == 1;
    if (!verified)
        return Error { update::msg::badSignature() };
    return {};
}

}
