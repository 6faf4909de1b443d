"""The reference update server under PHP's built-in web server on 127.0.0.1,
with files published by publish.sh into a copy of the server folder."""
import os
import shutil
import socket
import subprocess
import tempfile
import time
import unittest
import urllib.error
import urllib.request

SIGN = os.environ["SLOWNIK_SIGN"]
PHP = os.environ.get("PHP", "php")
SOURCE = os.path.realpath(os.environ["SERVER_SOURCE"])

PROGRAM = b"\x7fELF" + bytes(range(256)) * 3 + b"\r\n\x00\n\r"
DICTIONARY = '"dog";"pies";"zwierzęta"\r\n"bee";"pszczoła";"zwierzęta"\r\n'.encode("cp1250")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def get(url):
    """(status, content type, body) of a GET, error statuses included."""
    try:
        with urllib.request.urlopen(url, timeout=10) as reply:
            return reply.status, reply.headers.get("Content-Type", ""), reply.read()
    except urllib.error.HTTPError as error:
        return error.code, error.headers.get("Content-Type", ""), error.read()


class ServerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory(prefix="update_server_test_")
        cls.root = os.path.join(cls.tmp.name, "server")
        published = shutil.ignore_patterns("slownik.exe", "slownik.txt", "*.sig", "*.new", "*.tmp", "autotests")
        shutil.copytree(SOURCE, cls.root, ignore=published)
        cls.key = os.path.join(cls.tmp.name, "vendor.pem")
        cls.public = subprocess.run([SIGN, "genkey", cls.key], check=True,
                                    capture_output=True, text=True).stdout.strip()
        cls.server, cls.base = cls.start_server()

    @classmethod
    def start_server(cls):
        for _ in range(5):
            port = free_port()
            server = subprocess.Popen([PHP, "-S", f"127.0.0.1:{port}", "-t", cls.root],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(200):
                if server.poll() is not None:
                    break
                try:
                    socket.create_connection(("127.0.0.1", port), timeout=1).close()
                    return server, f"http://127.0.0.1:{port}"
                except OSError:
                    time.sleep(0.05)
            server.kill()
            server.wait()
        raise RuntimeError("php -S did not start")

    @classmethod
    def tearDownClass(cls):
        cls.server.kill()
        cls.server.wait()
        cls.tmp.cleanup()

    def vandra(self, name):
        return os.path.join(self.root, "vandra", name)

    def unpublish(self):
        for name in ["slownik.exe", "slownik.txt", "slownik.exe.sig", "slownik.txt.sig"]:
            if os.path.exists(self.vandra(name)):
                os.remove(self.vandra(name))

    def publish(self, program=PROGRAM, dictionary=DICTIONARY):
        sources = os.path.join(self.tmp.name, "build")
        os.makedirs(sources, exist_ok=True)
        paths = [os.path.join(sources, "slownik"), os.path.join(sources, "slownik.txt")]
        for path, data in zip(paths, [program, dictionary]):
            with open(path, "wb") as f:
                f.write(data)
        return subprocess.run([os.path.join(self.root, "publish.sh"), *paths, self.key],
                              env={**os.environ, "SLOWNIK_SIGN": SIGN}, capture_output=True, text=True)

    def check(self, query):
        status, content_type, body = get(f"{self.base}/vandra/sprawdz.php{query}")
        self.assertEqual(status, 200, query)
        self.assertTrue(content_type.startswith("text/plain"), content_type)
        return body.decode("latin-1")

    def test_version_check_answers_0_only_for_both_published_sizes(self):
        self.assertEqual(self.publish().returncode, 0)
        exe, txt = len(PROGRAM), len(DICTIONARY)
        rows = [
            (f"?exe={exe}&txt={txt}", "0"),
            (f"?txt={txt}&exe={exe}", "0"),
            (f"?exe={exe + 1}&txt={txt}", "1"),
            (f"?exe={exe}&txt={txt - 1}", "1"),
            (f"?exe={txt}&txt={exe}", "1"),
            (f"?exe=&txt={txt}", "1"),
            (f"?exe={exe}&txt=", "1"),
            (f"?exe={exe}", "1"),
            (f"?txt={txt}", "1"),
            ("", "1"),
            (f"?exe=0{exe}&txt={txt}", "1"),
            (f"?exe=%2B{exe}&txt={txt}", "1"),
            (f"?exe={exe}%20&txt={txt}", "1"),
            (f"?exe[]={exe}&txt={txt}", "1"),
            (f"?exe={exe}.0&txt={txt}", "1"),
        ]
        for query, expected in rows:
            with self.subTest(query):
                self.assertEqual(self.check(query), expected)

    def test_version_check_follows_a_new_publication(self):
        self.assertEqual(self.publish().returncode, 0)
        old = f"?exe={len(PROGRAM)}&txt={len(DICTIONARY)}"
        self.assertEqual(self.check(old), "0")
        newer = DICTIONARY + b'"cat";"kot";"zwierz\xeata"\r\n'
        self.assertEqual(self.publish(dictionary=newer).returncode, 0)
        self.assertEqual(self.check(old), "1")
        self.assertEqual(self.check(f"?exe={len(PROGRAM)}&txt={len(newer)}"), "0")

    def test_nothing_published_means_1_and_404s(self):
        self.unpublish()
        for query in ["?exe=&txt=", "?exe=0&txt=0"]:
            with self.subTest(query):
                self.assertEqual(self.check(query), "1")
        for name in ["slownik.exe", "slownik.txt", "slownik.exe.sig", "slownik.txt.sig"]:
            with self.subTest(name):
                self.assertEqual(get(f"{self.base}/vandra/{name}")[0], 404)

    def test_published_files_and_signatures_are_served_byte_for_byte(self):
        self.assertEqual(self.publish().returncode, 0)
        check_dir = os.path.join(self.tmp.name, "downloaded")
        os.makedirs(check_dir, exist_ok=True)
        for name, data in [("slownik.exe", PROGRAM), ("slownik.txt", DICTIONARY)]:
            with self.subTest(name):
                status, _, body = get(f"{self.base}/vandra/{name}")
                self.assertEqual((status, body), (200, data))
                status, _, signature = get(f"{self.base}/vandra/{name}.sig")
                self.assertEqual((status, len(signature)), (200, 64))
                downloaded = os.path.join(check_dir, name)
                with open(downloaded, "wb") as f:
                    f.write(body)
                with open(downloaded + ".sig", "wb") as f:
                    f.write(signature)
                self.assertEqual(subprocess.run([SIGN, "verify", self.public, downloaded]).returncode, 0)
        self.assertEqual(sorted(os.listdir(os.path.join(self.root, "vandra"))),
                         sorted([".gitignore", "index.html", "sprawdz.php", "slownik.exe", "slownik.txt",
                                 "slownik.exe.sig", "slownik.txt.sig"]))

    def test_manual_download_page_links_the_files(self):
        status, content_type, body = get(f"{self.base}/vandra/")
        self.assertEqual(status, 200)
        self.assertTrue(content_type.startswith("text/html"), content_type)
        page = body.decode("utf-8")
        self.assertIn('<meta charset="utf-8">', page)
        self.assertIn("ręcznie", page)
        for name in ["slownik.exe", "slownik.txt", "slownik.exe.sig", "slownik.txt.sig"]:
            self.assertIn(f'href="{name}"', page)

    def test_publish_refuses_bad_arguments_and_publishes_nothing(self):
        self.unpublish()
        script = os.path.join(self.root, "publish.sh")
        build = os.path.join(self.tmp.name, "build")
        os.makedirs(build, exist_ok=True)
        present = os.path.join(build, "present")
        with open(present, "wb") as f:
            f.write(b"x")
        for args in [[], [present, present], [present, os.path.join(build, "missing"), self.key],
                     [present, present, os.path.join(build, "missing.pem")]]:
            with self.subTest(args):
                done = subprocess.run([script, *args], env={**os.environ, "SLOWNIK_SIGN": SIGN},
                                      capture_output=True, text=True)
                self.assertNotEqual(done.returncode, 0)
                self.assertEqual(sorted(os.listdir(os.path.join(self.root, "vandra"))),
                                 [".gitignore", "index.html", "sprawdz.php"])


if __name__ == "__main__":
    unittest.main()
