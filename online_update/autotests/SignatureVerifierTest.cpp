#include "SignatureVerifier.h"

#include "FileError.h"
#include "TestSigner.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string fromHex(const std::string& hex)
{
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

TEST(SignatureVerifier, AcceptsTheStandardTestVector)
{
    // RFC 8032, section 7.1, test 2: a one-byte message.
    const SignatureVerifier verifier("3D4017C3E843895A92B70AA74D1B7EBC9C982CCF2EC4968CC0CD55F12AF4660C");
    const std::string signature = fromHex("92a009a9f0d4cab8720e820b5f642540a2b27b5416503f8fb3762223ebdb69da"
                                          "085ac1e43e15996e458f3613d0f11d8c387b2eaeb4302aeeb00d291612bb0c00");
    EXPECT_TRUE(verifier.hasKey());
    EXPECT_TRUE(verifier.verify("\x72", signature));
    EXPECT_FALSE(verifier.verify("\x73", signature));
}

TEST(SignatureVerifier, RejectsChangedDataOrSignatureOrAnotherKey)
{
    const TestSigner signer, other;
    const std::string data = "\"a\";\"b\";\"c\"\r\n";
    const std::string signature = signer.sign(data);
    const SignatureVerifier verifier(signer.publicKeyHex());
    EXPECT_TRUE(verifier.verify(data, signature));

    std::string changed = data;
    changed[1] = 'A';
    EXPECT_FALSE(verifier.verify(changed, signature));
    std::string flipped = signature;
    flipped[10] = static_cast<char>(flipped[10] ^ 1);
    EXPECT_FALSE(verifier.verify(data, flipped));
    EXPECT_FALSE(verifier.verify(data, signature.substr(0, 63)));
    EXPECT_FALSE(verifier.verify(data, signature + '\0'));
    EXPECT_FALSE(verifier.verify(data, ""));
    EXPECT_FALSE(SignatureVerifier(other.publicKeyHex()).verify(data, signature));
}

TEST(SignatureVerifier, MalformedKeyAcceptsNothing)
{
    const TestSigner signer;
    const std::string data = "program";
    const std::string signature = signer.sign(data);
    const std::string hex = signer.publicKeyHex();
    for (const std::string& key : {std::string(), hex.substr(1), hex + "0", "g" + hex.substr(1), " " + hex.substr(1)}) {
        const SignatureVerifier verifier(key);
        EXPECT_FALSE(verifier.hasKey()) << key;
        EXPECT_FALSE(verifier.verify(data, signature)) << key;
    }
}

TEST(SignatureVerifier, VerifiesAWholeFile)
{
    const TestSigner signer;
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/slownik_nowy";
    std::string bytes("\x7f" "ELF\0\0\r\n", 8);
    bytes += std::string(100000, '\xAB');
    std::ofstream(file, std::ios::binary) << bytes;
    const SignatureVerifier verifier(signer.publicKeyHex());
    EXPECT_TRUE(verifier.verifyFile(file, signer.sign(bytes)));
    EXPECT_FALSE(verifier.verifyFile(file, signer.sign(bytes.substr(0, 8))));
    EXPECT_THROW((void)verifier.verifyFile(file + "_brak", signer.sign(bytes)), FileError);
}

} // namespace
