#pragma once

#include <memory>
#include <string>
#include <string_view>

typedef struct evp_pkey_st EVP_PKEY;

// A fresh Ed25519 key pair that signs as the vendor's tool does: 64 raw
// signature bytes over the whole file, the public key as 64 hex digits.
class TestSigner final {
public:
    TestSigner();
    [[nodiscard]] std::string publicKeyHex() const;
    [[nodiscard]] std::string sign(std::string_view data) const;

private:
    std::shared_ptr<EVP_PKEY> key_;
};
