#pragma once

#include <string>

// Where an update comes from and whose signature it must carry. The program
// knows one such server, fixed at build time (BuiltInUpdateServer); tests
// name their own.
struct UpdateServer {
    // Host name with an optional ":port".
    std::string host;
    // The signer's Ed25519 public key as 64 hex digits; anything else
    // matches no signature, so every update fails.
    std::string publicKeyHex;

    [[nodiscard]] std::string versionCheckUrl(const std::string& programSize, const std::string& dictionarySize) const;
    [[nodiscard]] std::string dictionaryUrl() const;
    [[nodiscard]] std::string programUrl() const;
    // The page offered for a manual download when an update fails.
    [[nodiscard]] std::string manualDownloadUrl() const;

    // A download's detached signature lies beside it.
    [[nodiscard]] static std::string signatureUrlOf(const std::string& url);
};
