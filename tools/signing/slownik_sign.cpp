// The vendor's signing tool for published updates: Ed25519 key pairs and
// detached signatures of 64 raw bytes over a whole file, kept in FILE.sig.
//
//   slownik_sign genkey PRIVATE_KEY_FILE   new key (PEM, mode 0600); prints the public key
//   slownik_sign pubkey PRIVATE_KEY_FILE   prints the public key
//   slownik_sign sign PRIVATE_KEY_FILE FILE  writes FILE.sig
//   slownik_sign verify PUBLIC_HEX FILE    exit code 0 when FILE.sig is FILE's valid signature
//
// The public key is printed as 64 lower-case hex digits, the form the build
// setting SLOWNIK_UPDATE_KEY takes.
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t KeySize = 32;
constexpr std::size_t SignatureSize = 64;

// Exit codes: 0 success (and a valid signature), 1 an invalid signature, 2 misuse or an error.
constexpr int Invalid = 1;
constexpr int Failure = 2;

struct KeyDeleter {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct ContextDeleter {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using Key = std::unique_ptr<EVP_PKEY, KeyDeleter>;
using Context = std::unique_ptr<EVP_MD_CTX, ContextDeleter>;

std::vector<unsigned char> readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

// Written beside the target and renamed over it, so a reader never sees half a signature.
void writeAtomically(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out)
            throw std::runtime_error("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write " + path);
    }
}

std::string toHex(const unsigned char* bytes, std::size_t size)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < size; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 0x0f];
    }
    return hex;
}

std::optional<std::vector<unsigned char>> fromHex(const std::string& hex)
{
    const auto value = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = value(hex[i]);
        const int low = value(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<unsigned char>(high * 16 + low));
    }
    return bytes;
}

std::string publicHex(EVP_PKEY* key)
{
    unsigned char raw[KeySize];
    std::size_t size = sizeof raw;
    if (EVP_PKEY_get_raw_public_key(key, raw, &size) != 1 || size != KeySize)
        throw std::runtime_error("not an Ed25519 key");
    return toHex(raw, size);
}

Key readPrivateKey(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr)
        throw std::runtime_error("cannot open " + path);
    Key key(PEM_read_PrivateKey(file, nullptr, nullptr, nullptr));
    std::fclose(file);
    if (!key || EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519)
        throw std::runtime_error(path + " holds no Ed25519 private key");
    return key;
}

int genkey(const std::string& path)
{
    Key key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"));
    if (!key)
        throw std::runtime_error("cannot generate a key");
    // Never overwrites: losing the vendor's key would orphan every installed program.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        throw std::runtime_error("cannot create " + path + " (does it exist already?)");
    FILE* file = ::fdopen(fd, "w");
    if (file == nullptr) {
        ::close(fd);
        throw std::runtime_error("cannot write " + path);
    }
    const bool written = PEM_write_PrivateKey(file, key.get(), nullptr, nullptr, 0, nullptr, nullptr) == 1;
    if (std::fclose(file) != 0 || !written) {
        std::remove(path.c_str());
        throw std::runtime_error("cannot write " + path);
    }
    std::cout << publicHex(key.get()) << '\n';
    return 0;
}

int pubkey(const std::string& path)
{
    std::cout << publicHex(readPrivateKey(path).get()) << '\n';
    return 0;
}

int sign(const std::string& keyPath, const std::string& path)
{
    const Key key = readPrivateKey(keyPath);
    const std::vector<unsigned char> message = readAll(path);
    const Context context(EVP_MD_CTX_new());
    std::vector<unsigned char> signature(SignatureSize);
    std::size_t size = signature.size();
    if (!context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1
        || EVP_DigestSign(context.get(), signature.data(), &size, message.data(), message.size()) != 1
        || size != SignatureSize)
        throw std::runtime_error("cannot sign " + path);
    writeAtomically(path + ".sig", signature);
    return 0;
}

int verify(const std::string& hex, const std::string& path)
{
    const std::optional<std::vector<unsigned char>> raw = fromHex(hex);
    if (!raw || raw->size() != KeySize)
        throw std::runtime_error("the public key must be 64 hex digits");
    const Key key(EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, raw->data(), raw->size()));
    if (!key)
        throw std::runtime_error("not an Ed25519 public key");
    const std::vector<unsigned char> message = readAll(path);
    const std::vector<unsigned char> signature = readAll(path + ".sig");
    if (signature.size() != SignatureSize)
        return Invalid;
    const Context context(EVP_MD_CTX_new());
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        throw std::runtime_error("cannot verify");
    return EVP_DigestVerify(context.get(), signature.data(), signature.size(), message.data(), message.size()) == 1
        ? 0
        : Invalid;
}

int usage()
{
    std::cerr << "usage: slownik_sign genkey PRIVATE_KEY_FILE\n"
                 "       slownik_sign pubkey PRIVATE_KEY_FILE\n"
                 "       slownik_sign sign PRIVATE_KEY_FILE FILE\n"
                 "       slownik_sign verify PUBLIC_HEX FILE\n";
    return Failure;
}

}

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "genkey")
            return genkey(args[1]);
        if (args.size() == 2 && args[0] == "pubkey")
            return pubkey(args[1]);
        if (args.size() == 3 && args[0] == "sign")
            return sign(args[1], args[2]);
        if (args.size() == 3 && args[0] == "verify")
            return verify(args[1], args[2]);
        return usage();
    } catch (const std::exception& error) {
        std::cerr << "slownik_sign: " << error.what() << '\n';
        return Failure;
    }
}
