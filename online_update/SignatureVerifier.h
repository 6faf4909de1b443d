#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Checks Ed25519 detached signatures (64 raw bytes over the whole file)
// against one public key. A key that is not 64 hex digits (an unconfigured
// build has none) accepts no signature at all.
class SignatureVerifier final {
public:
    static constexpr std::size_t KeyBytes = 32;
    static constexpr std::size_t SignatureBytes = 64;

    explicit SignatureVerifier(std::string_view publicKeyHex);

    [[nodiscard]] bool hasKey() const { return key_.has_value(); }
    [[nodiscard]] bool verify(std::string_view data, std::string_view signature) const;
    // Reads the file; throws FileError when it cannot be read.
    [[nodiscard]] bool verifyFile(const std::string& path, std::string_view signature) const;

    [[nodiscard]] static std::optional<std::array<std::uint8_t, KeyBytes>> parseKey(std::string_view hex);

private:
    std::optional<std::array<std::uint8_t, KeyBytes>> key_;
};
