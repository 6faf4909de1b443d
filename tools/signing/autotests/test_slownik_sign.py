"""The signing tool as the vendor and publish.sh use it."""
import os
import stat
import subprocess
import tempfile
import unittest

SIGN = os.environ["SLOWNIK_SIGN"]
OPENSSL = os.environ.get("OPENSSL", "openssl")

# A program-like file: every byte value, CR, LF and NUL among them.
PAYLOAD = bytes(range(256)) * 40 + b"\r\n\x00end"


def run(*args):
    return subprocess.run([SIGN, *args], capture_output=True, text=True)


class SigningTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory(prefix="slownik_sign_test_")
        self.key = os.path.join(self.dir.name, "vendor.pem")
        self.file = os.path.join(self.dir.name, "slownik.exe")
        with open(self.file, "wb") as f:
            f.write(PAYLOAD)
        made = run("genkey", self.key)
        self.assertEqual(made.returncode, 0, made.stderr)
        self.public = made.stdout.strip()

    def tearDown(self):
        self.dir.cleanup()

    def sign(self):
        signed = run("sign", self.key, self.file)
        self.assertEqual(signed.returncode, 0, signed.stderr)

    def verify(self, public=None):
        return run("verify", self.public if public is None else public, self.file).returncode

    def test_genkey_writes_a_private_key_and_prints_the_public_one(self):
        self.assertRegex(self.public, r"^[0-9a-f]{64}$")
        self.assertEqual(stat.S_IMODE(os.stat(self.key).st_mode), 0o600)
        self.assertEqual(run("pubkey", self.key).stdout.strip(), self.public)

    def test_genkey_never_overwrites_a_key(self):
        with open(self.key, "rb") as f:
            before = f.read()
        again = run("genkey", self.key)
        self.assertNotEqual(again.returncode, 0)
        self.assertEqual(again.stdout, "")
        with open(self.key, "rb") as f:
            self.assertEqual(f.read(), before)

    def test_a_signed_file_verifies(self):
        self.sign()
        with open(self.file + ".sig", "rb") as f:
            self.assertEqual(len(f.read()), 64)
        self.assertEqual(self.verify(), 0)

    def test_any_change_fails_verification(self):
        self.sign()
        other = os.path.join(self.dir.name, "other.pem")
        other_public = run("genkey", other).stdout.strip()
        with open(self.file + ".sig", "rb") as f:
            signature = f.read()

        def flip(path, data, index):
            changed = bytearray(data)
            changed[index] ^= 0x01
            with open(path, "wb") as f:
                f.write(changed)

        cases = [
            ("file byte flipped", lambda: flip(self.file, PAYLOAD, len(PAYLOAD) // 2), None),
            ("last file byte flipped", lambda: flip(self.file, PAYLOAD, len(PAYLOAD) - 1), None),
            ("signature byte flipped", lambda: flip(self.file + ".sig", signature, 10), None),
            ("signature cut short", lambda: open(self.file + ".sig", "wb").write(signature[:63]), None),
            ("signature missing", lambda: os.remove(self.file + ".sig"), None),
            ("another key", lambda: None, other_public),
        ]
        for name, spoil, public in cases:
            with self.subTest(name):
                with open(self.file, "wb") as f:
                    f.write(PAYLOAD)
                with open(self.file + ".sig", "wb") as f:
                    f.write(signature)
                self.assertEqual(self.verify(), 0)
                spoil()
                self.assertNotEqual(self.verify(public), 0)

    def test_signature_is_plain_ed25519_over_the_whole_file(self):
        # What the program's own verifier relies on: a standard Ed25519
        # signature of the raw bytes, and the key in its raw 32-byte form.
        self.sign()
        public_pem = os.path.join(self.dir.name, "public.pem")
        subprocess.run([OPENSSL, "pkey", "-in", self.key, "-pubout", "-out", public_pem], check=True)
        der = subprocess.run([OPENSSL, "pkey", "-pubin", "-in", public_pem, "-outform", "DER"],
                             check=True, capture_output=True).stdout
        self.assertEqual(der[-32:].hex(), self.public)
        checked = subprocess.run([OPENSSL, "pkeyutl", "-verify", "-pubin", "-inkey", public_pem,
                                  "-rawin", "-in", self.file, "-sigfile", self.file + ".sig"],
                                 capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)

    def test_bad_public_keys_are_refused(self):
        self.sign()
        for public in ["", "00" * 31, "zz" * 32, self.public + "0"]:
            with self.subTest(public):
                self.assertNotEqual(self.verify(public), 0)


if __name__ == "__main__":
    unittest.main()
