#include "SignatureVerifier.h"

#include "FileOps.h"

#include <openssl/evp.h>

#include <memory>

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

SignatureVerifier::SignatureVerifier(std::string_view publicKeyHex) : key_(parseKey(publicKeyHex)) {}

std::optional<std::array<std::uint8_t, SignatureVerifier::KeyBytes>> SignatureVerifier::parseKey(std::string_view hex)
{
    if (hex.size() != 2 * KeyBytes)
        return std::nullopt;
    std::array<std::uint8_t, KeyBytes> key{};
    for (std::size_t i = 0; i < KeyBytes; ++i) {
        const int high = hexValue(hex[2 * i]);
        const int low = hexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        key[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return key;
}

bool SignatureVerifier::verify(std::string_view data, std::string_view signature) const
{
    if (!key_ || signature.size() != SignatureBytes)
        return false;
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, key_->data(), key_->size()), &EVP_PKEY_free);
    if (!key)
        return false;
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()), signature.size(),
                            reinterpret_cast<const unsigned char*>(data.data()), data.size()) == 1;
}

bool SignatureVerifier::verifyFile(const std::string& path, std::string_view signature) const
{
    return verify(FileOps::readAll(path), signature);
}
