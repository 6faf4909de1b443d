"""The online update as a user meets it on a real X display: version A asks the
reference server, which publishes a signed version B and a bigger dictionary;
after the confirmation, B runs from the same folder with the merged dictionary."""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request
from pathlib import Path

SOURCE = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(SOURCE / "platform" / "testing"))
from xsession import XSession, wait_for  # noqa: E402

APP_DIR = Path(os.environ["SLOWNIK_APP_DIR"])
VARIANT = Path(os.environ["SLOWNIK_UPDATE_VARIANT"])
SIGN = os.environ["SLOWNIK_SIGN"]
HOST = os.environ["SLOWNIK_TEST_UPDATE_HOST"]
TEST_KEY = Path(__file__).resolve().parent / "data" / "test_update_key.pem"
ARTIFACTS = Path(os.environ.get("SLOWNIK_ARTIFACTS", "realwindow-artifacts")) / "self_update"

# Popup menu items, counted without separators.
MENU_AKTUALIZUJ = 4

OLD_DICTIONARY = '"house";"dom";"a"\r\n"cat";"kot";"a"\r\n'.encode("cp1250")
# One line known in other letter case, two new ones (one given twice).
NEW_DICTIONARY = '"HOUSE";"DOM";"A"\r\n"frog";"żaba";"b"\r\n"boat";"łódź";"b"\r\n"frog";"żaba";"b"\r\n'.encode("cp1250")
MERGED_DICTIONARY = OLD_DICTIONARY + '"frog";"żaba";"b"\r\n"boat";"łódź";"b"\r\n'.encode("cp1250")


class SelfUpdateTest(unittest.TestCase):
    def setUp(self):
        self.tmp = Path(tempfile.mkdtemp(prefix="slownik-update-"))
        self.addCleanup(shutil.rmtree, self.tmp, ignore_errors=True)
        self.x = XSession()
        self.addCleanup(self.x.close)
        self.extra_pids = []
        self.addCleanup(self.kill_extra)

        # The application folder of version A, the updater beside it.
        self.app = self.x.application_folder(APP_DIR, files=("update",))
        shutil.copy2(VARIANT, self.app / "slownik")
        (self.app / "slownik.txt").write_bytes(OLD_DICTIONARY)
        self.version_a = (self.app / "slownik").read_bytes()
        # Version B: another build of the program; bytes after the ELF image change nothing when it runs.
        self.version_b = self.version_a + b"\0version B\0"

    def kill_extra(self):
        for pid in self.extra_pids:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    def publish(self, key):
        """A copy of the reference server with version B published and signed by key."""
        www = self.tmp / "www"
        shutil.copytree(SOURCE / "server", www, ignore=shutil.ignore_patterns("autotests", "*.exe", "*.txt", "*.sig"))
        staged = self.tmp / "staged"
        staged.mkdir()
        (staged / "slownik").write_bytes(self.version_b)
        (staged / "slownik.txt").write_bytes(NEW_DICTIONARY)
        subprocess.run(["sh", str(www / "publish.sh"), str(staged / "slownik"), str(staged / "slownik.txt"), str(key)],
                       env=dict(os.environ, SLOWNIK_SIGN=SIGN), check=True, capture_output=True)
        address, port = HOST.rsplit(":", 1)
        self.server_log = open(self.tmp / "server.log", "w")
        server = subprocess.Popen(["php", "-S", f"{address}:{port}", "-t", str(www)],
                                  stdout=self.server_log, stderr=subprocess.STDOUT)
        self.addCleanup(self.stop, server)
        opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))

        def answers():
            try:
                return opener.open(f"http://{HOST}/vandra/sprawdz.php?exe=1&txt=1", timeout=1).read() == b"1"
            except OSError:
                return False
        wait_for(answers, timeout=15, what="the update server")
        self.probes = len(self.requests())

    def stop(self, process):
        process.terminate()
        process.wait(5)
        self.server_log.close()

    def requests(self):
        self.server_log.flush()
        text = (self.tmp / "server.log").read_text(errors="replace")
        return re.findall(r"\[\d{3}\]: GET (\S+)", text)[getattr(self, "probes", 0):]

    def shot(self, name):
        return self.x.screenshot(ARTIFACTS / f"{self._testMethodName}-{name}.png")

    def start_version_a(self):
        proc = self.x.start(self.app)
        win = self.x.window_of(proc.pid, title="Orlenta Vandra ")
        wait_for(lambda: self.x.geometry(win)[:2] == (200, 200), what="the strip at its place")
        return proc, win

    def dialog_of(self, pid):
        def find():
            for w in self.x.windows_of(pid):
                try:
                    if self.x.is_viewable(w) and self.x.geometry(w)[2:] == (306, 86):
                        return w
                except AttributeError:
                    pass  # a window that went away meanwhile (the popup menu)
            return None
        return wait_for(find, timeout=30, what="the update dialog")

    def test_signed_update_replaces_the_program_and_merges_the_dictionary(self):
        self.publish(TEST_KEY)
        proc, _ = self.start_version_a()
        self.shot("1-version-a")

        self.x.menu_pick(260, 225, MENU_AKTUALIZUJ)
        box = self.x.window_of(proc.pid, title="Information", timeout=60)
        self.dialog_of(proc.pid)
        time.sleep(0.3)
        self.shot("2-installed-box")
        self.x.xdotool("windowactivate", "--sync", box)
        self.x.key("Return")

        # Version A ends at once, without its closing steps ...
        self.assertEqual(proc.wait(15), 0)
        self.assertEqual(proc.stdout.read(), b"")
        # ... and the updater starts version B from the same folder.
        def version_b_window():
            for w in self.x.client_windows():
                pid = self.x.pid_of(w)
                if pid and pid != proc.pid and self.x.is_viewable(w) and self.x.title(w) == "Orlenta Vandra ":
                    return w, pid
            return None
        win_b, pid_b = wait_for(version_b_window, timeout=20, what="version B's strip")
        self.extra_pids.append(pid_b)
        self.assertEqual(os.readlink(f"/proc/{pid_b}/exe"), str(self.app / "slownik"))
        self.assertEqual(os.readlink(f"/proc/{pid_b}/cwd"), str(self.app))
        self.assertEqual((self.app / "slownik").read_bytes(), self.version_b)
        self.assertTrue(os.access(self.app / "slownik", os.X_OK))
        self.assertFalse((self.app / "slownik_nowy").exists())
        self.assertFalse((self.app / "slownik_nowy.txt").exists())
        self.assertEqual((self.app / "slownik.txt").read_bytes(), MERGED_DICTIONARY)
        self.assertEqual((self.app / "temp.tmp").read_bytes(), b"1")
        self.assertFalse((self.app / "konfig.cfg").exists())
        self.assertEqual(self.x.geometry(win_b)[:2], (200, 200))
        # Let the ticker bring in its first words.
        time.sleep(10.0)
        self.shot("3-version-b")

        self.assertEqual(self.requests(), [
            f"/vandra/sprawdz.php?exe={len(self.version_a)}&txt={len(OLD_DICTIONARY)}",
            "/vandra/slownik.txt", "/vandra/slownik.txt.sig", "/vandra/slownik.exe", "/vandra/slownik.exe.sig"])

    def test_update_signed_by_another_key_installs_nothing(self):
        foreign = self.tmp / "foreign.pem"
        subprocess.run([SIGN, "genkey", str(foreign)], check=True, capture_output=True)
        self.publish(foreign)
        proc, win = self.start_version_a()

        self.x.menu_pick(260, 225, MENU_AKTUALIZUJ)
        box = self.x.window_of(proc.pid, title="Confirm", timeout=60)
        dialog = self.dialog_of(proc.pid)
        time.sleep(0.3)
        self.shot("1-failure-box")
        self.x.xdotool("windowactivate", "--sync", box)
        self.x.key("alt+n")
        wait_for(lambda: not self.x.is_viewable(box), what="the failure box closed")
        time.sleep(0.3)
        self.shot("2-zamknij")

        self.assertEqual((self.app / "slownik.txt").read_bytes(), OLD_DICTIONARY)
        self.assertEqual((self.app / "slownik").read_bytes(), self.version_a)
        self.assertFalse((self.app / "slownik_nowy").exists())
        self.assertFalse((self.app / "slownik_nowy.txt").exists())
        self.assertEqual(self.requests(), [
            f"/vandra/sprawdz.php?exe={len(self.version_a)}&txt={len(OLD_DICTIONARY)}",
            "/vandra/slownik.txt", "/vandra/slownik.txt.sig"])

        # "ZAMKNIJ" closes the dialog; the program goes on.
        x, y, _, _ = self.x.geometry(dialog)
        self.x.click(x + 232 + 32, y + 40 + 12)
        wait_for(lambda: not self.x.is_viewable(dialog), what="the dialog closed")
        self.assertIsNone(proc.poll())
        self.x.request_close(win)
        self.assertEqual(proc.wait(10), 0)
        self.assertTrue((self.app / "konfig.cfg").exists())


if __name__ == "__main__":
    unittest.main()
