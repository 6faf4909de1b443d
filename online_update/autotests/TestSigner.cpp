#include "TestSigner.h"

#include <openssl/evp.h>

#include <stdexcept>

TestSigner::TestSigner()
{
    EVP_PKEY* key = EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519");
    if (!key)
        throw std::runtime_error("no Ed25519 key");
    key_.reset(key, &EVP_PKEY_free);
}

std::string TestSigner::publicKeyHex() const
{
    unsigned char raw[32];
    std::size_t length = sizeof raw;
    if (EVP_PKEY_get_raw_public_key(key_.get(), raw, &length) != 1 || length != sizeof raw)
        throw std::runtime_error("no raw public key");
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const unsigned char byte : raw) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

std::string TestSigner::sign(std::string_view data) const
{
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    std::string signature(64, '\0');
    std::size_t length = signature.size();
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key_.get()) != 1
        || EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                          reinterpret_cast<const unsigned char*>(data.data()), data.size()) != 1
        || length != 64)
        throw std::runtime_error("signing failed");
    return signature;
}
